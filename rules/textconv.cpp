// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/textconv.h"

#include "rules/errors.h"

namespace Platform {

namespace {

    bool isBlankOrControl(QChar c)
    {
        return c.unicode() < 33;
    }

    // -1 for anything but an ASCII digit of the base (full-width digits are not numbers here).
    int digitValue(QChar c, int base)
    {
        const char16_t u = c.unicode();
        int value = -1;
        if (u >= u'0' && u <= u'9')
            value = u - u'0';
        else if (base == 16 && u >= u'a' && u <= u'f')
            value = u - u'a' + 10;
        else if (base == 16 && u >= u'A' && u <= u'F')
            value = u - u'A' + 10;
        return value;
    }

} // namespace

QString intToStr(qint32 value)
{
    return QString::number(value);
}

qint32 strToInt(const QString &text)
{
    const auto fail = [&text]() { return EConvertError(Errors::notAnInteger(text)); };

    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlankOrControl(text[i]))
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    if (i < n && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }

    if (i >= n)
        throw fail();

    // One past the largest magnitude allowed, so that -2147483648 fits.
    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0)
            throw fail();
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            throw fail();
    }
    return qint32(negative ? -magnitude : magnitude);
}

QString trimmed(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && isBlankOrControl(text[first]))
        ++first;
    while (end > first && isBlankOrControl(text[end - 1]))
        --end;
    return text.mid(first, end - first);
}

QString substring(const QString &text, int start, int count)
{
    if (count < 0)
        return QString();
    const qsizetype from = start < 1 ? 0 : qsizetype(start) - 1;
    if (from >= text.size())
        return QString();
    return text.mid(from, count);
}

} // namespace Platform
