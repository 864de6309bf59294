// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/modQuintix.h"
#include "core/scorecard.h"

#include <array>
#include <cstdint>
#include <vector>

// The dice as the strategy engine counts them: a "keep" is a multiset of 0 to
// 5 faces, and a hand is a keep of five. Order of the dice never matters to
// the value of a turn, so the engine works on these 462 multisets only.
namespace strategy::detail {

inline constexpr int KeepCount = 462;
inline constexpr int HandCount = 252;
// Keeps are numbered by size, smallest first: the hands come last.
inline constexpr int FirstHand = KeepCount - HandCount;

using Counts = std::array<std::int8_t, 6>; // how many of each face 1..6

struct DiceTables {
    std::array<Counts, KeepCount> counts{};
    // The keep with one more die of each face (keeps of fewer than five).
    std::array<std::array<std::int16_t, 6>, FirstHand> plusOne{};
    // The keeps with one die fewer, one per face present; the rest repeat the
    // keep itself, so that every keep has five and the loop never branches.
    std::array<std::array<std::int16_t, 5>, KeepCount> minusOne{};
    // What each hand scores in each category under the game's rules.
    std::array<std::array<std::int16_t, HandCount>, CategoryCount> points{};
    // Chance of rolling each hand with all five dice.
    std::array<double, HandCount> probability{};
    // The hand of five equal faces f (1..6), as a hand number.
    std::array<int, 7> allSame{};
};

const DiceTables &Tables();

// The keep number of these counts, or -1 for more than five dice.
int KeepOf(const Counts &counts);
Counts CountsOf(const Hand &dice);

} // namespace strategy::detail
