// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window in which a menu start says why the game did not start.

#include "launcher/launchtexts.h"
#include "launcher/problemreport.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

class TestLauncherWindow : public QObject
{
    Q_OBJECT

private slots:
    // The window names the problem in full and closes with its one button.
    void showsTheProblemAndClosesWithItsButton()
    {
        const QString problem = LaunchTexts::fileInTheWay(QStringLiteral("/home/hanako/ぴむかろ"));
        const auto window = ProblemReport::makeWindow(problem);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->windowTitle(), QStringLiteral("ぴむかろを起動できません"));
        QCOMPARE(window->text(), problem);
        QCOMPARE(window->icon(), QMessageBox::Critical);
        QCOMPARE(window->buttons().size(), 1);
        QVERIFY(problem.contains(QStringLiteral("「/home/hanako/ぴむかろ」はフォルダではなくファイルなので")));
        QTest::mouseClick(window->buttons().first(), Qt::LeftButton);
        QTRY_VERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestLauncherWindow)
#include "tst_launcher_window.moc"
