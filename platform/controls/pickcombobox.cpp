// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/controls/pickcombobox.h"

PickComboBox::PickComboBox(QWidget *parent)
    : ItemComboBox(parent)
{
    setEditable(false);
}
