// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/strategy.h"

#include "core/strategy_turn.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <stdexcept>
#include <thread>

namespace strategy {

using namespace detail;

namespace {

constexpr int AllUsed = (1 << CategoryCount) - 1;
constexpr int FiveOfAKind = int(Category::FiveOfAKind);

// The upper points (capped at 63) that the used upper boxes can hold: the
// table keeps no room for the others, which is most of them.
std::array<std::uint64_t, 64> ReachableUpper()
{
    std::array<std::uint64_t, 64> reach{};
    for (int mask = 0; mask < 64; ++mask) {
        std::uint64_t sums = 1;
        for (int face = 1; face <= 6; ++face) {
            if (!(mask >> (face - 1) & 1))
                continue;
            std::uint64_t next = 0;
            for (int n = 0; n <= 5; ++n)
                for (int u = 0; u < 64; ++u)
                    if (sums >> u & 1)
                        next |= std::uint64_t(1) << std::min(63, u + face * n);
            sums = next;
        }
        reach[std::size_t(mask)] = sums;
    }
    return reach;
}

} // namespace

struct Engine::Table {
    Rules rules;
    std::array<std::uint64_t, 64> reach = ReachableUpper();
    std::vector<std::uint32_t> offset = std::vector<std::uint32_t>(AllUsed + 2);
    std::size_t perFlag = 0;
    std::vector<double> values;

    explicit Table(Rules r) : rules(r)
    {
        for (int mask = 0; mask <= AllUsed; ++mask)
            offset[std::size_t(mask + 1)] =
                offset[std::size_t(mask)] + std::uint32_t(std::popcount(reach[std::size_t(mask & 63)]));
        perFlag = offset[std::size_t(AllUsed + 1)];
        values.assign(perFlag * (rules == Rules::ExtraBonusAndJoker ? 2 : 1), 0.0);
    }

    bool Holds(const Place &p) const { return reach[p.used & 63u] >> p.upper & 1; }

    std::size_t Index(const Place &p) const
    {
        const std::uint64_t below = reach[p.used & 63u] & ((std::uint64_t(1) << p.upper) - 1);
        return (p.scored50 ? perFlag : 0) + offset[p.used] + std::size_t(std::popcount(below));
    }

    double &At(const Place &p) { return values[Index(p)]; }
    double At(const Place &p) const { return values[Index(p)]; }

    Successors From(const Place &p) const
    {
        return SuccessorsOf(p, rules, [this](const Place &next) { return At(next); });
    }

    // Every state whose used boxes are `mask`.
    void SolveMask(int mask)
    {
        const bool flagMatters = rules == Rules::ExtraBonusAndJoker && (mask >> FiveOfAKind & 1);
        // Upper points from which even five of each open face miss the
        // bonus are all worth the same: one of them is worked out.
        int open = 0;
        for (int face = 1; face <= 6; ++face)
            if (!(mask >> (face - 1) & 1))
                open += 5 * face;
        for (int flag = 0; flag <= (flagMatters ? 1 : 0); ++flag) {
            std::array<int, 64> todo{};
            int count = 0, hopeless = -1;
            for (int upper = 0; upper < 64; ++upper) {
                const Place p{UsedMask(mask), upper, flag == 1};
                if (!Holds(p))
                    continue;
                if (mask == AllUsed)
                    At(p) = upper >= 63 ? 35.0 : 0.0;
                else if (upper + open >= 63 || hopeless < 0)
                    todo[std::size_t(count++)] = upper;
                if (upper + open < 63 && hopeless < 0)
                    hopeless = upper;
            }
            for (int i = 0; i < count; i += LaneCount) {
                Batch batch;
                // A last batch short of states repeats its last one.
                for (int lane = 0; lane < LaneCount; ++lane) {
                    const int upper = todo[std::size_t(std::min(i + lane, count - 1))];
                    batch[std::size_t(lane)] = From({UsedMask(mask), upper, flag == 1});
                }
                const Lanes values = TurnValues(batch);
                for (int lane = 0; lane < LaneCount && i + lane < count; ++lane)
                    At({UsedMask(mask), todo[std::size_t(i + lane)], flag == 1}) = values[lane];
            }
            if (hopeless < 0 || mask == AllUsed)
                continue;
            const double same = At({UsedMask(mask), hopeless, flag == 1});
            for (int upper = hopeless + 1; upper + open < 63; ++upper)
                if (Holds({UsedMask(mask), upper, flag == 1}))
                    At({UsedMask(mask), upper, flag == 1}) = same;
        }
    }
};

State StateOf(const Scorecard &card)
{
    State state;
    for (int c = 0; c < CategoryCount; ++c) {
        const ScoreBox &box = card.Box(Category(c));
        if (!box.used)
            continue;
        state.used = UsedMask(state.used | (1u << c));
        if (c < UpperCount)
            state.upper += box.shown.value_or(0);
    }
    const ScoreBox &five = card.Box(Category::FiveOfAKind);
    state.fiveOfAKindScored50 = five.used && five.shown.value_or(0) == 50;
    return state;
}

bool Possible(const State &state)
{
    if (state.used > AllUsed || state.upper < 0 || state.upper > 105)
        return false;
    static const std::array<std::uint64_t, 64> reach = ReachableUpper();
    const std::uint64_t sums = reach[state.used & 63u];
    if (state.upper < 63)
        return sums >> state.upper & 1;
    // Above 63 the cap hides the points: ask whether any sum of the used
    // upper boxes comes to exactly this many.
    std::array<bool, 106> exact{};
    exact[0] = true;
    for (int face = 1; face <= 6; ++face) {
        if (!(state.used >> (face - 1) & 1))
            continue;
        std::array<bool, 106> next{};
        for (int u = 0; u <= 105; ++u)
            for (int n = 0; n <= 5 && exact[std::size_t(u)] && u + face * n <= 105; ++n)
                next[std::size_t(u + face * n)] = true;
        exact = next;
    }
    return exact[std::size_t(state.upper)];
}

Engine::Engine(Rules rules) : rules_(rules) {}
Engine::~Engine() = default;

void Engine::Solve()
{
    auto table = std::make_unique<Table>(rules_);
    std::array<std::vector<int>, CategoryCount + 1> levels;
    for (int mask = 0; mask <= AllUsed; ++mask)
        levels[std::size_t(std::popcount(unsigned(mask)))].push_back(mask);
    for (std::vector<int> &masks : levels)
        std::stable_sort(masks.begin(), masks.end(), [&](int a, int b) {
            return std::popcount(table->reach[std::size_t(a & 63)]) > std::popcount(table->reach[std::size_t(b & 63)]);
        });
    const unsigned helpers = std::max(1u, std::thread::hardware_concurrency()) - 1;
    // Each level needs only the one after it: its masks are shared out, the
    // biggest first so that no thread is left with a long one at the end.
    for (int level = CategoryCount; level >= 0; --level) {
        const std::vector<int> &masks = levels[std::size_t(level)];
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            for (std::size_t i; (i = next.fetch_add(1)) < masks.size();)
                table->SolveMask(masks[i]);
        };
        std::vector<std::jthread> threads;
        for (unsigned t = 0; t < helpers && masks.size() > 8; ++t)
            threads.emplace_back(work);
        work();
    }
    table_ = std::move(table);
}

