// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/seam.h"

namespace Platform {

// The real person at the screen: modal boxes centred on the screen, owned by
// the active window, and the folder dialog.
class ScreenUser : public User
{
public:
    int ask(const QString &message) override;
    void message(const QString &message) override;
    void error(const QString &boxText) override;
    std::optional<QString> chooseFolder(
        const QString &prompt, const QString &root, const QString &current) override;
};

ScreenUser &screenUser();

} // namespace Platform
