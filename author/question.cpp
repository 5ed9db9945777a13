#include "author/question.h"

#include "author/square.h"

#include "game/Pimukaro_Main.h"
#include "game/answerlines.h"
#include "game/questionfiles.h"
#include "platform/picture.h"
#include "platform/textconv.h"

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

QStringList answerFileLines(const std::vector<Circle> &circles, int limit)
{
    QStringList lines;
    for (const Circle &c : circles)
        lines << FormatAnswerLine(c.x, c.y, c.r);
    lines << Platform::intToStr(limit);
    return lines;
}

bool isQuestionSized(QSize picture)
{
    return picture == QSize(QuestionSide, QuestionSide);
}

QString messageLine(const QString &subject, const QString &text)
{
    return subject + QStringLiteral(": ") + text;
}

} // namespace Author
