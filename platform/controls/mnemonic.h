// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// The characters a caption draws: "&x" draws x (underlined), "&&" draws "&",
// a final "&" nothing.
QString withoutMnemonics(const QString &caption);
