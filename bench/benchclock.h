// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// Readings taken around the code being measured.
namespace BenchClock {
// Nanoseconds on the machine-wide monotonic clock, comparable between
// processes, so a child can say when it painted.
std::int64_t monotonicNs();
// Processor time used by every thread of this process, in nanoseconds.
std::int64_t processCpuNs();
} // namespace BenchClock
