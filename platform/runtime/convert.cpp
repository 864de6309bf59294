// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/runtime/convert.h"

#include "platform/runtime/runtimeerror.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace platform {

namespace {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A scanned number as a double; one too large or too small for a double
// gives infinity, which Val turns into 0 and CInt into an overflow.
double ToDouble(std::string_view number)
{
    // from_chars knows no plus sign.
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size())
        return std::numeric_limits<double>::infinity();
    return value;
}

} // namespace

std::string_view SkipBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.substr(i);
}

NumberScan ScanNumber(std::string_view text)
{
    NumberScan scan;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        scan.sign = text[i++];
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        scan.point = true;
        ++i;
        while (i < n && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return {};
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j]))
                ++j;
            i = j;
            scan.exponent = true;
        }
    }
    scan.length = i;
    return scan;
}

std::int16_t CInt(std::string_view text)
{
    const std::string_view trimmed = SkipBlanks(text);
    const NumberScan scan = ScanNumber(trimmed);
    if (scan.length == 0 || !SkipBlanks(trimmed.substr(scan.length)).empty())
        throw RuntimeError("Type mismatch");
    return CInt(ToDouble(trimmed.substr(0, scan.length)));
}

std::int16_t CInt(double value)
{
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; say so rather than rely on it silently.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        throw RuntimeError("Overflow");
    return static_cast<std::int16_t>(rounded);
}

std::string Str(long long value) { return std::to_string(value); }

} // namespace platform
