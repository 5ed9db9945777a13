// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/errors.h"

#include <QTest>

class TestErrors : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The error box adds a final "." only after characters that sort after it.
    void boxTextAddsAPeriodOnlyWhereTheRuleSays_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("open error") << Errors::cannotOpen("/q/cat_A.bmp")
                                    << QStringLiteral("ファイル /q/cat_A.bmp は開けません.");
        QTest::newRow("list index ends in )") << Errors::listIndex(0)
                                             << QStringLiteral("リストのインデックスが範囲を超えています (0)");
        QTest::newRow("conversion") << Errors::notAnInteger("42 ")
                                    << QStringLiteral("'42 ' is not a valid integer value.");
        QTest::newRow("already a period") << QStringLiteral("done.") << QStringLiteral("done.");
        QTest::newRow("blank") << QStringLiteral("a ") << QStringLiteral("a ");
        QTest::newRow("bang") << QStringLiteral("a!") << QStringLiteral("a!");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("JPEG code") << Errors::jpegError(42) << QStringLiteral("JPEG エラー #42.");
    }
    void boxTextAddsAPeriodOnlyWhereTheRuleSays()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(Errors::boxText(message), shown);
    }

    // An exception keeps its message alive for what().
    void whatOutlivesTheCall()
    {
        const EFCreateError error(Errors::cannotCreate("x"));
        QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("ファイル x を作成できません"));
    }
};

QTEST_GUILESS_MAIN(TestErrors)
#include "tst_errors.moc"
