// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/scorefile.h"

#include "core/highscoretable.h"
#include "platform/files/lockfile.h"
#include "platform/files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <QDeadlineTimer>
#include <QThread>

#include <qt_windows.h>
#endif

using namespace Qt::StringLiterals;

namespace {

// Room for a score, a quoted name of MaxNameLength characters in UTF-8 and
// generous padding; anything longer is not a line we wrote.
constexpr qsizetype MaxLineBytes = 4096;

// Names are UTF-8 in core.
core::HighScore Record(const ScoreEntry &entry) { return {entry.score, entry.name.toStdString()}; }
ScoreEntry Entry(const core::HighScore &record) { return {record.score, QString::fromStdString(record.name)}; }

QList<ScoreEntry> Entries(const core::HighScoreTable &records)
{
    QList<ScoreEntry> entries;
    for (const core::HighScore &record : records)
        entries.append(Entry(record));
    return entries;
}

core::HighScoreTable Records(const QList<ScoreEntry> &entries)
{
    core::HighScoreTable records;
    for (const ScoreEntry &entry : entries)
        records.push_back(Record(entry));
    return records;
}

QString Quoted(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

// The folder the game was started in. One that was removed meanwhile has no
// current path any more, but the system still knows what it was called.
QString WorkingFolder()
{
    QString folder = QDir::currentPath();
#ifdef Q_OS_LINUX
    if (folder.isEmpty()) {
        folder = QFile::symLinkTarget(u"/proc/self/cwd"_s);
        if (folder.endsWith(u" (deleted)"_s))
            folder.chop(10);
    }
#endif
    return folder;
}

// The file a save changes: the high-score file itself, or the file its
// symbolic links lead to. The lock, the checks and the messages are about
// that file, so games in other folders linked to it wait for each other too.
QFileInfo SaveTarget()
{
    QFileInfo target(QDir(WorkingFolder()).filePath(HighScoreFileName()));
    // Links that go round in a circle lead nowhere; the save replaces the
    // one it stops at with the file.
    for (int hops = 0; hops < 32 && target.isSymLink(); ++hops)
        target.setFile(target.symLinkTarget());
    return QFileInfo(target.absoluteFilePath());
}

QString FolderNotWritable(const QString &file, const QString &folder)
{
    return file + u" could not be written: the folder "_s + Quoted(folder) + u" is not writable."_s;
}

// A system error in a few words, for messages that give it in brackets.
QString Cause(int error)
{
#ifdef Q_OS_WIN
    // Windows' own error numbers, which the file code reports there.
    switch (error) {
    case ERROR_ACCESS_DENIED:
        return u"no permission"_s;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return u"another program is using it"_s;
    case ERROR_WRITE_PROTECT:
        return u"the disk is read-only"_s;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return u"the disk is full"_s;
    case 0:
        return {};
    default:
        return u"Windows error "_s + QString::number(error);
    }
#endif
    switch (error) {
    case EACCES:
    case EPERM:
        return u"no permission"_s;
    case EIO:
        return u"the disk reported an error"_s;
    case EROFS:
        return u"the disk is read-only"_s;
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return u"the disk is full"_s;
    case 0:
        return {};
    default:
        return u"system error "_s + QString::number(error);
    }
}

QString InBrackets(const QString &cause)
{
    return cause.isEmpty() ? QString() : u" ("_s + cause + u')';
}

QString FolderMissing(const QString &file, const QString &folder)
{
    return file + u" could not be written: its folder "_s + Quoted(folder) + u" does not exist."_s;
}

#ifdef Q_OS_WIN
// A failed write in words, from the Windows error.
QString WindowsWriteFailure(const QFileInfo &target, int error)
{
    const QString file = Quoted(target.filePath());
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return file + u" could not be written: the disk is full."_s;
    case ERROR_WRITE_PROTECT:
        return file + u" could not be written: the disk is read-only."_s;
    case ERROR_FILE_READ_ONLY:
        return file + u" is read-only, so it was left as it is."_s;
    case ERROR_ACCESS_DENIED:
        return file + u" could not be written: Windows denied access to it or to its folder."_s;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return file + u" could not be written: another program is using it."_s;
    case 0:
        return file + u" could not be written."_s;
    default:
        return file + u" could not be written (Windows error "_s + QString::number(error) + u")."_s;
    }
}

// Another program (an antivirus, a backup tool, an editor) may hold the file
// open for a moment in a way that lets it be neither read whole nor
// replaced. Waits up to `wait` for it to let go; returns the Windows error
// that still stands in the way, 0 when nothing does.
int WaitWhileInUse(const QFileInfo &target, std::chrono::milliseconds wait)
{
    const std::wstring name = QDir::toNativeSeparators(target.filePath()).toStdWString();
    const QDeadlineTimer deadline(wait);
    for (;;) {
        // Reading the file and replacing it, as a save does.
        const HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | DELETE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
            return 0;
        }
        const DWORD error = GetLastError();
        // Anything else (no file yet, no access) is the save's to find out.
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION)
            return 0;
        if (deadline.hasExpired())
            return static_cast<int>(error);
        QThread::msleep(50);
    }
}
#endif

