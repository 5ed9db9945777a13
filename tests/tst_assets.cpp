// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/picture.h"
#include "rules/answerlines.h"
#include "rules/linefile.h"
#include "tools/asseterror.h"
#include "tools/assetgen.h"
#include "tools/scene.h"
#include "tools/shapes.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

const QStringList limitChoices { "30", "40", "50", "60", "70", "80", "90", "100", "110", "120", "180", "240",
    "300" };

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

// Names of the questions in a folder, from their picture A files.
QStringList questionNames(const QString &folder)
{
    QStringList names;
    for (const QFileInfo &fi : QDir(folder).entryInfoList({ "*_A.bmp", "*_A.jpg" }, QDir::Files, QDir::Name))
        names << fi.completeBaseName().chopped(2);
    return names;
}

QString pictureExtension(const QString &folder, const QString &name)
{
    return QFile::exists(folder + "/" + name + "_A.bmp") ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
}

QImage decoded(const QString &path)
{
    std::unique_ptr<Picture> picture = loadPicture(path);
    return picture->image().convertToFormat(QImage::Format_RGB32);
}

struct ParsedAnswers
{
    std::vector<AnswerCircle> circles;
    QString limit;
};

ParsedAnswers parseAnswerFile(const QByteArray &bytes)
{
    ParsedAnswers parsed;
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast(); // after the final CR LF
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i].chopped(1));
        parsed.circles.push_back({ line.mid(0, 5).trimmed().toInt(), line.mid(5, 5).trimmed().toInt(),
            line.mid(10, 5).trimmed().toInt() });
    }
    if (!lines.isEmpty())
        parsed.limit = QString::fromLatin1(lines.last().chopped(1));
    return parsed;
}

int channelDifference(QRgb a, QRgb b)
{
    return std::max(
        { std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)) });
}

double distanceToCircle(int x, int y, const AnswerCircle &c)
{
    return std::hypot(double(x - c.x), double(y - c.y)) - c.r;
}

qint32 le32(const QByteArray &b, int at)
{
    return qint32(
        quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 | quint32(quint8(b[at + 3])) << 24);
}

int le16(const QByteArray &b, int at)
{
    return qint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

// The frame marker of a JPEG: 0xC0 baseline, 0xC2 progressive; with its component count.
std::pair<int, int> jpegFrame(const QByteArray &jpeg)
{
    for (qsizetype i = 2; i + 9 < jpeg.size();) {
        if (quint8(jpeg[i]) != 0xff)
            return { 0, 0 };
        const int marker = quint8(jpeg[i + 1]);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc)
            return { marker, quint8(jpeg[i + 9]) };
        i += 2 + (quint8(jpeg[i + 2]) << 8 | quint8(jpeg[i + 3]));
    }
    return { 0, 0 };
}

Scene sceneWith(std::vector<QPointF> extras)
{
    Scene s;
    s.name = QStringLiteral("test");
    s.add(Paths::rect(0, 0, PictureSide, PictureSide), Palette::white, Palette::none);
    for (const QPointF &p : extras)
        s.extra({ { Paths::circle(p.x(), p.y(), 10), Palette::red } });
    return s;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sampleFolderHoldsTwelveQuestionsWithBothPictures();
    void memoryFolderHoldsItsMarkerAndFourQuestions();
    void picturesAreSquareAndDecodeAsTheGameDecodesThem_data();
    void picturesAreSquareAndDecodeAsTheGameDecodesThem();
    void answerFileLinesAreFifteenColumnsThenALimit_data();
    void answerFileLinesAreFifteenColumnsThenALimit();
    void circlesAreFairTargets_data();
    void circlesAreFairTargets();
    void everyCircleCoversAVisibleDifference_data();
    void everyCircleCoversAVisibleDifference();
    void picturesAgreeOutsideTheCircles_data();
    void picturesAgreeOutsideTheCircles();
    void bothBitmapAndJpegKindsAreShipped();
    void mostQuestionsGiveSixtySeconds();

    void answerLineKeepsFiveColumnsPerField_data();
    void answerLineKeepsFiveColumnsPerField();
    void answerFileOfTheWorkedExampleIs38Bytes();

    void soundsAreMonoSixteenBitWaves_data();
    void soundsAreMonoSixteenBitWaves();

    void iconIsSmallAndHasFewColours_data();
    void iconIsSmallAndHasFewColours();
    void themeIconsHaveEverySizeWhereTheThemeLooks_data();
    void themeIconsHaveEverySizeWhereTheThemeLooks();

    void generatingTwiceGivesTheSameBytes();
    void unfairSceneIsRefusedBeforeAnythingIsWritten();
    void fileThatCannotBeWrittenIsAnErrorAndLeavesNoFile();

private:
    QTemporaryDir m_dir;
    QString sample() const { return m_dir.filePath(SampleFolderName); }
    QString memory() const { return m_dir.filePath(MemoryFolderName); }
    void addQuestionRows();
};

