// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/childprocess.h"

#include "bench/benchclock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {
QString systemError(const QString &what, int error)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(error)));
}
} // namespace

ChildRun runChild(const QString &program, const QStringList &args, const QString &dir)
{
    ChildRun run;
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        run.failure = systemError(QStringLiteral("pipe"), errno);
        return run;
    }

    const QByteArray programPath = program.toLocal8Bit();
    const QByteArray dirPath = dir.toLocal8Bit();
    std::vector<QByteArray> argBytes { programPath };
    for (const QString &arg : args)
        argBytes.push_back(arg.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &arg : argBytes)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, dirPath.constData());

    pid_t pid = 0;
    run.spawnedNs = BenchClock::monotonicNs();
    const int spawnError
        = posix_spawn(&pid, programPath.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        run.failure = systemError(QStringLiteral("cannot start ") + program, spawnError);
        return run;
    }

    char buffer[4096];
    for (;;) {
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got > 0)
            run.output.append(buffer, got);
        else if (got == 0 || errno != EINTR)
            break;
    }
    close(pipeEnds[0]);

    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            run.failure = systemError(QStringLiteral("waitpid"), errno);
            return run;
        }
    }
    if (WIFSIGNALED(status))
        run.failure = QStringLiteral("%1 was killed by signal %2").arg(program).arg(WTERMSIG(status));
    else if (WEXITSTATUS(status) != 0)
        run.failure = QStringLiteral("%1 exited with %2").arg(program).arg(WEXITSTATUS(status));
    return run;
}
