// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>

namespace platform {

// Seeds the one shared generator from the clock.
void Randomize();

// The next value r of the shared generator, 0 <= r < 1. Values queued by
// QueueRnd come first, in order, as given.
float Rnd();

// For tests: values that the next calls of Rnd return before the generator
// is asked again.
void QueueRnd(std::initializer_list<float> values);
void ClearRndQueue();

} // namespace platform
