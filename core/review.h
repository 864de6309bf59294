// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/scorecard.h"
#include "core/strategy.h"

#include <memory>
#include <optional>
#include <vector>

// What a player decided during a game, and what each decision cost against
// perfect play. The decisions are heard from the card as they are made, and
// costed only when asked: the engine may not be ready while the game is on.
namespace review {

struct Decision {
    std::int16_t turn = 1;
    // The roll the dice came from, 1..3.
    std::int16_t roll = 1;
    strategy::State state;
    Hand dice{};
    int rollsLeft = 0;
    // Keep: the faces held for the next roll, ascending; Score: the category.
    strategy::Action::Kind kind = strategy::Action::Keep;
    std::vector<int> kept;
    Category category = Category::Chance;
};

// Every decision on one card, in the order made.
class DecisionLog
{
public:
    // Starts hearing `card`'s changes; the card keeps the log alive for as
    // long as it exists, and so may whoever reads it.
    static std::shared_ptr<DecisionLog> Follow(Scorecard &card);

    const std::vector<Decision> &Decisions() const { return decisions_; }
    // What the card's changes mean as decisions.
    void Heard(const Scorecard &card, Scorecard::Change change, int detail);

private:
    std::vector<Decision> decisions_;
    strategy::State turnState_;
    Hand lastDice_{};
    std::int16_t turn_ = 1;
};

struct Costed {
    Decision decision;
    // What perfect play does with the same dice.
    strategy::Action best;
    // Expected points lost by the decision: 0 for a perfect one.
    double lost = 0;
};

// The decision's cost, or nothing when the engine offers no such action.
std::optional<Costed> Cost(const strategy::Engine &engine, const Decision &decision);

struct Report {
    // The decisions that cost at least `threshold`, in order.
    std::vector<Costed> costly;
    // The expected points lost by all decisions together.
    double totalLost = 0;
};

Report Review(const strategy::Engine &engine, const std::vector<Decision> &decisions, double threshold = 0.5);

// The faces held on a card, ascending.
std::vector<int> HeldFaces(const Scorecard &card, const Hand &dice);

} // namespace review
