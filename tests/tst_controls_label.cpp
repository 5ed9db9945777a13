// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/bevelpanel.h"
#include "platform/controls/imageview.h"
#include "platform/controls/stacking.h"
#include "platform/controls/textlabel.h"
#include "platform/fonts.h"

#include <QFontMetrics>
#include <QTest>

namespace {

const QColor green(0x9f, 0xfd, 0xa7);
const QColor yellow(0xff, 0xff, 0x00);
const QColor blue(0x00, 0x00, 0xff);
const QString greeting = QStringLiteral("やったね！");

QFont bigFont()
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(60);
    font.setBold(true);
    return font;
}

// One line of the big font, as the original faces measure it.
int lineHeight()
{
    return Platform::lineMetrics(bigFont()).height;
}

// A green surface for labels to lie on.
std::unique_ptr<QWidget> surface(int w, int h)
{
    auto widget = std::make_unique<QWidget>();
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, green);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
    widget->resize(w, h);
    return widget;
}

TextLabel *greetingLabel(QWidget *parent, int height, bool centred)
{
    auto *label = new TextLabel(parent);
    label->setFont(bigFont());
    label->setAutoSize(false);
    label->setAlignment(Qt::AlignHCenter);
    label->setCentredVertically(centred);
    label->setColor(yellow);
    label->setTextColor(blue);
    label->setCaption(greeting);
    label->setGeometry(0, 0, 400, height);
    return label;
}

bool rowIsFilledWith(const QImage &image, int y, const QColor &colour)
{
    for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) != colour)
            return false;
    return true;
}

bool rowsEqual(const QImage &a, int ya, const QImage &b, int yb)
{
    for (int x = 0; x < a.width(); ++x)
        if (a.pixel(x, ya) != b.pixel(x, yb))
            return false;
    return true;
}

} // namespace

class TestControlsLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A vertically centred label lower than its text shows the text rows
    // (h - H) / 2 .. H - 1 at its top edge, nothing while H <= h / 3, and the
    // whole text, centred, from the full line height on.
    void centredLabelShowsTheBandTheGeometryGives_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("inkShown");
        const int h = lineHeight();
        QTest::newRow("2") << 2 << false;
        QTest::newRow("h/3") << h / 3 << false;
        QTest::newRow("h/3+1") << h / 3 + 1 << true;
        QTest::newRow("h/2") << h / 2 << true;
        QTest::newRow("h") << h << true;
        QTest::newRow("100") << 100 << true;
    }
    void centredLabelShowsTheBandTheGeometryGives()
    {
        QFETCH(int, height);
        QFETCH(bool, inkShown);
        const int h = lineHeight();
        QVERIFY(h < 100);
        auto parent = surface(400, 120);
        const QImage reference = greetingLabel(parent.get(), h, false)->grab().toImage();
        TextLabel *label = greetingLabel(parent.get(), height, true);
        const QImage shown = label->grab().toImage();
        QCOMPARE(shown.height(), height);

        // Text row t appears at label row t + offset.
        int firstTextRow = 0, rowsShown = h, offset = (height - h) / 2;
        if (height < h) {
            firstTextRow = (h - height) / 2;
            rowsShown = qMax(0, (height - 1) - firstTextRow + 1);
        }
        int ink = 0;
        for (int y = 0; y < height; ++y) {
            const int t = y - offset;
            if (t >= firstTextRow && t < firstTextRow + rowsShown) {
                QVERIFY2(rowsEqual(shown, y, reference, t), qPrintable(QStringLiteral("row %1").arg(y)));
                ink += rowIsFilledWith(shown, y, yellow) ? 0 : 1;
            } else {
                QVERIFY2(rowIsFilledWith(shown, y, yellow), qPrintable(QStringLiteral("row %1").arg(y)));
            }
        }
        QCOMPARE(ink > 0, inkShown);
    }

    // An opaque label fills its rectangle with its colour; a transparent one
    // lets the parent show around the text.
    void opaqueLabelFillsTransparentLabelDoesNot()
    {
        auto parent = surface(400, 120);
        TextLabel *label = greetingLabel(parent.get(), 100, false);
        QCOMPARE(parent->grab().toImage().pixelColor(395, 95), yellow);
        label->setTransparent(true);
        QCOMPARE(parent->grab().toImage().pixelColor(395, 95), green);
        QCOMPARE(parent->grab().toImage().pixelColor(395, 110), green);
    }

    // Without a colour of its own an opaque label takes its parent's.
    void opaqueLabelDefaultsToTheParentsColour()
    {
        auto parent = surface(200, 100);
        auto *panel = new BevelPanel(parent.get());
        panel->setColor(QColor(0x00, 0xc4, 0xba));
        panel->setGeometry(0, 0, 200, 100);
        auto *label = new TextLabel(panel);
        label->setCaption(QStringLiteral("ミス"));
        label->move(10, 10);
        QCOMPARE(label->color(), QColor(0x00, 0xc4, 0xba));
        const QImage image = label->grab().toImage();
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0x00, 0xc4, 0xba));
    }

    // Auto-size follows the caption and the font, keeping left and top.
    void autoSizeKeepsLeftAndTop()
    {
        auto parent = surface(400, 120);
        auto *label = new TextLabel(parent.get());
        label->setFont(bigFont());
        label->move(30, 40);
        label->setCaption(QStringLiteral("ab"));
        label->setCaption(QStringLiteral("abcdef"));
        const QFontMetrics metrics(bigFont());
        QCOMPARE(label->geometry(), QRect(30, 40, metrics.horizontalAdvance(QStringLiteral("abcdef")), lineHeight()));
        QCOMPARE(label->lineHeight(), lineHeight());

        QFont small = bigFont();
        small.setPixelSize(13);
        label->setFont(small);
        const QFontMetrics smallMetrics(small);
        QCOMPARE(label->geometry(),
            QRect(30, 40, smallMetrics.horizontalAdvance(QStringLiteral("abcdef")), 13));
    }

    // A line is as high as the original faces make it: 220/256 of the
    // character height above the baseline, 36/256 below, each rounded (the
    // heights of the window's layout table).
    void lineIsAsHighAsTheOriginalFacesMakeIt_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("ascent");
        QTest::addColumn<int>("height");
        const QString p = QStringLiteral("IPAPGothic"), g = QStringLiteral("IPAGothic"); // the stand-ins
        QTest::newRow("12") << p << 12 << 10 << 12;
        QTest::newRow("13") << g << 13 << 11 << 13;
        QTest::newRow("16") << g << 16 << 14 << 16;
        QTest::newRow("21") << p << 21 << 18 << 21;
        QTest::newRow("24") << p << 24 << 21 << 24;
        QTest::newRow("32") << g << 32 << 28 << 33;
        QTest::newRow("37") << p << 37 << 32 << 37;
        QTest::newRow("96") << p << 96 << 83 << 97;
    }
    void lineIsAsHighAsTheOriginalFacesMakeIt()
    {
        QFETCH(QString, face);
        QFETCH(int, pixels);
        QFont font(face);
        font.setPixelSize(pixels);
        font.setBold(true);
        const Platform::LineMetrics line = Platform::lineMetrics(font);
        QTEST(line.ascent, "ascent");
        QTEST(line.height, "height");
        TextLabel label;
        label.setFont(font);
        label.setCaption(QStringLiteral("ぴむかろ"));
        QTEST(label.height(), "height");
        QTEST(label.lineHeight(), "height");
    }

    // The window's captions, in their fonts, fit in one such line: a label
    // sized to its text cuts none of their ink.
    void captionsFitTheirLine_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QString>("caption");
        const QString p = QStringLiteral("IPAPGothic"), g = QStringLiteral("IPAGothic"); // the stand-ins
        QTest::newRow("L_Msg") << p << 21 << true << QStringLiteral("がんばってね！！のこり ２ かしょ だよ");
        QTest::newRow("Label9") << p << 13 << true << QStringLiteral("解答を設定する問題を選択して下さい");
        QTest::newRow("L_TitleMsg") << p << 32 << true << QStringLiteral("さあ，たのしいゲームをはじめよう！");
        QTest::newRow("L_QName") << p << 24 << true << QStringLiteral("サンプルもんだい（１２もん）");
        QTest::newRow("Label4") << g << 32 << true << QStringLiteral("ぴむかろ");
        QTest::newRow("Label6") << g << 16 << true << QStringLiteral("Ver.2.00");
        QTest::newRow("Label2") << g << 21 << true << QStringLiteral("ミスは３かいまでだよ：");
        QTest::newRow("L_Miss2") << g << 32 << true << QStringLiteral("×××");
        QTest::newRow("L_SeigenJikan") << g << 13 << true << QStringLiteral("せいげんじかん：６０ びょう");
        QTest::newRow("Label3") << p << 12 << false << QStringLiteral("制限時間（秒）");
    }
    void captionsFitTheirLine()
    {
        QFETCH(QString, face);
        QFETCH(int, pixels);
        QFETCH(bool, bold);
        QFETCH(QString, caption);
        QFont font(face);
        font.setPixelSize(pixels);
        font.setBold(bold);
        auto parent = surface(800, 140);
        auto *sized = new TextLabel(parent.get());
        sized->setFont(font);
        sized->setColor(yellow);
        sized->setCaption(caption);
        auto *tall = new TextLabel(parent.get());
        tall->setAutoSize(false);
        tall->setFont(font);
        tall->setColor(yellow);
        tall->setCaption(caption);
        tall->setGeometry(0, 0, sized->width() + 20, sized->height() + 20);
        const QImage image = tall->grab().toImage();
        for (int y = sized->height(); y < image.height(); ++y)
            QVERIFY2(rowIsFilledWith(image, y, yellow), qPrintable(QStringLiteral("row %1 of %2").arg(y).arg(sized->height())));
        for (int y = 0; y < image.height(); ++y)
            for (int x = sized->width(); x < image.width(); ++x)
                QVERIFY2(image.pixelColor(x, y) == yellow, qPrintable(QStringLiteral("column %1").arg(x)));
    }

    // "&" marks a mnemonic and takes no room; "&&" is one "&".
    void ampersandsAreMnemonics()
    {
        auto parent = surface(400, 120);
        auto *label = new TextLabel(parent.get());
        label->setFont(bigFont());
        const QFontMetrics metrics(bigFont());
        label->setCaption(QStringLiteral("&Yes"));
        QCOMPARE(label->width(), metrics.horizontalAdvance(QStringLiteral("Yes")));
        const QImage underlined = label->grab().toImage();
        label->setCaption(QStringLiteral("Yes"));
        QVERIFY(label->grab().toImage() != underlined);
        label->setCaption(QStringLiteral("A&&B"));
        QCOMPARE(label->width(), metrics.horizontalAdvance(QStringLiteral("A&B")));
    }

    // Fixed size: a long caption is cut at the label's edge.
    void fixedSizeLabelClipsItsText()
    {
        auto parent = surface(400, 120);
        auto *label = new TextLabel(parent.get());
        label->setFont(bigFont());
        label->setAutoSize(false);
        label->setTransparent(true);
        label->setGeometry(0, 0, 40, lineHeight());
        label->setCaption(QStringLiteral("ぴむかろぴむかろ"));
        const QImage image = parent->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 40; x < image.width(); ++x)
                QCOMPARE(image.pixelColor(x, y), green);
    }

    // A label raises mouseUp with the button, the shift state and the position.
    void labelReportsMouseUp()
    {
        auto parent = surface(400, 120);
        TextLabel *label = greetingLabel(parent.get(), 80, false);
        int button = 0, shift = -1;
        QPoint where;
        connect(label, &TextLabel::mouseUp, this, [&](Qt::MouseButton b, int s, QPoint p) {
            button = b;
            shift = s;
            where = p;
        });
        QTest::mouseClick(label, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(20, 30));
        QCOMPARE(button, int(Qt::LeftButton));
        QCOMPARE(shift, 5);
        QCOMPARE(where, QPoint(20, 30));
    }

    // Windowless controls lie beneath windowed siblings whatever the order of
    // creation; each group keeps its creation order.
    void labelCreatedAfterAPanelLiesBeneathIt()
    {
        auto parent = surface(200, 100);
        auto *panel = new BevelPanel(parent.get());
        panel->setColor(QColor(255, 0, 0));
        panel->setBevelOuter(BevelPanel::Bevel::None);
        panel->setGeometry(0, 0, 60, 60);
        auto *label = new TextLabel(parent.get());
        label->setAutoSize(false);
        label->setColor(yellow);
        label->setGeometry(20, 20, 80, 30);
        auto *view = new ImageView(parent.get());
        view->setGeometry(0, 0, 10, 10);
        auto *second = new TextLabel(parent.get());
        second->setAutoSize(false);
        second->setColor(blue);
        second->setGeometry(70, 20, 80, 30);
        QCOMPARE(parent->grab().toImage().pixelColor(30, 30), yellow); // Qt's own order

        stackLikeWindows(parent.get());
        const QImage image = parent->grab().toImage();
        QCOMPARE(image.pixelColor(30, 30), QColor(255, 0, 0)); // under the panel
        QCOMPARE(image.pixelColor(65, 30), yellow); // beside it
        QCOMPARE(image.pixelColor(75, 30), blue); // the later label on top
        const QObjectList order = parent->children();
        QCOMPARE(order, (QObjectList { label, view, second, panel }));
        QVERIFY(isWindowless(label) && isWindowless(view) && !isWindowless(panel));
    }
};

QTEST_MAIN(TestControlsLabel)
#include "tst_controls_label.moc"
