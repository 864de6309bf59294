// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

// File operations straight on the system calls of POSIX systems, for the
// files the game must never lose. Each returns the error number of the call
// that failed (0 when none did), taken right where it failed: Qt does not
// promise to keep errno through its own calls.

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <QByteArray>
#include <QString>

namespace platform::posix {

// Over a file size limit the system kills a program that writes, unless it
// ignores SIGXFSZ; ignored, the write fails with EFBIG and can be reported.
void IgnoreFileSizeSignal();

// Writes all of `bytes`, going on after short writes (a nearly full disk
// makes them), so that the error that cut a write short comes out.
int WriteAll(int fd, QByteArrayView bytes);

// Replaces the content of `path` by `content`: a temporary beside it is
// written, given the old file's mode, synced and renamed over the file, so
// the file is always whole, old or new. A failure leaves the old file as it
// was and removes the temporary when it can.
// `mode`, when not -1, is the old file's mode as the caller read it, which
// then need not be looked up again.
int ReplaceFile(const QString &path, QByteArrayView content, int mode = -1);

// Copies `from` to a temporary beside `to`, and links it to `to` only when
// no file of that name exists: EEXIST then.
int CopyOnce(const QString &from, const QString &to);

// Removes the temporaries of ReplaceFile(path) that no one is writing: what
// a program killed while saving, or a failed clean-up, left behind.
void RemoveLeftoverTemporaries(const QString &path);

} // namespace platform::posix

#endif
