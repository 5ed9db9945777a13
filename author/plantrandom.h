// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <limits>
#include <random>

namespace Author {

// The planter's dice. The engine's sequence is fixed by the C++ standard, and
// the draws from it are made here rather than with the standard's
// distributions (which differ between libraries), so a seed gives the same
// question wherever the tool is built.
class PlantRandom
{
public:
    explicit PlantRandom(std::uint64_t seed) : m_engine(seed) {}

    // 0 to n - 1, each equally likely; 0 when n is 0 or less.
    int below(int n)
    {
        if (n <= 1)
            return 0;
        const std::uint64_t span = std::uint64_t(n);
        const std::uint64_t fair = std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % span;
        std::uint64_t draw = m_engine();
        while (draw >= fair)
            draw = m_engine();
        return int(draw % span);
    }

    int between(int low, int high) { return low + below(high - low + 1); }

private:
    std::mt19937_64 m_engine;
};

} // namespace Author
