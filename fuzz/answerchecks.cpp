// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answerchecks.h"

#include "fuzzgame.h"
#include "fuzzsupport.h"

#include "form/Pimukaro_Main.h"
#include "rules/answerlines.h"
#include "platform/controls/listbox.h"
#include "platform/controls/pickcombobox.h"
#include "rules/errors.h"
#include "rules/linefile.h"
#include "rules/textconv.h"

#include <optional>

namespace {
constexpr Answer Untouched{-7, -77, -777, -7777};
constexpr qint32 UntouchedLimit = -4321;

QString number(qint64 value)
{
    return QString::number(value);
}

void expectEqual(const char *what, qint64 actual, qint64 expected)
{
    if (actual != expected)
        Fuzz::fail(what, number(actual) + QStringLiteral(" instead of ") + number(expected));
}

void expectAnswer(const TForm1 &form, int i, const Answer &expected)
{
    const Answer &actual = form.Answers[i];
    if (actual.Found != expected.Found || actual.X != expected.X || actual.Y != expected.Y || actual.R != expected.R)
        Fuzz::fail("an entry of Answers does not hold its line",
                   QStringLiteral("entry %1: (%2, %3, %4, %5) instead of (%6, %7, %8, %9)")
                       .arg(i)
                       .arg(actual.Found)
                       .arg(actual.X)
                       .arg(actual.Y)
                       .arg(actual.R)
                       .arg(expected.Found)
                       .arg(expected.X)
                       .arg(expected.Y)
                       .arg(expected.R));
}

void expectUntouchedFrom(const TForm1 &form, int first)
{
    for (int i = first; i <= MaxAnswers; ++i)
        expectAnswer(form, i, Untouched);
}

void expectList(const TForm1 &form, const QStringList &expected)
{
    if (form.LB_Ans->items() != expected)
        Fuzz::fail("the answer list does not hold the expected lines",
                   number(form.LB_Ans->count()) + QStringLiteral(" items instead of ") + number(expected.size()));
}

std::optional<qint32> limitOf(const QString &line)
{
    try {
        return Platform::strToInt(line);
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

// The limit line read: the time limit and the entry shown both come from it.
void expectLimitRead(const TForm1 &form, const QString &limitLine)
{
    const std::optional<qint32> limit = limitOf(limitLine);
    if (!limit)
        Fuzz::fail("a limit line that does not convert was taken", limitLine);
    expectEqual("the time limit is not the limit line's", form.TimeLimit, *limit);
    expectEqual("the time choice shown does not fit the limit", form.CB_Time->itemIndex(), TimeChoiceShown(*limit));
}

void expectLimitNotRead(const TForm1 &form)
{
    expectEqual("the time limit changed without a limit line read", form.TimeLimit, UntouchedLimit);
    expectEqual("the time choice is not the default", form.CB_Time->itemIndex(), DefaultTimeChoice);
}

// Checks entries 1 to AnswerCount against the answer list, up to the first
// line that fails to convert; returns that line's message, or nothing.
std::optional<QString> expectAnswersParsed(const TForm1 &form)
{
    for (int i = 1; i <= form.AnswerCount; ++i) {
        Answer expected{0, Untouched.X, Untouched.Y, Untouched.R};
        try {
            ParseAnswerLine(form.LB_Ans->item(i - 1), expected.X, expected.Y, expected.R);
        } catch (const EConvertError &e) {
            // The failing line keeps the fields before its bad one.
            expectAnswer(form, i, expected);
            expectUntouchedFrom(form, i + 1);
            return e.message();
        }
        expectAnswer(form, i, expected);
    }
    expectUntouchedFrom(form, form.AnswerCount + 1);
    return std::nullopt;
}

void checkLoaded(const TForm1 &form, const QStringList &lines)
{
    if (lines.isEmpty()) {
        expectList(form, {});
        expectEqual("AnswerCount of an empty file", form.AnswerCount, 0);
        expectLimitNotRead(form);
        expectUntouchedFrom(form, 1);
        return;
    }
    expectList(form, lines.mid(0, lines.size() - 1));
    expectEqual("AnswerCount is not the number of answer lines", form.AnswerCount,
                qMin(lines.size() - 1, MaxAnswers));
    expectLimitRead(form, lines.last());
    if (const std::optional<QString> failure = expectAnswersParsed(form))
        Fuzz::fail("the load succeeded over an answer line that does not convert", *failure);
}

// The converted text of a conversion error, or nothing when the message is
// not the conversion error's.
std::optional<QString> convertedText(const QString &message)
{
    const QString head = QStringLiteral("'");
    const QString tail = QStringLiteral("' is not a valid integer value");
    if (!message.startsWith(head) || !message.endsWith(tail) || message.size() < head.size() + tail.size())
        return std::nullopt;
    return message.mid(head.size(), message.size() - head.size() - tail.size());
}

void checkConvertFailure(const TForm1 &form, const QStringList &lines, const QString &message)
{
    const std::optional<QString> text = convertedText(message);
    if (!text || Errors::notAnInteger(*text) != message)
        Fuzz::fail("a conversion error with a message of another form", message);
    if (lines.isEmpty())
        Fuzz::fail("an empty file failed to convert", message);

    if (form.LB_Ans->count() == lines.size()) {
        // The limit line failed: every line stays, the limit line counted too.
        expectList(form, lines);
        if (*text != lines.last())
            Fuzz::fail("the failed limit line is not the text in the message", *text);
        expectEqual("AnswerCount after a bad limit line", form.AnswerCount, qMin(lines.size(), MaxAnswers));
        expectLimitNotRead(form);
        expectUntouchedFrom(form, 1);
        return;
    }
    expectList(form, lines.mid(0, lines.size() - 1));
    expectEqual("AnswerCount after a bad answer line", form.AnswerCount, qMin(lines.size() - 1, MaxAnswers));
    expectLimitRead(form, lines.last());
    const std::optional<QString> failure = expectAnswersParsed(form);
    if (!failure)
        Fuzz::fail("a conversion error, but every answer line converts", message);
    if (*failure != message)
        Fuzz::fail("the error is not the first bad answer line's", message + QStringLiteral(" | ") + *failure);
}

void checkFileFailure(const TForm1 &form, const EGameError &error)
{
    const bool open = dynamic_cast<const EFOpenError *>(&error) != nullptr;
    const QString expected = open ? Errors::cannotOpen(Fuzz::answerFilePath()) : Errors::readError();
    if (error.message() != expected)
        Fuzz::fail("a file error with another text", error.message());
    expectList(form, {});
    expectEqual("AnswerCount after a file error", form.AnswerCount, 0);
    expectLimitNotRead(form);
    expectUntouchedFrom(form, 1);
}

} // namespace

namespace Fuzz {

void markRecord(TForm1 &form)
{
    for (Answer &answer : form.Answers)
        answer = Untouched;
    form.TimeLimit = UntouchedLimit;
}

void checkAnswerLoad(const TForm1 &form, const QByteArray &bytes, const EGameError *error)
{
    const int shown = form.CB_Time->itemIndex();
    if (shown < 0 || shown >= TimeChoiceCount)
        fail("the time choice shown is outside the list", number(shown));
    if (form.AnswerCount < 0 || form.AnswerCount > MaxAnswers)
        fail("AnswerCount is outside the record", number(form.AnswerCount));
    if (form.AnswerCount > form.LB_Ans->count())
        fail("AnswerCount exceeds the answer list", number(form.AnswerCount));

    // A file longer than the record is read as its first 99 answer lines and
    // its last line: those are the lines the load must account for.
    const QStringList all = Platform::splitLines(bytes);
    QStringList lines = all;
    if (all.size() > MaxAnswers + 1)
        lines = all.mid(0, MaxAnswers) << all.last();
    if (!error)
        checkLoaded(form, lines);
    else if (dynamic_cast<const EConvertError *>(error))
        checkConvertFailure(form, lines, error->message());
    else if (dynamic_cast<const EFOpenError *>(error) || dynamic_cast<const EReadError *>(error))
        checkFileFailure(form, *error);
    else
        fail("the load threw an error it should not", error->message());
}

} // namespace Fuzz
