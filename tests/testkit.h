// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

// What the window tests share: answers for the game's dialogs, dice on
// demand, a scratch working directory and clicks the way a player makes them.

#include "platform/widgets/dialogs.h"

#include <QDir>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <initializer_list>

class QWidget;

namespace testkit {

// Answers every message box and input box from a script instead of the
// screen, and records what was asked. Installed for its lifetime.
class ScriptedDialogs : public platform::DialogService
{
public:
    struct Call {
        bool input;
        QString prompt;
        QString title;
        int style;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // The answers of the next input boxes; an unscripted input box is
    // answered with Cancel (the empty text).
    QStringList inputAnswers;
    // The answers of the next message boxes; vbOK when none is left.
    QList<int> messageAnswers;
    // Runs while a dialog is "open", to look at the windows behind it.
    std::function<void(const Call &)> whileOpen;

    QList<Call> calls;
    QStringList messages() const;
    QStringList prompts() const;

    int messageBox(const QString &prompt, int style, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText) override;
};

// Makes the next rolls show these faces, in the order the dice are drawn.
void queueDice(const QList<int> &faces);

// A fresh, empty working directory for the test's lifetime.
class WorkDir
{
public:
    WorkDir();
    ~WorkDir();
    QString path() const { return dir_.path(); }
    QByteArray read(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A left click in the middle of a widget, through the event system.
void click(QWidget *widget);

} // namespace testkit
