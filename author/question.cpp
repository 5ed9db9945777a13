// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/question.h"

#include "rules/answerlines.h"
#include "rules/constants.h"
#include "rules/questionfiles.h"
#include "rules/picture.h"
#include "rules/textconv.h"

namespace Author {

QuestionPath splitQuestionPath(const QString &argument)
{
    const qsizetype slash = argument.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QStringLiteral("./"), argument};
    return {argument.left(slash + 1), argument.mid(slash + 1)};
}

std::optional<int> timeChoiceSeconds(const QString &text)
{
    if (!TimeChoices().contains(text))
        return std::nullopt;
    return text.toInt();
}

PicturePair loadQuestionPictures(const QString &folder, const QString &name)
{
    const QuestionPictureFiles files = PictureFilesOf(folder, name);
    PicturePair pair {files.a, files.b, {}, {}};
    // A JPEG is decoded when it is first drawn; its errors come from there.
    pair.a = loadPicture(files.a)->image();
    pair.b = loadPicture(files.b)->image();
    return pair;
}

bool isQuestionSized(QSize picture)
{
    return picture == QSize(PictureSide, PictureSide);
}

QString messageLine(const QString &subject, const QString &text)
{
    return subject + QStringLiteral(": ") + text;
}

} // namespace Author
