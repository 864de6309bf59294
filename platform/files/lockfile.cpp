// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/files/lockfile.h"

#include <QDeadlineTimer>
#include <QLockFile>
#include <QThread>

#include <algorithm>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include "platform/files/posixfile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <optional>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace platform {

namespace {
constexpr std::chrono::milliseconds PollInterval{50};
}

#ifdef Q_OS_UNIX

namespace {

// A live holder writes its lock in one go right after making it, so a lock
// still empty or damaged after this long was left by one that died.
constexpr std::chrono::milliseconds DamagedLockGrace{1000};

struct LockInfo
{
    qint64 pid = 0;
    QByteArray host;
    QByteArray machine;
    QByteArray boot;
};

// What QLockFile compares with the running process's name. Where the system
// cannot tell a process's program as QLockFile asks for it, the name stays
// empty: QLockFile then goes by the process id alone, where a name it could
// not match would make it take a live lock for stale.
const QByteArray &ProgramName()
{
#ifdef Q_OS_LINUX
    static const QByteArray name = QFileInfo(QFile::symLinkTarget(u"/proc/self/exe"_s)).fileName().toUtf8();
#else
    static const QByteArray name;
#endif
    return name;
}

// This computer and this boot, as QLockFile names them; they do not change
// while the program runs.
const QByteArray &ThisHost()
{
    static const QByteArray host = QSysInfo::machineHostName().toUtf8();
    return host;
}

const QByteArray &ThisMachine()
{
    static const QByteArray machine = QSysInfo::machineUniqueId();
    return machine;
}

const QByteArray &ThisBoot()
{
    static const QByteArray boot = QSysInfo::bootUniqueId();
    return boot;
}

QByteArray LockContent()
{
    return QByteArray::number(::getpid()) + '\n' + ProgramName() + '\n' + ThisHost() + '\n' + ThisMachine() + '\n' +
           ThisBoot() + '\n';
}

// The first lines of a lock: process id, program, host, machine and boot.
// Any lock worth the name has at least its first three lines whole.
std::optional<LockInfo> ParseLock(const QByteArray &content)
{
    const QList<QByteArray> lines = content.split('\n');
    if (lines.size() < 4)
        return std::nullopt;
    bool ok = false;
    LockInfo info;
    info.pid = lines[0].toLongLong(&ok);
    if (!ok || info.pid <= 0)
        return std::nullopt;
    info.host = lines[2];
    if (lines.size() > 4)
        info.machine = lines[3];
    if (lines.size() > 5)
        info.boot = lines[4];
    return info;
}

bool OnThisMachine(const LockInfo &info)
{
    if (!info.machine.isEmpty() && !ThisMachine().isEmpty())
        return info.machine == ThisMachine();
    return info.host.isEmpty() || info.host == ThisHost();
}

bool LeftBehind(const LockInfo &info)
{
    if (!OnThisMachine(info))
        return false;
    if (!info.boot.isEmpty() && info.boot != ThisBoot())
        return true;
    // This program takes one lock at a time and holds none while it takes
    // one: a lock with its own id that no one holds open is its own, left
    // by a save whose clean-up failed.
    if (info.pid == ::getpid())
        return true;
    return ::kill(static_cast<pid_t>(info.pid), 0) != 0 && errno == ESRCH;
}

std::chrono::milliseconds Age(const struct stat &st)
{
#ifdef Q_OS_LINUX
    const qint64 modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
#else
    // Whole seconds, taken as the end of that second: a lock made a moment
    // ago must never look a second old, or its holder loses it.
    const qint64 modified = qint64(st.st_mtime) * 1000 + 999;
#endif
    // Either way: a clock on another computer may be ahead of ours.
    return std::chrono::milliseconds(std::abs(QDateTime::currentMSecsSinceEpoch() - modified));
}

enum class Judgement { Gone, Live, Stale, Folder };

// What an open lock holds, read from its start.
Judgement JudgeContent(int fd, const struct stat &st, std::chrono::milliseconds staleAfter)
{
    const auto age = Age(st);
    const Judgement damaged = age > DamagedLockGrace ? Judgement::Stale : Judgement::Live;
    QByteArray content(1024, '\0');
    const ssize_t got = ::pread(fd, content.data(), static_cast<size_t>(content.size()), 0);
    content.resize(got > 0 ? got : 0);

    const std::optional<LockInfo> info = ParseLock(content);
    if (!info)
        return damaged;
    if (LeftBehind(*info))
        return Judgement::Stale;
    return age > staleAfter ? Judgement::Stale : Judgement::Live;
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// What the lock file someone else made is, and `st` its lstat. Locks in our
// own form are judged as QLockFile judges them; whoever holds a lock keeps it
// locked with flock while it lives, so one that no one holds is left behind.
Judgement Judge(const QByteArray &path, std::chrono::milliseconds staleAfter, struct stat &st)
{
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT ? Judgement::Gone : Judgement::Live;
    if (S_ISDIR(st.st_mode))
        return Judgement::Folder;
    const Judgement damaged = Age(st) > DamagedLockGrace ? Judgement::Stale : Judgement::Live;
    // A link or any other kind of file is no lock a program makes.
    if (!S_ISREG(st.st_mode))
        return damaged;
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? Judgement::Gone : damaged;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        return Judgement::Live;
    }
    const Judgement judgement = JudgeContent(fd, st, staleAfter);
    ::close(fd);
    return judgement;
}

enum class Takeover { Again, Held, Failed };

Takeover Unlink(const QByteArray &path, SystemError &error)
{
    if (::unlink(path.constData()) == 0 || errno == ENOENT)
        return Takeover::Again;
    error = SystemError::lastPosix();
    return Takeover::Failed;
}

// Removes the lock judged stale (`judged` its lstat then) so that a new one
// can be made. Several programs may find the same lock stale at once: the
// exclusive flock lets one of them remove it, and that one judges it again
// while it holds it, for what lies at its name by then may be a new lock
// whose maker has not yet locked or written it. Again: the lock went, try
// for it at once; Held: it is someone's; Failed: `error` says why.
Takeover RemoveStale(const QByteArray &path, const struct stat &judged, std::chrono::milliseconds staleAfter,
                     SystemError &error)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return Takeover::Again;
        // One that cannot be opened (a link, or no permission to read it) no
        // holder can keep open either; it goes when it is still the one judged.
        struct stat now {};
        if (::lstat(path.constData(), &now) != 0 || !SameFile(now, judged) ||
            now.st_ctim.tv_sec != judged.st_ctim.tv_sec || now.st_ctim.tv_nsec != judged.st_ctim.tv_nsec)
            return Takeover::Again;
        return Unlink(path, error);
    }
    struct stat held {}, named {};
    Takeover result = Takeover::Held;
    // Without flock (some network file systems) the second judgement must do.
    const bool ours = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    if (ours && ::fstat(fd, &held) == 0 && JudgeContent(fd, held, staleAfter) == Judgement::Stale) {
        // Held open, its inode cannot be reused: the same number at the name
        // is the same file, which no one else removes while we lock it.
        if (::lstat(path.constData(), &named) != 0 || !SameFile(named, held))
            result = Takeover::Again;
        else
            result = Unlink(path, error);
    }
    ::close(fd);
    return result;
}

