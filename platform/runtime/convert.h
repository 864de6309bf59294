// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

namespace platform {

// The numeric value of a text: the number at its start after leading blanks,
// 0 when there is none ("12abc" is 12, "" is 0).
double Val(QStringView text);

// Text to a 16-bit integer: blanks around the number are allowed and a
// fraction rounds to the nearest whole number, halves to even ("2.5" is 2,
// "3.5" is 4). An empty text, anything that is not a number and a value
// outside -32768..32767 throw RuntimeError.
std::int16_t CInt(QStringView text);

// A double rounded half to even into 16 bits; out of range throws RuntimeError.
std::int16_t CInt(double value);

// Plain decimal digits, a minus sign when negative, no blanks.
QString Str(long long value);

// The shortest text that reads back as the same double; whole numbers
// show without a decimal point.
QString ShortestText(double value);

// Floor of a value as a 16-bit integer; out of range throws RuntimeError.
std::int16_t Floor16(double value);

// 16-bit addition that throws RuntimeError instead of wrapping.
std::int16_t Add16(std::int16_t a, std::int16_t b);

} // namespace platform
