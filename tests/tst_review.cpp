// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/review.h"
#include "check.h"

#include <cmath>
#include <deque>

namespace {

struct Dice {
    std::deque<int> faces;
    float operator()()
    {
        const int face = faces.empty() ? 1 : faces.front();
        if (!faces.empty())
            faces.pop_front();
        return (float(face) - 0.5f) / 6;
    }
};

const strategy::Engine &SolvedEngine()
{
    static strategy::Engine engine;
    static const bool solved = (engine.Solve(), true);
    (void)solved;
    return engine;
}

double Lost(const review::Decision &decision, const strategy::Action &chosen)
{
    const auto actions = SolvedEngine().Advise(decision.state, decision.dice, decision.rollsLeft);
    return actions.front().expected - chosen.expected;
}

} // namespace

// A game taken up part way: the log hears the keeps (the holds at the next
// roll, not every toggle), the scores, the state the turn began in, and the
// review costs each decision against the engine's own advice.
TEST(review_hearsEveryDecisionAndCostsItAgainstTheEngine)
{
    auto dice = std::make_shared<Dice>();
    Scorecard card([dice] { return (*dice)(); });
    std::array<std::optional<std::int16_t>, CategoryCount> filled{};
    filled[0] = 3;                           // Ones
    filled[size_t(Category::Sixes)] = 24;    // Sixes
    card.Fill(filled);
    const auto log = review::DecisionLog::Follow(card);

    // Turn 3: keep 1 2 3 4 (a die held and let go on the way), roll, score.
    dice->faces = {1, 2, 3, 4, 6};
    CHECK(card.Roll());
    CHECK(card.ToggleHold(4));
    CHECK(card.ToggleHold(4));
    for (int i = 0; i < 4; ++i)
        CHECK(card.ToggleHold(i));
    dice->faces = {5};
    CHECK(card.Roll());
    CHECK(card.Score(Category::LargeStraight));
    CHECK(card.StartTurn());

    // Turn 4: five sixes after three rolls, thrown away on Twos.
    dice->faces = {6, 6, 6, 6, 6};
    CHECK(card.Roll());
    CHECK(card.Roll());
    dice->faces = {6, 6, 6, 6, 6};
    CHECK(card.Roll());
    CHECK(card.Score(Category::Twos));
    CHECK(card.StartTurn());

    // Turn 5: whatever the engine advises, each step.
    dice->faces = {2, 2, 5, 3, 6, 2, 4, 6, 1, 5};
    CHECK(card.Roll());
    for (;;) {
        const auto advice = SolvedEngine().Advise(strategy::StateOf(card), card.Dice, RollsPerTurn - card.RollNum);
        const strategy::Action &best = advice.front();
        if (best.kind == strategy::Action::Score) {
            CHECK(card.Score(best.category));
            break;
        }
        std::vector<int> wanted = best.kept;
        for (int i = 0; i < 5; ++i) {
            const auto at = std::find(wanted.begin(), wanted.end(), card.Dice[size_t(i)]);
            const bool keep = at != wanted.end();
            if (keep)
                wanted.erase(at);
            if (keep != card.Held(i))
                CHECK(card.ToggleHold(i));
        }
        CHECK(card.Roll());
    }

    const auto &decisions = log->Decisions();
    CHECK(decisions.size() >= 5);
    const review::Decision &keep = decisions.at(0);
    CHECK(keep.kind == strategy::Action::Keep);
    CHECK_EQ(keep.turn, 3);
    CHECK_EQ(keep.roll, 1);
    CHECK_EQ(keep.rollsLeft, 2);
    CHECK(keep.kept == std::vector<int>({1, 2, 3, 4}));
    CHECK(keep.dice == Hand({1, 2, 3, 4, 6}));
    // The state is the turn's start, not the card after its score.
    CHECK_EQ(int(keep.state.used), (1 << 0) | (1 << 5));
    CHECK_EQ(keep.state.upper, 27);
    const review::Decision &straight = decisions.at(1);
    CHECK(straight.kind == strategy::Action::Score);
    CHECK(straight.category == Category::LargeStraight);
    CHECK_EQ(straight.roll, 2);
    CHECK_EQ(straight.rollsLeft, 1);
    CHECK(straight.dice == Hand({1, 2, 3, 4, 5}));
    CHECK_EQ(straight.state.upper, 27);
    // Two rolls with nothing held are two keeps of nothing.
    CHECK(decisions.at(2).kept.empty());
    CHECK(decisions.at(3).kept.empty());
    const review::Decision &waste = decisions.at(4);
    CHECK(waste.category == Category::Twos);
    CHECK_EQ(waste.roll, 3);
    CHECK_EQ(waste.rollsLeft, 0);
    CHECK_EQ(int(waste.state.used), (1 << 0) | (1 << 5) | (1 << int(Category::LargeStraight)));
    for (std::size_t i = 5; i < decisions.size(); ++i)
        CHECK_EQ(decisions[i].turn, 5);

    const review::Report report = review::Review(SolvedEngine(), decisions);
    double total = 0;
    std::size_t listed = 0;
    for (const review::Decision &decision : decisions) {
        const auto costed = review::Cost(SolvedEngine(), decision);
        CHECK(costed.has_value());
        if (!costed)
            continue;
        total += costed->lost;
        CHECK(costed->lost >= 0);
        if (costed->lost >= 0.5) {
            CHECK(listed < report.costly.size());
            if (listed < report.costly.size())
                CHECK_EQ(report.costly[listed].decision.turn, decision.turn);
            ++listed;
        }
        // The engine's own advice costs nothing.
        if (decision.turn == 5)
            CHECK(costed->lost < 1e-9);
    }
    CHECK_EQ(report.costly.size(), listed);
    CHECK(std::abs(report.totalLost - total) < 1e-9);

    // Five sixes on Twos: what it lost is the gap to the best, which scores
    // them as five of a kind.
    const auto wasted = review::Cost(SolvedEngine(), waste);
    CHECK(wasted && wasted->best.kind == strategy::Action::Score);
    if (wasted) {
        CHECK(wasted->best.category == Category::FiveOfAKind);
        CHECK(wasted->lost >= 0.5);
        const auto actions = SolvedEngine().Advise(waste.state, waste.dice, 0);
        for (const strategy::Action &action : actions) {
            if (action.category == Category::Twos)
                CHECK(std::abs(Lost(waste, action) - wasted->lost) < 1e-9);
        }
    }
}

int main() { return check::RunAll(); }
