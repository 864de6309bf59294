// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

namespace {

QWidget *dialogParent()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w->isVisible() && w->windowType() == Qt::Window)
            return w;
    }
    return nullptr;
}

class QtDialogs final : public DialogService
{
public:
    int messageBox(const QString &prompt, int style, const QString &title) override
    {
        QMessageBox box(dialogParent());
        box.setWindowTitle(title);
        box.setText(prompt);
        box.setTextFormat(Qt::PlainText);
        switch (style & 0x70) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        QMessageBox::StandardButton first = QMessageBox::Ok;
        if ((style & 7) == vbRetryCancel)
            first = QMessageBox::Retry;
        if ((style & 7) == vbOKCancel || (style & 7) == vbRetryCancel) {
            box.setStandardButtons(first | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
        }
        box.setDefaultButton(first);
        const int pressed = box.exec();
        return pressed == QMessageBox::Ok ? vbOK : pressed == QMessageBox::Retry ? vbRetry : vbCancel;
    }

    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override
    {
        QInputDialog dialog(dialogParent());
        dialog.setWindowTitle(title);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }
};

DialogService *&installed()
{
    static DialogService *service = nullptr;
    return service;
}

DialogService &current()
{
    static QtDialogs qtDialogs;
    return installed() ? *installed() : qtDialogs;
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? QApplication::applicationName() : title;
}

} // namespace

void SetDialogService(DialogService *service) { installed() = service; }

int MsgBox(const QString &prompt, int style, const QString &title)
{
    return current().messageBox(prompt, style, titleOrDefault(title));
}

QString InputBox(const QString &prompt, const QString &title, const QString &defaultText)
{
    return current().inputBox(prompt, titleOrDefault(title), defaultText);
}

} // namespace platform
