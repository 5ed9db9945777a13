// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace Platform {

// The entry of every event handler: runs it, and when a game error ends it,
// lets go of any mouse hold and shows the error box. What the handler did
// before the error stays done. Programming faults are not caught.
void guarded(const std::function<void()> &handler);

} // namespace Platform