// A program judging our new lock holds it for a moment; past that the
// content we write keeps the lock ours.
void LockOwn(int fd)
{
    for (int tries = 0; tries < 100 && ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK; ++tries)
        ::usleep(1000);
}

} // namespace

LockFile::LockFile(const QString &fileName, std::chrono::milliseconds staleAfter)
    : fileName_(fileName), staleAfter_(staleAfter)
{
}

LockFile::~LockFile() { unlock(); }

LockFile::Result LockFile::tryLock()
{
    posix::IgnoreFileSizeSignal();
    const QByteArray path = QFile::encodeName(fileName_);
    error_ = {};
    for (;;) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            // Without flock (some network file systems) the content must do.
            LockOwn(fd);
            if (const int error = posix::WriteAll(fd, LockContent()); error != 0) {
                ::unlink(path.constData());
                ::close(fd);
                error_ = SystemError::posix(error);
                return Failed;
            }
            // Stopped for longer than a damaged lock's grace before writing
            // it, we may have lost it to a takeover: then it is the other's.
            struct stat held {}, named {};
            const bool atName = ::lstat(path.constData(), &named) == 0;
            if ((!atName && errno == ENOENT) || (atName && ::fstat(fd, &held) == 0 && !SameFile(held, named))) {
                ::close(fd);
                continue;
            }
            fd_ = fd;
            return Locked;
        }
        if (errno != EEXIST) {
            error_ = SystemError::lastPosix();
            return Failed;
        }
        // A lock that went, or was left behind, is tried for again at once.
        struct stat judged {};
        switch (Judge(path, staleAfter_, judged)) {
        case Judgement::Gone:
            continue;
        case Judgement::Folder:
            return IsFolder;
        case Judgement::Stale:
            switch (RemoveStale(path, judged, staleAfter_, error_)) {
            case Takeover::Again:
                continue;
            case Takeover::Held:
                return Busy;
            case Takeover::Failed:
                return Failed;
            }
            return Busy;
        case Judgement::Live:
            return Busy;
        }
    }
}

