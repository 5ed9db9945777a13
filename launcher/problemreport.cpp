// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/problemreport.h"
#include "launcher/launchtexts.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <unistd.h>

namespace ProblemReport {

namespace {

bool desktopThere()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A desktop named but not reachable ends Qt at once; the message is already
// on the standard error then, and the status stays the launcher's own.
void endQuietlyOnFatal(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg)
        ::_exit(1);
}

} // namespace

std::unique_ptr<QMessageBox> makeWindow(const QString &problem)
{
    return std::make_unique<QMessageBox>(QMessageBox::Critical, LaunchTexts::windowTitle(), problem, QMessageBox::Ok);
}

int report(const QString &problem, int &argc, char **argv)
{
    std::fprintf(stderr, "ぴむかろ: %s\n", qPrintable(problem));
    std::fflush(stderr);
    if (!desktopThere())
        return 1;
    qInstallMessageHandler(endQuietlyOnFatal);
    QApplication application(argc, argv);
    // A platform that shows nothing would leave the window waiting forever.
    const QString platform = QGuiApplication::platformName();
    if (platform == u"offscreen" || platform == u"minimal")
        return 1;
    makeWindow(problem)->exec();
    return 1;
}

} // namespace ProblemReport
