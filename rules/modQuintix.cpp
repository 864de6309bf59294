// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "rules/modQuintix.h"

std::int16_t PlayerCount = 0;
platform::DynamicArray<frmQuintix *> Players;

Hand SortedDice{};

// -- hand evaluation ------------------------------------------------------
