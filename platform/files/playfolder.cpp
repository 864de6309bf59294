// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/files/playfolder.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

QString PlayFolder(const QString &programFolder, const QString &roamingFolder, const QString &marker,
                   const QString &name)
{
    if (QFileInfo(QDir(programFolder).filePath(marker)).isFile())
        return QDir::cleanPath(programFolder);
    return QDir::cleanPath(QDir(roamingFolder).filePath(name));
}

bool EnterPlayFolder(const QString &programFolder, const QString &roamingFolder, const QString &marker,
                     const QString &name)
{
    const QString folder = PlayFolder(programFolder, roamingFolder, marker, name);
    return QDir().mkpath(folder) && QDir::setCurrent(folder);
}

} // namespace platform
