// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
// A computer player's turn: one move a tick, through the card window's own
// handlers, as a player's clicks would make it.
#include "app/coach.h"

#include "app/mdiMain.h"
#include "scorecard/frmQuintix.h"

#include <QApplication>

std::array<bool, 5> Coach::HoldsFor(const Scorecard &card, const std::vector<int> &kept)
{
    std::array<bool, 5> holds{};
    std::vector<int> wanted = kept;
    const auto take = [&](int i) {
        const auto at = std::find(wanted.begin(), wanted.end(), card.Dice.at(std::size_t(i)));
        if (at == wanted.end())
            return;
        wanted.erase(at);
        holds.at(std::size_t(i)) = true;
    };
    // Dice held already stay held where they can: fewer clicks, and a
    // player following the hint sees fewer changes.
    for (int i = 0; i <= 4; ++i) {
        if (card.Held(i))
            take(i);
    }
    for (int i = 0; i <= 4; ++i) {
        if (!holds.at(std::size_t(i)))
            take(i);
    }
    return holds;
}

void Coach::UpdateComputerTimer()
{
    computerTimer_.setInterval(pace());
    const Game &game = frame_->game();
    if (game.PlayerCount > 0 && !game.Over() && !ComputerPlayers().isEmpty())
        computerTimer_.start();
    else
        computerTimer_.stop();
}

strategy::Action Coach::ChooseAction(const std::vector<strategy::Action> &actions)
{
    if (strength() == Strength::Perfect || actions.size() == 1)
        return actions.front();
    // A beginner picks at random from the better half: never the worst
    // blunders, but seldom the best.
    std::uniform_int_distribution<std::size_t> pick(0, (actions.size() - 1) / 2);
    return actions.at(pick(chance_));
}

void Coach::ComputerStep()
{
    const Game &game = frame_->game();
    if (game.PlayerCount == 0) {
        computerTimer_.stop();
        return;
    }
    if (!PlayedByComputer(game.CurrentPlayer) || QApplication::activeModalWidget())
        return;
    // Between "Next Turn" and the hand-over the card is shut to input, and
    // the next card shows only once the turn message is answered.
    frmQuintix *card = frame_->Players(game.CurrentPlayer);
    if (!card || !card->window() || !card->window()->isVisible() || !card->window()->isEnabled()) {
        // The last card's "Next Turn" is still to be clicked once the game
        // is over; after it, there is nothing left to play.
        if (game.Over() && !game.HandOverDue())
            computerTimer_.stop();
        return;
    }
    const Scorecard &scorecard = card->Card();
    if (!scorecard.DiceShown() || scorecard.TurnScored()) {
        plan_.reset();
        card->cmdRoll_Click();
        return;
    }
    if (!engine()) {
        WhenReady([] {});
        return;
    }
    if (!plan_)
        plan_ = ChooseAction(engine()->Advise(strategy::StateOf(scorecard), scorecard.Dice,
                                              RollsPerTurn - scorecard.RollNum));
    if (plan_->kind == strategy::Action::Score) {
        const int index = int(plan_->category);
        plan_.reset();
        if (index < UpperCount)
            card->lblNums_Click(index + 1);
        else {
            const std::array<void (frmQuintix::*)(), 7> lower{
                &frmQuintix::lbl3Kind_Click, &frmQuintix::lbl4Kind_Click, &frmQuintix::lblFullHouse_Click,
                &frmQuintix::lblSmall_Click, &frmQuintix::lblLarge_Click, &frmQuintix::lblQuintix_Click,
                &frmQuintix::lblChance_Click};
            (card->*lower.at(std::size_t(index - UpperCount)))();
        }
        return;
    }
    // One die a step, so that each hold is seen and heard, then the roll.
    const std::array<bool, 5> holds = HoldsFor(scorecard, plan_->kept);
    for (int i = 0; i <= 4; ++i) {
        if (holds.at(std::size_t(i)) != scorecard.Held(i)) {
            card->picDice_Click(i);
            return;
        }
    }
    plan_.reset();
    card->cmdRoll_Click();
}