SystemError LockFile::unlock()
{
    if (fd_ < 0)
        return {};
    const QByteArray path = QFile::encodeName(fileName_);
    // Someone may have taken it for stale and made a lock of their own: that
    // one is not ours to remove. When that cannot be told, it is ours.
    struct stat held {}, named {};
    const bool another = ::fstat(fd_, &held) == 0 && ::lstat(path.constData(), &named) == 0 &&
                         (held.st_dev != named.st_dev || held.st_ino != named.st_ino);
    SystemError error;
    if (!another && ::unlink(path.constData()) != 0 && errno != ENOENT)
        error = SystemError::lastPosix();
    ::close(fd_);
    fd_ = -1;
    error_ = error;
    return error;
}

#else

LockFile::LockFile(const QString &fileName, std::chrono::milliseconds staleAfter)
    : fileName_(fileName), staleAfter_(staleAfter), lock_(std::make_unique<QLockFile>(fileName))
{
    lock_->setStaleLockTime(staleAfter);
}

LockFile::~LockFile() = default;

LockFile::Result LockFile::tryLock()
{
    error_ = {};
    if (lock_->tryLock(0))
        return Locked;
    // Taken before anything else can change it. QLockFile says no more than
    // that it failed; Windows' last error is why, when the lock file could
    // not be written.
#ifdef Q_OS_WIN
    const SystemError last = SystemError::lastWindows();
#else
    const SystemError last;
#endif
    switch (lock_->error()) {
    case QLockFile::LockFailedError:
        return Busy;
    case QLockFile::PermissionError:
        error_ = SystemError::windows(winerror::AccessDenied);
        return Failed;
    default:
        error_ = last;
        return Failed;
    }
}

SystemError LockFile::unlock()
{
    lock_->unlock();
    return {};
}

#endif

LockFile::Result LockFile::lock(std::chrono::milliseconds wait, const Pause &pause)
{
    const QDeadlineTimer deadline(wait);
    for (;;) {
        const Result result = tryLock();
        if (result != Busy || deadline.hasExpired())
            return result;
        const std::chrono::milliseconds step(std::clamp<qint64>(deadline.remainingTime(), 1, PollInterval.count()));
        if (pause)
            pause(step);
        else
            QThread::msleep(static_cast<unsigned long>(step.count()));
    }
}

} // namespace platform
