// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/Pimukaro_Main.h"
#include "platform/fonts.h"
#include "platform/memory.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char *argv[])
{
    Platform::keepFreedMemory();
    Platform::substituteFaces();
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/pimukaro.png")));
    // Lets the desktop match the window with the menu entry and its icon.
    app.setDesktopFileName(QStringLiteral(PIMUKARO_APP_ID));

    TForm1 Form1;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = Form1.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        Form1.move(frame.topLeft());
    }
    Form1.show();
    return app.exec();
}
