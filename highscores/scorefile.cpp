// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/scorefile.h"

#include "core/highscoretable.h"
#include "highscores/savefailure.h"
#include "platform/files/lockfile.h"
#include "platform/files/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <optional>

#include <cerrno>
#include <climits>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
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
// Ten such lines: a file that goes on past this was not written by the game.
constexpr qint64 MaxTableBytes = HighScoreCount * (MaxLineBytes + 2);

bool AlreadyThere(const platform::SystemError &error)
{
    return error == platform::SystemError::posix(EEXIST) || error == platform::SystemError::windows(80);
}

// Names are UTF-8 in core.
core::HighScore Record(const ScoreEntry &entry) { return {entry.score, entry.name.toStdString()}; }
ScoreEntry Entry(const core::HighScore &record)
{
    // QString::fromStdString drops a byte order mark at the start, and a name
    // may begin with one: it would come back as another name, and a name that
    // then starts with a blank is saved in quotes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return {record.score, utf8(QByteArrayView(record.name.data(), qsizetype(record.name.size())))};
}

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
struct Target
{
    // What the calls are given. A relative name goes through the working
    // folder as the system holds it, not by its name: read, lock and write
    // then meet the same file even when the folder is removed and another is
    // made under its name.
    QString path;
    // The same file by its full name, for the messages.
    QFileInfo shown;
};

Target SaveTarget()
{
#ifdef Q_OS_UNIX
    // Links are followed by hand: QFileInfo makes a relative one absolute
    // through the folder's name.
    QString path = HighScoreFileName();
    for (int hops = 0; hops < 32; ++hops) {
        char link[PATH_MAX];
        const ssize_t length = ::readlink(QFile::encodeName(path).constData(), link, sizeof link);
        if (length <= 0 || length == ssize_t(sizeof link))
            break;
        const QString to = QFile::decodeName(QByteArray(link, length));
        const qsizetype slash = path.lastIndexOf(u'/');
        path = to.startsWith(u'/') || slash < 0 ? to : path.left(slash + 1) + to;
    }
    return {path, QFileInfo(QDir::cleanPath(path.startsWith(u'/') ? path : WorkingFolder() + u'/' + path))};
#else
    QFileInfo target(QDir(WorkingFolder()).filePath(HighScoreFileName()));
    // Links that go round in a circle lead nowhere; the save replaces the
    // one it stops at with the file.
    for (int hops = 0; hops < 32 && target.isSymLink(); ++hops)
        target.setFile(target.symLinkTarget());
    return {target.absoluteFilePath(), QFileInfo(target.absoluteFilePath())};
#endif
}

// The folder was removed while the game played in it: what is found there
// is no table, and what is written there is lost.
bool FolderGone(const QString &path)
{
#ifdef Q_OS_UNIX
    const qsizetype slash = path.lastIndexOf(u'/');
    struct stat st {};
    return ::stat(QFile::encodeName(slash < 0 ? u"."_s : path.left(slash + 1)).constData(), &st) == 0 &&
           st.st_nlink == 0;
#else
    Q_UNUSED(path);
    return false;
#endif
}

struct ReadState
{
    // Every line was an entry or blank, ten at most, and none too long: a
    // save loses nothing of it.
    bool understood = true;
    int mode = -1;
};

QList<ScoreEntry> ReadTable(const Target &target, QString *failure, ReadState *state = nullptr)
{
    if (failure)
        failure->clear();
    if (FolderGone(target.path)) {
        if (failure)
            *failure = FolderMissing(target.shown);
        return {};
    }
    platform::TextReader file(target.path, MaxLineBytes, MaxTableBytes);
    if (!file.isOpen() && !file.notRegular() && !QFileInfo::exists(target.path))
        return ResetScores();

    QList<ScoreEntry> entries;
    bool understood = true;
    // On past the tenth entry, to learn whether a save would lose anything.
    while (!file.atEnd() && (understood || entries.size() < HighScoreCount)) {
        const QString line = file.readLine();
        const std::optional<core::HighScore> record = core::ParseHighScore(line.toStdString());
        if (record && entries.size() < HighScoreCount)
            entries.append(Entry(*record));
        else if (record || !line.trimmed().isEmpty())
            understood = false;
        // What follows a line longer than any we write is no table.
        if (file.lineCut()) {
            understood = false;
            break;
        }
    }
    if (state)
        *state = {understood && !file.tooLong(), file.mode()};
    // Part of a table is no table: saved, it would lose the rest.
    if (!file.failed())
        return entries;
    if (failure)
        *failure = file.notRegular() ? NotAFile(target.shown) : ReadFailure(target.shown, file.error());
    return {};
}

