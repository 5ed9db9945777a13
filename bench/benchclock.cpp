// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchclock.h"

#include <ctime>

namespace {
std::int64_t read(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}
} // namespace

std::int64_t BenchClock::monotonicNs()
{
    return read(CLOCK_MONOTONIC);
}

std::int64_t BenchClock::processCpuNs()
{
    return read(CLOCK_PROCESS_CPUTIME_ID);
}
