// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"
#include "author/question.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

// Reading a photo, cutting its square and writing a question, for the
// one-photo make until the shared versions (author/photo.h, author/square.h,
// author/writequestion.h) take their place with the same names and meanings.
namespace Author::Interim {

// The photo, upright as the camera recorded it; empty with the reason.
std::optional<QImage> readPhoto(const QString &fileName, QString &why);

// The middle, largest square of a photo of that size.
QRect defaultSquare(QSize photo);

// That square of the photo as a 350 x 350 picture (see-through parts white).
QImage cutSquare(const QImage &photo, const QRect &square);

struct WriteOptions
{
    bool bitmap = false;
    bool replace = false;
};

// Writes NAME_A, NAME_B and NAME_Ans.txt all or nothing: an empty string,
// or the reason (and nothing written or changed).
QString writeQuestion(const QuestionPath &question, const QImage &a, const QImage &b,
    const std::vector<Circle> &circles, int limit, const WriteOptions &options);

} // namespace Author::Interim
