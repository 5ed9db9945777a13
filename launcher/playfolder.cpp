// SPDX-FileCopyrightText: 2026 The pimukaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/playfolder.h"
#include "launcher/launchtexts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PlayFolder {

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The folder itself, or a link to one, is fine; anything else in its place
// is the user's and is left alone.
std::optional<QString> makeFolder(const QString &playFolder)
{
    const QByteArray path = native(playFolder);
    for (int attempt = 0; attempt < 2; ++attempt) {
        struct stat status;
        if (::lstat(path.constData(), &status) == 0) {
            if (S_ISDIR(status.st_mode))
                return std::nullopt;
            if (!S_ISLNK(status.st_mode))
                return LaunchTexts::fileInTheWay(playFolder);
            struct stat target;
            if (::stat(path.constData(), &target) != 0)
                return LaunchTexts::danglingLink(playFolder);
            if (S_ISDIR(target.st_mode))
                return std::nullopt;
            return LaunchTexts::fileInTheWay(playFolder);
        }
        if (errno != ENOENT)
            return LaunchTexts::cannotMake(playFolder, reason(errno));
        if (::mkdir(path.constData(), 0777) == 0)
            return std::nullopt;
        // Another start made it a moment ago: look at what is there now.
        if (errno != EEXIST)
            return LaunchTexts::cannotMake(playFolder, reason(errno));
    }
    return LaunchTexts::cannotMake(playFolder, reason(EEXIST));
}

// One start at a time copies; released when the preparation is over.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
        : m_descriptor(::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (m_descriptor >= 0 && ::flock(m_descriptor, LOCK_EX) != 0) {
            ::close(m_descriptor);
            m_descriptor = -1;
        }
    }
    ~FolderLock()
    {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;
    bool held() const { return m_descriptor >= 0; }

private:
    int m_descriptor;
};

void clearPartialCopies(const QString &playFolder)
{
    const QDir folder(playFolder);
    const QStringList leftovers = folder.entryList({partialPrefix() + QLatin1Char('*')},
                                                   QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &leftover : leftovers)
        QDir(folder.filePath(leftover)).removeRecursively();
}

bool copyTree(const QString &from, const QString &to, mode_t umask, QString &problem)
{
    const QFileInfoList entries =
        QDir(from).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir()) {
            if (::mkdir(native(target).constData(), 0777) != 0) {
                problem = reason(errno);
                return false;
            }
            if (!copyTree(entry.filePath(), target, umask, problem))
                return false;
            continue;
        }
        QFile source(entry.filePath());
        if (!source.copy(target)) {
            problem = source.errorString();
            return false;
        }
        // The copies are the user's to change, as any file they made.
        if (::chmod(native(target).constData(), 0666 & ~umask) != 0) {
            problem = reason(errno);
            return false;
        }
    }
    return true;
}

// Puts the finished copy in place unless something of that name appeared
// meanwhile; false with errno set when it could not be moved.
bool moveIntoPlace(const QByteArray &partial, const QByteArray &target)
{
    if (::renameat2(AT_FDCWD, partial.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without RENAME_NOREPLACE: the lock keeps other starts out.
    struct stat status;
    if (::lstat(target.constData(), &status) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(partial.constData(), target.constData()) == 0;
}

std::optional<QString> copySample(const QString &sample, const QString &playFolder, mode_t umask)
{
    const QString name = QFileInfo(sample).fileName();
    const QString target = playFolder + QLatin1Char('/') + name;
    struct stat status;
    // Anything of that name counts as the user's own, even a broken link.
    if (::lstat(native(target).constData(), &status) == 0)
        return std::nullopt;
    if (errno != ENOENT)
        return LaunchTexts::cannotCopy(target, reason(errno));

    QByteArray partial = native(playFolder + QLatin1Char('/') + partialPrefix() + QStringLiteral("XXXXXX"));
    if (::mkdtemp(partial.data()) == nullptr)
        return LaunchTexts::cannotCopy(target, reason(errno));
    QString problem;
    bool placed = false;
    if (::chmod(partial.constData(), 0777 & ~umask) != 0)
        problem = reason(errno);
    else if (copyTree(sample, QFile::decodeName(partial), umask, problem)) {
        if (moveIntoPlace(partial, native(target)))
            placed = true;
        else if (errno != EEXIST) // on EEXIST the user put one there meanwhile: theirs
            problem = reason(errno);
    }
    if (!placed)
        QDir(QFile::decodeName(partial)).removeRecursively();
    if (problem.isEmpty())
        return std::nullopt;
    return LaunchTexts::cannotCopy(target, problem);
}

} // namespace

std::optional<QString> prepare(const QString &playFolder, const QString &dataFolder, const QStringList &samples)
{
    for (const QString &sample : samples) {
        if (!QFileInfo(dataFolder + QLatin1Char('/') + sample).isDir())
            return LaunchTexts::dataMissing(dataFolder + QLatin1Char('/') + sample);
    }
    if (auto problem = makeFolder(playFolder))
        return problem;
    if (::access(native(playFolder).constData(), W_OK | X_OK) != 0)
        return LaunchTexts::cannotWrite(playFolder);
    const FolderLock lock(playFolder);
    if (!lock.held())
        return LaunchTexts::cannotWrite(playFolder);

    clearPartialCopies(playFolder);
    const mode_t umask = currentUmask();
    for (const QString &sample : samples) {
        if (auto problem = copySample(dataFolder + QLatin1Char('/') + sample, playFolder, umask))
            return problem;
    }
    return std::nullopt;
}

} // namespace PlayFolder
