// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seeds.h"

namespace {
QByteArray answerLine(int x, int y, int r)
{
    return QByteArray::number(x).leftJustified(5, ' ', true) + QByteArray::number(y).leftJustified(5, ' ', true)
        + QByteArray::number(r).leftJustified(5, ' ', true) + "\r\n";
}
} // namespace

Seeds answerFileSeeds()
{
    using namespace Qt::StringLiterals;
    Seeds seeds{
        {u"worked-example"_s, "120  85   20   \r\n301  240  14   \r\n60\r\n"_ba},
        {u"empty"_s, QByteArray()},
        {u"lf-only"_s, "120  85   20   \n301  240  14   \n60\n"_ba},
        {u"cr-only"_s, "120  85   20   \r301  240  14   \r60\r"_ba},
        {u"no-final-end"_s, "7    349  99   \r\n45"_ba},
        {u"bom"_s, "\xef\xbb\xbf" "120  85   20   \r\n60\r\n"_ba},
        {u"bom-limit-only"_s, "\xef\xbb\xbf" "90\r\n"_ba},
        {u"only-limit"_s, "120\r\n"_ba},
        {u"blank-after-limit"_s, "1    2    3    \r\n60\r\n\r\n"_ba},
        {u"blank-among-answers"_s, "1    2    3    \r\n\r\n4    5    6    \r\n60\r\n"_ba},
        {u"limit-leading-blanks"_s, "1    2    3    \r\n   60\r\n"_ba},
        {u"limit-trailing-blank"_s, "1    2    3    \r\n60 \r\n"_ba},
        {u"bad-x"_s, "x    2    3    \r\n60\r\n"_ba},
        {u"bad-y"_s, "1    2y   3    \r\n60\r\n"_ba},
        {u"bad-r"_s, "1    2    3.5  \r\n60\r\n"_ba},
        {u"short-line"_s, "1    2    \r\n60\r\n"_ba},
        {u"tabs-and-tail"_s, "\t1   2\t   3    ignored after column 15\r\n60\r\n"_ba},
        {u"negative"_s, "-12  0    10   \r\n-5   -999 -1   \r\n-30\r\n"_ba},
        {u"hex"_s, "$1F  0x20 $ff  \r\nx10  X7   0X1  \r\n$3C\r\n"_ba},
        {u"limit-20"_s, "1    2    3    \r\n20\r\n"_ba},
        {u"limit-large"_s, "1    2    3    \r\n2147483647\r\n"_ba},
        {u"limit-too-large"_s, "1    2    3    \r\n2147483648\r\n"_ba},
        {u"limit-65"_s, "1    2    3    \r\n65\r\n"_ba},
        {u"nul-inside"_s, "1    2    3    \r\n60\r\n"_ba + QByteArray(1, '\0') + "garbage\r\n"_ba},
        {u"not-utf8"_s, "\xff\xfe\x31    2    3    \r\n\x82\xa0\r\n"_ba},
        // The extremes a file can hold, for the clock and the circles.
        {u"limit-highest"_s, "100  100  20   \r\n2147483647\r\n"_ba},
        {u"limit-highest-hex"_s, "100  100  20   \r\n$7FFFFFFF\r\n"_ba},
        {u"limit-lowest"_s, "100  100  20   \r\n-2147483648\r\n"_ba},
        {u"limit-lowest-hex"_s, "100  100  20   \r\n$80000000\r\n"_ba},
        {u"limit-lowest-plus-one"_s, "100  100  20   \r\n-2147483647\r\n"_ba},
        {u"circles-largest"_s, "9999999999$FFFF\r\n$FFFF$FFFF99999\r\n300\r\n"_ba},
        {u"circles-lowest"_s, "-9999-9999-9999\r\n-$FFF-$FFF-$FFF\r\n0\r\n"_ba},
        {u"circles-mixed"_s, "99999-999999999\r\n-999999999-9999\r\n2147483647\r\n"_ba},
    };
    const int limits[] = {30, 40, 50, 60, 70, 80, 90, 100, 110, 120, 180, 240, 300};
    for (int limit : limits)
        seeds.emplace(u"limit-%1"_s.arg(limit, 3, 10, QLatin1Char('0')),
                      answerLine(10, 20, 5) + QByteArray::number(limit) + "\r\n");

    QByteArray many;
    for (int i = 1; i <= 120; ++i)
        many += answerLine(i, 350 - i, i % 30);
    seeds.emplace(u"more-than-99"_s, many + "180\r\n");
    seeds.emplace(u"more-than-99-bad-limit"_s, many + "soon\r\n");
    QByteArray badLate = many;
    badLate.replace(98 * 17, 5, "oops ");
    seeds.emplace(u"more-than-99-bad-99th"_s, badLate + "240\r\n");
    return seeds;
}
