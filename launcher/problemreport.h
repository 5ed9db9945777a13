// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <memory>

class QMessageBox;

namespace ProblemReport {

// The window that tells why the game did not start; its one button closes it.
std::unique_ptr<QMessageBox> makeWindow(const QString &problem);

// Says why the game did not start: always on the standard error, and in a
// window too when there is a desktop to show one on. Returns the launcher's
// exit status, 1.
int report(const QString &problem, int &argc, char **argv);

} // namespace ProblemReport
