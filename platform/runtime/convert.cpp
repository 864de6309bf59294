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

double Val(std::string_view text)
{
    text = SkipBlanks(text);
    const NumberScan scan = ScanNumber(text);
    if (scan.length == 0)
        return 0;
    const double value = ToDouble(text.substr(0, scan.length));
    return std::isfinite(value) ? value : 0;
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

std::string ShortestText(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
    if (value == 0)
        return "0"; // a negative zero too: a total of nothing has no sign
    // The shortest digits that read back as the value, and where the point
    // goes: "d.ddde+XX" means 0.dddd times ten to the power decimalPoint.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string_view scientific(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = scientific.find('e');
    std::string_view mantissa = scientific.substr(0, e);
    std::string sign;
    if (mantissa.front() == '-') {
        sign = "-";
        mantissa.remove_prefix(1);
    }
    std::string digits(mantissa.substr(0, 1));
    if (mantissa.size() > 2)
        digits += mantissa.substr(2);
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1 + (scientific[e + 1] == '+'), scientific.data() + scientific.size(),
                    exponent);
    const int decimalPoint = exponent + 1;
    const int digitCount = static_cast<int>(digits.size());
    const int magnitude = std::abs(exponent);

    // Whichever form is shorter, the plain one on a tie.
    const int plainLength = decimalPoint <= 0            ? 2 - decimalPoint + digitCount
                            : decimalPoint < digitCount ? digitCount + 1
                                                        : decimalPoint;
    const int exponentLength = digitCount + (digitCount > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
    const bool plain = plainLength <= exponentLength;
    if (!plain) {
        std::string text = sign + digits.substr(0, 1);
        if (digitCount > 1)
            text += '.' + digits.substr(1);
        text += exponent < 0 ? "e-" : "e+";
        if (magnitude < 10)
            text += '0';
        return text + std::to_string(magnitude);
    }
    if (decimalPoint <= 0)
        return sign + "0." + std::string(static_cast<std::size_t>(-decimalPoint), '0') + digits;
    if (decimalPoint >= digitCount)
        return sign + digits + std::string(static_cast<std::size_t>(decimalPoint - digitCount), '0');
    return sign + digits.substr(0, static_cast<std::size_t>(decimalPoint)) + '.' +
           digits.substr(static_cast<std::size_t>(decimalPoint));
}

std::int16_t Floor16(double value)
{
    const double floored = std::floor(value);
    if (!(floored >= -32768.0 && floored <= 32767.0))
        throw RuntimeError("Overflow");
    return static_cast<std::int16_t>(floored);
}

std::int16_t Add16(std::int16_t a, std::int16_t b)
{
    const int sum = a + b;
    if (sum < -32768 || sum > 32767)
        throw RuntimeError("Overflow");
    return static_cast<std::int16_t>(sum);
}

} // namespace platform
