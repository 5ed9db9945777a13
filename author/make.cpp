#include "author/make.h"

#include "author/finder.h"
#include "rules/answerlines.h"
#include "rules/questionfiles.h"
#include "rules/errors.h"
#include "rules/files.h"
#include "rules/linefile.h"
#include "rules/picture.h"
#include "tools/asseterror.h"
#include "tools/imagewriters.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <optional>

namespace Author {

namespace {

// A photo as Qt reads it, turned upright as the camera recorded it; empty
// with the reason when it cannot be read.
std::optional<QImage> readPhoto(const QString &fileName, QString &why)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        why = QStringLiteral("写真 %1 がありません。").arg(fileName);
        return std::nullopt;
    }
    if (!info.isFile()) {
        why = QStringLiteral("%1 は写真のファイルではありません。").arg(fileName);
        return std::nullopt;
    }
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        why = QStringLiteral("写真 %1 を読めません（%2）。").arg(fileName, reader.errorString());
        return std::nullopt;
    }
    return image;
}

// Every name a picture of the question could have, in the spelling on disk.
QStringList existingPictures(const QuestionPath &question)
{
    QStringList found;
    for (const char *ending : {"_A.bmp", "_B.bmp", "_A.jpg", "_B.jpg"}) {
        const QString path = Platform::resolvePath(question.folder + question.name + QLatin1String(ending));
        if (Platform::fileExists(path))
            found << Platform::fileNameOf(path);
    }
    return found;
}

// Removes what this run wrote, so a failure leaves the folder as it was.
void removeAll(const QStringList &written)
{
    for (const QString &file : written)
        QFile::remove(file);
}

} // namespace

QImage questionSquare(const QImage &photo)
{
    const QImage scaled = photo.width() <= photo.height()
        ? photo.scaledToWidth(PictureSide, Qt::SmoothTransformation)
        : photo.scaledToHeight(PictureSide, Qt::SmoothTransformation);
    const QRect middle((scaled.width() - PictureSide) / 2, (scaled.height() - PictureSide) / 2, PictureSide,
        PictureSide);
    QImage square = scaled.copy(middle).convertToFormat(QImage::Format_ARGB32);
    // See-through parts of a photo show white, as on paper.
    for (int y = 0; y < square.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(square.scanLine(y));
        for (int x = 0; x < square.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            const auto onWhite = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; };
            line[x] = qRgb(onWhite(qRed(line[x])), onWhite(qGreen(line[x])), onWhite(qBlue(line[x])));
        }
    }
    return square.convertToFormat(QImage::Format_RGB32);
}

Outcome makeQuestion(const QuestionPath &question, const QString &photoA, const QString &photoB,
    const MakeOptions &options)
{
    Outcome outcome;
    const auto say = [&](const QString &text) { return messageLine(question.name, text); };
    if (question.name.isEmpty())
        return outcome.fail(messageLine(question.folder, QStringLiteral("もんだいの名前がありません。フォルダ/名前 の形で指定してください。")));
    if (!Platform::folderExists(question.folder))
        return outcome.fail(say(QStringLiteral("フォルダ %1 がありません。").arg(question.folder)));
    const QStringList already = existingPictures(question);
    if (!already.isEmpty())
        return outcome.fail(say(QStringLiteral("その名前の絵（%1）がもうあります。別の名前にしてください。")
                                    .arg(already.join(QStringLiteral("、")))));

    QString why;
    const std::optional<QImage> a = readPhoto(photoA, why);
    if (!a)
        return outcome.fail(say(why));
    const std::optional<QImage> b = readPhoto(photoB, why);
    if (!b)
        return outcome.fail(say(why));
    if (a->size() != b->size())
        return outcome.fail(say(QStringLiteral("2 枚の写真の大きさが違います（%1 x %2 と %3 x %4）。同じ大きさの写真にしてください。")
                                    .arg(a->width())
                                    .arg(a->height())
                                    .arg(b->width())
                                    .arg(b->height())));

    const QString extension = options.bitmap ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    const QString fileA = question.folder + question.name + QStringLiteral("_A") + extension;
    const QString fileB = question.folder + question.name + QStringLiteral("_B") + extension;
    QStringList written;
    try {
        const QImage squareA = questionSquare(*a);
        const QImage squareB = questionSquare(*b);
        const QByteArray bytesA = options.bitmap ? encodeBitmap(squareA) : encodeJpeg(squareA, MadeJpegQuality, false);
        const QByteArray bytesB = options.bitmap ? encodeBitmap(squareB) : encodeJpeg(squareB, MadeJpegQuality, false);
        Platform::saveFile(bytesA, fileA);
        written << fileA;
        Platform::saveFile(bytesB, fileB);
        written << fileB;

        // The answers come from the pictures as the game will show them.
        const PicturePair pictures = loadQuestionPictures(question.folder, question.name);
        const std::vector<Circle> circles = findDifferences(pictures.a, pictures.b);
        const QString answerFile = AnswerFileOf(question.folder, question.name);
        const QString pictureNames = Platform::fileNameOf(fileA) + QStringLiteral(" と ") + Platform::fileNameOf(fileB);
        if (Platform::fileExists(answerFile)) {
            outcome.tell(say(QStringLiteral("%1 を作りました。答えファイル %2 はもうあるので、そのままにしました。")
                                 .arg(pictureNames, Platform::fileNameOf(answerFile))));
        } else if (const QString problem = proposalProblem(circles); !problem.isEmpty()) {
            outcome.tell(say(QStringLiteral("%1 を作りました。").arg(pictureNames)));
            outcome.fail(say(problem + QStringLiteral("答えファイルは作りませんでした。隠しモードで答えを付けてください。")));
        } else {
            Platform::saveLines(AnswerFileLines(circles, options.limit), answerFile);
            written << answerFile;
            outcome.tell(say(QStringLiteral("%1 と %2 を作りました（違い %3 か所、制限時間 %4 秒）。")
                                 .arg(pictureNames, Platform::fileNameOf(answerFile))
                                 .arg(circles.size())
                                 .arg(options.limit)));
        }
    } catch (const EGameError &error) {
        removeAll(written);
        return outcome.fail(say(QStringLiteral("書き込めませんでした（%1）。何も作っていません。")
                                    .arg(Errors::boxText(error.message()))));
    } catch (const AssetError &error) {
        removeAll(written);
        return outcome.fail(say(QStringLiteral("絵にできませんでした（%1）。何も作っていません。").arg(error.message())));
    }
    return outcome;
}

} // namespace Author
