// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/frmScores.h"

#include "app/mdiMain.h"
#include "highscores/scorefile.h"
#include "platform/convert.h"
#include "platform/dialogs.h"

using namespace Qt::StringLiterals;
using platform::TwipsRect;

frmScores &frmScores::instance()
{
    static QPointer<frmScores> form;
    if (!form) {
        mdiMain *frame = mdiMain::instance();
        form = new frmScores(frame->area(), frame);
    }
    return *form;
}

frmScores::frmScores(QMdiArea *area, QObject *parent)
    : Form(area, {u"High Scores"_s, QSize(4880, 5580), true}, parent)
{
}

void frmScores::createControls(QWidget *client)
{
    auto *title = new platform::Label(client, TwipsRect(240, 120, 3135, 255));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setCaption(u"High Scores"_s);
    new platform::Line(client, 240, 480, 3360, 480);
    for (int n = 1; n <= 10; ++n) {
        lblPlayer(n) = new platform::Label(client, TwipsRect(240, 720 + 480 * (n - 1), 2175, 255));
        lblScore(n) = new platform::Label(client, TwipsRect(2640, 720 + 480 * (n - 1), 735, 255));
    }
    cmdClose = new platform::CommandButton(client, TwipsRect(3720, 720, 975, 375), u"&Close"_s);
    cmdReset = new platform::CommandButton(client, TwipsRect(3720, 4920, 975, 375), u"&Reset"_s);
    connect(cmdClose, &QPushButton::clicked, this, &frmScores::cmdClose_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmScores::cmdReset_Click);
}

void frmScores::Form_Load()
{
    setWidth(5000);
    setHeight(6000);
    const QList<ScoreEntry> entries = ReadHighScores();
    int n = 0;
    for (const ScoreEntry &entry : entries) {
        ++n;
        lblScore(n)->setCaption(platform::Str(entry.score));
        lblPlayer(n)->setCaption(entry.name);
    }
}

void frmScores::cmdReset_Click()
{
    const int answer = platform::MsgBox(u"Do you really want to reset the scores?"_s,
                                        platform::vbOKCancel | platform::vbExclamation, u"WARNING"_s);
    if (answer != platform::vbOK)
        return;
    if (const QString failure = WriteHighScores(ResetScores()); !failure.isEmpty())
        ReportUnsavedScores(failure);
    Form_Load();
}

void frmScores::cmdClose_Click() { Unload(); }

void ReportUnsavedScores(const QString &reason)
{
    platform::MsgBox(u"The high scores could not be saved.\n\n"_s + reason, platform::vbExclamation);
}
