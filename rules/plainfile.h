// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QFile;

namespace Platform {

// Opens a file for reading only when it is a plain file. A pipe, a device, a
// socket or a folder is refused without waiting for a writer and without
// reading a byte, so a hostile name in a question folder can neither hang the
// game nor feed it an endless stream. Follows symbolic links; one that leads
// nowhere is refused like a missing file.
bool openPlainFile(QFile &file, const QString &fileName);

} // namespace Platform
