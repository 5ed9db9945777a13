// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

// Encoders for the question pictures. Both throw AssetError when the image
// cannot be encoded.

// A Windows bitmap with 24 bits per pixel.
QByteArray encodeBitmap(const QImage &image);

// A colour (YCbCr, unsubsampled) JPEG of the given quality, baseline or progressive.
QByteArray encodeJpeg(const QImage &image, int quality, bool progressive);
