// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form/startup.h"

#include "platform/fonts.h"
#include "platform/heapreuse.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QWidget>

void prepareGameProcess()
{
    Platform::keepFreedMemory();
    Platform::substituteFaces();
}

void prepareGameApplication(QApplication &app)
{
    app.setWindowIcon(QIcon(QStringLiteral(":/pimukaro.png")));
}

void centreOnScreen(QWidget &window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}
