// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

// A running frame with scripted dialogs in a scratch working directory, and
// the moves of a player: start a game, roll given dice, score, pass the turn.

#include "app/mdiMain.h"
#include "scorecard/frmQuintix.h"
#include "testkit.h"

#include <initializer_list>
#include <memory>

namespace gamekit {

struct Table {
    Table();
    ~Table();

    testkit::WorkDir dir;
    testkit::ScriptedDialogs dialogs;
    std::unique_ptr<mdiMain> frame;

    // Answers the question for the number of players with this text.
    void newGame(const QString &answer);
    // The scorecard that is showing, or nullptr.
    frmQuintix *current() const;
    int visibleScorecards() const;
};

// The table of one test function, set up on first use. dropTable() ends it
// and checks that no window outlived it; call it from cleanup().
class TableOwner
{
public:
    Table &table();
    void dropTable();

private:
    std::unique_ptr<Table> table_;
};

// Rolls once; the faces go to the dice that are not held, in order.
void roll(frmQuintix *card, const QList<int> &faces);
// Clicks "Next Turn" and waits for the frame to pass the turn on.
void passTurn(mdiMain *frame, frmQuintix *card);
// Waits for the frame to pass the turn on after "Next Turn".
void waitForHandOver(mdiMain *frame);
// One whole turn: one roll, the score, the hand-over.
void playTurn(mdiMain *frame, frmQuintix *card, const QList<int> &faces, platform::Label *box);

// The game's players' windows, 1..PlayerCount(), of the frame that exists.
frmQuintix *Players(int i);
int PlayerCount();

// The thirteen score boxes in scorecard order.
QList<platform::Label *> scoreBoxes(frmQuintix *card);
bool heldDie(frmQuintix *card, int index);

} // namespace gamekit
