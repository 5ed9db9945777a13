// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace Author {

// Exit statuses of the tool.
enum Status : int {
    Done = 0,
    Problems = 1, // problems found, or the work could not be done
    UsageError = 2,
};

// What a command did: its exit status and the bytes for standard output and
// standard error. Commands never print; the program's main does.
struct Outcome
{
    int status = Done;
    QByteArray out;
    QByteArray err;

    // A line of text (UTF-8, LF) for either stream.
    void tell(const QString &line);
    void warn(const QString &line);
    // A message on standard error that ends the work unfinished.
    Outcome &fail(const QString &line);
};

} // namespace Author
