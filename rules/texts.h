// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Numbers inside the children's sentences are written in full-width digits.
QString FullWidthNumber(qint32 n);

// What the title screen says at each hour of the day (0 to 23).
QString Greeting(int hour);
