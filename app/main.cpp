// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/mdiMain.h"
#include "platform/forms.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::SetUpApplication();
    mdiMain frame;
    frame.showMaximized();
    return app.exec();
}
