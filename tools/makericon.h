// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

// The question maker's icon for the desktop's icon theme: two little
// pictures side by side, the right one with a red ring, and a pencil;
// antialiased, in full colour, at any size (drawn for 16 to 256).
QImage drawMakerThemeIcon(int size);
