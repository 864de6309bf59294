// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/frmSummary.h"

#include "core/game.h"
#include "highscores/frmScores.h"
#include "highscores/scorefile.h"
#include "platform/widgets/dialogs.h"

using namespace Qt::StringLiterals;
using platform::TwipsRect;

frmSummary &frmSummary::instance()
{
    static QPointer<frmSummary> form;
    if (!form)
        form = new frmSummary(HighScoreWindowsArea(), HighScoreWindowsOwner());
    return *form;
}

void frmSummary::ShowGame(const Game &game, const QList<int> &computerPlayers)
{
    game_ = &game;
    computerPlayers_ = computerPlayers;
    Load();
}

frmSummary::frmSummary(QMdiArea *area, QObject *parent)
    : Form(area, {tr("Summary"), QSize(4880, 2080), true}, parent)
{
}

void frmSummary::createControls(QWidget *client)
{
    auto *title = new platform::Label(client, TwipsRect(240, 120, 3015, 255));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setCaption(tr("Summary Of Scores"));
    new platform::Line(client, 240, 480, 3240, 480);
    for (int n = 1; n <= 8; ++n) {
        const int top = 720 + 480 * (n - 1);
        lblPlayer(n) = new platform::Label(client, TwipsRect(240, top, 855, 255));
        lblPlayer(n)->setSlack(platform::Px(165));
        lblScore(n) = new platform::Label(client, TwipsRect(1320, top, 855, 255));
        lblHigh(n) = new platform::Label(client, TwipsRect(2400, top, 855, 255));
        lblHigh(n)->setCaption(tr("High Score!"));
        lblHigh(n)->hide();
        // A computer player never has a high score: its mark takes that place.
        lblComputer(n) = new platform::Label(client, TwipsRect(2400, top, 1095, 255));
        lblComputer(n)->setCaption(tr("(computer)"));
        lblComputer(n)->hide();
    }
    cmdView = new platform::CommandButton(client, TwipsRect(3600, 600, 975, 495), tr("&View High Scores"));
    cmdClose = new platform::CommandButton(client, TwipsRect(3600, 1440, 975, 375), tr("&Close"));
    connect(cmdView, &QPushButton::clicked, this, &frmSummary::cmdView_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmSummary::cmdClose_Click);
}

void frmSummary::Form_Load()
{
    const int PlayerCount = game_ ? game_->PlayerCount : 0;
    setHeight(PlayerCount * 500 + 900);
    if (Height() < 2500)
        setHeight(2500);
    setWidth(5000);

    QString unreadable;
    const QList<ScoreEntry> table = ReadHighScores(&unreadable);
    Newcomers.clear();
    NewestRow = 0;

    // What the window shows is also said when it opens: its first button has
    // the focus then, and a screen reader reads the button's description.
    QStringList results;
    for (int p = 1; p <= PlayerCount; ++p) {
        const QString player = tr("Player %1: ").arg(p);
        // A card without its totals (a game cut short) shows nothing and
        // scores nothing.
        const auto &totals = game_->Player(p)->Totals();
        const QString total = totals ? QString::number(totals->grandTotal) : QString();
        lblPlayer(p)->setCaption(player);
        lblScore(p)->setCaption(total);
        const std::int16_t v = totals ? totals->grandTotal : std::int16_t(0);
        // A table that could not be read says nothing of who beat it.
        const bool computer = computerPlayers_.contains(p);
        const bool high = !computer && unreadable.isEmpty() && BeatsTenthEntry(table, v);
        results << player + total + (high ? tr(", a high score") : QString())
                       + (computer ? tr(", played by the computer") : QString());
        if (computer)
            lblComputer(p)->show();
        if (high) {
            lblHigh(p)->show();
            Newcomers.append({v, platform::InputBox(tr("Player %1, you scored a High Score!  Input your name:").arg(p),
                                                    tr("High Score"))});
        }
    }
    cmdView->setAccessibleDescription(tr("%1.").arg(results.join(tr(". "))));

    // Nor may it be written over: the scores it holds would be lost.
    if (!unreadable.isEmpty()) {
        ReportUnsavedScores(unreadable);
        return;
    }

    // Another game in this folder may have saved since the table was read:
    // the save reads the file again under its lock and sorts this game's new
    // entries into what the file holds now. Without such a game it reads the
    // same table, and the file ends up as it always did. A save that gives up
    // waiting may be tried again: the names typed are still held.
    SaveFromWindow([this](const QList<ScoreEntry> &current) {
        std::vector<int> placed;
        const QList<ScoreEntry> merged = MergeHighScores(current, Newcomers, &placed);
        NewestRow = 0;
        for (std::size_t i = placed.size(); i-- > 0 && NewestRow == 0;) {
            if (placed[i] != 0) {
                NewestRow = placed[i];
                Newest = merged.at(NewestRow - 1);
            }
        }
        return merged;
    }, FrameStatusLine);
}

// With the focus on the row of the last name entered, a player who cannot see
// the table hears where the new score stands.
void frmSummary::cmdView_Click() { frmScores::instance().LoadAt(Newest, NewestRow); }

void frmSummary::cmdClose_Click() { Unload(); }
