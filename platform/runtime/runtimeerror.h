// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace platform {

// A failure of the program's own arithmetic or indexing: a 16-bit overflow,
// an index outside an array's bounds, a text that is no number. Only New Game
// catches it; everywhere else it means a fault in the program.
class RuntimeError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
