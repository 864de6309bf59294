// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "testkit.h"

#include "platform/runtime/rnd.h"

#include <QFile>
#include <QTest>
#include <QWidget>

namespace testkit {

ScriptedDialogs::ScriptedDialogs() { platform::SetDialogService(this); }
ScriptedDialogs::~ScriptedDialogs() { platform::SetDialogService(nullptr); }

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Call &call : calls)
        if (!call.input)
            texts << call.prompt;
    return texts;
}

QStringList ScriptedDialogs::prompts() const
{
    QStringList texts;
    for (const Call &call : calls)
        if (call.input)
            texts << call.prompt;
    return texts;
}

int ScriptedDialogs::messageBox(const QString &prompt, int style, const QString &title)
{
    calls.append({false, prompt, title, style});
    if (whileOpen)
        whileOpen(calls.last());
    return messageAnswers.isEmpty() ? platform::vbOK : messageAnswers.takeFirst();
}

QString ScriptedDialogs::inputBox(const QString &prompt, const QString &title, const QString &)
{
    calls.append({true, prompt, title, 0});
    if (whileOpen)
        whileOpen(calls.last());
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

void queueDice(const QList<int> &faces)
{
    for (int face : faces)
        platform::QueueRnd({(float(face) - 0.5f) / 6.0f});
}

WorkDir::WorkDir()
    : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

WorkDir::~WorkDir() { QDir::setCurrent(previous_); }

QByteArray WorkDir::read(const QString &name) const
{
    QFile file(dir_.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WorkDir::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(dir_.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

} // namespace testkit
