// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/modQuintix.h"

#include <cstddef>
#include <utility>

thread_local Hand SortedDice{};

// -- hand evaluation ------------------------------------------------------

void SortDice(const Hand &dice)
{
    SortedDice = dice;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 5; ++j)
            if (SortedDice[j] < SortedDice[i])
                std::swap(SortedDice[i], SortedDice[j]);
}

std::int16_t SumDice(const Hand &dice)
{
    return static_cast<std::int16_t>(dice[0] + dice[1] + dice[2] + dice[3] + dice[4]);
}

std::int16_t SumOfFace(std::int16_t face, const Hand &dice)
{
    std::int16_t sum = 0;
    for (std::int16_t d : dice)
        if (d == face)
            sum = static_cast<std::int16_t>(sum + face);
    return sum;
}

bool IsThreeOfAKind(const Hand &dice)
{
    SortDice(dice);
    const Hand &s = SortedDice;
    for (std::size_t i = 0; i <= 2; ++i)
        if (s[i] == s[i + 1] && s[i] == s[i + 2])
            return true;
    return false;
}

bool IsFourOfAKind(const Hand &dice)
{
    SortDice(dice);
    const Hand &s = SortedDice;
    for (std::size_t i = 0; i <= 1; ++i)
        if (s[i] == s[i + 1] && s[i] == s[i + 2] && s[i] == s[i + 3])
            return true;
    return false;
}

bool IsFullHouse(const Hand &dice)
{
    SortDice(dice);
    const Hand &s = SortedDice;
    bool hasTriple = false;
    std::int16_t triple = 0;
    for (std::size_t i = 0; i <= 2; ++i) {
        if (s[i] == s[i + 1] && s[i] == s[i + 2]) {
            hasTriple = true;
            triple = s[i];
        }
    }
    // Only a pair of another value counts, so four or five equal dice,
    // whose every adjacent pair carries the triple's value, are no full house.
    bool hasPair = false;
    for (std::size_t j = 0; j <= 3; ++j)
        if (s[j] == s[j + 1] && s[j] != triple)
            hasPair = true;
    return hasTriple && hasPair;
}

bool IsSmallStraight(const Hand &dice)
{
    SortDice(dice);
    Hand &e = SortedDice;
    // A duplicate at sorted positions 1-2 or 2-3 would break both windows of
    // four, so it goes to the end; one at 0-1 or 3-4 leaves a window intact.
    if (e[1] == e[2]) {
        const std::int16_t aside = e[2];
        e[2] = e[3];
        e[3] = e[4];
        e[4] = aside;
    } else if (e[2] == e[3]) {
        const std::int16_t aside = e[3];
        e[3] = e[4];
        e[4] = aside;
    }
    return (e[1] == e[0] + 1 && e[2] == e[0] + 2 && e[3] == e[0] + 3)
        || (e[2] == e[1] + 1 && e[3] == e[1] + 2 && e[4] == e[1] + 3);
}

bool IsLargeStraight(const Hand &dice)
{
    SortDice(dice);
    const Hand &s = SortedDice;
    for (std::size_t i = 1; i <= 4; ++i)
        if (s[i] != s[0] + static_cast<int>(i))
            return false;
    return true;
}

bool IsFiveOfAKind(const Hand &dice)
{
    return dice[0] == dice[1] && dice[0] == dice[2] && dice[0] == dice[3] && dice[0] == dice[4];
}
