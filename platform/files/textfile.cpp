// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/files/textfile.h"

#include "platform/files/posixfile.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform {

namespace {

#ifndef Q_OS_UNIX
// Why the last file operation through Qt failed. Qt works through the Win32
// API on Windows, which leaves errno alone and keeps its reason as the last
// error.
SystemError LastSystemError()
{
#ifdef Q_OS_WIN
    return SystemError::lastWindows();
#else
    return SystemError::lastPosix();
#endif
}
#endif

// Code page 1252 differs from Latin-1 only in 0x80..0x9F. Its five unused
// bytes keep their C1 control code, as browsers decode them.
constexpr char16_t Cp1252Row8And9[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Length of `bytes` without a UTF-8 sequence left incomplete at its end,
// which is what cutting an over-long line can leave behind. Without this one
// cut character would turn the whole line into code page 1252.
qsizetype CompleteUtf8Length(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

} // namespace

QString DecodeText(QByteArrayView bytes)
{
    // Also drops a leading byte order mark, which Notepad writes.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;

    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte >= 0x80 && byte < 0xA0 ? QChar(Cp1252Row8And9[byte - 0x80]) : QChar(char16_t(byte)));
    }
    return text;
}

TextReader::TextReader(const QString &fileName, qsizetype maxLineBytes, qint64 maxBytes)
    :
#ifndef Q_OS_UNIX
    file_(fileName),
#endif
    maxLineBytes_(maxLineBytes), left_(maxBytes)
{
    // Unbuffered: we read in chunks of our own, so that no line, however
    // long, is ever held whole.
#ifdef Q_OS_UNIX
    // Not blocking: opening a pipe for reading waits for a writer.
    fd_ = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0)
        error_ = SystemError::lastPosix();
    struct stat st {};
    if (fd_ >= 0 && ::fstat(fd_, &st) != 0)
        error_ = SystemError::lastPosix();
    else if (fd_ >= 0 && S_ISDIR(st.st_mode))
        error_ = SystemError::posix(EISDIR);
    else if (fd_ >= 0 && !S_ISREG(st.st_mode))
        notRegular_ = true;
    else if (fd_ >= 0)
        mode_ = static_cast<int>(st.st_mode & 07777);
    if (fd_ >= 0 && mode_ < 0) {
        ::close(fd_);
        fd_ = -1;
    }
    failed_ = fd_ < 0;
#else
    failed_ = !file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    if (failed_)
        error_ = LastSystemError();
#endif
}

TextReader::~TextReader()
{
#ifdef Q_OS_UNIX
    if (fd_ >= 0)
        ::close(fd_);
#endif
}

bool TextReader::isOpen() const
{
#ifdef Q_OS_UNIX
    return fd_ >= 0;
#else
    return file_.isOpen();
#endif
}

bool TextReader::fill()
{
    // One byte past the end of what may be read tells a file that goes on.
    const qsizetype ChunkSize = left_ < 64 * 1024 ? static_cast<qsizetype>(left_) + 1 : 64 * 1024;
    pos_ = 0;
    buffer_.resize(ChunkSize);
    qint64 got = -1;
    if (left_ < 0) {
        tooLong_ = true;
        buffer_.clear();
        return false;
    }
#ifdef Q_OS_UNIX
    if (fd_ >= 0) {
        do
            got = ::read(fd_, buffer_.data(), static_cast<size_t>(ChunkSize));
        while (got < 0 && errno == EINTR);
        if (got < 0) {
            error_ = SystemError::lastPosix();
            failed_ = true;
        }
    }
#else
    if (file_.isOpen()) {
        got = file_.read(buffer_.data(), ChunkSize);
        if (got < 0) {
            error_ = LastSystemError();
            failed_ = true;
        }
    }
#endif
    buffer_.resize(got > 0 ? got : 0);
    if (got > left_) {
        tooLong_ = true;
        buffer_.resize(left_);
    }
    left_ -= std::max<qint64>(got, 0);
    return !buffer_.isEmpty();
}

bool TextReader::atEnd()
{
    return pos_ == buffer_.size() && !fill();
}

QString TextReader::readLine()
{
    QByteArray line;
    bool &cut = lineCut_;
    cut = false;
    while (!atEnd()) {
        const char *begin = buffer_.constData() + pos_;
        const auto available = static_cast<std::size_t>(buffer_.size() - pos_);
        const auto *lf = static_cast<const char *>(std::memchr(begin, '\n', available));
        const auto *cr = static_cast<const char *>(
            std::memchr(begin, '\r', lf ? static_cast<std::size_t>(lf - begin) : available));
        const char *lineEnd = cr ? cr : lf;
        const qsizetype length = lineEnd ? lineEnd - begin : static_cast<qsizetype>(available);
        const qsizetype keep = std::min(length, maxLineBytes_ - line.size());
        line.append(begin, keep);
        cut = cut || keep < length;
        pos_ += length;
        if (lineEnd) {
            ++pos_;
            // The LF of a CR LF pair may lie in the next chunk.
            if (*lineEnd == '\r' && !atEnd() && buffer_.at(pos_) == '\n')
                ++pos_;
            break;
        }
    }
    if (cut)
        line.truncate(CompleteUtf8Length(line));
    return DecodeText(line);
}

TextWriter::TextWriter(const QString &fileName)
    : fileName_(fileName)
{
}

void TextWriter::writeLine(std::string_view utf8)
{
    content_.append(utf8.data(), static_cast<qsizetype>(utf8.size()));
    content_ += "\r\n";
}

QString TextWriter::commit()
{
#ifdef Q_OS_UNIX
    const int error = posix::ReplaceFile(fileName_, content_, mode_);
    error_ = SystemError::posix(error);
    return error == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error));
#else
    QSaveFile file(fileName_);
    // Unbuffered, so that a failing write is seen here, not in a flush
    // inside commit(). A full disk first cuts a write short without an
    // error, and QSaveFile would then commit the cut file: writing the rest
    // brings out the error.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        QByteArrayView rest(content_);
        while (!rest.isEmpty()) {
            const qint64 written = file.write(rest.data(), rest.size());
            if (written <= 0) {
                error_ = LastSystemError();
                const QString reason = file.errorString();
                file.cancelWriting();
                file.commit();
                return reason.isEmpty() ? QCoreApplication::translate("TextWriter", "Unknown error") : reason;
            }
            rest = rest.sliced(written);
        }
        if (file.commit())
            return {};
    }
    error_ = LastSystemError();
    const QString reason = file.errorString();
    return reason.isEmpty() ? QCoreApplication::translate("TextWriter", "Unknown error") : reason;
#endif
}

SystemError CopyOnce(const QString &from, const QString &to)
{
#ifdef Q_OS_UNIX
    return SystemError::posix(posix::CopyOnce(from, to));
#else
    if (QFile::exists(to))
        return SystemError::windows(80); // ERROR_FILE_EXISTS
    if (QFile::copy(from, to))
        return {};
    return LastSystemError();
#endif
}

void RemoveLeftoverTemporaries(const QString &fileName)
{
#ifdef Q_OS_UNIX
    posix::RemoveLeftoverTemporaries(fileName);
#else
    Q_UNUSED(fileName); // QSaveFile cleans up after itself
#endif
}

} // namespace platform
