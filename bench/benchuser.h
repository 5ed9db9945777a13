// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QStringList>

// Stands in for the person at the screen while the bench drives the game: no
// dialog may block a measurement. Every text shown is kept, so a run that met
// an error box or message is reported as broken instead of timed.
class BenchUser : public Platform::User
{
public:
    int ask(const QString &message) override;
    void message(const QString &message) override;
    void error(const QString &boxText) override;
    std::optional<QString> chooseFolder(
        const QString &prompt, const QString &root, const QString &current) override;

    const QStringList &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }

private:
    QStringList m_shown;
};
