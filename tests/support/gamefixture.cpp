// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamefixture.h"

#include "platform/controls/imageview.h"
#include "platform/dispatch.h"
#include "platform/fonts.h"

#include <QDir>
#include <QTest>

GameFixture::GameFixture()
    : m_previousDir(QDir::currentPath())
{
    Platform::substituteFaces();
    clock->setLocalNow(QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
    clock->setUtcNow(QDateTime(QDate(2026, 12, 8), QTime(1, 0), Qt::UTC));
    QDir::setCurrent(m_play.path());
}

GameFixture::~GameFixture()
{
    m_form.reset();
    QDir::setCurrent(m_previousDir);
}

QString GameFixture::playFolder() const
{
    return m_play.path() + QLatin1Char('/');
}

QString GameFixture::folder(const QString &name) const
{
    QDir().mkpath(playFolder() + name);
    return playFolder() + name + QLatin1Char('/');
}

TForm1 &GameFixture::start()
{
    m_form = std::make_unique<TForm1>();
    m_form->show();
    return *m_form;
}

void GameFixture::click(QWidget *control, QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    QTest::mouseClick(control, button, modifiers, pos);
}

void GameFixture::clickPicture(int x, int y, Qt::MouseButton button)
{
    click(m_form->Img_Ans, QPoint(x, y), button);
}

void GameFixture::passSeconds(int seconds)
{
    for (int i = 0; i < seconds; ++i) {
        clock->advance(1000);
        Platform::dispatchPending();
    }
}
