// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace Platform {

// Lets the user pick a folder at or below root. A current folder that does not
// exist is emptied first, and stays empty even when the user cancels. OK puts
// the chosen full path (without trailing "/") into current and returns true;
// cancel returns false.
bool chooseFolder(const QString &prompt, const QString &root, QString &current);

} // namespace Platform
