// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"

#include <vector>

namespace Maker {

// One question tried out as the game plays it: a click finds every circle
// not yet found that it hits; a click that finds none is a miss, and the
// third miss ends the round, as does running out of time.
class PlayRound
{
public:
    enum class Click { Hit, Miss, Cleared, Lost, Ignored };
    static constexpr int AllowedMisses = 3;

    PlayRound(const std::vector<Author::Circle> &circles, int limit);

    Click click(int x, int y);
    // One second passed; true when that ran the time out.
    bool tick();

    bool isOver() const { return m_over; }
    int misses() const { return m_misses; }
    int secondsLeft() const { return m_secondsLeft; }
    int limit() const { return m_limit; }
    std::vector<Author::Circle> found() const;
    int remaining() const;

private:
    std::vector<Author::Circle> m_circles;
    std::vector<bool> m_found;
    int m_limit;
    int m_secondsLeft;
    int m_misses = 0;
    bool m_over = false;
};

} // namespace Maker
