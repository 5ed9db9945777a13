// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Asks the game's own code what an installed game would see, for the
// end-to-end tests of an installed tree:
//   probe datadir PROGRAM-DIR  prints where a program in PROGRAM-DIR finds each
//                              sound; fails unless all are in its data folder
//   probe label OUT.png        starts the window in the current folder, prints
//                              the question folder label's text and place in
//                              the window, and saves a picture of the label

#include "form/Pimukaro_Main.h"
#include "platform/controls/textlabel.h"
#include "platform/fonts.h"
#include "platform/sound.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

int printDataDir(const QString &programDir)
{
    const QString dataDir = Platform::dataDirFor(programDir);
    int missing = 0;
    for (const char *name : { "Atari.wav", "Hazure.wav", "Clear.wav", "Miss.wav" }) {
        const QString found = Platform::soundFilePath(QString::fromLatin1(name), dataDir);
        std::printf("%s\n", qPrintable(found));
        if (found.isEmpty() || QFileInfo(found).absolutePath() != dataDir)
            ++missing;
    }
    return missing == 0 ? 0 : 1;
}

int printLabel(const QString &picture)
{
    TForm1 form;
    form.show();
    QCoreApplication::processEvents();
    TextLabel *label = form.L_QName;
    const QPoint at = label->mapTo(&form, QPoint(0, 0));
    std::printf("%s\n%d %d %d %d\n", qPrintable(label->caption()), at.x(), at.y(), label->width(),
        label->height());
    return label->grab().save(picture, "PNG") ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    Platform::substituteFaces();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("datadir"))
        return printDataDir(QDir::cleanPath(QDir(args[2]).absolutePath()));
    if (args.size() == 3 && args[1] == QStringLiteral("label"))
        return printLabel(args[2]);
    std::fprintf(stderr, "usage: probe datadir PROGRAM-DIR | probe label OUT.png\n");
    return 2;
}
