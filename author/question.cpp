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

QString proposalProblem(const std::vector<Circle> &circles)
{
    if (circles.empty())
        return QStringLiteral("絵 A と絵 B の違いが見つかりませんでした。");
    if (circles.size() > std::size_t(MaxAnswers))
        return QStringLiteral("違いが %1 か所もあり、ゲームが使える %2 か所を超えます。同じ場所から撮った 2 枚か確かめてください。")
            .arg(circles.size())
            .arg(MaxAnswers);
    return QString();
}

QString messageLine(const QString &subject, const QString &text)
{
    return subject + QStringLiteral(": ") + text;
}

} // namespace Author
