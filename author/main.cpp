// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The author's tool: makes question pictures from photos, proposes answer
// circles and checks question folders. The work is in the pimukaro_author library.

#include "author/cli.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Pictures are read, scaled and written without any window system.
    QCoreApplication app(argc, argv);
    const Author::Outcome outcome = Author::runAuthor(app.arguments().mid(1));
    std::fwrite(outcome.out.constData(), 1, std::size_t(outcome.out.size()), stdout);
    std::fwrite(outcome.err.constData(), 1, std::size_t(outcome.err.size()), stderr);
    return outcome.status;
}