// A failed write in words, from the system's error number.
QString WriteFailure(const QFileInfo &target, int error)
{
#ifdef Q_OS_WIN
    return WindowsWriteFailure(target, error);
#endif
    const QString file = Quoted(target.filePath());
    switch (error) {
    case ENOSPC:
    case EFBIG:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return file + u" could not be written: the disk is full."_s;
    case EROFS:
        return file + u" could not be written: the disk is read-only."_s;
    case EACCES:
    case EPERM:
        return FolderNotWritable(file, target.absolutePath());
    case ENOENT:
        return FolderMissing(file, target.absolutePath());
    case EIO:
        return file + u" could not be written: the disk reported an error."_s;
    case 0:
        return file + u" could not be written."_s;
    default:
        return file + u" could not be written (system error "_s + QString::number(error) + u")."_s;
    }
}

QString LockFailure(const QFileInfo &target, int error)
{
    switch (error) {
    case ENOSPC: case EFBIG: case EROFS: case EACCES: case EPERM: case ENOENT: case EIO:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return WriteFailure(target, error);
    default:
        return Quoted(target.filePath()) + u" could not be written: no lock file could be made beside it"_s +
               InBrackets(Cause(error)) + u'.';
    }
}

QString ReadFailure(const QFileInfo &target, int error)
{
    const QString file = Quoted(target.filePath());
    if (error == EISDIR || target.isDir())
        return file + u" is a folder, not a file."_s;
    return file + u" could not be read"_s + InBrackets(Cause(error)) + u", so it was left as it is."_s;
}

// 0 when this program may write `info`, otherwise why not (EACCES, EROFS).
int WriteAccess(const QFileInfo &info)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK) == 0 ? 0 : errno;
#else
    return info.isWritable() ? 0 : EACCES;
#endif
}

// What stands in the way before anything is tried. A file without write
// permission for its owner is refused even where the folder would let a new
// file replace it: someone made it read-only to keep it as it is. A file
// that cannot be read is refused too: its entries would be lost.
QString Obstacle(const QFileInfo &target)
{
    const QString file = Quoted(target.filePath());
    if (target.isDir())
        return file + u" is a folder, not a file."_s;
    if (target.exists()) {
        const int error = target.permission(QFileDevice::WriteOwner) ? WriteAccess(target) : EACCES;
        if (error == EACCES || error == EPERM)
            return file + u" is read-only, so it was left as it is."_s;
        if (error != 0)
            return WriteFailure(target, error);
#ifndef Q_OS_WIN
        // On Windows another program may hold the file for a moment; the
        // read under the lock, once it has let go, decides there.
        QString unreadable;
        ReadHighScores(&unreadable);
        if (!unreadable.isEmpty())
            return unreadable;
#endif
    }
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return FolderMissing(file, folder.filePath());
    if (const int error = WriteAccess(folder); error != 0)
        return WriteFailure(target, error);
    return {};
}

