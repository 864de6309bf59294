// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/scorecard.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// Perfect play for one player who maximises the expected final score: the
// expected points still to come from every state between turns, and within a
// turn the value of every keep and every category for given dice and rolls
// left. "Points still to come" are this turn's points, later turns' points,
// and the 35 bonus if the upper total will reach 63.
namespace strategy {

// The game's own rules, or a variant that only the tests use: each further
// five of a kind earns 100 once the five-of-a-kind box holds 50, and a five
// of a kind whose upper box is used is a joker (full house, small and large
// straight score 25, 30 and 40 with it, and any open box may be chosen).
enum class Rules { Game, ExtraBonusAndJoker };

// Which categories are used: bit `int(category)` set for each.
using UsedMask = std::uint16_t;

// A state between turns. `upper` is the upper section's points so far
// (0..105; everything from 63 up counts alike).
struct State {
    UsedMask used = 0;
    int upper = 0;
    // Only under Rules::ExtraBonusAndJoker: the five-of-a-kind box holds 50.
    bool fiveOfAKindScored50 = false;
};

// The state of a card before its turn's decisions: used boxes, upper points.
State StateOf(const Scorecard &card);

// Whether some card has these upper points with these boxes used (0..105
// points that the used upper boxes can add up to). Expected and Advise throw
// std::invalid_argument for any other state.
bool Possible(const State &state);

// One thing a player can do with the dice in hand.
struct Action {
    enum Kind { Keep, Score } kind = Keep;
    // Keep: the faces kept, ascending (empty: keep nothing, roll all five).
    std::vector<int> kept;
    // Score: the category.
    Category category = Category::Chance;
    // Expected points still to come after taking it, under perfect play.
    double expected = 0;
};

class Engine
{
public:
    explicit Engine(Rules rules = Rules::Game);
    ~Engine();
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    // Computes the whole table of states between turns; may use every core.
    // Call once before anything else; the other methods are then const and
    // safe to call from any thread.
    void Solve();

    // Expected points still to come from a state between turns, before the
    // turn's first roll.
    double Expected(const State &state) const;
    // Expected final score of a new game: Expected of the empty card.
    double ExpectedFromStart() const { return Expected(State{}); }

    // Every action open with these dice, best first (ties in a fixed order):
    // with rolls left (1 or 2) the keeps and the scores, with none only the
    // scores. `dice` are five faces 1..6 in any order. Keeping all five is
    // not offered: it is worth the best score and only puts it off. Throws
    // std::invalid_argument for faces outside 1..6, rolls left outside 0..2,
    // a state that is not Possible, or a card with every box used.
    std::vector<Action> Advise(const State &state, const Hand &dice, int rollsLeft) const;

    // The memory the solved table holds, in bytes.
    std::size_t TableBytes() const;

private:
    struct Table;
    Rules rules_;
    std::unique_ptr<Table> table_;
};

} // namespace strategy
