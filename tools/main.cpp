// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lays out the game's play folder: the sample question folders, the sounds and
// the window icon, all drawn and synthesised here; or, with --theme-icons, the
// icon in every size of the desktop's icon theme.

#include "tools/asseterror.h"
#include "tools/assetgen.h"
#include "tools/makericon.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool themeIcons = args.size() == 4 && args[1] == QStringLiteral("--theme-icons");
    const bool makerIcons = args.size() == 4 && args[1] == QStringLiteral("--maker-icons");
    if (!(args.size() == 2 || themeIcons || makerIcons) || args.contains(QString())) {
        std::fprintf(stderr,
            "usage: pimukaro-assets OUTPUT-FOLDER\n"
            "       pimukaro-assets --theme-icons OUTPUT-FOLDER ICON-NAME\n"
            "       pimukaro-assets --maker-icons OUTPUT-FOLDER ICON-NAME\n");
        return 2;
    }
    try {
        if (themeIcons)
            writeThemeIcons(args[2], args[3]);
        else if (makerIcons)
            writeThemeIcons(args[2], args[3], drawMakerThemeIcon);
        else
            writeAllAssets(args[1]);
    } catch (const AssetError &e) {
        std::fprintf(stderr, "pimukaro-assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
