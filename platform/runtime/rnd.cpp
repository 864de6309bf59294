// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/runtime/rnd.h"

#include <chrono>
#include <deque>
#include <random>

namespace platform {

namespace {

std::mt19937 &generator()
{
    static std::mt19937 engine{std::random_device{}()};
    return engine;
}

std::deque<float> &queued()
{
    static std::deque<float> values;
    return values;
}

} // namespace

void Randomize()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator().seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float Rnd()
{
    if (!queued().empty()) {
        const float value = queued().front();
        queued().pop_front();
        return value;
    }
    // 24 random bits fill a float's mantissa exactly, so the result is a
    // multiple of 2^-24 and can never round up to 1.
    return static_cast<float>(generator()() >> 8) / 16777216.0f;
}

void QueueRnd(std::initializer_list<float> values)
{
    queued().insert(queued().end(), values);
}

void ClearRndQueue() { queued().clear(); }

} // namespace platform
