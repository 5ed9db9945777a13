// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Platform {

// Runs every event waiting now (input, paint, timer ticks, close requests)
// and returns without waiting for more.
void dispatchPending();

// The game's Pause: keeps dispatching events until at least ms milliseconds
// have passed on the clock, sleeping briefly between passes so that a wait
// costs almost no processor time. Events are dispatched at least once, also
// for 0. A close request that arrives meanwhile is delivered to its window
// like any other event, and the window decides: the game's window stays shown
// and closes once the waiting handler has finished. The application ends only
// when control is back in the main loop.
void waitDispatching(int ms);

} // namespace Platform
