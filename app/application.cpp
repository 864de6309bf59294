// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "platform/accessibility/accessibility.h"
#include "platform/files/playfolder.h"
#include "platform/widgets/forms.h"
#include "pipstack_version.h"

#include <QCoreApplication>

namespace app {

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral(PIPSTACK_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(PIPSTACK_VERSION));
}

bool EnterPlayFolder(const QString &programFolder, const QString &roamingFolder)
{
    // The marker is the file windows/portable.txt that the zip carries.
    return platform::EnterPlayFolder(programFolder, roamingFolder, QStringLiteral("portable.txt"),
                                     QStringLiteral(PIPSTACK_NAME));
}

void SetUpApplication()
{
    NameApplication();
    platform::SetUpApplication();
    platform::InstallAccessibility();
}

} // namespace app
