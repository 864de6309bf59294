// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Texts here are UTF-8. Only ASCII blanks, signs, digits, points and
// exponent letters ever count, and no byte of a longer UTF-8 character is one
// of those, so a text is read the same whichever characters surround them.
namespace platform {

// Blanks are spaces and tabs, wherever the program reads numbers or fields.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }
std::string_view SkipBlanks(std::string_view text);

// The decimal number at the very start of a text, as every reader of numbers
// in the program sees it: an optional sign, digits with an optional fraction
// (at least one digit in all), then an optional exponent, which counts only
// when digits follow its letter and sign.
struct NumberScan
{
    std::size_t length = 0; // 0 when the text starts with no number
    char sign = 0;          // '+', '-' or 0
    bool point = false;
    bool exponent = false;

    // Nothing but an optional minus sign and digits.
    bool IsPlainInteger() const { return length > 0 && sign != '+' && !point && !exponent; }
};
NumberScan ScanNumber(std::string_view text);

// Text to a 16-bit integer: blanks around the number are allowed and a
// fraction rounds to the nearest whole number, halves to even ("2.5" is 2,
// "3.5" is 4). An empty text, anything that is not a number and a value
// outside -32768..32767 throw RuntimeError.
std::int16_t CInt(std::string_view text);

// A double rounded half to even into 16 bits; out of range throws RuntimeError.
std::int16_t CInt(double value);

// Plain decimal digits, a minus sign when negative, no blanks.
std::string Str(long long value);

} // namespace platform
