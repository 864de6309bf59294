// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/strategy_turn.h"

#include <algorithm>
#include <limits>

namespace strategy::detail {

namespace {

constexpr int FiveOfAKind = int(Category::FiveOfAKind);
constexpr double Nothing = -std::numeric_limits<double>::infinity();

int Capped(int upper) { return std::min(upper, 63); }

// A five of a kind under Rules::ExtraBonusAndJoker: the 100 for a further
// one, and the joker once its upper box is used.
double FiveOfAKindValue(const Successors &s, int face, int category)
{
    const bool joker = !s.Open(face - 1);
    const double bonus = !s.Open(FiveOfAKind) && s.from.scored50 ? 100 : 0;
    if (category < UpperCount)
        return bonus + s.upper[std::size_t(category)][category == face - 1 ? 5 : 0];
    if (category == FiveOfAKind)
        return bonus + 50 + s.afterFiftyInFiveOfAKind;
    double points = Tables().points[std::size_t(category)][std::size_t(Tables().allSame[std::size_t(face)])];
    if (joker && category == int(Category::FullHouse))
        points = 25;
    if (joker && category == int(Category::SmallStraight))
        points = 30;
    if (joker && category == int(Category::LargeStraight))
        points = 40;
    return bonus + points + s.after[std::size_t(category)];
}

} // namespace

Successors SuccessorsOf(const Place &from, Rules rules, const Lookup &expected)
{
    Successors s;
    s.rules = rules;
    s.from = from;
    for (int c = 0; c < CategoryCount; ++c) {
        if (!s.Open(c))
            continue;
        Place next = from;
        next.used = UsedMask(from.used | (1u << c));
        if (c < UpperCount) {
            for (int n = 0; n <= 5; ++n) {
                next.upper = Capped(from.upper + (c + 1) * n);
                s.upper[std::size_t(c)][std::size_t(n)] = (c + 1) * n + expected(next);
            }
            continue;
        }
        s.after[std::size_t(c)] = expected(next);
        if (c == FiveOfAKind && rules == Rules::ExtraBonusAndJoker) {
            next.scored50 = true;
            s.afterFiftyInFiveOfAKind = expected(next);
        }
    }
    return s;
}

double ScoreValue(const Successors &s, int hand, int category)
{
    const DiceTables &t = Tables();
    const Counts &counts = t.counts[std::size_t(FirstHand + hand)];
    if (s.rules == Rules::ExtraBonusAndJoker)
        for (int face = 1; face <= 6; ++face)
            if (t.allSame[std::size_t(face)] == hand)
                return FiveOfAKindValue(s, face, category);
    if (category < UpperCount)
        return s.upper[std::size_t(category)][std::size_t(counts[std::size_t(category)])];
    return t.points[std::size_t(category)][std::size_t(hand)] + s.after[std::size_t(category)];
}

void FillScores(const Batch &batch, KeepValues &values)
{
    const DiceTables &t = Tables();
    const Successors &first = batch[0];
    Lanes *hands = values.data() + FirstHand;
    const Lanes nothing = Lanes{} + Nothing;
    std::fill(hands, hands + HandCount, nothing);
    // Category by category over all hands: the inner loops stay simple.
    for (int c = UpperCount; c < CategoryCount; ++c) {
        if (!first.Open(c))
            continue;
        Lanes after;
        for (int lane = 0; lane < LaneCount; ++lane)
            after[lane] = batch[std::size_t(lane)].after[std::size_t(c)];
        const auto &points = t.points[std::size_t(c)];
        for (int h = 0; h < HandCount; ++h) {
            const Lanes v = after + double(points[std::size_t(h)]);
            hands[h] = v > hands[h] ? v : hands[h];
        }
    }
    for (int c = 0; c < UpperCount; ++c) {
        if (!first.Open(c))
            continue;
        std::array<Lanes, 6> byCount;
        for (int n = 0; n <= 5; ++n)
            for (int lane = 0; lane < LaneCount; ++lane)
                byCount[std::size_t(n)][lane] = batch[std::size_t(lane)].upper[std::size_t(c)][std::size_t(n)];
        for (int h = 0; h < HandCount; ++h) {
            const Lanes v = byCount[std::size_t(t.counts[std::size_t(FirstHand + h)][std::size_t(c)])];
            hands[h] = v > hands[h] ? v : hands[h];
        }
    }
    if (first.rules != Rules::ExtraBonusAndJoker)
        return;
    for (int face = 1; face <= 6; ++face) {
        for (int lane = 0; lane < LaneCount; ++lane) {
            double best = Nothing;
            for (int c = 0; c < CategoryCount; ++c)
                if (first.Open(c))
                    best = std::max(best, FiveOfAKindValue(batch[std::size_t(lane)], face, c));
            hands[t.allSame[std::size_t(face)]][lane] = best;
        }
    }
}

void Average(KeepValues &values)
{
    const DiceTables &t = Tables();
    // Sums and maxima in pairs rather than in a chain: the processor works
    // on the pairs at once.
    for (int k = FirstHand - 1; k >= 0; --k) {
        const auto &n = t.plusOne[std::size_t(k)];
        const auto at = [&](std::size_t i) { return values[std::size_t(n[i])]; };
        values[std::size_t(k)] = ((at(0) + at(1)) + (at(2) + at(3)) + (at(4) + at(5))) * (1.0 / 6);
    }
}

namespace {
Lanes Max(Lanes a, Lanes b) { return a > b ? a : b; }
} // namespace

void BestInside(KeepValues &values)
{
    const DiceTables &t = Tables();
    for (int k = 1; k < KeepCount; ++k) {
        const auto &n = t.minusOne[std::size_t(k)];
        const auto at = [&](std::size_t i) { return values[std::size_t(n[i])]; };
        values[std::size_t(k)] = Max(Max(Max(at(0), at(1)), Max(at(2), at(3))), Max(at(4), values[std::size_t(k)]));
    }
}

Lanes TurnValues(const Batch &batch)
{
    KeepValues values;
    FillScores(batch, values);
    Average(values);
    BestInside(values);
    Average(values);
    BestInside(values);
    const DiceTables &t = Tables();
    Lanes sum{};
    for (int h = 0; h < HandCount; ++h)
        sum += t.probability[std::size_t(h)] * values[std::size_t(FirstHand + h)];
    return sum;
}

} // namespace strategy::detail
