// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fillingdisk.h"

#include <QFileDevice>

qint64 FillingDisk::write(QFileDevice &file, const char *data, qint64 size)
{
    const qint64 taken = m_room < 0 ? size : qMin(m_room, size);
    return taken > 0 ? file.write(data, taken) : 0;
}

void FillingDisk::beforeCommit()
{
    if (m_beforeCommit)
        m_beforeCommit();
}