void TestAssets::initTestCase()
{
    QVERIFY(m_dir.isValid());
    try {
        writeAllAssets(m_dir.path());
    } catch (const AssetError &e) {
        QFAIL(e.what());
    }
}

void TestAssets::addQuestionRows()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    for (const QString &folder : { sample(), memory() })
        for (const QString &name : questionNames(folder))
            QTest::newRow(qPrintable(QDir(folder).dirName() + "/" + name)) << folder << name;
}

void TestAssets::sampleFolderHoldsTwelveQuestionsWithBothPictures()
{
    // The sample folder is what a first start plays: twelve complete questions.
    const QStringList names = questionNames(sample());
    QCOMPARE(names.size(), 12);
    QVERIFY(!QFile::exists(sample() + "/" + MemoryMarkerFile));
    for (const QString &name : names) {
        const QString ext = pictureExtension(sample(), name);
        QVERIFY2(QFile::exists(sample() + "/" + name + "_B" + ext), qPrintable(name));
        QVERIFY2(QFile::exists(sample() + "/" + name + "_Ans.txt"), qPrintable(name));
    }
}

void TestAssets::memoryFolderHoldsItsMarkerAndFourQuestions()
{
    QVERIFY(QFile::exists(memory() + "/Kioku.txt"));
    QVERIFY(!readAll(memory() + "/Kioku.txt").trimmed().isEmpty());
    const QStringList names = questionNames(memory());
    QCOMPARE(names.size(), 4);
    for (const QString &name : names) {
        const ParsedAnswers answers = parseAnswerFile(readAll(memory() + "/" + name + "_Ans.txt"));
        QCOMPARE(answers.circles.size(), std::size_t(3));
    }
}

void TestAssets::picturesAreSquareAndDecodeAsTheGameDecodesThem_data()
{
    addQuestionRows();
}

void TestAssets::picturesAreSquareAndDecodeAsTheGameDecodesThem()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const QString ext = pictureExtension(folder, name);
    for (const QString side : { "_A", "_B" }) {
        const QImage image = decoded(folder + "/" + name + side + ext);
        QCOMPARE(image.size(), QSize(350, 350));
    }
}

void TestAssets::answerFileLinesAreFifteenColumnsThenALimit_data()
{
    addQuestionRows();
}

void TestAssets::answerFileLinesAreFifteenColumnsThenALimit()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const QByteArray bytes = readAll(folder + "/" + name + "_Ans.txt");
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count('\n'));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    QVERIFY(lines.size() >= 4 && lines.size() <= 7);
    const QRegularExpression field(QStringLiteral("^(-?[0-9]+ *)$"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QString line = QString::fromLatin1(lines[i].chopped(1));
        QCOMPARE(line.size(), 15);
        for (int f = 0; f < 3; ++f)
            QVERIFY2(field.match(line.mid(f * 5, 5)).hasMatch(), qPrintable(line));
    }
    QVERIFY2(limitChoices.contains(QString::fromLatin1(lines.last().chopped(1))), lines.last().constData());
}

void TestAssets::circlesAreFairTargets_data()
{
    addQuestionRows();
}

