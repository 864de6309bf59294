// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

// A test harness for the code that builds without Qt. Each CHECK that fails
// says where and what, the run goes on, and main() ends with a count:
//
//   TEST(name) { CHECK(a == b); CHECK_EQ(a, b); CHECK_THROWS(Type, expression); }
//   int main() { return check::RunAll(); }

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace check {

struct Test
{
    const char *name;
    std::function<void()> body;
};

inline std::vector<Test> &Tests()
{
    static std::vector<Test> tests;
    return tests;
}

inline int &Failures()
{
    static int failures = 0;
    return failures;
}

struct Register
{
    Register(const char *name, std::function<void()> body) { Tests().push_back({name, std::move(body)}); }
};

inline void Fail(const char *file, int line, const std::string &what)
{
    ++Failures();
    std::printf("  FAIL %s:%d: %s\n", file, line, what.c_str());
}

template <typename T>
std::string Shown(const T &value)
{
    std::ostringstream out;
    if constexpr (requires { out << value; })
        out << value;
    else
        out << "(not printable)";
    return out.str();
}

inline std::string Shown(const std::string &value) { return '"' + value + '"'; }

// Runs every test; a test that throws counts as failed. Returns the exit code.
inline int RunAll()
{
    int passed = 0;
    int failed = 0;
    for (const Test &test : Tests()) {
        const int before = Failures();
        try {
            test.body();
        } catch (const std::exception &error) {
            Fail(__FILE__, __LINE__, std::string("threw: ") + error.what());
        }
        const bool ok = Failures() == before;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", test.name);
        ++(ok ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace check

#define CHECK_CONCAT_(a, b) a##b
#define CHECK_CONCAT(a, b) CHECK_CONCAT_(a, b)
#define TEST(name)                                                                                          \
    static void name();                                                                                     \
    static const check::Register CHECK_CONCAT(registered_, name)(#name, name);                              \
    static void name()

#define CHECK(condition)                                                                                    \
    do {                                                                                                    \
        if (!(condition))                                                                                   \
            check::Fail(__FILE__, __LINE__, #condition);                                                    \
    } while (false)

#define CHECK_EQ(actual, expected)                                                                          \
    do {                                                                                                    \
        const auto &actual_ = (actual);                                                                     \
        const auto &expected_ = (expected);                                                                 \
        if (!(actual_ == expected_))                                                                        \
            check::Fail(__FILE__, __LINE__,                                                                 \
                        std::string(#actual) + " is " + check::Shown(actual_) + ", expected " +             \
                            check::Shown(expected_));                                                       \
    } while (false)

#define CHECK_THROWS(type, expression)                                                                      \
    do {                                                                                                    \
        bool thrown_ = false;                                                                               \
        try {                                                                                               \
            (void)(expression);                                                                             \
        } catch (const type &) {                                                                            \
            thrown_ = true;                                                                                 \
        }                                                                                                   \
        if (!thrown_)                                                                                       \
            check::Fail(__FILE__, __LINE__, #expression " did not throw " #type);                           \
    } while (false)
