// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/errors.h"
#include "rules/picture.h"

#include <QByteArray>

// The JPEG reader: the header is read at once, the pixels the first time the
// picture is drawn. Throws EJPEG with libjpeg's message for a header it
// cannot read or a picture too large to hold.
std::unique_ptr<Picture> readJpeg(QByteArray bytes);

// The error of a JPEG file too large to read at all.
EJPEG jpegTooLarge();