SaveResult NotSaved(const QString &why, bool busy = false)
{
    SaveResult result;
    result.failure = why;
    result.busy = busy;
    return result;
}

} // namespace

QString HighScoreFileName()
{
    return u"High Scores.dat"_s;
}

QList<ScoreEntry> ResetScores()
{
    return Entries(core::ResetTable());
}

QList<ScoreEntry> ReadHighScores(QString *failure)
{
    if (failure)
        failure->clear();
    platform::TextReader file(HighScoreFileName(), MaxLineBytes);
    if (!file.isOpen() && !QFileInfo::exists(HighScoreFileName()))
        return ResetScores();

    QList<ScoreEntry> entries;
    while (entries.size() < HighScoreCount && !file.atEnd()) {
        if (const std::optional<core::HighScore> record = core::ParseHighScore(file.readLine().toStdString()))
            entries.append(Entry(*record));
    }
    // Part of a table is no table: saved, it would lose the rest.
    if (!file.failed())
        return entries;
    if (failure)
        *failure = ReadFailure(SaveTarget(), file.errorNumber());
    return {};
}

SaveResult SaveHighScores(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                          std::chrono::milliseconds lockWait, const std::function<void()> &whileWaiting)
{
    const QFileInfo target = SaveTarget();
    if (QString obstacle = Obstacle(target); !obstacle.isEmpty())
        return NotSaved(obstacle);

    // Beside the file the links lead to, so that every game saving to that
    // file meets the same lock.
    const QString file = Quoted(target.filePath());
    platform::LockFile lock(target.filePath() + u".lock"_s, HighScoreStaleLock);
    switch (lock.lock(lockWait, whileWaiting)) {
    case platform::LockFile::Locked:
        break;
    case platform::LockFile::Busy:
        return NotSaved(file + u" is being saved by another game, which has not finished."_s, true);
    case platform::LockFile::IsFolder:
        return NotSaved(file + u" could not be written: its lock file "_s + Quoted(lock.fileName()) + u" is a folder."_s);
    case platform::LockFile::Failed:
        return NotSaved(LockFailure(target, lock.errorNumber()));
    }

    // No other game writes while we hold the lock: any temporary is a leftover.
    platform::RemoveLeftoverTemporaries(target.filePath());
#ifdef Q_OS_WIN
    if (const int inUse = WaitWhileInUse(target, lockWait); inUse != 0)
        return NotSaved(WindowsWriteFailure(target, inUse));
#endif
    SaveResult result;
    const QList<ScoreEntry> current = ReadHighScores(&result.failure);
    if (result.failure.isEmpty()) {
        platform::TextWriter writer(target.filePath());
        for (const ScoreEntry &entry : merge(current))
            writer.writeLine(core::PrintHighScore(Record(entry)));
        if (!writer.commit().isEmpty())
            result.failure = WriteFailure(target, writer.errorNumber());
    }
    if (const int error = lock.unlock(); error != 0 && result.failure.isEmpty()) {
        result.lockLeft = u"The high scores were saved, but their lock file "_s + Quoted(lock.fileName()) +
                          u" could not be removed"_s + InBrackets(Cause(error)) + u'.';
    }
    return result;
}

QString UpdateHighScores(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                         std::chrono::milliseconds lockWait)
{
    const SaveResult result = SaveHighScores(merge, lockWait);
    return result.failure.isEmpty() ? result.lockLeft : result.failure;
}

QString WriteHighScores(const QList<ScoreEntry> &entries, std::chrono::milliseconds lockWait)
{
    return UpdateHighScores([&entries](const QList<ScoreEntry> &) { return entries; }, lockWait);
}

bool BeatsTenthEntry(const QList<ScoreEntry> &table, double total)
{
    return core::BeatsTenthEntry(Records(table), total);
}

QList<ScoreEntry> MergeHighScores(const QList<ScoreEntry> &table, const QList<ScoreEntry> &newcomers,
                                  std::vector<int> *placed)
{
    return Entries(core::MergeHighScores(Records(table), Records(newcomers), placed));
}
