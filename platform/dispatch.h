#pragma once

namespace Platform {

// Runs every event waiting now (input, paint, timer ticks, close requests)
// and returns without waiting for more.
void dispatchPending();

// The game's Pause: keeps dispatching events until at least ms milliseconds
// have passed on the clock, sleeping briefly between passes so that a wait
// costs almost no processor time. Events are dispatched at least once, also
// for 0. A close request that arrives meanwhile only hides the window; the
// application ends when control is back in the main loop, after the waiting
// handler has finished.
void waitDispatching(int ms);

} // namespace Platform
