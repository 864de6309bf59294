// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// CInt turns what a player types (the number of players) into a 16-bit
// integer. Any text must either give a number or throw RuntimeError; for the
// plain decimal texts a player is likely to type, the number must be the one
// a simple exact reading gives.

#include "platform/runtime/convert.h"
#include "platform/runtime/runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

struct Failure {
    bool operator==(const Failure &) const = default;
};
using Outcome = std::variant<Failure, std::int16_t>;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Blanks, an optional sign, digits with an optional fraction, blanks, read
// with integer arithmetic and rounded half to even. No opinion (nullopt) on
// exponents, and on fractions too long to judge without knowing how the
// text becomes a double.
std::optional<Outcome> exactReading(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    const std::size_t whole = i;
    while (i < n && isDigit(text[i]))
        ++i;
    std::string_view wholeDigits = text.substr(whole, i - whole);
    std::string_view fraction;
    if (i < n && text[i] == '.') {
        const std::size_t start = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        fraction = text.substr(start, i - start);
    }
    if (wholeDigits.empty() && fraction.empty())
        return Failure{};
    if (i < n && (text[i] == 'e' || text[i] == 'E'))
        return std::nullopt;
    while (i < n && isBlank(text[i]))
        ++i;
    if (i < n)
        return Failure{};

    while (!wholeDigits.empty() && wholeDigits.front() == '0')
        wholeDigits.remove_prefix(1);
    if (wholeDigits.size() > 5)
        return Failure{}; // 100000 or more, whatever the fraction
    if (fraction.size() > 9)
        return std::nullopt;

    long value = 0;
    for (const char c : wholeDigits)
        value = value * 10 + (c - '0');
    long ninths = 0; // the fraction in units of 1e-9
    for (std::size_t k = 0; k < 9; ++k)
        ninths = ninths * 10 + (k < fraction.size() ? fraction[k] - '0' : 0);
    constexpr long half = 500000000;
    if (ninths > half || (ninths == half && value % 2 == 1))
        ++value;
    if (negative)
        value = -value;
    if (value < -32768 || value > 32767)
        return Failure{};
    return static_cast<std::int16_t>(value);
}

[[noreturn]] void fail(const std::string &text, const char *why)
{
    std::fprintf(stderr, "fuzz_cint: [%s]: %s\n", text.c_str(), why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Any bytes: a player's text arrives as UTF-8, and no byte of a
    // character that is not ASCII is part of a number.
    const std::string text(reinterpret_cast<const char *>(data), size);

    Outcome got = Failure{};
    try {
        got = platform::CInt(text);
    } catch (const platform::RuntimeError &) {
    }

    if (const std::optional<Outcome> expected = exactReading(text); expected && *expected != got) {
        if (std::holds_alternative<Failure>(*expected))
            fail(text, "expected a failure, got a number");
        if (std::holds_alternative<Failure>(got))
            fail(text, "expected a number, got a failure");
        std::fprintf(stderr, "expected %d, got %d\n", std::get<std::int16_t>(*expected), std::get<std::int16_t>(got));
        fail(text, "wrong number");
    }
    return 0;
}
