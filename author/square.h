// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/constants.h"

#include <QImage>
#include <QRect>
#include <QSize>

namespace Author {

// The largest square in the middle of a photo of that size.
QRect defaultSquare(QSize photo);

// That square of the photo as a 350 x 350 question picture (RGB32, see-through
// parts white): cut first, then scaled, so only the square is ever enlarged.
// The square must lie in the photo.
QImage cutSquare(const QImage &photo, const QRect &square);

} // namespace Author
