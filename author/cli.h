// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "author/outcome.h"

#include <QStringList>

namespace Author {

// The short usage text printed with a usage error.
QString usageText();

// Runs the tool on its arguments (without the program name).
Outcome runAuthor(const QStringList &arguments);

} // namespace Author
