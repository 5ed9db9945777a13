// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/benchgame.h"

#include "form/Pimukaro_Main.h"
#include "platform/controls/questioncombobox.h"
#include "platform/dispatch.h"

#include <QDir>
#include <QWindow>

namespace {
BenchGame *current = nullptr;
}

BenchGame::BenchGame(const QString &playFolder)
    : m_playFolder(playFolder)
{
    current = this;
}

BenchGame::~BenchGame()
{
    m_form.reset();
    current = nullptr;
}

BenchGame &BenchGame::instance()
{
    Q_ASSERT(current);
    return *current;
}

TForm1 &BenchGame::form()
{
    if (!m_form) {
        QDir::setCurrent(m_playFolder);
        m_form = std::make_unique<TForm1>();
        m_form->show();
        // The offscreen screen exposes a window at once; a few passes are plenty.
        for (int pass = 0; pass < 100 && !(m_form->windowHandle() && m_form->windowHandle()->isExposed());
             ++pass)
            Platform::dispatchPending();
        Platform::dispatchPending();
    }
    return *m_form;
}

TForm1 &BenchGame::freshForm()
{
    m_form.reset();
    return form();
}

void BenchGame::useFolder(const QString &name)
{
    TForm1 &game = form();
    game.QuestionDir = QDir(m_playFolder).filePath(name) + QLatin1Char('/');
    game.ScanQuestions();
}

bool BenchGame::select(const QString &question)
{
    const int index = int(form().CB_Q->items().indexOf(question));
    if (index < 0)
        return false;
    form().CB_Q->setItemIndex(index);
    return true;
}

QString BenchGame::takeProblem()
{
    const QString problem = user->shown().join(QLatin1Char('\n'));
    user->clear();
    return problem;
}
