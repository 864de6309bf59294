// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/scorefile.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <optional>

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

// An optional minus sign and decimal digits within the 16-bit range; anything
// else ("+5", "1.5", "12abc", "40000") is not a score.
std::optional<std::int16_t> WholeNumber(QStringView field)
{
    const bool negative = field.startsWith(u'-');
    if (negative)
        field = field.sliced(1);
    if (field.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 32768) // stops long runs of digits from overflowing
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QString Capped(QStringView name)
{
    if (name.size() <= MaxNameLength)
        return name.toString();
    qsizetype length = MaxNameLength;
    if (name[length - 1].isHighSurrogate())
        --length;
    return name.first(length).toString();
}

// The name as it must be stored so that it reads back as entered. A name with
// a comma or leading blanks is quoted, which readers already understand.
// Readers take a leading double quote as the start of a quoted name and know
// no way to escape one inside it: in a quoted name, or at the start of one,
// double quotes become apostrophes. Anywhere else they read back as they are.
QString StoredName(const QString &entered)
{
    QString name = Capped(entered);
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool quoted = name.contains(u',') || name.startsWith(u' ') || name.startsWith(u'\t');
    if (quoted || name.startsWith(u'"'))
        name.replace(u'"', u'\'');
    return quoted ? u'"' + name + u'"' : name;
}

QString Quoted(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

// The file a save changes: the high-score file itself, or the file its
// symbolic links lead to. The lock, the checks and the messages are about
// that file, so games in other folders linked to it wait for each other too.
QFileInfo SaveTarget()
{
    QFileInfo target(HighScoreFileName());
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

// What stands in the way before anything is tried. A file without write
// permission for its owner is refused even where the folder would let a new
// file replace it: someone made it read-only to keep it as it is.
QString Obstacle(const QFileInfo &target)
{
    const QString file = Quoted(target.filePath());
    if (target.isDir())
        return file + u" is a folder, not a file."_s;
    if (target.exists() && (!target.isWritable() || !target.permission(QFileDevice::WriteOwner)))
        return file + u" is read-only, so it was left as it is."_s;
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return file + u" could not be written: its folder "_s + Quoted(folder.filePath()) + u" does not exist."_s;
    if (!folder.isWritable())
        return FolderNotWritable(file, folder.filePath());
    return {};
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
    case 0:
        return file + u" could not be written."_s;
    default:
        return file + u" could not be written (system error "_s + QString::number(error) + u")."_s;
    }
}

} // namespace

QString HighScoreFileName()
{
    return u"High Scores.dat"_s;
}

QList<ScoreEntry> ResetScores()
{
    return QList<ScoreEntry>(HighScoreCount, ScoreEntry{0, u"Nobody"_s});
}

QList<ScoreEntry> ReadHighScores()
{
    platform::TextReader file(HighScoreFileName(), MaxLineBytes);
    if (!file.isOpen())
        return QFile::exists(HighScoreFileName()) ? QList<ScoreEntry>() : ResetScores();

    QList<ScoreEntry> entries;
    while (entries.size() < HighScoreCount && !file.atEnd()) {
        const QString line = file.readLine();
        QStringView rest(line);
        const std::optional<std::int16_t> score = WholeNumber(platform::ReadNumberField(rest));
        if (!score)
            continue;
        // Anything after the name (past a comma or a closing quote) is ignored.
        entries.append({*score, Capped(platform::ReadTextField(rest))});
    }
    return entries;
}

QString UpdateHighScores(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                         std::chrono::milliseconds lockWait)
{
    const QFileInfo target = SaveTarget();
    if (QString obstacle = Obstacle(target); !obstacle.isEmpty())
        return obstacle;

    // Beside the file the links lead to, so that every game saving to that
    // file meets the same lock.
    QLockFile lock(target.filePath() + u".lock"_s);
    lock.setStaleLockTime(HighScoreStaleLock);
    if (!lock.tryLock(lockWait)) {
        const QString file = Quoted(target.filePath());
        switch (lock.error()) {
        case QLockFile::LockFailedError:
            return file + u" is being saved by another game, which has not finished."_s;
        case QLockFile::PermissionError:
            return FolderNotWritable(file, target.absolutePath());
        default:
            // Mostly a lock file that cannot be written out in full.
            return file + u" could not be written: no lock file could be made beside it (is the disk full?)."_s;
        }
    }

#ifdef Q_OS_WIN
    if (const int inUse = WaitWhileInUse(target, lockWait); inUse != 0)
        return WindowsWriteFailure(target, inUse);
#endif
    const QList<ScoreEntry> entries = merge(ReadHighScores());
    platform::TextWriter file(target.filePath());
    for (const ScoreEntry &entry : entries)
        file.print(entry.score, StoredName(entry.name));
    if (file.commit().isEmpty())
        return {};
    return WriteFailure(target, file.errorNumber());
}

QString WriteHighScores(const QList<ScoreEntry> &entries, std::chrono::milliseconds lockWait)
{
    return UpdateHighScores([&entries](const QList<ScoreEntry> &) { return entries; }, lockWait);
}
