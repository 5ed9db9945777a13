// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/folderchooser.h"
#include "platform/folderdialog.h"

#include "installed.h"
#include "modal.h"
#include "scripteduser.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace {

const QString prompt = QStringLiteral("もんだいをえらんでください");

void press(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    auto *buttons = dialog->findChild<QDialogButtonBox *>();
    QPushButton *button = buttons ? buttons->button(which) : nullptr;
    if (button)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        dialog->close(); // never leave a test hanging on an open dialog
}

} // namespace

class TestFolderChooser : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_base;
    QString base() const { return m_base.path(); } // no trailing "/"

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_base.isValid());
        for (const char *folder : { "サンプルもんだい", "どうぶつ/いぬ", "どうぶつ/ねこ" })
            QVERIFY(QDir(base()).mkpath(QString::fromUtf8(folder)));
    }

    // Cancel keeps an existing current folder as it was.
    void cancelLeavesAnExistingFolderUnchanged()
    {
        Installed<ScriptedUser> user;
        user->cancelFolder();
        QString current = base() + QStringLiteral("/サンプルもんだい/");
        QVERIFY(!Platform::chooseFolder(prompt, base() + u'/', current));
        QCOMPARE(current, base() + QStringLiteral("/サンプルもんだい/"));
        const QList<ScriptedUser::FolderRequest> expected { { prompt, base() + u'/', current } };
        QCOMPARE(user->folderRequests(), expected);
    }

    // A current folder that no longer exists is emptied before the dialog opens, and stays so on cancel.
    void vanishedFolderIsEmptiedEvenOnCancel()
    {
        Installed<ScriptedUser> user;
        user->cancelFolder();
        QString current = base() + QStringLiteral("/もうない/");
        QVERIFY(!Platform::chooseFolder(prompt, base() + u'/', current));
        QCOMPARE(current, QString());
        QCOMPARE(user->folderRequests().value(0).current, QString());
    }

    // OK replaces the current folder with the chosen one.
    void okReplacesTheCurrentFolder()
    {
        Installed<ScriptedUser> user;
        const QString chosen = base() + QStringLiteral("/どうぶつ/ねこ");
        user->pickFolder(chosen);
        QString current = base() + QStringLiteral("/サンプルもんだい/");
        QVERIFY(Platform::chooseFolder(prompt, base() + u'/', current));
        QCOMPARE(current, chosen);
    }

    // The real dialog, confirmed on the root itself, gives the root without its trailing "/".
    void realDialogConfirmedOnTheRootGivesTheRoot()
    {
        QString caption, shownPrompt, selected;
        onNextModal([&](QWidget *dialog) {
            caption = dialog->windowTitle();
            if (auto *label = dialog->findChild<QLabel *>())
                shownPrompt = label->text();
            if (auto *folders = qobject_cast<Platform::FolderDialog *>(dialog))
                selected = folders->chosenFolder();
            press(dialog, QDialogButtonBox::Ok);
        });
        QString current;
        QVERIFY(Platform::chooseFolder(prompt, base() + u'/', current));
        QCOMPARE(current, base());
        QCOMPARE(selected, base());
        QCOMPARE(caption, QStringLiteral("フォルダの参照"));
        QCOMPARE(shownPrompt, prompt);
    }

    // The real dialog opens on the current folder; picking a subfolder and pressing OK returns it.
    void realDialogReturnsThePickedSubfolder()
    {
        QString openedOn;
        bool picked = false;
        const QString cat = base() + QStringLiteral("/どうぶつ/ねこ");
        onNextModal([&](QWidget *dialog) {
            if (auto *folders = qobject_cast<Platform::FolderDialog *>(dialog)) {
                openedOn = folders->chosenFolder();
                picked = folders->selectFolder(cat);
            }
            press(dialog, QDialogButtonBox::Ok);
        });
        QString current = base() + QStringLiteral("/サンプルもんだい/");
        QVERIFY(Platform::chooseFolder(prompt, base() + u'/', current));
        QCOMPARE(openedOn, base() + QStringLiteral("/サンプルもんだい"));
        QVERIFY(picked);
        QCOMPARE(current, cat);
    }

    // The real dialog's Cancel button reports cancel and keeps the folder.
    void realDialogCancelKeepsTheFolder()
    {
        onNextModal([](QWidget *dialog) { press(dialog, QDialogButtonBox::Cancel); });
        QString current = base() + QStringLiteral("/どうぶつ/");
        QVERIFY(!Platform::chooseFolder(prompt, base() + u'/', current));
        QCOMPARE(current, base() + QStringLiteral("/どうぶつ/"));
    }

    // Only the root and the folders below it can be chosen.
    void choiceIsLimitedToTheRootAndBelow()
    {
        const QString animals = base() + QStringLiteral("/どうぶつ");
        Platform::FolderDialog dialog(prompt, animals + u'/', QString());
        QCOMPARE(dialog.chosenFolder(), animals);
        QVERIFY(!dialog.selectFolder(base() + QStringLiteral("/サンプルもんだい")));
        QVERIFY(!dialog.selectFolder(base()));
        QCOMPARE(dialog.chosenFolder(), animals);
        QVERIFY(dialog.selectFolder(animals + QStringLiteral("/いぬ/")));
        QCOMPARE(dialog.chosenFolder(), animals + QStringLiteral("/いぬ"));
    }

    // A current folder outside the root opens the dialog on the root.
    void currentOutsideTheRootOpensOnTheRoot()
    {
        const QString animals = base() + QStringLiteral("/どうぶつ");
        Platform::FolderDialog dialog(prompt, animals, base() + QStringLiteral("/サンプルもんだい/"));
        QCOMPARE(dialog.chosenFolder(), animals);
    }

    // The tree shows the root as its one top entry, the current folder opened below it.
    void treeShowsTheRootAsItsTopEntry()
    {
        const QString animals = base() + QStringLiteral("/どうぶつ");
        Platform::FolderDialog dialog(prompt, animals, animals + QStringLiteral("/ねこ"));
        auto *tree = dialog.findChild<QTreeView *>();
        QVERIFY(tree);
        QCOMPARE(tree->model()->rowCount(tree->rootIndex()), 1);
        const QModelIndex top = tree->model()->index(0, 0, tree->rootIndex());
        QCOMPARE(top.data().toString(), QStringLiteral("どうぶつ"));
        QVERIFY(tree->isExpanded(top));
        QCOMPARE(tree->currentIndex().data().toString(), QStringLiteral("ねこ"));
    }

    // An empty root, or one that is no folder, gives the whole file system.
    void missingRootGivesTheWholeFileSystem_data()
    {
        QTest::addColumn<QString>("root");
        QTest::newRow("empty") << QString();
        QTest::newRow("not a folder") << QStringLiteral("/no/such/folder/");
    }
    void missingRootGivesTheWholeFileSystem()
    {
        QFETCH(QString, root);
        Platform::FolderDialog dialog(prompt, root, QString());
        QCOMPARE(dialog.rootFolder(), QStringLiteral("/"));
        QCOMPARE(dialog.chosenFolder(), QStringLiteral("/"));
        QVERIFY(dialog.selectFolder(base()));
        QCOMPARE(dialog.chosenFolder(), base());
    }
};

QTEST_MAIN(TestFolderChooser)
#include "tst_folderchooser.moc"
