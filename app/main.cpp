// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form/Pimukaro_Main.h"
#include "form/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    prepareGameProcess();
    QApplication app(argc, argv);
    prepareGameApplication(app);
    // Lets the desktop match the window with the menu entry and its icon.
    app.setDesktopFileName(QStringLiteral(PIMUKARO_APP_ID));

    TForm1 Form1;
    centreOnScreen(Form1);
    Form1.show();
    return app.exec();
}
