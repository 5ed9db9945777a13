// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

// A picture held by an image view: a bitmap, or a JPEG image whose pixels are
// decoded the first time it is drawn.
class Picture
{
public:
    enum class Kind { Bitmap, Jpeg };
    virtual ~Picture() = default;
    virtual Kind kind() const = 0;
    virtual QSize size() const = 0;
    // The pixels to draw. For a JPEG the first call decodes; a decoding error
    // is thrown (EJPEG) from that first call only, later calls return what was
    // decoded.
    virtual const QImage &image() = 0;
    // Writable pixels, bitmaps only.
    virtual QImage *bitmap() { return nullptr; }
};

// The most pixels a picture may have; a larger one is refused before any of
// its pixels are made.
inline constexpr qint64 MaxPicturePixels = qint64(64) * 1024 * 1024;

// Loads a picture by the extension of its name; throws the game's errors
// (unknown extension before the file is touched, open, bitmap and JPEG
// errors). The readers are rules/bitmapreader.h and rules/jpegreader.h.
std::unique_ptr<Picture> loadPicture(const QString &fileName);
// A new white bitmap, as the overlay starts.
std::unique_ptr<Picture> newBitmap(QSize size);
