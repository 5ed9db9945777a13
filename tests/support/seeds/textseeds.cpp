// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seeds.h"

Seeds lineFileSeeds()
{
    using namespace Qt::StringLiterals;
    return {
        {u"empty"_s, QByteArray()},
        {u"crlf"_s, "120  85   20   \r\n301  240  14   \r\n60\r\n"_ba},
        {u"lf"_s, "120  85   20   \n301  240  14   \n60\n"_ba},
        {u"cr"_s, "120  85   20   \r301  240  14   \r60\r"_ba},
        {u"lfcr"_s, "one\n\rtwo\n\r"_ba},
        {u"mixed"_s, "a\r\nb\nc\rd\n\re"_ba},
        {u"no-final-end"_s, "first\r\nlast"_ba},
        {u"only-ends"_s, "\r\n\r\n\n\r\r"_ba},
        {u"nul-inside"_s, QByteArray("before\r\nhalf\0after\r\n", 20)},
        {u"folder-utf8"_s, "/home/ぴむ/サンプルもんだい/\r\n"_ba},
        {u"bad-utf8"_s, "\xff\xfe\r\n\xe3\x81\r\n\xc0\x80\n\xed\xa0\x80"_ba},
        {u"bom"_s, "\xef\xbb\xbfline\r\n"_ba},
    };
}

Seeds integerSeeds()
{
    using namespace Qt::StringLiterals;
    const char *texts[] = {
        "0",          "7",           "120",         "-1",          "+42",         "2147483647", "2147483648",
        "-2147483648", "-2147483649", "$7FFFFFFF",  "$80000000",   "-$80000000",  "$FFFFFFFF",  "0x1f",
        "0X1F",       "x10",         "X7fffffff",   "$",           "0x",          "x",          "-",
        "+",          "",            "   12",       "\t\r\n 5",    "12 ",         "1 2",        "--5",
        "+-5",        "-$10",        "$-10",        "00000000000000000000123",      "0x0x1",      "1e3",
        "3.0",        "１２",         "\xa0" "5",    "\x1f\x01" "9", "99999999999999999999999",    "0$1",
    };
    Seeds seeds;
    int n = 0;
    for (const char *text : texts)
        seeds.emplace(u"int-%1"_s.arg(++n, 2, 10, QLatin1Char('0')), QByteArray(text));
    return seeds;
}
