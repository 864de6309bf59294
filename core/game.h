// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/scorecard.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// The game under way: one to eight players who take turns on their own
// scorecards, or none. A player who clicks "Next Turn" asks for the
// hand-over; whoever shows the game is told, and calls HandOver() once that
// click is done with.
class Game
{
public:
    using Listener = std::function<void()>;
    // `rnd` is every card's source of dice: r with 0 <= r < 1.
    explicit Game(std::function<float()> rnd);

    // Tells `listener` whenever a player asks for the hand-over.
    void ListenForHandOver(Listener listener) { handOverListeners_.push_back(std::move(listener)); }

    // Drops the game under way, if any, and deals new cards to `count`
    // players, 1..8; any other count leaves no game under way.
    void NewGame(int count);
    // No game under way.
    void EndGame();

    // 1..8 during a game, 0 when there is none.
    std::int16_t PlayerCount = 0;
    // Whose turn it is, 1..PlayerCount; 0 when there is no game.
    std::int16_t CurrentPlayer = 0;
    // Player i's card, 1..PlayerCount.
    const std::shared_ptr<Scorecard> &Player(int i) const;

    // Whether the last player's card has its totals: the game is over.
    bool Over() const;
    // A player has asked for the hand-over, which has not happened yet.
    bool HandOverDue() const { return handOverDue_; }
    // Passes the turn on to the next player (the first after the last) and
    // returns that player; 0 when the game is over, or no hand-over is due.
    std::int16_t HandOver();

private:
    std::function<float()> rnd_;
    std::vector<std::shared_ptr<Scorecard>> players_;
    std::vector<Listener> handOverListeners_;
    bool handOverDue_ = false;
};
