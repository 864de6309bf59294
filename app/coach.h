// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/review.h"
#include "core/strategy.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <random>
#include <thread>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;
class frmQuintix;
class frmReview;
class mdiMain;

// The Coach menu: hints, computer players and the review of a game, all
// from the strategy engine. The engine's table is computed the first time
// one of them needs it, on a thread of its own, so that neither the start of
// the program nor the window waits for it.
class Coach : public QObject
{
    Q_OBJECT

public:
    enum class Strength { Perfect, Beginner };

    explicit Coach(mdiMain *frame);
    ~Coach() override;
    Q_DISABLE_COPY_MOVE(Coach)

    QMenu *mnuCoach;
    QAction *mnuHint;
    QMenu *mnuComputer;
    std::array<QAction *, 8> mnuComputerPlayer{};
    QMenu *mnuStrength;
    QAction *mnuPerfect;
    QAction *mnuBeginner;
    QMenu *mnuPace;
    QAction *mnuSlow;
    QAction *mnuNormal;
    QAction *mnuFast;
    QAction *mnuReview;

    void mnuHint_Click();
    void mnuReview_Click();

    // The frame has dealt new cards: the coach follows them from now on.
    void GameStarted();
    // Players 1..8 whom the computer plays, as chosen in the menu.
    bool PlayedByComputer(int player) const;
    QList<int> ComputerPlayers() const;
    Strength strength() const;
    // Milliseconds between a computer player's steps.
    int pace() const;

    // The solved engine, or nullptr while it is not ready.
    const strategy::Engine *engine() const { return ready_ ? engine_.get() : nullptr; }
    // Runs `then` on the GUI thread once the engine is ready; starts solving
    // if nothing has yet.
    void WhenReady(std::function<void()> then);

    // The decisions heard on each card of the game, 1..PlayerCount.
    const std::vector<std::shared_ptr<review::DecisionLog>> &logs() const { return logs_; }

    // What perfect play does with the card's dice now, in words.
    static QString HintText(const Scorecard &card, const strategy::Engine &engine);
    // Which dice to hold so that the faces `kept` stay, keeping those already
    // held where they can.
    static std::array<bool, 5> HoldsFor(const Scorecard &card, const std::vector<int> &kept);

private:
    void SaveSettings();
    void LoadSettings();
    // One move of the computer player whose turn it is, if any.
    void ComputerStep();
    // Picks the action a computer player of the chosen strength takes.
    strategy::Action ChooseAction(const std::vector<strategy::Action> &actions);
    void UpdateComputerTimer();
    void ShowMarks(frmQuintix *card, const strategy::Action &best);
    void ClearMarks();

    mdiMain *frame_;
    std::unique_ptr<strategy::Engine> engine_;
    std::thread solver_;
    bool ready_ = false;
    std::vector<std::function<void()>> waiting_;
    std::vector<std::shared_ptr<review::DecisionLog>> logs_;
    QList<QPointer<QWidget>> marks_;
    QTimer computerTimer_;
    // The action a computer player has settled on for the dice in hand.
    std::optional<strategy::Action> plan_;
    std::mt19937 chance_{std::random_device{}()};
    QPointer<frmReview> review_;
};
