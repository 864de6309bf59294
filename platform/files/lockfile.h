// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/files/systemerror.h"

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

    // How the time between two tries passes; a window runs its event loop
    // meanwhile, so that it keeps painting.
    using Pause = std::function<void(std::chrono::milliseconds)>;

    // Takes the lock, trying again about every 50 ms for up to `wait` while
    // another program holds it. Between tries it sleeps, or calls `pause`
    // when given. Busy: it was still held when the wait ran out. IsFolder: a
    // folder has the lock's name. Failed: no lock could be made; error()
    // says why.
    Result lock(std::chrono::milliseconds wait, const Pause &pause = {});
    // One try, without waiting: Busy while another program holds the lock.
    Result tryLock();
    // Removes the lock file; None, or the system's error when it could not
    // be removed (and other programs will wait for it as described above).
    SystemError unlock();

    // The system's error of the last failure, None when it is not known.
    SystemError error() const { return error_; }
    QString fileName() const { return fileName_; }

private:
    QString fileName_;
    std::chrono::milliseconds staleAfter_;
    SystemError error_;
#ifdef Q_OS_UNIX
    int fd_ = -1;
#else
    std::unique_ptr<QLockFile> lock_;
#endif
};

} // namespace platform
