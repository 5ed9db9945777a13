// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "author/outcome.h"

namespace Author {

void Outcome::tell(const QString &line)
{
    out += line.toUtf8() + '\n';
}

void Outcome::warn(const QString &line)
{
    err += line.toUtf8() + '\n';
}

Outcome &Outcome::fail(const QString &line)
{
    warn(line);
    status = Problems;
    return *this;
}

} // namespace Author
