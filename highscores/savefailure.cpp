// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/savefailure.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <span>

using platform::SystemError;
namespace winerror = platform::winerror;

namespace {

// The words of the tables below, marked for translation where they stand.
QString Tr(const char *source)
{
    return QCoreApplication::translate("SaveFailure", source);
}

// The words for one error. `written` is the whole message of a failed write:
// %1 is the file and %2 its folder. A null `cause` is told by its number.
struct Words
{
    int code;
    const char *cause;
    const char *written;
};

struct Table
{
    std::span<const Words> rows;
    // For errors without a row, told by their number (%1 in the cause; in
    // the failed write %1 is the file and %2 the number).
    const char *unknownCause;
    const char *unknownWritten;
};

constexpr Words PosixRows[] = {
    {EACCES, QT_TRANSLATE_NOOP("SaveFailure", "no permission"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the folder %2 is not writable.")},
    {EPERM, QT_TRANSLATE_NOOP("SaveFailure", "no permission"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the folder %2 is not writable.")},
    {ENOENT, nullptr, QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: its folder %2 does not exist.")},
    {EIO, QT_TRANSLATE_NOOP("SaveFailure", "the disk reported an error"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk reported an error.")},
    {EROFS, QT_TRANSLATE_NOOP("SaveFailure", "the disk is read-only"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is read-only.")},
    {ENOSPC, QT_TRANSLATE_NOOP("SaveFailure", "the disk is full"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is full.")},
    // Over a file size limit or a quota: full, as far as this file goes.
    {EFBIG, QT_TRANSLATE_NOOP("SaveFailure", "the disk is full"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is full.")},
#ifdef EDQUOT
    {EDQUOT, QT_TRANSLATE_NOOP("SaveFailure", "the disk is full"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is full.")},
#endif
};

constexpr Words WindowsRows[] = {
    {winerror::AccessDenied, QT_TRANSLATE_NOOP("SaveFailure", "no permission"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: Windows denied access to it or to its folder.")},
    {winerror::FileReadOnly, nullptr, QT_TRANSLATE_NOOP("SaveFailure", "%1 is read-only, so it was left as it is.")},
    {winerror::SharingViolation, QT_TRANSLATE_NOOP("SaveFailure", "another program is using it"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: another program is using it.")},
    {winerror::LockViolation, QT_TRANSLATE_NOOP("SaveFailure", "another program is using it"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: another program is using it.")},
    {winerror::UserMappedFile, nullptr,
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: another program is using it.")},
    {winerror::WriteProtect, QT_TRANSLATE_NOOP("SaveFailure", "the disk is read-only"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is read-only.")},
    {winerror::DiskFull, QT_TRANSLATE_NOOP("SaveFailure", "the disk is full"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is full.")},
    {winerror::HandleDiskFull, QT_TRANSLATE_NOOP("SaveFailure", "the disk is full"),
     QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written: the disk is full.")},
};

constexpr Table PosixTable{PosixRows, QT_TRANSLATE_NOOP("SaveFailure", "system error %1"),
                           QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written (system error %2).")};
constexpr Table WindowsTable{WindowsRows, QT_TRANSLATE_NOOP("SaveFailure", "Windows error %1"),
                             QT_TRANSLATE_NOOP("SaveFailure", "%1 could not be written (Windows error %2).")};

const Table *TableOf(const SystemError &error)
{
    switch (error.kind) {
    case SystemError::Posix:
        return &PosixTable;
    case SystemError::Windows:
        return &WindowsTable;
    case SystemError::None:
        break;
    }
    return nullptr;
}

const Words *RowOf(const SystemError &error)
{
    if (const Table *table = TableOf(error)) {
        for (const Words &row : table->rows) {
            if (row.code == error.code)
                return &row;
        }
    }
    return nullptr;
}

QString Quoted(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

QString File(const QFileInfo &target)
{
    return Quoted(target.filePath());
}

} // namespace

QString Cause(const SystemError &error)
{
    const Table *table = TableOf(error);
    if (!table)
        return {};
    const Words *row = RowOf(error);
    return row && row->cause ? Tr(row->cause) : Tr(table->unknownCause).arg(error.code);
}

bool NoPermission(const SystemError &error)
{
    return error == SystemError::posix(EACCES) || error == SystemError::posix(EPERM) ||
           error == SystemError::windows(winerror::AccessDenied);
}

QString WriteFailure(const QFileInfo &target, const SystemError &error)
{
    const Table *table = TableOf(error);
    if (!table)
        return QCoreApplication::translate("SaveFailure", "%1 could not be written.").arg(File(target));
    if (const Words *row = RowOf(error); row && row->written) {
        // Only some of them name the folder.
        const QString words = Tr(row->written);
        if (words.contains(QLatin1StringView("%2")))
            return words.arg(File(target), Quoted(target.absolutePath()));
        return words.arg(File(target));
    }
    return Tr(table->unknownWritten).arg(File(target), QString::number(error.code));
}

QString LockFailure(const QFileInfo &target, const SystemError &error)
{
    if (const Words *row = RowOf(error); row && row->written)
        return WriteFailure(target, error);
    const QString cause = Cause(error);
    if (cause.isEmpty())
        return QCoreApplication::translate("SaveFailure", "%1 could not be written: no lock file could be made beside it.").arg(File(target));
    return QCoreApplication::translate("SaveFailure", "%1 could not be written: no lock file could be made beside it (%2).").arg(File(target), cause);
}

QString ReadFailure(const QFileInfo &target, const SystemError &error)
{
    if (error == SystemError::posix(EISDIR) || target.isDir())
        return FolderInPlace(target);
    const QString cause = Cause(error);
    if (cause.isEmpty())
        return QCoreApplication::translate("SaveFailure", "%1 could not be read, so it was left as it is.").arg(File(target));
    return QCoreApplication::translate("SaveFailure", "%1 could not be read (%2), so it was left as it is.").arg(File(target), cause);
}

QString FolderInPlace(const QFileInfo &target)
{
    return QCoreApplication::translate("SaveFailure", "%1 is a folder, not a file.").arg(File(target));
}

QString NotAFile(const QFileInfo &target)
{
    return QCoreApplication::translate("SaveFailure", "%1 is not an ordinary file (it may be a pipe or a device), so it was left as it is.").arg(File(target));
}

QString ReadOnly(const QFileInfo &target)
{
    return QCoreApplication::translate("SaveFailure", "%1 is read-only, so it was left as it is.").arg(File(target));
}

QString FolderMissing(const QFileInfo &target)
{
    return QCoreApplication::translate("SaveFailure", "%1 could not be written: its folder %2 does not exist.").arg(File(target), Quoted(target.absolutePath()));
}

QString BusyElsewhere(const QFileInfo &target)
{
    return QCoreApplication::translate("SaveFailure", "%1 is being saved by another game, which has not finished.").arg(File(target));
}

QString LockIsFolder(const QFileInfo &target, const QString &lockName)
{
    return QCoreApplication::translate("SaveFailure", "%1 could not be written: its lock file %2 is a folder.").arg(File(target), Quoted(lockName));
}

QString LockLeft(const QString &lockName, const SystemError &error)
{
    const QString cause = Cause(error);
    if (cause.isEmpty())
        return QCoreApplication::translate("SaveFailure", "The high scores were saved, but their lock file %1 could not be removed.").arg(Quoted(lockName));
    return QCoreApplication::translate("SaveFailure", "The high scores were saved, but their lock file %1 could not be removed (%2).")
        .arg(Quoted(lockName), cause);
}

QString KeptOriginal(const QFileInfo &target, const QString &copyName)
{
    return QCoreApplication::translate("SaveFailure", "The high scores were saved. %1 held lines the game did not understand, so the file as it was is kept as %2.")
        .arg(File(target), Quoted(copyName));
}
