// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/picture.h"

#include <QByteArray>

// A picture whose pixels are all there: a bitmap read from a file, or the overlay.
class BitmapPicture : public Picture
{
public:
    explicit BitmapPicture(QImage image) : m_image(std::move(image)) {}
    Kind kind() const override { return Kind::Bitmap; }
    QSize size() const override { return m_image.size(); }
    const QImage &image() override { return m_image; }
    QImage *bitmap() override { return &m_image; }

private:
    QImage m_image;
};

// The bitmap reader: the header checked by the game's own rules, plain 24-
// and 32-bit rows converted here, every other kind through Qt's reader; the
// pixels always opaque. Throws EReadError for a file cut short and
// EInvalidGraphic for one that is no bitmap the game shows.
std::unique_ptr<Picture> readBitmap(const QByteArray &bytes);
