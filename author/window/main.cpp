// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The question maker's window: photos in, differences seen and corrected,
// a question saved in the play folder.

#include "author/window/mainwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pimukaro-maker"));
    QApplication::setApplicationDisplayName(QStringLiteral("ぴむかろ もんだいづくり"));
    QApplication::setDesktopFileName(QStringLiteral(PIMUKARO_MAKER_ID));
    Maker::MainWindow window;
    // Never larger than the screen, whatever the docks ask for.
    if (const QScreen *screen = window.screen())
        window.resize(window.sizeHint().boundedTo(screen->availableGeometry().size()));
    window.show();
    // Photos named on the command line, as a file manager's "open with" passes them.
    QStringList photos;
    for (const QString &argument : app.arguments().mid(1))
        if (QFileInfo(argument).isFile())
            photos << argument;
    if (!photos.isEmpty())
        window.startFromPhotos(photos);
    return app.exec();
}
