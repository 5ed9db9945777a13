// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QWidget;

// Watches a window's start: when it is shown, when it and its controls have
// been painted for the first time, and what the process holds in memory once
// the event loop has settled after that. Shared by the game's probe and the
// bare window it is compared with, so both are timed the same way.
class FirstScreen : public QObject
{
public:
    struct Times
    {
        std::int64_t shownNs = 0; // BenchClock::monotonicNs() at the window's show event
        std::int64_t paintedNs = 0; // after the first painting pass of the window
    };
    // painted is called once, queued behind the rest of the first painting pass.
    FirstScreen(QWidget *window, std::function<void(const Times &)> painted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void(const Times &)> m_painted;
    Times m_times;
};

// The resident memory of this process now, in kB (VmRSS); 0 if unknown.
long residentKb();
// The peak resident memory of this program image, in kB (VmHWM); 0 if unknown.
long peakResidentKb();

// The line a start-up probe prints: "painted <main> <shown> <painted> <resident kB>".
void printStartUp(std::int64_t mainStartedNs, const FirstScreen::Times &times, long residentKb);
// How long after the first paint the memory is read: the event loop has run
// whatever the window left for after its first screen.
constexpr int SettleMs = 300;
