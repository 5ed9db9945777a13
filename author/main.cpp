// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool: makes question pictures from photos, proposes answer
// circles and checks question folders. The work is in the pimukaro_author library.
// Without a command on a desktop, it opens the maker's window instead.

#include "author/cli.h"
#include "author/quietreaders.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

bool displayThere()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("DISPLAY");
}

// Becomes the window's program beside this one; returns only when that fails.
void becomeMaker()
{
    const QByteArray maker = QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/pimukaro-maker"));
    char *const arguments[] = {const_cast<char *>(maker.constData()), nullptr};
    execv(maker.constData(), arguments);
}

} // namespace

int main(int argc, char *argv[])
{
    // Pictures are read, scaled and written without any window system.
    QCoreApplication app(argc, argv);
    Author::keepImageReadersQuiet();
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() && displayThere())
        becomeMaker();
    const Author::Outcome outcome = Author::runAuthor(arguments);
    std::fwrite(outcome.out.constData(), 1, std::size_t(outcome.out.size()), stdout);
    std::fwrite(outcome.err.constData(), 1, std::size_t(outcome.err.size()), stderr);
    return outcome.status;
}
