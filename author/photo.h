// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

namespace Author {

// Photos are worked on with their shorter side at least this long: twice a
// question's side, so the middle square, or any square of half the photo or
// more, still gives a sharp picture, and a 48-megapixel photo is decoded at
// an eighth of its size.
inline constexpr int WorkingShortSide = 700;

// A photo of any size and kind Qt reads, upright as the camera recorded it,
// opaque (see-through parts white) in RGB32. A JPEG is decoded at a half, a
// quarter or an eighth of its size when that keeps the working side; other
// kinds far larger than that are shrunk after reading. `fullSize`, when
// given, receives the photo's own upright size, to which any square the
// person names refers. Empty, with `why` said in Japanese, when it cannot be read.
std::optional<QImage> readPhoto(const QString &fileName, QString &why, QSize *fullSize = nullptr);

// A square named in a photo's own pixels (`fullSize`), in the pixels of the
// photo as readPhoto gave it (`readSize`), kept inside it.
QRect squareInReadPhoto(const QRect &square, QSize fullSize, QSize readSize);

} // namespace Author
