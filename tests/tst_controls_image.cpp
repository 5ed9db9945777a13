// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/canvas.h"
#include "platform/controls/imageview.h"
#include "rules/errors.h"
#include "rules/picture.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {

const QColor green(0x9f, 0xfd, 0xa7);
const QColor red(0xff, 0x00, 0x00);

// Picture B stand-in: no pixel of it is white or red.
QColor sceneColour(int x, int y)
{
    return QColor((x * 5) % 200, 40 + (y * 3) % 200, 90);
}

std::unique_ptr<Picture> scene(int w, int h)
{
    auto picture = newBitmap(QSize(w, h));
    QImage *image = picture->bitmap();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image->setPixelColor(x, y, sceneColour(x, y));
    return picture;
}

// A JPEG whose data breaks off: the first drawing fails, later ones give
// what was decoded (the top half, blue).
class BrokenJpeg : public Picture
{
public:
    Kind kind() const override { return Kind::Jpeg; }
    QSize size() const override { return QSize(40, 40); }
    const QImage &image() override
    {
        if (m_decoded.isNull()) {
            m_decoded = QImage(40, 40, QImage::Format_RGB32);
            m_decoded.fill(Qt::gray);
            for (int y = 0; y < 20; ++y)
                for (int x = 0; x < 40; ++x)
                    m_decoded.setPixelColor(x, y, Qt::blue);
            throw EJPEG(Errors::jpegError(21));
        }
        return m_decoded;
    }

private:
    QImage m_decoded;
};

// Picture B's panel with picture B and the transparent overlay on top.
struct PictureB
{
    PictureB()
    {
        QPalette p = panel.palette();
        p.setColor(QPalette::Window, green);
        panel.setPalette(p);
        panel.setAutoFillBackground(true);
        panel.resize(360, 360);
        picture = new ImageView(&panel);
        picture->setGeometry(0, 0, 350, 350);
        picture->setPicture(scene(350, 350));
        overlay = new ImageView(&panel);
        overlay->setGeometry(0, 0, 350, 350);
        overlay->setTransparent(true);
    }
    QImage shown() { return panel.grab().toImage(); }
    // The overlay wiped and a ring of radius r drawn with a 5-pixel red pen.
    void ring(int x, int y, int r)
    {
        Canvas &canvas = overlay->canvas();
        canvas.setPenWidth(5);
        canvas.setPenColor(red);
        canvas.ellipse(x - r, y - r, x + r, y + r);
    }
    void wipe()
    {
        overlay->clear();
        Canvas &canvas = overlay->canvas();
        canvas.setPenColor(Qt::white);
        canvas.rectangle(0, 0, overlay->width(), overlay->height());
    }

    QWidget panel;
    ImageView *picture;
    ImageView *overlay;
};

} // namespace

class TestControlsImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A small picture sits in the top-left; the parent shows elsewhere.
    void smallPictureLiesTopLeft()
    {
        PictureB b;
        b.picture->setPicture(scene(200, 200));
        const QImage image = b.shown();
        QCOMPARE(image.pixelColor(0, 0), sceneColour(0, 0));
        QCOMPARE(image.pixelColor(199, 199), sceneColour(199, 199));
        QCOMPARE(image.pixelColor(200, 10), green);
        QCOMPARE(image.pixelColor(10, 200), green);
        QCOMPARE(image.pixelColor(349, 349), green);
    }

    // A large picture shows only its top-left part, cut at the view's edges.
    void largePictureIsClipped()
    {
        PictureB b;
        b.picture->setPicture(scene(500, 400));
        const QImage image = b.shown();
        QCOMPARE(image.pixelColor(349, 349), sceneColour(349, 349));
        QCOMPARE(image.pixelColor(352, 100), green);
        QCOMPARE(image.pixelColor(100, 352), green);
    }

    // A picture that covered the whole view, once taken away or replaced by a
    // smaller one, leaves nothing of itself behind: the panel is painted there
    // again.
    void uncoveredPanelIsPaintedAgain_data()
    {
        QTest::addColumn<int>("side"); // of the new picture; 0 for none
        QTest::addColumn<QPoint>("uncovered");
        QTest::newRow("picture taken away") << 0 << QPoint(100, 100);
        QTest::newRow("smaller picture") << 200 << QPoint(300, 300);
    }
    void uncoveredPanelIsPaintedAgain()
    {
        QFETCH(int, side);
        QFETCH(QPoint, uncovered);
        // The panel inside a window, holding the picture alone, as picture A's
        // panel lies in the game's window.
        QWidget window;
        window.resize(400, 400);
        PictureB b;
        b.panel.setParent(&window);
        b.panel.move(20, 20);
        b.overlay->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto shownAt = [&window](QPoint inPanel) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
            const QImage image = window.screen()->grabWindow(window.winId()).toImage();
            return image.pixelColor(inPanel + QPoint(20, 20));
        };
        QCOMPARE(shownAt(uncovered), sceneColour(uncovered.x(), uncovered.y()));
        if (side == 0)
            b.picture->clear();
        else
            b.picture->setPicture(scene(side, side));
        QCOMPARE(shownAt(uncovered), green);
    }

    // An empty view draws nothing: the parent shows through.
    void emptyViewShowsTheParent()
    {
        PictureB b;
        b.picture->clear();
        QVERIFY(!b.picture->hasPicture());
        QCOMPARE(b.shown().pixelColor(100, 100), green);
    }

    // The first canvas access makes a white bitmap of the view's size with
    // a black 1-pixel pen.
    void canvasStartsWithAWhiteBitmap()
    {
        ImageView view;
        view.resize(350, 350);
        Canvas &canvas = view.canvas();
        QVERIFY(view.hasPicture());
        QCOMPARE(view.picture()->kind(), Picture::Kind::Bitmap);
        QCOMPARE(view.picture()->size(), QSize(350, 350));
        QCOMPARE(view.picture()->image().pixelColor(175, 175), QColor(Qt::white));
        QCOMPARE(canvas.penColor(), QColor(Qt::black));
        QCOMPARE(canvas.penWidth(), 1);
    }

    // After the overlay is wiped picture B is seen unchanged.
    void wipedOverlayIsEntirelySeeThrough()
    {
        PictureB b;
        const QImage before = b.shown();
        b.ring(100, 100, 20);
        QVERIFY(b.shown() != before);
        b.wipe();
        QCOMPARE(b.shown(), before);
    }

    // White drawn over the rings wipes them, as on a fresh overlay.
    void whiteOverRingsWipesThem()
    {
        PictureB b;
        b.wipe();
        const QImage before = b.shown();
        b.ring(100, 100, 20);
        Canvas &canvas = b.overlay->canvas();
        canvas.setPenColor(Qt::white);
        canvas.rectangle(0, 0, 350, 350);
        QCOMPARE(b.shown(), before);
    }

    // A 1-pixel pen rectangle covers exactly x1 .. x2 - 1, y1 .. y2 - 1.
    void rectangleCoversItsBoxExactly()
    {
        PictureB b;
        Canvas &canvas = b.overlay->canvas();
        canvas.setPenColor(red);
        canvas.rectangle(10, 20, 30, 25);
        const QImage image = b.shown();
        for (int y = 15; y < 30; ++y)
            for (int x = 5; x < 35; ++x) {
                const bool border = (x == 10 || x == 29) && y >= 20 && y <= 24;
                const bool edge = (y == 20 || y == 24) && x >= 10 && x <= 29;
                QCOMPARE(image.pixelColor(x, y), border || edge ? red : sceneColour(x, y));
            }
    }

    // A ring's 5-pixel pen runs from 2 pixels inside to 2 outside the circle;
    // its white inside lets picture B through.
    void ringHasAFivePixelOutline_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("isRed");
        QTest::newRow("on the circle, right") << QPoint(120, 100) << true;
        QTest::newRow("on the circle, top") << QPoint(100, 80) << true;
        QTest::newRow("on the circle, left") << QPoint(80, 100) << true;
        QTest::newRow("2 inside") << QPoint(118, 100) << true;
        QTest::newRow("2 outside") << QPoint(122, 100) << true;
        QTest::newRow("2 outside, bottom") << QPoint(100, 122) << true;
        QTest::newRow("diagonal") << QPoint(114, 114) << true;
        QTest::newRow("5 inside") << QPoint(115, 100) << false;
        QTest::newRow("3 inside") << QPoint(117, 100) << false;
        QTest::newRow("3 outside") << QPoint(123, 100) << false;
        QTest::newRow("5 outside") << QPoint(125, 100) << false;
        QTest::newRow("centre") << QPoint(100, 100) << false;
    }
    void ringHasAFivePixelOutline()
    {
        QFETCH(QPoint, pixel);
        QFETCH(bool, isRed);
        PictureB b;
        b.wipe();
        b.ring(100, 100, 20);
        QCOMPARE(b.shown().pixelColor(pixel), isRed ? red : sceneColour(pixel.x(), pixel.y()));
    }

    // The ring drawn second is whole; the part of the first inside it is gone.
    void laterRingWipesTheEarlierInsideIt()
    {
        PictureB b;
        b.wipe();
        b.ring(100, 100, 20);
        b.ring(120, 100, 20);
        const QImage image = b.shown();
        for (const QPoint p : { QPoint(140, 100), QPoint(120, 80), QPoint(120, 120), QPoint(100, 100) })
            QCOMPARE(image.pixelColor(p), red);
        QCOMPARE(image.pixelColor(120, 100), sceneColour(120, 100)); // was the first ring
        QCOMPARE(image.pixelColor(80, 100), red); // first ring, outside the second
        QCOMPARE(image.pixelColor(100, 80), red);
    }

    // A ring past the left edge is cut by the bitmap.
    void ringPastTheEdgeIsClipped()
    {
        PictureB b;
        b.wipe();
        b.ring(10, 110, 20);
        const QImage image = b.shown();
        QCOMPARE(image.pixelColor(30, 110), red);
        QCOMPARE(image.pixelColor(0, 110), sceneColour(0, 110));
        const int dy = int(std::lround(std::sqrt(20.0 * 20 - 10.0 * 10)));
        QCOMPARE(image.pixelColor(0, 110 - dy), red);
        QCOMPARE(image.pixelColor(0, 110 + dy), red);
        b.ring(-500, -500, 20);
        b.ring(100000, 100000, 2000000);
        QCOMPARE(b.overlay->picture()->size(), QSize(350, 350));
    }

    // Only a bitmap can be drawn on.
    void canvasOnAJpegIsRefused()
    {
        ImageView view;
        view.resize(50, 50);
        view.setPicture(std::make_unique<BrokenJpeg>());
        try {
            view.canvas();
            QFAIL("no error");
        } catch (const EInvalidOperation &error) {
            QCOMPARE(
                error.message(), QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"));
        }
    }

    // A picture that fails while being drawn is reported once, after the
    // paint; later paints draw what was decoded.
    void decodingErrorInPaintIsReportedOnce()
    {
        ImageView view;
        view.resize(50, 50);
        view.setPicture(std::make_unique<BrokenJpeg>());
        QSignalSpy failed(&view, &ImageView::paintFailed);
        const QImage first = view.grab().toImage();
        QCOMPARE(failed.count(), 0); // not from inside the paint
        QCoreApplication::processEvents();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("JPEG エラー #21"));
        const QImage later = view.grab().toImage();
        QCoreApplication::processEvents();
        QCOMPARE(failed.count(), 1);
        QCOMPARE(later.pixelColor(10, 10), QColor(Qt::blue));
        QCOMPARE(later.pixelColor(10, 30), QColor(Qt::gray));
    }

    // The overlay raises mouseUp in its own coordinates.
    void overlayReportsMouseUp()
    {
        PictureB b;
        QSignalSpy up(b.overlay, &ImageView::mouseUp);
        QTest::mouseClick(b.overlay, Qt::LeftButton, Qt::NoModifier, QPoint(123, 45));
        QCOMPARE(up.count(), 1);
        QCOMPARE(up.at(0).at(0).value<Qt::MouseButton>(), Qt::LeftButton);
        QCOMPARE(up.at(0).at(1).toInt(), 0);
        QCOMPARE(up.at(0).at(2).toPoint(), QPoint(123, 45));
    }
};

QTEST_MAIN(TestControlsImage)
#include "tst_controls_image.moc"
