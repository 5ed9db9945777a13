// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/guard.h"

#include "platform/dialogs.h"
#include "rules/errors.h"

#include <QWidget>

namespace Platform {

void guarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const EGameError &error) {
        if (QWidget *grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        showError(error.message());
    }
}

} // namespace Platform
