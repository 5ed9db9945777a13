// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/answerlines.h"
#include "rules/circles.h"
#include "rules/errors.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(AnswerCircle)

class TestAnswerLines : public QObject
{
    Q_OBJECT

private slots:
    void formatsFiveColumnFields_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("r");
        QTest::addColumn<QString>("line");
        QTest::newRow("worked example 1") << 120 << 85 << 20 << "120  85   20   ";
        QTest::newRow("worked example 2") << 301 << 240 << 14 << "301  240  14   ";
        QTest::newRow("one digit") << 7 << 349 << 99 << "7    349  99   ";
        QTest::newRow("negative") << -12 << 0 << 10 << "-12  0    10   ";
        QTest::newRow("too long is cut") << 123456 << -99999 << 5 << "12345-9999" "5    ";
    }
    void formatsFiveColumnFields()
    {
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(int, r);
        QFETCH(QString, line);
        QCOMPARE(FormatAnswerLine(x, y, r), line);
        QCOMPARE(line.size(), 15);
    }

    void parsesFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("r");
        QTest::newRow("written by the game") << "120  85   20   " << 120 << 85 << 20;
        QTest::newRow("negative reads back") << "-12  0    10   " << -12 << 0 << 10;
        QTest::newRow("blanks and tabs trimmed") << "\t 12 \t 34 \t  5 " << 12 << 34 << 5;
        QTest::newRow("right-aligned by hand") << "  120   85   20" << 120 << 85 << 20;
        QTest::newRow("after column 15 ignored") << "1    2    3    garbage" << 1 << 2 << 3;
        QTest::newRow("short last field") << "1    2    3" << 1 << 2 << 3;
    }
    void parsesFields()
    {
        QFETCH(QString, line);
        qint32 x = 0, y = 0, r = 0;
        ParseAnswerLine(line, x, y, r);
        QTEST(x, "x");
        QTEST(y, "y");
        QTEST(r, "r");
    }

    void badFieldKeepsTheFieldsBefore_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<QString>("message");
        QTest::newRow("ten characters: empty R") << "1    2    " << 1 << 2 << "'' is not a valid integer value";
        QTest::newRow("blank line") << "" << -1 << -1 << "'' is not a valid integer value";
        QTest::newRow("letters in Y") << "5    ab   3    " << 5 << -1 << "'ab' is not a valid integer value";
        QTest::newRow("blank inside a field") << "5    1 2  3    " << 5 << -1 << "'1 2' is not a valid integer value";
    }
    void badFieldKeepsTheFieldsBefore()
    {
        QFETCH(QString, line);
        qint32 x = -1, y = -1, r = -1;
        try {
            ParseAnswerLine(line, x, y, r);
            QFAIL("no conversion error");
        } catch (const EConvertError &error) {
            QTEST(error.message(), "message");
        }
        QTEST(x, "x");
        QTEST(y, "y");
        QCOMPARE(r, -1);
    }

    void timeChoices_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("shown");
        const int choices[] = {30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300};
        for (int i = 0; i < 13; ++i)
            QTest::addRow("%d", choices[i]) << choices[i] << i << i;
        QTest::newRow("between: 65") << 65 << 3 << 3;
        QTest::newRow("between: 150") << 150 << 9 << 9;
        QTest::newRow("21 truncates to 30") << 21 << 0 << 0;
        QTest::newRow("20 falls below") << 20 << -1 << 0;
        QTest::newRow("0") << 0 << -3 << 0;
        QTest::newRow("negative") << -50 << -8 << 0;
        QTest::newRow("359") << 359 << 12 << 12;
        QTest::newRow("360 falls above") << 360 << 13 << 12;
        QTest::newRow("an hour") << 3600 << 67 << 12;
        QTest::newRow("lowest") << std::numeric_limits<qint32>::min() << -214748367 << 0;
        QTest::newRow("highest") << std::numeric_limits<qint32>::max() << 35791401 << 12;
    }
    void timeChoices()
    {
        QFETCH(int, seconds);
        QTEST(TimeChoiceIndex(seconds), "index");
        QTEST(TimeChoiceShown(seconds), "shown");
    }

    // The time list holds the thirteen limits, each at the entry the rule gives it.
    void timeChoiceTexts()
    {
        const int choices[] = {30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300};
        QCOMPARE(TimeChoices().size(), TimeChoiceCount);
        for (int seconds : choices)
            QCOMPARE(TimeChoices().value(TimeChoiceIndex(seconds)), QString::number(seconds));
    }

    // An answer file's lines: one answer line per circle, then the limit.
    void answerFileLines()
    {
        QCOMPARE(AnswerFileLines({{120, 85, 20}, {301, 240, 14}}, 60),
            (QStringList {QStringLiteral("120  85   20   "), QStringLiteral("301  240  14   "), QStringLiteral("60")}));
        QCOMPARE(AnswerFileLines({}, 300), QStringList {QStringLiteral("300")});
    }

    // Two circles overlap when one click could find both. Touching circles
    // do: the hit rule counts the edge, and where the edges meet on a whole
    // pixel that pixel hits both.
    void circlesOverlap_data()
    {
        QTest::addColumn<AnswerCircle>("a");
        QTest::addColumn<AnswerCircle>("b");
        QTest::addColumn<bool>("overlap");
        QTest::newRow("apart") << AnswerCircle {100, 100, 10} << AnswerCircle {121, 100, 10} << false;
        QTest::newRow("touching") << AnswerCircle {100, 100, 10} << AnswerCircle {120, 100, 10} << true;
        QTest::newRow("touching on a slant") << AnswerCircle {0, 0, 3} << AnswerCircle {3, 4, 2} << true;
        QTest::newRow("crossing") << AnswerCircle {100, 100, 10} << AnswerCircle {119, 100, 10} << true;
        QTest::newRow("one inside the other") << AnswerCircle {100, 100, 30} << AnswerCircle {105, 100, 5} << true;
        // Five columns hold -9999 to 99999.
        QTest::newRow("the widest a file holds") << AnswerCircle {-9999, -9999, 99999} << AnswerCircle {99999, 99999, 99999}
                                                 << true;
        QTest::newRow("the farthest a file holds") << AnswerCircle {-9999, -9999, 0} << AnswerCircle {99999, 99999, 0}
                                                   << false;
    }
    void circlesOverlap()
    {
        QFETCH(AnswerCircle, a);
        QFETCH(AnswerCircle, b);
        QTEST(AnswerCirclesOverlap(a, b), "overlap");
        QTEST(AnswerCirclesOverlap(b, a), "overlap");
    }

    // The pixel where touching circles meet is a hit for both.
    void touchingCirclesShareTheirMeetingPixel()
    {
        QVERIFY(HitsAnswerCircle(100, 100, 10, 110, 100));
        QVERIFY(HitsAnswerCircle(120, 100, 10, 110, 100));
    }
};


QTEST_APPLESS_MAIN(TestAnswerLines)
#include "tst_answerlines.moc"