void TestAssets::circlesAreFairTargets()
{
    // Radius 12 to 40, wholly inside the picture, no two circles touching.
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const ParsedAnswers answers = parseAnswerFile(readAll(folder + "/" + name + "_Ans.txt"));
    QVERIFY(answers.circles.size() >= 3 && answers.circles.size() <= 6);
    for (std::size_t i = 0; i < answers.circles.size(); ++i) {
        const AnswerCircle &c = answers.circles[i];
        QVERIFY(c.r >= 12 && c.r <= 40);
        QVERIFY(c.x - c.r >= 0 && c.y - c.r >= 0 && c.x + c.r < 350 && c.y + c.r < 350);
        for (std::size_t j = 0; j < i; ++j) {
            const AnswerCircle &o = answers.circles[j];
            QVERIFY(std::hypot(double(c.x - o.x), double(c.y - o.y)) > c.r + o.r);
        }
    }
}

void TestAssets::everyCircleCoversAVisibleDifference_data()
{
    addQuestionRows();
}

void TestAssets::everyCircleCoversAVisibleDifference()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const QString ext = pictureExtension(folder, name);
    const QImage a = decoded(folder + "/" + name + "_A" + ext);
    const QImage b = decoded(folder + "/" + name + "_B" + ext);
    const ParsedAnswers answers = parseAnswerFile(readAll(folder + "/" + name + "_Ans.txt"));
    for (const AnswerCircle &c : answers.circles) {
        int strong = 0;
        for (int y = c.y - c.r; y <= c.y + c.r; ++y)
            for (int x = c.x - c.r; x <= c.x + c.r; ++x)
                if (distanceToCircle(x, y, c) <= 0 && channelDifference(a.pixel(x, y), b.pixel(x, y)) > 60)
                    ++strong;
        // A child needs more than a few pixels to spot it.
        QVERIFY2(strong >= 40,
            qPrintable(QStringLiteral("(%1, %2) r %3: %4 pixels").arg(c.x).arg(c.y).arg(c.r).arg(strong)));
    }
}

void TestAssets::picturesAgreeOutsideTheCircles_data()
{
    addQuestionRows();
}

void TestAssets::picturesAgreeOutsideTheCircles()
{
    // A difference outside every circle would be a click the game calls a miss.
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const QString ext = pictureExtension(folder, name);
    const QImage a = decoded(folder + "/" + name + "_A" + ext);
    const QImage b = decoded(folder + "/" + name + "_B" + ext);
    const ParsedAnswers answers = parseAnswerFile(readAll(folder + "/" + name + "_Ans.txt"));
    // JPEG codes 8 x 8 blocks, so a change can blur into its block's pixels nearby.
    const double blockReach = ext == ".jpg" ? 11.0 : 0.0;
    qint64 total = 0;
    int counted = 0;
    int worstFar = 0;
    for (int y = 0; y < 350; ++y) {
        for (int x = 0; x < 350; ++x) {
            double nearest = 1e9;
            for (const AnswerCircle &c : answers.circles)
                nearest = std::min(nearest, distanceToCircle(x, y, c));
            if (nearest <= 0)
                continue;
            const int d = channelDifference(a.pixel(x, y), b.pixel(x, y));
            total += d;
            ++counted;
            if (nearest > blockReach)
                worstFar = std::max(worstFar, d);
        }
    }
    QCOMPARE(worstFar, 0);
    QVERIFY2(double(total) / counted < 0.2, qPrintable(QString::number(double(total) / counted)));
}

void TestAssets::bothBitmapAndJpegKindsAreShipped()
{
    int bitmaps = 0, baseline = 0, progressive = 0;
    for (const QString &name : questionNames(sample())) {
        if (pictureExtension(sample(), name) == ".bmp") {
            const QByteArray bmp = readAll(sample() + "/" + name + "_A.bmp");
            QCOMPARE(le16(bmp, 28), 24);
            ++bitmaps;
            continue;
        }
        const auto [marker, components] = jpegFrame(readAll(sample() + "/" + name + "_A.jpg"));
        QCOMPARE(components, 3);
        if (marker == 0xc0)
            ++baseline;
        else if (marker == 0xc2)
            ++progressive;
        else
            QFAIL(qPrintable(name + ": neither baseline nor progressive"));
    }
    QCOMPARE(bitmaps, 6);
    QVERIFY(baseline >= 1);
    QVERIFY(progressive >= 1);
}

