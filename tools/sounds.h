// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// The game's four sound cues as samples at waveSampleRate, each rising from
// and falling back to silence so that playback starts and stops without a click.
namespace Sounds {
std::vector<double> atari(); // an answer found: a short bright ding
std::vector<double> hazure(); // a miss: a short low boop
std::vector<double> clear(); // the question solved: a happy rising arpeggio
std::vector<double> miss(); // the question lost: a gentle falling "wah wah"
} // namespace Sounds
