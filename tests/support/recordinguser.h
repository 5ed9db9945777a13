// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QStringList>

#include <utility>

// Stands in for the person at the screen where nobody may be asked anything:
// the bench and the fuzz targets drive the game, and no dialog may block
// them. Every text shown is kept, so a run that met an error box or message
// is reported as broken; a question is answered No, the folder chooser
// cancelled.
class RecordingUser : public Platform::User
{
public:
    int ask(const QString &message) override;
    void message(const QString &message) override;
    void error(const QString &boxText) override;
    std::optional<QString> chooseFolder(
        const QString &prompt, const QString &root, const QString &current) override;

    const QStringList &shown() const { return m_shown; }
    void clear() { m_shown.clear(); }
    // What was shown since the last take, and nothing kept.
    QStringList take() { return std::exchange(m_shown, {}); }

private:
    QStringList m_shown;
};
