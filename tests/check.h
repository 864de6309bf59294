// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

// A test runner for code that has no Qt: named cases, checks that say where
// and what failed, and the closing count that test runners read.

#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <string>

namespace check {

struct Case {
    const char *name;
    void (*run)();
};

inline int &failedChecks()
{
    static int count = 0;
    return count;
}

inline bool verify(bool ok, const char *what, const char *file, int line)
{
    if (!ok) {
        ++failedChecks();
        std::fprintf(stderr, "  %s:%d: %s\n", file, line, what);
    }
    return ok;
}

template <typename A, typename B>
bool equal(const A &actual, const B &expected, const char *a, const char *b, const char *file, int line)
{
    if (actual == expected)
        return true;
    std::ostringstream text;
    text << a << " is " << actual << ", expected " << b << " (" << expected << ")";
    return verify(false, text.str().c_str(), file, line);
}

// Runs every case; returns the exit status.
inline int run(std::initializer_list<Case> cases)
{
    int passed = 0, failed = 0;
    for (const Case &c : cases) {
        const int before = failedChecks();
        c.run();
        const bool ok = failedChecks() == before;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", c.name);
        ++(ok ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace check

#define CHECK(condition) check::verify((condition), #condition, __FILE__, __LINE__)
#define CHECK_EQ(actual, expected) check::equal((actual), (expected), #actual, #expected, __FILE__, __LINE__)
