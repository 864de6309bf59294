// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/application.h"

#include "platform/accessibility/accessibility.h"
#include "platform/widgets/forms.h"

#include <QCoreApplication>

namespace app {

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Pipstack"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
}

void SetUpApplication()
{
    NameApplication();
    platform::SetUpApplication();
    platform::InstallAccessibility();
}

} // namespace app
