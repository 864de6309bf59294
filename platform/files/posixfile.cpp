// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/files/posixfile.h"

#ifdef Q_OS_UNIX

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace platform::posix {

namespace {

// Temporaries are named after the file with this and six random characters,
// which no one names a backup copy by hand.
constexpr QLatin1StringView TemporaryMark(".new-");

QString TemporaryName(const QString &path)
{
    static constexpr char Characters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = path + TemporaryMark;
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(Characters[QRandomGenerator::global()->bounded(int(sizeof Characters) - 1)]);
    return name;
}

// The new name survives a power cut only once the folder is on disk too.
// Some file systems cannot sync a folder; the new file is in place all the
// same, so that is no failed save.
void SyncFolder(const QString &path)
{
    const int folder = ::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return;
    ::fsync(folder);
    ::close(folder);
}

} // namespace

void IgnoreFileSizeSignal()
{
    // Set on every save, not once: nothing else in the game may want it back.
    std::signal(SIGXFSZ, SIG_IGN);
}

int WriteAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), static_cast<size_t>(bytes.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return errno;
        if (written == 0)
            return EIO;
        bytes = bytes.sliced(written);
    }
    return 0;
}

namespace {

// A new temporary beside `path`, held with flock until it is renamed: one
// nobody holds is a leftover. -1 with errno set when none could be made.
int OpenTemporary(const QString &path, QByteArray &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = QFile::encodeName(TemporaryName(path));
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            ::flock(fd, LOCK_EX | LOCK_NB);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

int ReplaceFile(const QString &path, QByteArrayView content, int mode)
{
    IgnoreFileSizeSignal();
    const QByteArray target = QFile::encodeName(path);
    struct stat old {};
    old.st_mode = static_cast<mode_t>(mode);
    const bool hadOld = mode >= 0 || ::stat(target.constData(), &old) == 0;
    if (!hadOld && errno != ENOENT)
        return errno;

    QByteArray temporary;
    int fd = OpenTemporary(path, temporary);
    if (fd < 0)
        return errno;

    int error = WriteAll(fd, content);
    // The mode of a new file comes from the umask, as for any new file.
    if (error == 0 && hadOld && ::fchmod(fd, old.st_mode & 07777) != 0)
        error = errno;
    // Not fdatasync: the mode must reach the disk with the data.
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        error = errno;
    // The message is about the call that failed, not about this clean-up; a
    // temporary it cannot remove goes with the next save.
    if (error != 0)
        ::unlink(temporary.constData());
    // Every byte is on disk already, and a file renamed into place cannot be
    // taken back; closing has nothing left to report.
    ::close(fd);
    if (error == 0)
        SyncFolder(path);
    return error;
}

int CopyOnce(const QString &from, const QString &to)
{
    IgnoreFileSizeSignal();
    const int source = ::open(QFile::encodeName(from).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (source < 0)
        return errno;
    QByteArray temporary;
    const int fd = OpenTemporary(from, temporary);
    int error = fd < 0 ? errno : 0;
    QByteArray chunk(64 * 1024, '\0');
    for (ssize_t got = 1; error == 0 && got > 0;) {
        got = ::read(source, chunk.data(), static_cast<size_t>(chunk.size()));
        if (got < 0 && errno != EINTR)
            error = errno;
        else if (got > 0)
            error = WriteAll(fd, QByteArrayView(chunk).first(got));
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    // A link, unlike a rename, never replaces a copy kept before.
    if (error == 0 && ::link(temporary.constData(), QFile::encodeName(to).constData()) != 0)
        error = errno;
    if (fd >= 0) {
        ::unlink(temporary.constData());
        ::close(fd);
    }
    ::close(source);
    if (error == 0)
        SyncFolder(to);
    return error;
}

void RemoveLeftoverTemporaries(const QString &path)
{
    const QFileInfo file(path);
    const QDir folder = file.dir();
    const QStringList names = folder.entryList({file.fileName() + TemporaryMark + u"??????"_s},
                                               QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString &name : names) {
        const QByteArray leftover = QFile::encodeName(folder.filePath(name));
        const int fd = ::open(leftover.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // Where the file system has no such locks, the lock on the file
        // itself, which the caller holds, must do.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK)
            ::unlink(leftover.constData());
        ::close(fd);
    }
}

} // namespace platform::posix

#endif
