// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

// Acts on the next modal dialog as soon as it is open, the way a person would
// answer it. Call before the code that opens the dialog.
void onNextModal(std::function<void(QWidget *dialog)> action);
