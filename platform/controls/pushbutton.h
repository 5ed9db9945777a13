// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button of the window: clicked by the mouse, by Space released, or by
// Return or Enter pressed (without Shift, Ctrl or Alt) while it has the focus.
// Qt's own buttons click on Enter only inside dialogs.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PushButton(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
