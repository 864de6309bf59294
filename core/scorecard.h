// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modQuintix.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// The thirteen categories in scorecard order: the upper section's six, then
// the lower section's seven.
enum class Category : int {
    Ones, Twos, Threes, Fours, Fives, Sixes,
    ThreeOfAKind, FourOfAKind, FullHouse, SmallStraight, LargeStraight, FiveOfAKind, Chance,
};
inline constexpr int CategoryCount = 13;
inline constexpr int UpperCount = 6;
inline constexpr std::int16_t LastTurn = 13;
inline constexpr std::int16_t RollsPerTurn = 3;

// One score box: open (shown red) with the preview of what it would score,
// or used (shown black) with the points it took. An empty box shows nothing.
struct ScoreBox {
    bool used = false;
    std::optional<std::int16_t> shown;
};

// What the status text beside the roll button says, with its numbers.
struct Status {
    enum Kind { ReadyToRoll, ReadyForRoll, NoMoreRolls, Earned } kind = ReadyToRoll;
    std::int16_t turn = 1;
    // The roll asked for next (ReadyForRoll) or the points earned (Earned).
    std::int16_t number = 0;
};

// The totals, which the card shows only once its last category is used.
struct CardTotals {
    std::int16_t subtotal = 0, bonus = 0, total1 = 0, total2 = 0, grandTotal = 0;
};

// One player's game: the dice and their holds, the rolls and turns, and the
// thirteen categories with their totals. Every move a player can make is a
// method that does nothing when the move does not apply now, and returns
// whether it did; whoever listens hears of each change after it is made.
class Scorecard
{
public:
    enum class Change { Rolled, Held, Scored, TurnStarted };
    // `detail` is the die (Held) or the category (Scored).
    using Listener = std::function<void(Change change, int detail)>;
    // `rnd` gives r with 0 <= r < 1 for each die drawn.
    explicit Scorecard(std::function<float()> rnd);

    void Listen(Listener listener) { listeners_.push_back(std::move(listener)); }

    // A roll: every die not held gets a new face; the open boxes preview it.
    // Only before a score, and up to three times a turn.
    bool Roll();
    // Shows or hides die `index`'s hold marker, 0..4, between rolls.
    bool ToggleHold(int index);
    // Scores the dice in an open category after at least one roll.
    bool Score(Category category);
    // After a score: clears the dice for this player's next turn. The game
    // then hands the turn over.
    bool StartTurn();

    // Sets the card up as if the given categories had been scored with these
    // points in earlier turns, the others open: for a game taken up part way,
    // as an analysis or a test needs one. Tells no one.
    void Fill(const std::array<std::optional<std::int16_t>, CategoryCount> &points);

    // Writes into every open box what it would score with the dice.
    void CheckDice();
    // Whether `category` can be scored now.
    bool TakesScore(Category category) const;
    // What scoring the dice in `category` earns.
    std::int16_t PointsFor(Category category) const;

    std::int16_t TurnNum = 1;
    std::int16_t RollNum = 0;
    Hand Dice{};
    bool CanHold = false;

    bool Held(int index) const { return held_.at(std::size_t(index)); }
    // Dice show faces from the turn's first roll until the next turn starts.
    bool DiceShown() const { return RollNum > 0; }
    // After a score the turn waits to be passed on ("Next Turn").
    bool TurnScored() const { return scored_; }
    const ScoreBox &Box(Category category) const { return boxes_.at(std::size_t(category)); }
    const Status &StatusText() const { return status_; }
    // Set once the last category is used.
    const std::optional<CardTotals> &Totals() const { return totals_; }
    // Points of the used categories so far.
    int Scored() const;

private:
    void FinishTurn(std::int16_t points);
    void UpdateTotals();
    void Tell(Change change, int detail = 0);

    std::function<float()> rnd_;
    std::array<bool, 5> held_{};
    std::array<ScoreBox, CategoryCount> boxes_{};
    bool scored_ = false;
    Status status_;
    std::optional<CardTotals> totals_;
    std::vector<Listener> listeners_;
};
