// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/controls/itemcombobox.h"

// A pick-only drop-down list.
class PickComboBox : public ItemComboBox
{
    Q_OBJECT

public:
    explicit PickComboBox(QWidget *parent = nullptr);
};
