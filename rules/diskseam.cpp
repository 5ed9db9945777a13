// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/diskseam.h"

#include <QFileDevice>

namespace Platform {

namespace {

    class RealDisk : public Disk
    {
    public:
        qint64 write(QFileDevice &file, const char *data, qint64 size) override { return file.write(data, size); }
        void beforeCommit() override {}
    };

    RealDisk s_realDisk;
    Disk *s_disk = nullptr;

} // namespace

Disk &disk()
{
    return s_disk ? *s_disk : s_realDisk;
}

void setDisk(Disk *disk)
{
    s_disk = disk;
}

} // namespace Platform
