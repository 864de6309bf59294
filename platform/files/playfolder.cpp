// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/files/playfolder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace platform {

QString PlayFolder(const QString &programFolder, const QString &roamingFolder)
{
    if (QFileInfo(QDir(programFolder).filePath(u"portable.txt"_s)).isFile())
        return QDir::cleanPath(programFolder);
    return QDir::cleanPath(QDir(roamingFolder).filePath(u"Pipstack"_s));
}

bool EnterPlayFolder(const QString &programFolder, const QString &roamingFolder)
{
    const QString folder = PlayFolder(programFolder, roamingFolder);
    return QDir().mkpath(folder) && QDir::setCurrent(folder);
}

} // namespace platform
