// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/playround.h"

#include <algorithm>

namespace Maker {

PlayRound::PlayRound(const std::vector<Author::Circle> &circles, int limit)
    : m_circles(circles)
    , m_found(circles.size(), false)
    , m_limit(limit)
    , m_secondsLeft(limit)
    , m_over(circles.empty())
{
}

PlayRound::Click PlayRound::click(int x, int y)
{
    if (m_over)
        return Click::Ignored;
    bool hit = false;
    for (std::size_t i = 0; i < m_circles.size(); ++i) {
        if (m_found[i] || !Author::hits(m_circles[i], x, y))
            continue;
        m_found[i] = true;
        hit = true;
    }
    if (hit) {
        if (remaining() == 0) {
            m_over = true;
            return Click::Cleared;
        }
        return Click::Hit;
    }
    ++m_misses;
    if (m_misses >= AllowedMisses) {
        m_over = true;
        return Click::Lost;
    }
    return Click::Miss;
}

bool PlayRound::tick()
{
    // A limit of 0 or below plays untimed, as in the game.
    if (m_over || m_limit <= 0)
        return false;
    if (--m_secondsLeft > 0)
        return false;
    m_secondsLeft = 0;
    m_over = true;
    return true;
}

std::vector<Author::Circle> PlayRound::found() const
{
    std::vector<Author::Circle> found;
    for (std::size_t i = 0; i < m_circles.size(); ++i)
        if (m_found[i])
            found.push_back(m_circles[i]);
    return found;
}

int PlayRound::remaining() const
{
    return int(std::count(m_found.begin(), m_found.end(), false));
}

} // namespace Maker