#ifdef Q_OS_WIN
// Another program (an antivirus, a backup tool, an editor) may hold the file
// open for a moment in a way that lets it be neither read whole nor
// replaced. Waits up to `wait` for it to let go; returns the Windows error
// that still stands in the way, None when nothing does.
platform::SystemError WaitWhileInUse(const QFileInfo &target, std::chrono::milliseconds wait)
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
            return {};
        }
        const DWORD error = GetLastError();
        // Anything else (no file yet, no access) is the save's to find out.
        if (error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION)
            return {};
        if (deadline.hasExpired())
            return platform::SystemError::windows(error);
        QThread::msleep(50);
    }
}
#endif

// None when this program may write `info`, otherwise why not.
platform::SystemError WriteAccess(const QFileInfo &info)
{
#ifdef Q_OS_UNIX
    if (::access(QFile::encodeName(info.filePath()).constData(), W_OK) != 0)
        return platform::SystemError::lastPosix();
    return {};
#else
    return info.isWritable() ? platform::SystemError() : platform::SystemError::windows(platform::winerror::AccessDenied);
#endif
}

// What stands in the way before anything is tried. A file without write
// permission for its owner is refused even where the folder would let a new
// file replace it: someone made it read-only to keep it as it is. A file
// that cannot be read is refused too: its entries would be lost.
QString Obstacle(const Target &to)
{
    const QFileInfo target(to.path);
    if (target.isDir())
        return FolderInPlace(to.shown);
    if (target.exists()) {
        if (!target.permission(QFileDevice::WriteOwner))
            return ReadOnly(to.shown);
        const platform::SystemError error = WriteAccess(target);
        if (NoPermission(error))
            return ReadOnly(to.shown);
        if (error.known())
            return WriteFailure(to.shown, error);
#ifndef Q_OS_WIN
        // On Windows another program may hold the file for a moment; the
        // read under the lock, once it has let go, decides there.
        QString unreadable;
        ReadTable(to, &unreadable);
        if (!unreadable.isEmpty())
            return unreadable;
#endif
    }
    const QFileInfo folder(target.path());
    if (!folder.isDir() || FolderGone(to.path))
        return FolderMissing(to.shown);
    if (const platform::SystemError error = WriteAccess(folder); error.known())
        return WriteFailure(to.shown, error);
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
    return ReadTable(SaveTarget(), failure);
}

SaveResult SaveHighScores(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                          std::chrono::milliseconds lockWait,
                          const std::function<void(std::chrono::milliseconds)> &pause)
{
    const Target target = SaveTarget();
    if (QString obstacle = Obstacle(target); !obstacle.isEmpty())
        return NotSaved(obstacle);

    // Beside the file the links lead to, so that every game saving to that
    // file meets the same lock.
    platform::LockFile lock(target.path + u".lock"_s, HighScoreStaleLock);
    const QString lockName = target.shown.filePath() + u".lock"_s;
    switch (lock.lock(lockWait, pause)) {
    case platform::LockFile::Locked:
        break;
    case platform::LockFile::Busy:
        return NotSaved(BusyElsewhere(target.shown), true);
    case platform::LockFile::IsFolder:
        return NotSaved(LockIsFolder(target.shown, lockName));
    case platform::LockFile::Failed:
        return NotSaved(LockFailure(target.shown, lock.error()));
    }

    // No other game writes while we hold the lock: any temporary is a leftover.
    platform::RemoveLeftoverTemporaries(target.path);
#ifdef Q_OS_WIN
    if (const platform::SystemError inUse = WaitWhileInUse(target.shown, lockWait); inUse.known())
        return NotSaved(WriteFailure(target.shown, inUse));
#endif
    SaveResult result;
    ReadState read;
    const QList<ScoreEntry> current = ReadTable(target, &result.failure, &read);
    // Once only, and never over a copy kept before: the first file the game
    // did not understand is the one worth keeping.
    if (result.failure.isEmpty() && !read.understood) {
        const QString copy = target.path + u".orig"_s;
        const platform::SystemError error = platform::CopyOnce(target.path, copy);
        if (!error.known())
            result.kept = KeptOriginal(target.shown, target.shown.filePath() + u".orig"_s);
        else if (!AlreadyThere(error))
            result.failure = WriteFailure(target.shown, error);
    }
    if (result.failure.isEmpty()) {
        platform::TextWriter writer(target.path);
        writer.setMode(read.mode);
        for (const ScoreEntry &entry : merge(current))
            writer.writeLine(core::PrintHighScore(Record(entry)));
        if (!writer.commit().isEmpty())
            result.failure = WriteFailure(target.shown, writer.error());
    }
    if (const platform::SystemError error = lock.unlock(); error.known() && result.failure.isEmpty())
        result.lockLeft = LockLeft(lockName, error);
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
