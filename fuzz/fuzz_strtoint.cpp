// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text to integer against a plain reference: the same texts are accepted,
// with the same values, and a refused text is named in the message.
#include "fuzzsupport.h"

#include "rules/errors.h"
#include "rules/textconv.h"

#include <optional>

namespace {

int digitOf(char16_t c, int base)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (base == 16 && c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (base == 16 && c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Blanks and control characters first, a sign, "$", "x" or "0x" for
// hexadecimal, then only digits; the signed value must fit in 32 bits.
std::optional<qint32> reference(const QString &text)
{
    std::u16string s = text.toStdU16String();
    size_t i = 0;
    while (i < s.size() && s[i] < 33)
        ++i;
    s.erase(0, i);

    bool negative = false;
    if (!s.empty() && (s[0] == u'-' || s[0] == u'+')) {
        negative = s[0] == u'-';
        s.erase(0, 1);
    }
    int base = 10;
    if (s.starts_with(u"$") || s.starts_with(u"x") || s.starts_with(u"X")) {
        base = 16;
        s.erase(0, 1);
    } else if (s.starts_with(u"0x") || s.starts_with(u"0X")) {
        base = 16;
        s.erase(0, 2);
    }
    if (s.empty())
        return std::nullopt;

    // Saturates far above the 32-bit range so long texts cannot wrap.
    constexpr qint64 ceiling = qint64(1) << 40;
    qint64 magnitude = 0;
    for (char16_t c : s) {
        const int digit = digitOf(c, base);
        if (digit < 0)
            return std::nullopt;
        magnitude = std::min(ceiling, magnitude * base + digit);
    }
    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

void check(const QString &text)
{
    const std::optional<qint32> expected = reference(text);
    try {
        const qint32 value = Platform::strToInt(text);
        if (!expected)
            Fuzz::fail("strToInt accepted a text the reference refuses", text);
        if (value != *expected)
            Fuzz::fail("strToInt gave another value",
                       QStringLiteral("%1: %2, not %3").arg(text).arg(value).arg(*expected));
    } catch (const EConvertError &e) {
        if (expected)
            Fuzz::fail("strToInt refused a text the reference accepts", text);
        if (e.message() != QStringLiteral("'") + text + QStringLiteral("' is not a valid integer value"))
            Fuzz::fail("the message does not name the text", e.message());
    } catch (const EGameError &e) {
        Fuzz::fail("strToInt threw something other than EConvertError", e.message());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = Fuzz::bytesOf(data, size);
    check(QString::fromLatin1(bytes));
    check(QString::fromUtf8(bytes));
    return 0;
}