std::size_t Engine::TableBytes() const
{
    return table_ ? table_->values.capacity() * sizeof(double) + table_->offset.capacity() * sizeof(std::uint32_t) : 0;
}

namespace {

Place PlaceOf(const State &state, Rules rules)
{
    if (!Possible(state))
        throw std::invalid_argument("no card has these upper points with these boxes used");
    const bool flag = rules == Rules::ExtraBonusAndJoker && state.fiveOfAKindScored50 &&
                      (state.used >> FiveOfAKind & 1);
    return {state.used, std::min(state.upper, 63), flag};
}

} // namespace

double Engine::Expected(const State &state) const
{
    if (!table_)
        throw std::logic_error("the strategy table is not solved yet");
    return table_->At(PlaceOf(state, rules_));
}

std::vector<Action> Engine::Advise(const State &state, const Hand &dice, int rollsLeft) const
{
    if (!table_)
        throw std::logic_error("the strategy table is not solved yet");
    if (rollsLeft < 0 || rollsLeft > 2)
        throw std::invalid_argument("rolls left must be 0, 1 or 2");
    const Place place = PlaceOf(state, rules_);
    if (place.used == AllUsed)
        throw std::invalid_argument("every box is used");
    const Counts counts = CountsOf(dice);
    const int hand = KeepOf(counts) - FirstHand;
    const Successors s = table_->From(place);

    std::vector<Action> actions;
    for (int c = 0; c < CategoryCount; ++c)
        if (s.Open(c))
            actions.push_back({Action::Score, {}, Category(c), ScoreValue(s, hand, c)});
    if (rollsLeft > 0) {
        Batch batch;
        batch.fill(s);
        KeepValues values;
        FillScores(batch, values);
        Average(values);
        if (rollsLeft == 2) {
            BestInside(values);
            Average(values);
        }
        // Every distinct part of the hand but the whole of it, which would
        // only put off the best score.
        Counts kept{};
        auto each = [&](auto &&self, std::size_t face) -> void {
            if (face == 6) {
                const int k = KeepOf(kept);
                if (k >= FirstHand)
                    return;
                Action keep{Action::Keep, {}, Category::Chance, values[std::size_t(k)][0]};
                for (std::size_t f = 0; f < 6; ++f)
                    keep.kept.insert(keep.kept.end(), std::size_t(kept[f]), int(f + 1));
                actions.push_back(std::move(keep));
                return;
            }
            for (std::int8_t n = 0; n <= counts[face]; ++n) {
                kept[face] = n;
                self(self, face + 1);
            }
        };
        each(each, 0);
    }
    // Ties: scores before keeps, categories in card order, bigger keeps first.
    std::stable_sort(actions.begin(), actions.end(), [](const Action &a, const Action &b) {
        if (a.expected != b.expected)
            return a.expected > b.expected;
        if (a.kind != b.kind)
            return a.kind == Action::Score;
        return a.kind == Action::Score ? a.category < b.category : a.kept.size() > b.kept.size();
    });
    return actions;
}

} // namespace strategy
