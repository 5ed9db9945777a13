// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/constants.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QMap>
#include <QRect>
#include <QString>

// Made pictures for the author's tool: a busy 350 x 350 scene, changes
// painted into a copy of it, and question folders written from them.
namespace AuthorPairs {

// A scene of many small shapes on a two-colour ground: edges everywhere, so
// JPEG compression leaves noise all over it.
QImage scene(int size = PictureSide);

// A copy of the picture with a filled shape (with a dark outline) painted in.
QImage withDisc(const QImage &picture, QPoint centre, int radius, const QColor &fill);
QImage withRect(const QImage &picture, const QRect &rect, const QColor &fill);

// The picture after a round trip through a JPEG of that quality.
QImage jpegRoundTrip(const QImage &picture, int quality);
// Independent noise of the given spread on every channel.
QImage withNoise(const QImage &picture, double spread, unsigned seed);

enum class Kind { Bitmap, Jpeg };
// Writes NAME_A and NAME_B (bitmaps, or JPEGs of quality 90).
void writePair(const QString &folder, const QString &name, const QImage &a, const QImage &b, Kind kind);
void writeFile(const QString &path, const QByteArray &bytes);

// Every file of the folder (not below it) with its bytes: equal snapshots
// mean nothing was written, replaced or removed.
QMap<QString, QByteArray> snapshot(const QString &folder);

} // namespace AuthorPairs
