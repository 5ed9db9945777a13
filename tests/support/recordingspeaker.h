// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

#include <QStringList>

// Records the sounds that would play, in order, instead of playing them.
class RecordingSpeaker : public Platform::Speaker
{
public:
    void play(const QString &fileName) override { m_played.append(fileName); }
    const QStringList &played() const { return m_played; }
    void clear() { m_played.clear(); }

private:
    QStringList m_played;
};
