// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/bevelpanel.h"
#include "platform/controls/groupframe.h"
#include "platform/controls/imageview.h"
#include "platform/controls/timebar.h"

#include <QFontMetrics>
#include <QTest>

namespace {

const QColor paleGreen(0xaa, 0xff, 0xaa);
const QColor red(0xff, 0x00, 0x00);
const QColor black(0x00, 0x00, 0x00);

QFont captionFont(int pixels)
{
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// A palette colour as a pixel holds it (8 bits a channel).
QColor shade(const QWidget &widget, QPalette::ColorRole role)
{
    return QColor(widget.palette().color(role).rgb());
}

// Pixels of the image inside r that are not `background`.
int inkIn(const QImage &image, const QRect &r, const QColor &background)
{
    int ink = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += image.pixelColor(x, y) != background ? 1 : 0;
    return ink;
}

} // namespace

class TestControlsPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // From the outside in: outer bevel, border in the panel's colour, inner
    // bevel. Raised is light at the top and left, dark at the bottom and right;
    // lowered the reverse.
    void panelFrameIsDrawnFromTheOutsideIn_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QString>("expected");
        // 100 x 60, bevels 2 wide, border 1: rings 0-1 outer, 2 border, 3-4 inner.
        QTest::newRow("outer top-left") << QPoint(0, 0) << "light";
        QTest::newRow("outer top") << QPoint(50, 1) << "light";
        QTest::newRow("outer left") << QPoint(1, 30) << "light";
        QTest::newRow("outer bottom-right") << QPoint(99, 59) << "dark";
        QTest::newRow("outer bottom") << QPoint(50, 58) << "dark";
        QTest::newRow("outer right") << QPoint(98, 30) << "dark";
        QTest::newRow("outer top-right corner") << QPoint(99, 0) << "dark";
        QTest::newRow("border top") << QPoint(50, 2) << "own";
        QTest::newRow("border right") << QPoint(97, 30) << "own";
        QTest::newRow("inner top") << QPoint(50, 3) << "dark";
        QTest::newRow("inner left") << QPoint(4, 30) << "dark";
        QTest::newRow("inner bottom") << QPoint(50, 56) << "light";
        QTest::newRow("inner right") << QPoint(95, 30) << "light";
        QTest::newRow("inside") << QPoint(5, 5) << "own";
        QTest::newRow("centre") << QPoint(50, 30) << "own";
    }
    void panelFrameIsDrawnFromTheOutsideIn()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QString, expected);
        BevelPanel panel;
        panel.setColor(paleGreen);
        panel.setBevelOuter(BevelPanel::Bevel::Raised);
        panel.setBevelInner(BevelPanel::Bevel::Lowered);
        panel.setBevelWidth(2);
        panel.setBorderWidth(1);
        panel.resize(100, 60);
        QCOMPARE(panel.clientInset(), 5);
        QCOMPARE(panel.clientRect(), QRect(5, 5, 90, 50));
        const QColor colour = expected == "light" ? shade(panel, QPalette::Light)
            : expected == "dark"                  ? shade(panel, QPalette::Dark)
                                                  : paleGreen;
        QVERIFY(shade(panel, QPalette::Light) != shade(panel, QPalette::Dark));
        QCOMPARE(panel.grab().toImage().pixelColor(pixel), colour);
    }

    // Without bevels and border the panel is its colour edge to edge.
    void panelWithoutFrameIsPlain()
    {
        BevelPanel panel;
        panel.setColor(QColor(0xff, 0xff, 0x00));
        panel.setBevelOuter(BevelPanel::Bevel::None);
        panel.setBevelWidth(2);
        panel.setBorderWidth(1);
        panel.resize(40, 30);
        QCOMPARE(panel.clientInset(), 1);
        const QImage image = panel.grab().toImage();
        QCOMPARE(inkIn(image, image.rect(), QColor(0xff, 0xff, 0x00)), 0);
    }

    // The caption lies beneath the children: covered where a child is, seen
    // elsewhere; an image view without a picture covers nothing.
    void captionIsCentredBeneathTheChildren()
    {
        BevelPanel panel;
        panel.setColor(paleGreen);
        panel.setBevelOuter(BevelPanel::Bevel::None);
        panel.setFont(captionFont(40));
        panel.setTextColor(black);
        panel.resize(300, 100);
        panel.setCaption(QStringLiteral("■■■■"));
        const QImage plain = panel.grab().toImage();
        const int advance = QFontMetrics(captionFont(40)).horizontalAdvance(QStringLiteral("■■■■"));
        const int left = (300 - advance) / 2;
        QVERIFY(inkIn(plain, QRect(left, 0, advance / 2, 100), paleGreen) > 0);
        QVERIFY(inkIn(plain, QRect(left + advance / 2, 0, advance / 2, 100), paleGreen) > 0);
        QCOMPARE(inkIn(plain, QRect(0, 0, left - 2, 100), paleGreen), 0);
        QCOMPARE(inkIn(plain, QRect(left + advance + 2, 0, 300 - left - advance - 2, 100), paleGreen), 0);

        auto *empty = new ImageView(&panel);
        empty->setGeometry(0, 0, 300, 100);
        QCOMPARE(panel.grab().toImage(), plain);

        auto *cover = new QWidget(&panel);
        QPalette p = cover->palette();
        p.setColor(QPalette::Window, red);
        cover->setPalette(p);
        cover->setAutoFillBackground(true);
        cover->setGeometry(0, 0, 150, 100);
        const QImage covered = panel.grab().toImage();
        QCOMPARE(inkIn(covered, QRect(0, 0, 150, 100), red), 0);
        QVERIFY(inkIn(covered, QRect(150, 0, 150, 100), paleGreen) > 0);
        QCOMPARE(covered.copy(150, 0, 150, 100), plain.copy(150, 0, 150, 100));
    }

    // The group box's top line runs at half the caption height; the caption,
    // blanks included, interrupts it from 8 pixels in.
    void groupBoxCaptionInterruptsTheTopLine()
    {
        GroupFrame box;
        box.setColor(paleGreen);
        box.setTextColor(black);
        box.setFont(captionFont(16));
        box.resize(300, 65);
        const QString caption = QStringLiteral("  もんだい ");
        box.setCaption(caption);
        const QFontMetrics metrics(captionFont(16));
        const int line = metrics.height() / 2;
        QCOMPARE(box.topLine(), line);
        const int gapEnd = 8 + metrics.horizontalAdvance(caption);
        const QColor dark = shade(box, QPalette::Dark);
        const QImage image = box.grab().toImage();
        QCOMPARE(image.pixelColor(0, line), dark);
        QCOMPARE(image.pixelColor(7, line), dark);
        QCOMPARE(image.pixelColor(1, line + 1), shade(box, QPalette::Light));
        QCOMPARE(image.pixelColor(gapEnd + 1, line), dark);
        QCOMPARE(image.pixelColor(250, line), dark);
        // The two leading blanks and the trailing one: box colour where the line would run.
        const int blank = metrics.horizontalAdvance(u' ');
        for (int x = 8; x < 8 + 2 * blank; ++x)
            QCOMPARE(image.pixelColor(x, line), paleGreen);
        for (int x = gapEnd - blank + 1; x < gapEnd; ++x)
            QCOMPARE(image.pixelColor(x, line), paleGreen);
        QCOMPARE(image.pixelColor(0, 64 - 1), dark);
        QCOMPARE(image.pixelColor(150, 40), paleGreen);
    }

    // A position outside the range is shown as the nearer end.
    void timeBarClampsItsPosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("filled");
        // 102 wide: 100 pixels inside the frame.
        QTest::newRow("past the end") << 150 << 100;
        QTest::newRow("full") << 100 << 100;
        QTest::newRow("half") << 50 << 50;
        QTest::newRow("a quarter") << 25 << 25;
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("below the start") << -5 << 0;
    }
    void timeBarClampsItsPosition()
    {
        QFETCH(int, position);
        QFETCH(int, filled);
        TimeBar bar;
        bar.resize(102, 21);
        bar.setRange(0, 100);
        bar.setBackground(Qt::white);
        bar.setPosition(position);
        QCOMPARE(bar.position(), position);
        QCOMPARE(bar.filledWidth(), filled);
        const QImage image = bar.grab().toImage();
        for (int x = 1; x <= 100; ++x)
            QCOMPARE(
                image.pixelColor(x, 10), x <= filled ? QColor(bar.fillColor().rgb()) : QColor(Qt::white));
        QCOMPARE(image.pixelColor(0, 10), shade(bar, QPalette::Dark));
        QCOMPARE(image.pixelColor(101, 10), shade(bar, QPalette::Light));
    }

    // An empty range shows an empty bar rather than dividing by zero.
    void timeBarWithAnEmptyRangeIsEmpty()
    {
        TimeBar bar;
        bar.resize(50, 10);
        bar.setRange(5, 5);
        bar.setPosition(5);
        QCOMPARE(bar.filledWidth(), 0);
    }
};

QTEST_MAIN(TestControlsPanel)
#include "tst_controls_panel.moc"
