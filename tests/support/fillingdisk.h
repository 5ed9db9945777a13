// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/diskseam.h"

#include <functional>

// A disk for the robustness tests: it takes only `room` bytes of a save, as a
// disk that fills up would (negative: as many as asked), and calls the
// before-commit hook once a save is written but before it takes the old
// file's place (for instance to kill the process there).
class FillingDisk : public Platform::Disk
{
public:
    explicit FillingDisk(qint64 room = -1)
        : m_room(room)
    {
    }

    void setRoom(qint64 room) { m_room = room; }
    void setBeforeCommit(std::function<void()> hook) { m_beforeCommit = std::move(hook); }

    qint64 write(QFileDevice &file, const char *data, qint64 size) override;
    void beforeCommit() override;

private:
    qint64 m_room;
    std::function<void()> m_beforeCommit;
};
