// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// Message box styles: buttons in the low bits, an icon above them.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbRetry = 4 };

// Every modal question the game asks goes through one service, so tests can
// answer them without a dialog on screen.
class DialogService
{
public:
    virtual ~DialogService() = default;
    // Returns the button pressed: vbOK, vbRetry or vbCancel.
    virtual int messageBox(const QString &prompt, int style, const QString &title) = 0;
    // Returns the typed text, or the empty text on Cancel.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) = 0;
};

// Installs a service; nullptr goes back to the real Qt dialogs.
void SetDialogService(DialogService *service);

// An empty title means the application's title.
int MsgBox(const QString &prompt, int style = vbOKOnly, const QString &title = {});
QString InputBox(const QString &prompt, const QString &title = {}, const QString &defaultText = {});

} // namespace platform
