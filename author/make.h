// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/outcome.h"
#include "author/question.h"
#include "author/square.h"
#include "author/writequestion.h"

#include <QImage>
#include <QRect>

#include <optional>

namespace Author {

struct MakeOptions
{
    bool bitmap = false; // write .bmp pictures instead of .jpg
    int limit = DefaultLimit;
    std::optional<QRect> square; // the square of photo A to use, in its own pixels
};

// Makes a question from two photos of the same scene and size, the second
// perhaps taken by hand: its two pictures and, unless one is there already,
// the answer file. Anything but success leaves the folder as it was.
Outcome makeQuestion(const QuestionPath &question, const QString &photoA, const QString &photoB,
    const MakeOptions &options);

} // namespace Author
