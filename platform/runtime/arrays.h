// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/runtime/runtimeerror.h"

#include <array>
#include <string>
#include <vector>

namespace platform {

// A fixed array indexed Lo..Hi, as the game's control arrays and the dice are.
// Any other index is a run-time failure rather than undefined behaviour.
template <typename T, int Lo, int Hi>
class BoundedArray
{
    static_assert(Lo <= Hi);

public:
    static constexpr int LBound = Lo;
    static constexpr int UBound = Hi;

    T &operator()(int i) { return items_[offset(i)]; }
    const T &operator()(int i) const { return items_[offset(i)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    static std::size_t offset(int i)
    {
        if (i < Lo || i > Hi)
            throw RuntimeError("Subscript out of range: " + std::to_string(i));
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, Hi - Lo + 1> items_{};
};

// An array with lower bound 1 whose upper bound is set by ReDim, which drops
// the old contents. Before the first ReDim it has no elements.
template <typename T>
class DynamicArray
{
public:
    void ReDim(int upper) { items_.assign(upper > 0 ? static_cast<std::size_t>(upper) : 0, T{}); }
    int UBound() const { return static_cast<int>(items_.size()); }

    T &operator()(int i) { return items_[offset(i)]; }
    const T &operator()(int i) const { return items_[offset(i)]; }

private:
    std::size_t offset(int i) const
    {
        if (i < 1 || i > UBound())
            throw RuntimeError("Subscript out of range: " + std::to_string(i));
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<T> items_;
};

} // namespace platform
