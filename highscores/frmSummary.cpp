// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/frmSummary.h"

#include "app/mdiMain.h"
#include "highscores/frmScores.h"
#include "highscores/scorefile.h"
#include "platform/runtime/convert.h"
#include "platform/widgets/dialogs.h"
#include "core/modQuintix.h"
#include "scorecard/frmQuintix.h"

#include <utility>

using namespace Qt::StringLiterals;
using platform::Str;
using platform::TwipsRect;

frmSummary &frmSummary::instance()
{
    static QPointer<frmSummary> form;
    if (!form) {
        mdiMain *frame = mdiMain::instance();
        form = new frmSummary(frame->area(), frame);
    }
    return *form;
}

frmSummary::frmSummary(QMdiArea *area, QObject *parent)
    : Form(area, {u"Summary"_s, QSize(4880, 2080), true}, parent)
{
}

void frmSummary::createControls(QWidget *client)
{
    auto *title = new platform::Label(client, TwipsRect(240, 120, 3015, 255));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setCaption(u"Summary Of Scores"_s);
    new platform::Line(client, 240, 480, 3240, 480);
    for (int n = 1; n <= 8; ++n) {
        const int top = 720 + 480 * (n - 1);
        lblPlayer(n) = new platform::Label(client, TwipsRect(240, top, 855, 255));
        lblScore(n) = new platform::Label(client, TwipsRect(1320, top, 855, 255));
        lblHigh(n) = new platform::Label(client, TwipsRect(2400, top, 855, 255));
        lblHigh(n)->setCaption(u"High Score!"_s);
        lblHigh(n)->hide();
    }
    cmdView = new platform::CommandButton(client, TwipsRect(3600, 600, 975, 495), u"&View High Scores"_s);
    cmdClose = new platform::CommandButton(client, TwipsRect(3600, 1440, 975, 375), u"&Close"_s);
    connect(cmdView, &QPushButton::clicked, this, &frmSummary::cmdView_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSummary::cmdClose_Click);
}

void frmSummary::Form_Load()
{
    setHeight(PlayerCount * 500 + 900);
    if (Height() < 2500)
        setHeight(2500);
    setWidth(5000);

    QString unreadable;
    ReadTable(ReadHighScores(&unreadable));
    LastEntry = 9;

    for (int p = 1; p <= PlayerCount; ++p) {
        lblPlayer(p)->setCaption(u"Player "_s + Str(p) + u": "_s);
        lblScore(p)->setCaption(Players(p)->lblGrandTotal->Caption());
        const double v = platform::Val(lblScore(p)->Caption());
        // A table that could not be read says nothing of who beat it.
        if (unreadable.isEmpty() && v > EntryScore(9)) {
            lblHigh(p)->show();
            LastEntry = platform::Add16(LastEntry, 1);
            EntryScore(LastEntry) = platform::CInt(v);
            EntryName(LastEntry) = platform::InputBox(
                u"Player "_s + Str(p) + u", you scored a High Score!  Input your name:"_s, u"High Score"_s);
        }
    }

    // What the window shows, said when it opens: its first button has the
    // focus then, and a screen reader reads the button's description.
    QStringList results;
    for (int p = 1; p <= PlayerCount; ++p)
        results << lblPlayer(p)->Caption() + lblScore(p)->Caption() +
                       (lblHigh(p)->isHidden() ? QString() : u", a high score"_s);
    cmdView->setAccessibleDescription(results.join(u". "_s) + u"."_s);

    // Nor may it be written over: the scores it holds would be lost.
    if (!unreadable.isEmpty()) {
        ReportUnsavedScores(unreadable);
        return;
    }

    // Another game in this folder may have saved since the table was read:
    // the save reads the file again under its lock and sorts this game's new
    // entries into what the file holds now. Without such a game it reads the
    // same table, and the file ends up as it always did. A save that gives up
    // waiting may be tried again: the names typed are still in their slots.
    SaveFromWindow([this](const QList<ScoreEntry> &current) {
        ReadTable(current);
        SortTable();
        QList<ScoreEntry> table;
        for (int slot = 0; slot <= 9; ++slot)
            table.append({EntryScore(slot), EntryName(slot)});
        return table;
    }, FrameStatusLine);
}

void frmSummary::ReadTable(const QList<ScoreEntry> &entries)
{
    // Slots the file does not fill are empty, as in the first game of a run:
    // entries of an earlier read must not come back.
    for (int slot = 0; slot <= 9; ++slot) {
        EntryScore(slot) = 0;
        EntryName(slot).clear();
    }
    std::int16_t i = 0;
    for (const ScoreEntry &entry : entries) {
        EntryScore(i) = entry.score;
        EntryName(i) = entry.name;
        ++i;
    }
}

void frmSummary::SortTable()
{
    // Equal scores are never exchanged: among equals, the one already in the
    // table stays ahead of a newcomer, and earlier players ahead of later ones.
    for (int j = 0; j <= LastEntry - 1; ++j) {
        for (int k = j + 1; k <= LastEntry; ++k) {
            if (EntryScore(k) > EntryScore(j)) {
                std::swap(EntryScore(k), EntryScore(j));
                std::swap(EntryName(k), EntryName(j));
            }
        }
    }
}

void frmSummary::cmdView_Click() { frmScores::instance().Load(); }

void frmSummary::cmdClose_Click() { Unload(); }
