// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "author/window/playpanel.h"

#include "author/window/answerview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

namespace Maker {

PlayPanel::PlayPanel(AnswerView *view, QWidget *parent)
    : QWidget(parent)
    , m_view(view)
    , m_time(new QProgressBar)
    , m_misses(new QLabel)
    , m_message(new QLabel)
    , m_clock(new QTimer(this))
{
    m_time->setTextVisible(false);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("のこり時間")));
    row->addWidget(m_time, 1);
    row->addWidget(m_misses);
    row->addWidget(m_message);
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, &PlayPanel::tick);
    connect(view, &AnswerView::pictureClicked, this, &PlayPanel::clicked);
    hide();
}

void PlayPanel::start(const std::vector<Author::Circle> &circles, int limit)
{
    m_round = std::make_unique<PlayRound>(circles, limit);
    m_view->setPlaying(true);
    m_view->setPlayRings({});
    m_time->setRange(0, qMax(1, limit));
    m_time->setValue(qMax(1, limit));
    showState(circles.empty() ? QStringLiteral("円がないので遊べません。") : QStringLiteral("絵 B の違いを押してください。"));
    show();
    m_clock->start();
}

void PlayPanel::stop()
{
    m_clock->stop();
    m_round.reset();
    m_view->setPlaying(false);
    hide();
}

QString PlayPanel::message() const
{
    return m_message->text();
}

void PlayPanel::tick()
{
    if (!m_round)
        return;
    if (m_round->tick())
        showState(QStringLiteral("時間切れです。"));
    m_time->setValue(m_round->secondsLeft());
}

void PlayPanel::clicked(const QPoint &pixel)
{
    if (!m_round)
        return;
    switch (m_round->click(pixel.x(), pixel.y())) {
    case PlayRound::Click::Hit: showState(QStringLiteral("あたり！ のこり %1 か所").arg(m_round->remaining())); break;
    case PlayRound::Click::Miss: showState(QStringLiteral("はずれ")); break;
    case PlayRound::Click::Cleared: showState(QStringLiteral("ぜんぶ見つけました。")); break;
    case PlayRound::Click::Lost: showState(QStringLiteral("3 回まちがえたので終わりです。")); break;
    case PlayRound::Click::Ignored: return;
    }
    m_view->setPlayRings(m_round->found());
}

void PlayPanel::showState(const QString &message)
{
    m_message->setText(message);
    m_misses->setText(QStringLiteral("×").repeated(m_round ? m_round->misses() : 0));
    if (m_round && m_round->isOver())
        m_clock->stop();
}

} // namespace Maker
