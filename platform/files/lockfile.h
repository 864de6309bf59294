// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>

class QLockFile;

namespace platform {

// A lock file that lets one program at a time rewrite a file several share.
// It holds the process id, program name, host and boot of its holder, as
// QLockFile writes them, so either kind of lock keeps the other out.
//
// A lock is left behind when its holder died. One is taken over at once when
// its holder is no longer running on this computer, or when no holder has it
// open; after `staleAfter` otherwise (a holder on another computer). An empty
// or damaged lock is taken over after a second: a live holder writes its lock
// out right after making it.
class LockFile
{
public:
    enum Result { Locked, Busy, IsFolder, Failed };

    LockFile(const QString &fileName, std::chrono::milliseconds staleAfter);
    ~LockFile();
    LockFile(const LockFile &) = delete;
    LockFile &operator=(const LockFile &) = delete;

    // Takes the lock, waiting up to `wait` while another program holds it
    // and calling `whileWaiting` about every 50 ms meanwhile. Busy: it was
    // still held when the wait ran out. IsFolder: a folder has the lock's name.
    // Failed: no lock could be made; errorNumber() says why.
    Result lock(std::chrono::milliseconds wait, const std::function<void()> &whileWaiting = {});
    // Removes the lock file; 0, or the system's error number when it could
    // not be removed (and other programs will wait for it as described above).
    int unlock();

    // The system's error number of the last failure, 0 when it is not known.
    int errorNumber() const { return error_; }
    QString fileName() const { return fileName_; }

private:
    QString fileName_;
    std::chrono::milliseconds staleAfter_;
    int error_ = 0;
#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    std::unique_ptr<QLockFile> lock_;
#endif
};

} // namespace platform
