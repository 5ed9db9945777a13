// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchuser.h"

int BenchUser::ask(const QString &message)
{
    m_shown.append(message);
    return Platform::IdNo;
}

void BenchUser::message(const QString &message)
{
    m_shown.append(message);
}

void BenchUser::error(const QString &boxText)
{
    m_shown.append(boxText);
}

std::optional<QString> BenchUser::chooseFolder(const QString &prompt, const QString &, const QString &)
{
    m_shown.append(prompt);
    return std::nullopt;
}
