// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/strategy.h"
#include "core/strategy_dice.h"

#include <array>
#include <functional>

// One turn of perfect play, given the values of the states it can lead to.
namespace strategy::detail {

// A state as the table numbers it: upper points capped at 63.
struct Place {
    UsedMask used = 0;
    int upper = 0;
    bool scored50 = false;
};

// What each category is worth from one state: its points plus the expected
// points after it, so that a turn needs no table look-up per hand.
struct Successors {
    Rules rules = Rules::Game;
    Place from;
    // Lower categories: the value after scoring them (their points apart).
    std::array<double, CategoryCount> after{};
    // Upper categories: points plus value after, for 0..5 dice of the face.
    std::array<std::array<double, 6>, UpperCount> upper{};
    // Rules::ExtraBonusAndJoker: the value after five of a kind scores 50.
    double afterFiftyInFiveOfAKind = 0;

    bool Open(int category) const { return !(from.used >> category & 1); }
};

using Lookup = std::function<double(const Place &)>;
Successors SuccessorsOf(const Place &from, Rules rules, const Lookup &expected);

// The value of scoring hand `hand` (0..251) in an open category now.
double ScoreValue(const Successors &s, int hand, int category);

// A turn is worked out for four states of the same used boxes at once, one
// in each lane: the keeps' arithmetic is the same for all, so its look-ups
// and loops are paid once, and the lanes fill the processor's vectors.
inline constexpr int LaneCount = 2;
typedef double Lanes __attribute__((vector_size(LaneCount * sizeof(double))));
using Batch = std::array<Successors, LaneCount>;

// The keeps' and hands' values, in place over all 462 keeps.
using KeepValues = std::array<Lanes, KeepCount>;
// Hands: the best score now.
void FillScores(const Batch &batch, KeepValues &values);
// Keeps below five dice: the mean over the next die, from the hands' values.
void Average(KeepValues &values);
// Every keep: the best of itself and the keeps inside it, so that a hand
// gets the best it can keep with one more roll.
void BestInside(KeepValues &values);
// The expected value before the turn's first roll.
Lanes TurnValues(const Batch &batch);

} // namespace strategy::detail
