// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/review.h"

#include <algorithm>

namespace review {

std::shared_ptr<DecisionLog> DecisionLog::Follow(Scorecard &card)
{
    auto log = std::make_shared<DecisionLog>();
    // The card is the listener's owner; a pointer to it cannot dangle while
    // the listener runs, and holding the card here would keep it forever.
    Scorecard *heard = &card;
    card.Listen([log, heard](Scorecard::Change change, int detail) { log->Heard(*heard, change, detail); });
    return log;
}

std::vector<int> HeldFaces(const Scorecard &card, const Hand &dice)
{
    std::vector<int> faces;
    for (std::size_t i = 0; i < dice.size(); ++i) {
        if (card.Held(int(i)))
            faces.push_back(dice[i]);
    }
    std::sort(faces.begin(), faces.end());
    return faces;
}

void DecisionLog::Heard(const Scorecard &card, Scorecard::Change change, int detail)
{
    switch (change) {
    case Scorecard::Change::Rolled:
        if (card.RollNum == 1) {
            // Nothing is decided before the first roll; the card's boxes are
            // still those the turn began with.
            turnState_ = strategy::StateOf(card);
            turn_ = card.TurnNum;
        } else {
            // Holds do not change with a roll: what is held now was kept
            // from the dice of the roll before.
            Decision keep{turn_, std::int16_t(card.RollNum - 1), turnState_, lastDice_, RollsPerTurn - (card.RollNum - 1),
                          strategy::Action::Keep, HeldFaces(card, lastDice_), Category::Chance};
            decisions_.push_back(std::move(keep));
        }
        lastDice_ = card.Dice;
        break;
    case Scorecard::Change::Scored:
        decisions_.push_back({turn_, card.RollNum, turnState_, card.Dice, RollsPerTurn - card.RollNum,
                              strategy::Action::Score, {}, Category(detail)});
        break;
    case Scorecard::Change::Held:
    case Scorecard::Change::TurnStarted:
        break;
    }
}

std::optional<Costed> Cost(const strategy::Engine &engine, const Decision &decision)
{
    const std::vector<strategy::Action> actions = engine.Advise(decision.state, decision.dice, decision.rollsLeft);
    if (actions.empty())
        return std::nullopt;
    const auto chosen = std::find_if(actions.begin(), actions.end(), [&decision](const strategy::Action &action) {
        if (action.kind != decision.kind)
            return false;
        return action.kind == strategy::Action::Keep ? action.kept == decision.kept
                                                     : action.category == decision.category;
    });
    if (chosen == actions.end())
        return std::nullopt;
    return Costed{decision, actions.front(), std::max(0.0, actions.front().expected - chosen->expected)};
}

Report Review(const strategy::Engine &engine, const std::vector<Decision> &decisions, double threshold)
{
    Report report;
    for (const Decision &decision : decisions) {
        if (const auto costed = Cost(engine, decision)) {
            report.totalLost += costed->lost;
            if (costed->lost >= threshold)
                report.costly.push_back(*costed);
        }
    }
    return report;
}

} // namespace review