void TestAssets::mostQuestionsGiveSixtySeconds()
{
    QMap<QString, int> limits;
    for (const QString &name : questionNames(sample()))
        ++limits[parseAnswerFile(readAll(sample() + "/" + name + "_Ans.txt")).limit];
    QVERIFY(limits.value("60") > 6);
    QCOMPARE(limits.value("60") + limits.value("90") + limits.value("120"), 12);
}

void TestAssets::answerLineKeepsFiveColumnsPerField_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("r");
    QTest::addColumn<QString>("line");
    QTest::newRow("short values are padded") << 120 << 85 << 20 << "120  85   20   ";
    QTest::newRow("single digits") << 7 << 349 << 99 << "7    349  99   ";
    QTest::newRow("negative keeps its sign") << -12 << 0 << 10 << "-12  0    10   ";
    QTest::newRow("five digits fill the field") << 12345 << 1 << 2 << "123451    2    ";
    QTest::newRow("longer values are cut") << 1234567 << -123456 << 3 << "12345-12343    ";
}

void TestAssets::answerLineKeepsFiveColumnsPerField()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, r);
    QFETCH(QString, line);
    QCOMPARE(FormatAnswerLine(x, y, r), line);
}

void TestAssets::answerFileOfTheWorkedExampleIs38Bytes()
{
    const QByteArray bytes = Platform::joinLines(AnswerFileLines({ { 120, 85, 20 }, { 301, 240, 14 } }, 60));
    QCOMPARE(bytes, QByteArray("120  85   20   \r\n301  240  14   \r\n60\r\n"));
    QCOMPARE(bytes.size(), 38);
}

void TestAssets::soundsAreMonoSixteenBitWaves_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::newRow("hit") << "Atari.wav" << 0.2 << 0.45;
    QTest::newRow("miss click") << "Hazure.wav" << 0.2 << 0.45;
    QTest::newRow("question solved") << "Clear.wav" << 0.8 << 1.3;
    QTest::newRow("question lost") << "Miss.wav" << 0.8 << 1.3;
}

void TestAssets::soundsAreMonoSixteenBitWaves()
{
    QFETCH(QString, file);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const QByteArray wav = readAll(m_dir.filePath(file));
    QVERIFY(wav.size() > 44);
    QCOMPARE(wav.left(4), QByteArray("RIFF"));
    QCOMPARE(le32(wav, 4), wav.size() - 8);
    QCOMPARE(wav.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(le32(wav, 16), 16);
    QCOMPARE(le16(wav, 20), 1); // PCM
    QCOMPARE(le16(wav, 22), 1); // mono
    QCOMPARE(le32(wav, 24), 22050); // samples per second
    QCOMPARE(le32(wav, 28), 44100); // bytes per second
    QCOMPARE(le16(wav, 32), 2);
    QCOMPARE(le16(wav, 34), 16);
    QCOMPARE(wav.mid(36, 4), QByteArray("data"));
    QCOMPARE(le32(wav, 40), wav.size() - 44);

    const int samples = (wav.size() - 44) / 2;
    const double seconds = samples / 22050.0;
    QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
    int peak = 0;
    for (int i = 0; i < samples; ++i)
        peak = std::max(peak, std::abs(le16(wav, 44 + 2 * i)));
    QVERIFY2(peak > 6000 && peak < 32767, qPrintable(QString::number(peak))); // clearly heard, never clipped
    // Starting and stopping at silence is what keeps the speaker from clicking.
    QVERIFY(std::abs(le16(wav, 44)) < 300);
    QVERIFY(std::abs(le16(wav, wav.size() - 2)) < 300);
}

void TestAssets::iconIsSmallAndHasFewColours_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    QTest::newRow("window icon") << iconFileName << 32;
    QTest::newRow("small icon") << smallIconFileName << 16;
}

