// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// One run of a program in a process of its own, and what it printed.
struct ChildRun
{
    std::int64_t spawnedNs = 0; // BenchClock::monotonicNs() just before the process was made
    QByteArray output; // everything it wrote to standard output
    QString failure; // empty when it started and exited with 0
};

// Runs program with args in folder dir, its standard output read through a
// pipe, its standard error left on ours, and waits for it to end.
ChildRun runChild(const QString &program, const QStringList &args, const QString &dir);
