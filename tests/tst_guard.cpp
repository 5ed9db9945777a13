// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/errors.h"
#include "platform/guard.h"

#include "platform/controls/imageview.h"
#include "rules/picture.h"

#include "gamefixture.h"
#include "installed.h"
#include "scripteduser.h"

#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <stdexcept>

namespace {
// A JPEG whose data turns out broken the first time it is drawn.
class BreaksWhenDrawn : public Picture
{
public:
    Kind kind() const override { return Kind::Jpeg; }
    QSize size() const override { return {350, 350}; }
    const QImage &image() override
    {
        if (!m_failed) {
            m_failed = true;
            throw EJPEG(Errors::jpegError(21));
        }
        return m_image;
    }

private:
    bool m_failed = false;
    QImage m_image { 350, 350, QImage::Format_RGB32 };
};
} // namespace

class TestGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // An error ends the handler where it was raised: what came before stays done,
    // nothing after it runs, and the error box shows the message with the "." rule.
    void errorEndsTheHandlerAndIsShown_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("open error") << 0 << QStringLiteral("ファイル /q/inu_A.bmp は開けません.");
        QTest::newRow("list index") << 1 << QStringLiteral("リストのインデックスが範囲を超えています (0)");
        QTest::newRow("conversion") << 2 << QStringLiteral("'' is not a valid integer value.");
    }
    void errorEndsTheHandlerAndIsShown()
    {
        QFETCH(int, kind);
        QFETCH(QString, shown);
        Installed<ScriptedUser> user;
        QStringList done;
        Platform::guarded([&] {
            done << QStringLiteral("before");
            switch (kind) {
            case 0:
                throw EFOpenError(Errors::cannotOpen(QStringLiteral("/q/inu_A.bmp")));
            case 1:
                throw EStringListError(Errors::listIndex(0));
            default:
                throw EConvertError(Errors::notAnInteger(QString()));
            }
            done << QStringLiteral("after");
        });
        QCOMPARE(done, QStringList { QStringLiteral("before") });
        QCOMPARE(user->errors(), QStringList { shown });
        QCOMPARE(user->shown().size(), 1);
    }

    // A handler without an error runs to its end and shows nothing.
    void quietHandlerShowsNothing()
    {
        Installed<ScriptedUser> user;
        bool ran = false;
        Platform::guarded([&ran] { ran = true; });
        QVERIFY(ran);
        QVERIFY(user->shown().isEmpty());
    }

    // An error lets go of the mouse that a control was holding; without one the hold stays.
    void errorReleasesTheMouse()
    {
        Installed<ScriptedUser> user;
        QWidget window;
        window.resize(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.grabMouse();
        Platform::guarded([] {});
        QCOMPARE(QWidget::mouseGrabber(), &window);
        Platform::guarded([] { throw EFOpenError(Errors::cannotOpen(QStringLiteral("x"))); });
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    // A picture that fails while the game's window paints it is reported
    // through the same guard: the error box, and the mouse let go.
    void paintErrorOfTheWindowGoesThroughTheGuard()
    {
        GameFixture game;
        TForm1 &form = game.start();
        form.B_QChange->grabMouse();
        form.Img_A->setPicture(std::make_unique<BreaksWhenDrawn>());
        form.repaint();
        QTRY_COMPARE(game.user->errors(), QStringList{QStringLiteral("JPEG エラー #21.")});
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    // Programming faults are not turned into error boxes.
    void programmingFaultsPassThrough()
    {
        Installed<ScriptedUser> user;
        QVERIFY_THROWS_EXCEPTION(
            std::logic_error, Platform::guarded([] { throw std::logic_error("broken"); }));
        QVERIFY(user->shown().isEmpty());
    }
};

QTEST_MAIN(TestGuard)
#include "tst_guard.moc"
