// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/sounds.h"

#include "tools/wavewriter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

struct Partial
{
    double ratio; // of the note's frequency
    double weight;
};

std::size_t samplesFor(double seconds)
{
    return std::size_t(std::lround(seconds * waveSampleRate));
}

// Linear rise over attack seconds, then an exponential fall with the given
// time constant, then a linear fade over the last release seconds.
double envelope(double t, double length, double attack, double decay, double release)
{
    double a = t < attack ? t / attack : std::exp(-(t - attack) / decay);
    if (t > length - release)
        a *= std::max(0.0, (length - t) / release);
    return a;
}

// Adds a note starting at `start` seconds; its pitch glides from `from` to `to` Hz.
void addNote(std::vector<double> &out, double start, double length, double from, double to,
    const std::vector<Partial> &partials, double volume, double attack, double decay, double release)
{
    const std::size_t first = samplesFor(start);
    const std::size_t count = samplesFor(length);
    if (out.size() < first + count)
        out.resize(first + count, 0.0);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / waveSampleRate;
        const double frequency = from + (to - from) * t / length;
        phase += 2 * std::numbers::pi * frequency / waveSampleRate;
        double v = 0;
        for (const Partial &p : partials)
            v += p.weight * std::sin(phase * p.ratio);
        out[first + i] += volume * envelope(t, length, attack, decay, release) * v;
    }
}

} // namespace

namespace Sounds {

std::vector<double> atari()
{
    std::vector<double> out;
    const std::vector<Partial> bell { { 1, 1.0 }, { 2, 0.35 }, { 3.01, 0.15 } };
    addNote(out, 0.0, 0.30, 1318.5, 1318.5, bell, 0.45, 0.004, 0.09, 0.03); // E6
    addNote(out, 0.06, 0.24, 1975.5, 1975.5, bell, 0.25, 0.004, 0.07, 0.03); // B6
    return out;
}

std::vector<double> hazure()
{
    std::vector<double> out;
    const std::vector<Partial> reed { { 1, 1.0 }, { 3, 0.3 }, { 5, 0.12 } };
    addNote(out, 0.0, 0.30, 196, 155, reed, 0.55, 0.012, 0.25, 0.06);
    return out;
}

std::vector<double> clear()
{
    std::vector<double> out;
    const std::vector<Partial> chime { { 1, 1.0 }, { 2, 0.3 }, { 4, 0.08 } };
    const double notes[] = { 523.25, 659.25, 783.99, 1046.5 }; // C5 E5 G5 C6
    for (int i = 0; i < 3; ++i)
        addNote(out, i * 0.16, 0.3, notes[i], notes[i], chime, 0.3, 0.006, 0.18, 0.05);
    addNote(out, 0.48, 0.52, notes[3], notes[3], chime, 0.35, 0.006, 0.3, 0.12);
    return out;
}

std::vector<double> miss()
{
    std::vector<double> out;
    // Soft attacks and long fades make each note a "wah"; the last one sags.
    const std::vector<Partial> horn { { 1, 1.0 }, { 2, 0.45 }, { 3, 0.2 } };
    addNote(out, 0.00, 0.30, 392.0, 385.0, horn, 0.4, 0.06, 0.5, 0.12); // G4
    addNote(out, 0.30, 0.30, 370.0, 363.0, horn, 0.4, 0.06, 0.5, 0.12); // F#4
    addNote(out, 0.60, 0.45, 349.2, 311.1, horn, 0.4, 0.08, 0.6, 0.25); // F4 sagging to D#4
    return out;
}

} // namespace Sounds
