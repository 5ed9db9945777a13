#pragma once

#include "author/outcome.h"
#include "author/question.h"
#include "rules/constants.h"

#include <QImage>

namespace Author {

struct MakeOptions
{
    bool bitmap = false; // write .bmp pictures instead of .jpg
    int limit = DefaultLimit;
};

inline constexpr int MadeJpegQuality = 92;

// The photo scaled so its shorter side is 350, with the middle 350 x 350 cut
// out; what the photo leaves see-through is white.
QImage questionSquare(const QImage &photo);

// Makes a question from two photos of the same size: its two pictures and,
// unless one is there already, the proposed answer file. A refusal or a
// failure leaves the folder as it was.
Outcome makeQuestion(const QuestionPath &question, const QString &photoA, const QString &photoB,
    const MakeOptions &options);

} // namespace Author
