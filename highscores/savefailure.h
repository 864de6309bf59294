// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/files/systemerror.h"

#include <QFileInfo>
#include <QString>

// What the player is told when the high scores could not be saved, or read
// for a save: one sentence that names the file (`target`, the file a save
// changes) and says what is wrong. The words for a system's error come from
// that system's table, chosen by the error's kind.

// A few words for messages that give the reason in brackets; empty when the
// reason is not known.
QString Cause(const platform::SystemError &error);
// The error means this program may not write there.
bool NoPermission(const platform::SystemError &error);

QString WriteFailure(const QFileInfo &target, const platform::SystemError &error);
// Errors that have words of their own are told as a failed write.
QString LockFailure(const QFileInfo &target, const platform::SystemError &error);
QString ReadFailure(const QFileInfo &target, const platform::SystemError &error);

QString FolderInPlace(const QFileInfo &target);
// A pipe, a device or a socket has the file's name, or a link leads to one.
QString NotAFile(const QFileInfo &target);
QString ReadOnly(const QFileInfo &target);
QString FolderMissing(const QFileInfo &target);
QString BusyElsewhere(const QFileInfo &target);
QString LockIsFolder(const QFileInfo &target, const QString &lockName);
// The scores were saved, but their lock could not be removed.
QString LockLeft(const QString &lockName, const platform::SystemError &error);
// The scores were saved, over a file that held more than the game reads;
// that file was kept as `copyName`.
QString KeptOriginal(const QFileInfo &target, const QString &copyName);
