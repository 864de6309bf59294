// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>

// A hand: five face values 1..6, indices 0..4. Every function below reads the
// hand it is given and never changes it.
using Hand = std::array<std::int16_t, 5>;

// Scratch space of the sorted tests, shared by every scorecard of a thread.
// Its content between two calls means nothing to anyone. One per thread: the
// strategy engine scores hands on its own threads while a card scores its own.
extern thread_local Hand SortedDice;

void SortDice(const Hand &dice);
std::int16_t SumDice(const Hand &dice);
std::int16_t SumOfFace(std::int16_t face, const Hand &dice);
bool IsThreeOfAKind(const Hand &dice);
bool IsFourOfAKind(const Hand &dice);
bool IsFullHouse(const Hand &dice);
bool IsSmallStraight(const Hand &dice);
bool IsLargeStraight(const Hand &dice);
bool IsFiveOfAKind(const Hand &dice);
