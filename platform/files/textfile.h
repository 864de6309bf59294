// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/files/systemerror.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringView>

#include <limits>
#include <string_view>

namespace platform {

// Text of a file's bytes: UTF-8 when they are valid UTF-8, otherwise the
// Windows single-byte code page 1252, in which older files were written.
// Files are always written in UTF-8.
QString DecodeText(QByteArrayView bytes);

// A text file read line by line from its start. Relative names resolve
// against the current working directory.
class TextReader
{
public:
    // Keeps at most maxLineBytes bytes of each line; the rest of a longer
    // line is skipped without being held in memory. Reads no further than
    // maxBytes into the file, so that an endless one (a link to /dev/zero)
    // ends too.
    TextReader(const QString &fileName, qsizetype maxLineBytes,
               qint64 maxBytes = std::numeric_limits<qint64>::max());
    ~TextReader();
    TextReader(const TextReader &) = delete;
    TextReader &operator=(const TextReader &) = delete;

    bool isOpen() const;
    // True when the file did not open or a read failed: what was read may
    // not be all there is.
    bool failed() const { return failed_; }
    // The system's error of that failure; None when it is not known.
    SystemError error() const { return error_; }
    // The name leads to no regular file but to a pipe, a device or a
    // socket: it was never read, as reading could wait for ever.
    bool notRegular() const { return notRegular_; }
    // The last line read was longer than maxLineBytes.
    bool lineCut() const { return lineCut_; }
    // The file goes on past maxBytes.
    bool tooLong() const { return tooLong_; }
    // The permission bits of the file read, -1 when not known.
    int mode() const { return mode_; }

    // True when no line is left, also after a read error and on a file that
    // did not open.
    bool atEnd();
    // The next line without its line end: CR LF, LF and CR each end a line,
    // and a last line without a line end is still a line.
    QString readLine();

private:
    bool fill();

#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    QFile file_;
#endif
    bool failed_ = false;
    bool notRegular_ = false;
    bool lineCut_ = false;
    bool tooLong_ = false;
    int mode_ = -1;
    SystemError error_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    qsizetype maxLineBytes_;
    qint64 left_;
};

// A text file written anew: its content is replaced only when commit()
// succeeds, so a failed write leaves the old file whole.
class TextWriter
{
public:
    explicit TextWriter(const QString &fileName);

    // The permission bits the new file gets where the system has them, as
    // the old file's were read (-1: taken from the file as it is then).
    void setMode(int mode) { mode_ = mode; }

    // One line of UTF-8 text, ended by CR LF whatever the system.
    void writeLine(std::string_view utf8);

    // Replaces the file, and on disk before it returns. Returns an empty
    // string on success, otherwise the reason it failed, in words a user can
    // read.
    QString commit();
    // The system's error of the first failure (errno; on Windows the last
    // error, GetLastError()), None when it is not known; lets a caller say
    // what went wrong in its own words.
    SystemError error() const { return error_; }

private:
    QString fileName_;
    QByteArray content_;
    SystemError error_;
    int mode_ = -1;
};

// Copies `from` to `to` unless `to` exists, never writing over it, and with
// `to` appearing only whole. None when copied; EEXIST (or Windows'
// ERROR_FILE_EXISTS) when `to` was there already.
SystemError CopyOnce(const QString &from, const QString &to);

// Removes what writers of this file left behind when they were killed or
// their clean-up failed. Only for a caller that knows no one else is writing
// the file now.
void RemoveLeftoverTemporaries(const QString &fileName);

} // namespace platform