void TestAssets::iconIsSmallAndHasFewColours()
{
    QFETCH(QString, file);
    QFETCH(int, size);
    QImage icon;
    QVERIFY(icon.load(m_dir.filePath(file), "PNG"));
    QCOMPARE(icon.size(), QSize(size, size));
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            colours.insert(icon.pixel(x, y));
            opaque += qAlpha(icon.pixel(x, y)) == 255;
        }
    QVERIFY(colours.size() <= 16);
    QVERIFY(colours.size() >= 4);
    QVERIFY(opaque > size * size / 4);
    QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0); // the corner shows the title bar through
}

void TestAssets::themeIconsHaveEverySizeWhereTheThemeLooks_data()
{
    QTest::addColumn<int>("size");
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 })
        QTest::addRow("%dx%d", size, size) << size;
}

// The desktop finds the icon by its name in SIZExSIZE/apps of the theme; a
// smaller picture would be blown up, a blank one shows nothing.
void TestAssets::themeIconsHaveEverySizeWhereTheThemeLooks()
{
    QFETCH(int, size);
    QTemporaryDir theme;
    QVERIFY(theme.isValid());
    try {
        writeThemeIcons(theme.path(), QStringLiteral("org.example.game"));
    } catch (const AssetError &e) {
        QFAIL(e.what());
    }
    QImage icon;
    QVERIFY(icon.load(theme.filePath(QStringLiteral("%1x%1/apps/org.example.game.png").arg(size)), "PNG"));
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(qAlpha(icon.pixel(size - 1, 0)), 0);
    // The star's yellow fills the place below its smile at every size.
    const QRgb star = icon.pixel(size * 25 / 64, size * 35 / 64);
    QCOMPARE(qAlpha(star), 255);
    QVERIFY(qRed(star) > 0xe0 && qGreen(star) > 0xc0 && qBlue(star) < 0x60);
    QCOMPARE(QDir(theme.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 7);
}

void TestAssets::generatingTwiceGivesTheSameBytes()
{
    QTemporaryDir again;
    QVERIFY(again.isValid());
    writeAllAssets(again.path());
    QStringList files;
    QDirIterator it(m_dir.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(m_dir.path()).relativeFilePath(it.next());
    QCOMPARE(files.size(), 12 * 3 + 4 * 3 + 1 + 4 + 2);
    for (const QString &f : files)
        QVERIFY2(readAll(m_dir.filePath(f)) == readAll(again.filePath(f)), qPrintable(f));
}

void TestAssets::unfairSceneIsRefusedBeforeAnythingIsWritten()
{
    QTemporaryDir dir;
    const Scene overlapping = sceneWith({ { 100, 100 }, { 120, 100 }, { 250, 250 } });
    QVERIFY(sceneProblem(overlapping).contains("overlaps difference 1"));
    const Scene tooFew = sceneWith({ { 100, 100 }, { 250, 250 } });
    QVERIFY(sceneProblem(tooFew).contains("2 differences"));
    const Scene atTheEdge = sceneWith({ { 5, 100 }, { 175, 175 }, { 250, 250 } });
    QVERIFY(sceneProblem(atTheEdge).contains("reaches out of the picture"));
    QVERIFY(sceneProblem(sceneWith({ { 60, 60 }, { 175, 175 }, { 280, 280 } })).isEmpty());

    QVERIFY_THROWS_EXCEPTION(AssetError, writeQuestionFolder(dir.path(), { overlapping }, false));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

void TestAssets::fileThatCannotBeWrittenIsAnErrorAndLeavesNoFile()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("plain-file");
    writeFileAtomically(blocker, "x");
    QVERIFY_THROWS_EXCEPTION(AssetError, writeAllAssets(blocker));
    QVERIFY_THROWS_EXCEPTION(AssetError, writeFileAtomically(blocker + "/Atari.wav", "RIFF"));
    QCOMPARE(readAll(blocker), QByteArray("x"));

    // A rewrite replaces the whole file, never leaving a tail of the old one.
    writeFileAtomically(dir.filePath("a.txt"), "long old content");
    writeFileAtomically(dir.filePath("a.txt"), "new");
    QCOMPARE(readAll(dir.filePath("a.txt")), QByteArray("new"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

QTEST_GUILESS_MAIN(TestAssets)
#include "tst_assets.moc"
