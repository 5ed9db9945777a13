// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "author/circle.h"
#include "author/window/playround.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QTimer;

namespace Maker {

class AnswerView;

// Trying a question out as a child plays it, in picture B: the time bar
// runs down from the limit, a hit draws the game's red ring, a miss adds a
// cross; three crosses or the end of the time finish the round.
class PlayPanel : public QWidget
{
    Q_OBJECT

public:
    PlayPanel(AnswerView *view, QWidget *parent = nullptr);

    void start(const std::vector<Author::Circle> &circles, int limit);
    void stop();
    bool isPlaying() const { return m_round != nullptr; }
    const PlayRound *round() const { return m_round.get(); }
    QString message() const;
    // One second of the round's clock.
    void tick();

private:
    void clicked(const QPoint &pixel);
    void showState(const QString &message);

    AnswerView *m_view;
    std::unique_ptr<PlayRound> m_round;
    QProgressBar *m_time;
    QLabel *m_misses;
    QLabel *m_message;
    QTimer *m_clock;
};

} // namespace Maker
