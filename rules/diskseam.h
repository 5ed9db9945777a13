// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QFileDevice;

// Where a save meets the disk, as tests can replace it: a disk that fills up,
// or a save stopped just before the new file takes the old one's place. It
// sits beside the clock, user and speaker of platform/seam.h, here because
// the line files below the window write through it.
namespace Platform {

class Disk
{
public:
    virtual ~Disk() = default;
    // Writes bytes to the open file; how many the device took, or -1.
    virtual qint64 write(QFileDevice &file, const char *data, qint64 size) = 0;
    // Every byte is written and flushed; the old file is still in place.
    virtual void beforeCommit() = 0;
};

Disk &disk();
// nullptr restores the real one.
void setDisk(Disk *disk);

} // namespace Platform
