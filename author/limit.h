// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <vector>

namespace Author {

// A time limit a young child can manage for these differences: more time for
// more of them and for small ones; always one of the game's time choices.
int suggestedLimit(const std::vector<Circle> &circles);

} // namespace Author
