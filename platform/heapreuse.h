// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Platform {

// Keeps the memory the game frees inside the process for its next use.
// Loading a question frees two pictures and the overlay and makes the next
// ones, a few megabytes each time; handed back to the system, every page of
// them would have to be faulted in again on the next load, which costs more
// than reading the pictures. Call once, first thing in main().
void keepFreedMemory();

} // namespace Platform
