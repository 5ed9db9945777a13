// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/Pimukaro_Main.h"

#include "platform/guard.h"

#include <QCloseEvent>

TForm1::TForm1()
{
    createControls();
    connectHandlers();
    run([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::run(const std::function<void()> &handler)
{
    ++m_handlerDepth;
    Platform::guarded(handler);
    --m_handlerDepth;
    if (m_handlerDepth == 0 && m_closeRequested) {
        m_closeRequested = false;
        m_closing = true;
        close();
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    run([this] { FormCloseQuery(); });
    if (m_handlerDepth > 0) {
        // A handler is waiting: the window stays until that handler is done.
        m_closeRequested = true;
        event->ignore();
        return;
    }
    m_closing = true;
    event->accept();
}
