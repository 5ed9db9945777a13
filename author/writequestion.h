// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"
#include "author/question.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace Author {

inline constexpr int MadeJpegQuality = 92;

struct WriteOptions
{
    bool bitmap = false; // .bmp pictures instead of .jpg
    bool replace = false; // replace pictures and an answer file already there
};

// The question's pictures already in its folder, as spelt on disk.
QStringList existingPictures(const QuestionPath &question);

// Writes NAME_A and NAME_B (JPEG of quality 92, or bitmaps) and NAME_Ans.txt
// (CR LF), each file replaced whole. Without `replace`, pictures already
// there refuse the work and an answer file already there is kept. All or
// nothing: on any failure every file is as it was. Returns the reason in
// Japanese, or an empty string when all was written.
QString writeQuestion(const QuestionPath &question, const QImage &a, const QImage &b, const std::vector<Circle> &circles,
    int limit, const WriteOptions &options);

} // namespace Author
