// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The window icon, a magnifying glass over a smiling star, drawn at size x size
// (32 or 16) in at most 16 colours, as an indexed image with a transparent background.
QImage drawIcon(int size);

// The same picture for the desktop's icon theme, antialiased, in full colour,
// at any size (drawn for 16 to 256).
QImage drawThemeIcon(int size);
