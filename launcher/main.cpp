// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu entry's program: prepares ~/ぴむかろ, then becomes the game
// playing in it. It is a program rather than a shell script so that a start
// from the menu, where no terminal shows anything, can say in a window why
// the game did not start.

#include "launcher/launchtexts.h"
#include "launcher/playfolder.h"
#include "launcher/problemreport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The installed tree may be moved: everything is found from this program.
// A process whose user was changed may not read its own /proc entry; then
// the name it was started by tells.
QString programFolder(const char *startedAs)
{
    QString program = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (program.isEmpty()) {
        const QString name = QFile::decodeName(startedAs);
        program = name.contains(u'/') ? name : QStandardPaths::findExecutable(name);
    }
    return QFileInfo(program).canonicalPath();
}

} // namespace

int main(int argc, char *argv[])
{
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        return ProblemReport::report(LaunchTexts::noHome(), argc, argv);

    const QString programs = programFolder(argv[0]);
    const QString data = QDir::cleanPath(programs + QStringLiteral("/" PIMUKARO_DATA_FROM_PROGRAM));
    const QString play = QDir::cleanPath(home + QStringLiteral("/ぴむかろ"));
    if (auto problem = PlayFolder::prepare(play, data, {QStringLiteral("サンプルもんだい"), QStringLiteral("おぼえてもんだい")}))
        return ProblemReport::report(*problem, argc, argv);
    if (::chdir(QFile::encodeName(play).constData()) != 0)
        return ProblemReport::report(LaunchTexts::cannotWrite(play), argc, argv);

    const QByteArray game = QFile::encodeName(programs + QStringLiteral("/pimukaro"));
    argv[0] = const_cast<char *>(game.constData());
    ::execv(game.constData(), argv);
    const int error = errno;
    return ProblemReport::report(LaunchTexts::cannotStart(QFile::decodeName(game), QString::fromLocal8Bit(std::strerror(error))),
                                 argc, argv);
}
