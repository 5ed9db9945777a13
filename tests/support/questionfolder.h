// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/constants.h"

#include <QByteArray>
#include <QColor>
#include <QString>

// Builds question folders for tests: picture pairs and answer files with the
// exact bytes a test wants.
namespace QuestionFolder {
enum class Kind { Bitmap, Jpeg };

// Writes <dir>/<name>_A.<ext> and <name>_B.<ext>: plain pictures of the given
// colours, 350 x 350 unless told otherwise.
void addPictures(const QString &dir, const QString &name, Kind kind = Kind::Bitmap, const QColor &a = Qt::green,
                 const QColor &b = Qt::yellow, int size = PictureSide);
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);
} // namespace QuestionFolder
