// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/texts.h"

#include <QTest>

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void fullWidthNumbers_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "０";
        QTest::newRow("29") << 29 << "２９";
        QTest::newRow("12") << 12 << "１２";
        QTest::newRow("300") << 300 << "３００";
        QTest::newRow("largest") << 2147483647 << "２１４７４８３６４７";
        QTest::newRow("negative") << -5 << "－５";
        QTest::newRow("smallest") << int(-2147483647 - 1) << "－２１４７４８３６４８";
    }
    void fullWidthNumbers()
    {
        QFETCH(int, n);
        QTEST(FullWidthNumber(n), "text");
    }

    void greetingForEachHour_data()
    {
        QTest::addColumn<int>("hour");
        QTest::addColumn<QString>("greeting");
        const struct {
            int from, to;
            const char *text;
        } table[] = {
            {0, 4, "まだよるだよ！ねむくないの？"},       {5, 9, "おはよう！きょうも げんきかな！"},
            {10, 11, "きょうも げんきで がんばろうね！"}, {12, 13, "こんにちは！おひるごはん たべた？"},
            {14, 14, "こんにちは！たのしい ゲームだよ！"}, {15, 16, "こんにちは！おやつ たべたかな？"},
            {17, 18, "こんにちは！しゅくだいおわった？"},  {19, 20, "こんばんは！ばんごはん たべた？"},
            {21, 22, "こんばんは！もうねるじかんだよ！"},  {23, 23, "おそくまでおきてちゃだめだよ！"},
        };
        for (const auto &row : table)
            for (int hour = row.from; hour <= row.to; ++hour)
                QTest::addRow("%02d", hour) << hour << QString::fromUtf8(row.text);
    }
    void greetingForEachHour()
    {
        QFETCH(int, hour);
        QTEST(Greeting(hour), "greeting");
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
