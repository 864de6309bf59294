// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/strategy.h"
#include "check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>

namespace {

using strategy::Action;
using strategy::Engine;
using strategy::Rules;
using strategy::State;

constexpr strategy::UsedMask All = (1 << CategoryCount) - 1;

strategy::UsedMask Bit(Category c) { return strategy::UsedMask(1u << int(c)); }

// Each table is solved once per run: under the sanitizers a solve is slow.
const Engine &Solved(Rules rules)
{
    static std::map<Rules, std::unique_ptr<Engine>> engines;
    auto &engine = engines[rules];
    if (!engine) {
        engine = std::make_unique<Engine>(rules);
        engine->Solve();
    }
    return *engine;
}

std::string Fixed4(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

// An independent player of the last turns: ordered dice, holds by position,
// every roll enumerated with its chance, the rules written out again here.
// It knows nothing of multisets, keeps or the engine's table; it only
// remembers each ordered roll's value under the sorted roll's number.
class Brute
{
public:
    explicit Brute(Rules rules) : rules_(rules) {}

    double Expected(const State &s)
    {
        if (s.used == All)
            return s.upper >= 63 ? 35 : 0;
        const auto key = Key(s);
        if (auto found = expected_.find(key); found != expected_.end())
            return found->second;
        double sum = 0;
        ForEachRoll(Hand{}, 0, [&](const Hand &dice, double chance) { sum += chance * Decide(s, dice, 2); });
        return expected_[key] = sum;
    }

    // What the points of `dice` in `c` and the game after it are worth.
    double Score(const State &s, const Hand &dice, Category c)
    {
        card_.Dice = dice;
        double points = card_.PointsFor(c);
        State next = s;
        next.used = strategy::UsedMask(s.used | Bit(c));
        if (int(c) < UpperCount)
            next.upper += card_.PointsFor(c);
        if (rules_ == Rules::ExtraBonusAndJoker && IsFiveOfAKind(dice)) {
            if ((s.used & Bit(Category::FiveOfAKind)) && s.fiveOfAKindScored50)
                points += 100;
            if (s.used & Bit(Category(dice[0] - 1))) {
                if (c == Category::FullHouse)
                    points += 25;
                if (c == Category::SmallStraight)
                    points += 30;
                if (c == Category::LargeStraight)
                    points += 40;
            }
            if (c == Category::FiveOfAKind)
                next.fiveOfAKindScored50 = true;
        }
        return points + Expected(next);
    }

    // The value of a hand with rolls left: the best of scoring now and of
    // every set of held positions.
    double Decide(const State &s, const Hand &dice, int rollsLeft)
    {
        double &value = Known(s, rollsLeft)[std::size_t(Sorted(dice))];
        if (value >= 0)
            return value;
        for (int c = 0; c < CategoryCount; ++c)
            if (!(s.used & Bit(Category(c))))
                value = std::max(value, Score(s, dice, Category(c)));
        for (int held = 0; rollsLeft > 0 && held < 32; ++held)
            value = std::max(value, Hold(s, dice, held, rollsLeft));
        return value;
    }

    // Holding the dice at the positions set in `held` and rolling the rest.
    double Hold(const State &s, const Hand &dice, int held, int rollsLeft)
    {
        std::vector<double> &after = Known(s, rollsLeft - 1);
        double sum = 0;
        ForEachRoll(dice, held, [&](const Hand &next, double chance) {
            const double known = after[std::size_t(Sorted(next))];
            sum += chance * (known >= 0 ? known : Decide(s, next, rollsLeft - 1));
        });
        return sum;
    }

private:
    static std::tuple<int, int, bool> Key(const State &s)
    {
        return {s.used, std::min(s.upper, 63), s.fiveOfAKindScored50};
    }

    std::vector<double> &Known(const State &s, int rollsLeft)
    {
        std::vector<double> &known = decided_[std::tuple_cat(Key(s), std::make_tuple(rollsLeft))];
        if (known.empty())
            known.assign(7776, -1);
        return known;
    }

    // The number of the sorted roll, for any order of its dice.
    static int Sorted(const Hand &dice)
    {
        static const std::vector<int> sorted = [] {
            std::vector<int> codes(7776);
            for (int code = 0; code < 7776; ++code) {
                std::array<int, 5> d{};
                for (int i = 0, c = code; i < 5; ++i, c /= 6)
                    d[std::size_t(i)] = c % 6;
                std::sort(d.begin(), d.end());
                codes[std::size_t(code)] = (((d[0] * 6 + d[1]) * 6 + d[2]) * 6 + d[3]) * 6 + d[4];
            }
            return codes;
        }();
        int code = 0;
        for (std::int16_t d : dice)
            code = code * 6 + d - 1;
        return sorted[std::size_t(code)];
    }

    template <typename Use>
    static void ForEachRoll(Hand dice, int held, Use &&use, std::size_t at = 0, double chance = 1)
    {
        if (at == 5)
            return use(dice, chance);
        if (held >> at & 1)
            return ForEachRoll(dice, held, use, at + 1, chance);
        for (std::int16_t face = 1; face <= 6; ++face) {
            dice[at] = face;
            ForEachRoll(dice, held, use, at + 1, chance / 6);
        }
    }

    Rules rules_;
    Scorecard card_{[] { return 0.0f; }};
    std::map<std::tuple<int, int, bool>, double> expected_;
    std::map<std::tuple<int, int, bool, int>, std::vector<double>> decided_;
};

// Every action the engine offers against the brute player's value for it,
// and the brute player's best against the engine's first.
void CheckAdvice(Brute &brute, Rules rules, const State &s, const Hand &dice, int rollsLeft)
{
    const std::vector<Action> actions = Solved(rules).Advise(s, dice, rollsLeft);
    std::set<std::vector<int>> keeps;
    for (const Action &a : actions) {
        double expected;
        if (a.kind == Action::Score) {
            expected = brute.Score(s, dice, a.category);
        } else {
            CHECK(keeps.insert(a.kept).second);
            // Hold the first die of each kept face, as a player would.
            Hand order = dice;
            std::sort(order.begin(), order.end());
            int held = 0;
            std::multiset<int> wanted(a.kept.begin(), a.kept.end());
            for (int i = 0; i < 5; ++i)
                if (auto it = wanted.find(order[std::size_t(i)]); it != wanted.end()) {
                    wanted.erase(it);
                    held |= 1 << i;
                }
            CHECK(wanted.empty());
            expected = brute.Hold(s, order, held, rollsLeft);
        }
        CHECK(std::abs(a.expected - expected) < 1e-9);
    }
    CHECK(!actions.empty());
    if (!actions.empty())
        CHECK(std::abs(actions.front().expected - brute.Decide(s, dice, rollsLeft)) < 1e-9);
    for (std::size_t i = 1; i < actions.size(); ++i)
        CHECK(actions[i - 1].expected >= actions[i].expected);
    // Every distinct part of the hand but all of it; nothing to keep without rolls.
    std::set<std::multiset<int>> parts;
    for (int held = 0; held < 31; ++held) {
        std::multiset<int> part;
        for (int i = 0; i < 5; ++i)
            if (held >> i & 1)
                part.insert(dice[std::size_t(i)]);
        parts.insert(part);
    }
    CHECK_EQ(keeps.size(), rollsLeft > 0 ? parts.size() : 0u);
}

} // namespace

TEST(theTestRulesGiveThePublishedOptimum)
{
    CHECK_EQ(Fixed4(Solved(Rules::ExtraBonusAndJoker).ExpectedFromStart()), std::string("254.5896"));
}

TEST(theLastTurnsMatchEveryRollEnumerated)
{
    const Engine &game = Solved(Rules::Game);
    Brute brute(Rules::Game);
    const strategy::UsedMask sixesOpen = All & ~Bit(Category::Sixes);
    const strategy::UsedMask twoLowerOpen = All & ~Bit(Category::FullHouse) & ~Bit(Category::LargeStraight);
    const strategy::UsedMask onesAndChance = All & ~Bit(Category::Ones) & ~Bit(Category::Chance);
    // The bonus within three sixes or out of reach; two patterns left; an
    // upper box and Chance, with the bonus at stake. Each state costs the
    // brute player seconds under the sanitizers: few, but each telling.
    for (const State &s : {State{sixesOpen, 45}, State{sixesOpen, 20}, State{twoLowerOpen, 10},
                           State{onesAndChance, 61}})
        CHECK(std::abs(game.Expected(s) - brute.Expected(s)) < 1e-9);
    // Nothing is left to come but a bonus already won.
    CHECK_EQ(game.Expected(State{All, 80}), 35.0);
    CHECK_EQ(game.Expected(State{All, 62}), 0.0);

    CheckAdvice(brute, Rules::Game, State{onesAndChance, 61}, Hand{1, 5, 1, 5, 6}, 2);
    CheckAdvice(brute, Rules::Game, State{onesAndChance, 61}, Hand{1, 5, 2, 3, 6}, 1);
    CheckAdvice(brute, Rules::Game, State{twoLowerOpen, 10}, Hand{3, 3, 3, 4, 4}, 0);
    // Five equal dice are no full house under the game's rules.
    CheckAdvice(brute, Rules::Game, State{twoLowerOpen, 10}, Hand{4, 4, 4, 4, 4}, 1);
}

TEST(theJokerAndTheExtraBonusMatchEveryRollEnumerated)
{
    const Engine &extra = Solved(Rules::ExtraBonusAndJoker);
    Brute brute(Rules::ExtraBonusAndJoker);
    const strategy::UsedMask patternsOpen = All & ~Bit(Category::FullHouse) & ~Bit(Category::SmallStraight);
    const strategy::UsedMask onesAndFive = All & ~Bit(Category::Ones) & ~Bit(Category::FiveOfAKind);
    const State jokers{patternsOpen, 63, true};
    CHECK(std::abs(extra.Expected(jokers) - brute.Expected(jokers)) < 1e-9);
    // A joker (twos used) with the 100 on top, and the hope of one.
    CheckAdvice(brute, Rules::ExtraBonusAndJoker, jokers, Hand{2, 2, 2, 2, 2}, 0);
    CheckAdvice(brute, Rules::ExtraBonusAndJoker, jokers, Hand{2, 2, 2, 2, 1}, 1);
    // No joker while Ones is open, and no 100 before the 50.
    CheckAdvice(brute, Rules::ExtraBonusAndJoker, State{onesAndFive, 60}, Hand{1, 1, 1, 1, 1}, 0);
    // The flag means nothing under the game's rules.
    CHECK_EQ(Solved(Rules::Game).Expected(State{patternsOpen, 63, true}),
             Solved(Rules::Game).Expected(State{patternsOpen, 63, false}));
}

TEST(theWholeGameIsWorthMoreBeforeEachDecision)
{
    const Engine &game = Solved(Rules::Game);
    // Our own figure for the game's rules, which brute force confirms turn by
    // turn above; a change in it is a change in the rules or the engine.
    CHECK_EQ(Fixed4(game.ExpectedFromStart()), std::string("245.8708"));
    // Upper points from 63 up count alike, and a used box never adds value.
    const strategy::UsedMask upperUsed = 63;
    CHECK_EQ(game.Expected(State{upperUsed, 63}), game.Expected(State{upperUsed, 105}));
    CHECK(std::abs(game.Expected(State{upperUsed, 63}) - game.Expected(State{upperUsed, 62}) - 35) < 1e-9);
    CHECK(game.Expected(State{Bit(Category::Chance), 0}) < game.ExpectedFromStart());
    // On a fresh card a pair of sixes and three junk dice: keep the pair.
    const std::vector<Action> advice = game.Advise(State{}, Hand{6, 2, 6, 1, 4}, 2);
    CHECK(advice.front().kind == Action::Keep);
    CHECK_EQ(advice.front().kept, (std::vector<int>{6, 6}));
    CHECK_EQ(advice.size(), 13u + 23u);
}

// Far from the end, where brute force cannot go: the table's value of a
// state must be what its advice promises, averaged over every first roll.
// States that share their used boxes are solved side by side; this catches
// one that borrows another's values.
TEST(theTableKeepsTheAdvicesPromiseMidGame)
{
    const Engine &game = Solved(Rules::Game);
    const Engine &extra = Solved(Rules::ExtraBonusAndJoker);
    std::map<Hand, double> rolls;
    for (int code = 0; code < 7776; ++code) {
        Hand dice{};
        for (int i = 0, c = code; i < 5; ++i, c /= 6)
            dice[std::size_t(i)] = std::int16_t(c % 6 + 1);
        std::sort(dice.begin(), dice.end());
        rolls[dice] += 1.0 / 7776;
    }
    CHECK_EQ(rolls.size(), 252u);
    const strategy::UsedMask someUsed = strategy::UsedMask(Bit(Category::Twos) | Bit(Category::Fours) |
                                                           Bit(Category::FullHouse) | Bit(Category::FiveOfAKind));
    for (const Engine *engine : {&game, &extra}) {
        for (const State &s : {State{}, State{someUsed, 4}, State{someUsed, 14}, State{someUsed, 26, true},
                               State{strategy::UsedMask(someUsed | 63), 70}}) {
            double promised = 0;
            for (const auto &[dice, chance] : rolls)
                promised += chance * engine->Advise(s, dice, 2).front().expected;
            CHECK(std::abs(promised - engine->Expected(s)) < 1e-9);
        }
    }
}

TEST(cardsAndBadQuestions)
{
    Scorecard card([] { return 0.5f; });
    std::array<std::optional<std::int16_t>, CategoryCount> points{};
    points[int(Category::Threes)] = 9;
    points[int(Category::Sixes)] = 24;
    points[int(Category::FiveOfAKind)] = 50;
    points[int(Category::Chance)] = 21;
    card.Fill(points);
    const State s = strategy::StateOf(card);
    CHECK_EQ(s.used, strategy::UsedMask(Bit(Category::Threes) | Bit(Category::Sixes) |
                                        Bit(Category::FiveOfAKind) | Bit(Category::Chance)));
    CHECK_EQ(s.upper, 33);
    CHECK(s.fiveOfAKindScored50);
    points[int(Category::FiveOfAKind)] = 0;
    card.Fill(points);
    CHECK(!strategy::StateOf(card).fiveOfAKindScored50);

    // Upper points the used boxes can hold, up to 105, and no others.
    CHECK(strategy::Possible(State{63, 105}));
    CHECK(!strategy::Possible(State{63, 106}));
    CHECK(!strategy::Possible(State{0, 1}));
    const strategy::UsedMask threesAndSixes = strategy::UsedMask(Bit(Category::Threes) | Bit(Category::Sixes));
    CHECK(strategy::Possible(State{threesAndSixes, 33}));
    CHECK(!strategy::Possible(State{threesAndSixes, 34}));
    CHECK(!strategy::Possible(State{Bit(Category::Sixes), 64}));
    CHECK(!strategy::Possible(State{strategy::UsedMask(1u << 13), 0}));

    const Engine &game = Solved(Rules::Game);
    CHECK_THROWS(std::invalid_argument, game.Expected(State{0, 1}));
    CHECK_THROWS(std::invalid_argument, game.Advise(State{0, 1}, Hand{1, 2, 3, 4, 5}, 0));
    CHECK_THROWS(std::invalid_argument, game.Advise(State{}, Hand{1, 2, 3, 4, 7}, 0));
    CHECK_THROWS(std::invalid_argument, game.Advise(State{}, Hand{1, 2, 3, 4, 5}, 3));
    CHECK_THROWS(std::invalid_argument, game.Advise(State{All, 0}, Hand{1, 2, 3, 4, 5}, 0));
    CHECK_THROWS(std::logic_error, Engine().ExpectedFromStart());
}

int main() { return check::RunAll(); }
