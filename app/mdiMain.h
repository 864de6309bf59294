// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/game.h"
#include "platform/runtime/arrays.h"
#include "platform/widgets/controls.h"

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;
class Coach;
class frmQuintix;

// The frame: the only menu, the turn timer and every other window as a child.
class mdiMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit mdiMain(QWidget *parent = nullptr);
    ~mdiMain() override;
    Q_DISABLE_COPY_MOVE(mdiMain)

    // The one frame of the program, or nullptr before it exists.
    static mdiMain *instance();

    QMdiArea *area() const { return area_; }

    // The game under way, and the windows of its players' cards, 1 to
    // PlayerCount.
    const Game &game() const { return game_; }
    platform::DynamicArray<frmQuintix *> Players;

    // Switched on when a player asks for the hand-over; its tick hands the
    // turn over, once the click that asked has been dealt with.
    platform::Timer tNewPlay;
    bool TurnWarning = false;

    QMenu *mnuOpt;
    QAction *mnuOptNew;
    QMenu *mnuOptWarning;
    QAction *mnuWarnOn;
    QAction *mnuWarnOff;
    QAction *mnuOptScore;
    QAction *mnuOptExit;

    void mnuOptNew_Click();
    void mnuWarnOn_Click();
    void mnuWarnOff_Click();
    void mnuOptScore_Click();
    void mnuOptExit_Click();
    void tNewPlay_Timer();

    // The Coach menu, after Options: hints, computer players, the review.
    Coach *coach() const { return coach_; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Load();
    // Has a screen reader say which turn-warning setting is in force.
    void AnnounceWarning();
    void ShowSummary();
    // Unloads and deletes the windows in Players, which are hidden.
    void ReleasePlayers();

    QMdiArea *area_;
    Game game_;
    Coach *coach_ = nullptr;
};
