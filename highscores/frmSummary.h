// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "highscores/scorefile.h"
#include "platform/runtime/arrays.h"
#include "platform/widgets/controls.h"
#include "platform/widgets/forms.h"

#include <cstdint>

class Game;

// The end of a game: every player's total, the new high scores with their
// names, and the rewritten high-score file. All of it happens while the
// window loads.
class frmSummary : public platform::Form
{
    Q_OBJECT

public:
    // The one summary window of the program; the frame must exist.
    static frmSummary &instance();

    // Loads the window with the results of `game`, which is over and
    // outlives the window. The computer's players (1..8) are neither asked
    // for names nor entered in the table.
    void ShowGame(const Game &game, const QList<int> &computerPlayers = {});

    platform::BoundedArray<platform::Label *, 1, 8> lblPlayer;
    platform::BoundedArray<platform::Label *, 1, 8> lblScore;
    platform::BoundedArray<platform::Label *, 1, 8> lblHigh;
    platform::BoundedArray<platform::Label *, 1, 8> lblComputer;
    platform::CommandButton *cmdView = nullptr;
    platform::CommandButton *cmdClose = nullptr;

    void cmdView_Click();
    void cmdClose_Click();

protected:
    void createControls(QWidget *client) override;
    void Form_Load() override;

private:
    frmSummary(QMdiArea *area, QObject *parent);

    // This game's new high scores with their names, in order of play.
    QList<ScoreEntry> Newcomers;
    const Game *game_ = nullptr;
    QList<int> computerPlayers_;
    // The last name entered that made the table, and its row there (1 to
    // 10; 0 when none did), for View High Scores to show.
    ScoreEntry Newest;
    int NewestRow = 0;
};
