// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/errors.h"
#include "rules/textconv.h"

#include <QTest>

#include <limits>

using namespace Platform;

class TestTextConv : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Numbers are written plainly, a minus sign the only decoration.
    void intToStrWritesPlainDecimal_data()
    {
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("positive") << 42 << "42";
        QTest::newRow("negative") << -7 << "-7";
        QTest::newRow("largest") << std::numeric_limits<qint32>::max() << "2147483647";
        QTest::newRow("smallest") << std::numeric_limits<qint32>::min() << "-2147483648";
    }
    void intToStrWritesPlainDecimal()
    {
        QFETCH(qint32, value);
        QFETCH(QString, text);
        QCOMPARE(intToStr(value), text);
    }

    // Texts the game reads as numbers.
    void strToIntAcceptsNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint32>("value");
        QTest::newRow("plain") << "42" << 42;
        QTest::newRow("leading blank") << " 42" << 42;
        QTest::newRow("answer field") << "  100" << 100;
        QTest::newRow("leading tab") << "\t5" << 5;
        QTest::newRow("leading CR LF") << "\r\n5" << 5;
        QTest::newRow("plus") << "+7" << 7;
        QTest::newRow("minus") << "-12" << -12;
        QTest::newRow("blank then minus") << "   -3" << -3;
        QTest::newRow("leading zeros") << "000000000000042" << 42;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("minus zero") << "-0" << 0;
        QTest::newRow("dollar hex") << "$1F" << 31;
        QTest::newRow("dollar hex lower") << "$1f" << 31;
        QTest::newRow("0x lower") << "0x1f" << 31;
        QTest::newRow("0X upper") << "0X1F" << 31;
        QTest::newRow("x") << "x1F" << 31;
        QTest::newRow("X") << "X1f" << 31;
        QTest::newRow("negative hex") << "-$10" << -16;
        QTest::newRow("largest") << "2147483647" << std::numeric_limits<qint32>::max();
        QTest::newRow("smallest") << "-2147483648" << std::numeric_limits<qint32>::min();
        QTest::newRow("largest hex") << "$7FFFFFFF" << std::numeric_limits<qint32>::max();
        QTest::newRow("smallest hex") << "-$80000000" << std::numeric_limits<qint32>::min();
    }
    void strToIntAcceptsNumbers()
    {
        QFETCH(QString, text);
        QFETCH(qint32, value);
        QCOMPARE(strToInt(text), value);
    }

    // Everything else fails with the runtime's text naming the whole input.
    void strToIntRejectsEverythingElse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("trailing blank") << "42 ";
        QTest::newRow("trailing CR") << "42\r";
        QTest::newRow("blank after sign") << "- 1";
        QTest::newRow("sign only") << "-";
        QTest::newRow("two signs") << "+-1";
        QTest::newRow("letters") << "abc";
        QTest::newRow("digits then letter") << "12a";
        QTest::newRow("decimal point") << "1.5";
        QTest::newRow("too large") << "2147483648";
        QTest::newRow("too small") << "-2147483649";
        QTest::newRow("far too large") << "99999999999999999999999";
        QTest::newRow("dollar only") << "$";
        QTest::newRow("0x only") << "0x";
        QTest::newRow("x only") << "x";
        QTest::newRow("hex digit without prefix") << "1F";
        QTest::newRow("bad hex digit") << "$1G";
        QTest::newRow("hex past the signed range") << "$80000000";
        QTest::newRow("all ones hex") << "$FFFFFFFF";
        QTest::newRow("full-width digits") << QStringLiteral("４２");
        QTest::newRow("blank before sign inside") << "1 2";
    }
    void strToIntRejectsEverythingElse()
    {
        QFETCH(QString, text);
        try {
            strToInt(text);
            QFAIL("no error");
        } catch (const EConvertError &error) {
            QCOMPARE(error.message(), QStringLiteral("'%1' is not a valid integer value").arg(text));
        }
    }

    // The empty text is named as nothing between the quotes.
    void strToIntOfEmptyTextNamesNothing()
    {
        try {
            strToInt(QString());
            QFAIL("no error");
        } catch (const EConvertError &error) {
            QCOMPARE(error.message(), QStringLiteral("'' is not a valid integer value"));
        }
    }

    // Only characters below 33 are cut, at both ends and nowhere else.
    void trimmedCutsControlCharactersAndBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("tab blank CR LF") << "\t a \r\n"
                                         << "a";
        QTest::newRow("inner blanks stay") << "  a b  "
                                           << "a b";
        QTest::newRow("nothing to cut") << "abc"
                                        << "abc";
        QTest::newRow("all blank") << " \t\r\n"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("NUL and unit separator") << QString::fromLatin1("\0\x1f"
                                                                       "x\x1f",
            4) << "x";
        QTest::newRow("ideographic space stays")
            << QStringLiteral("\u3000あ\u3000") << QStringLiteral("\u3000あ\u3000");
        QTest::newRow("no-break space stays") << QStringLiteral("\u00a0a") << QStringLiteral("\u00a0a");
    }
    void trimmedCutsControlCharactersAndBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(trimmed(text), result);
    }

    // Positions count from 1 and stay inside the text.
    void substringClampsToTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("result");
        QTest::newRow("past the end") << "abc" << 2 << 5 << "bc";
        QTest::newRow("start 0") << "abc" << 0 << 2 << "ab";
        QTest::newRow("start negative") << "abc" << -5 << 1 << "a";
        QTest::newRow("start after end") << "abc" << 4 << 1 << "";
        QTest::newRow("negative count") << "abc" << 1 << -1 << "";
        QTest::newRow("zero count") << "abc" << 1 << 0 << "";
        QTest::newRow("middle") << "abcde" << 2 << 3 << "bcd";
        QTest::newRow("answer field") << "  100  200   15" << 6 << 5 << "  200";
        QTest::newRow("Japanese counts characters")
            << QStringLiteral("ぴむかろ") << 2 << 2 << QStringLiteral("むか");
        QTest::newRow("empty text") << "" << 1 << 1 << "";
        QTest::newRow("huge count") << "abc" << 3 << std::numeric_limits<int>::max() << "c";
    }
    void substringClampsToTheText()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QString, result);
        QCOMPARE(substring(text, start, count), result);
    }
};

QTEST_GUILESS_MAIN(TestTextConv)
#include "tst_textconv.moc"
