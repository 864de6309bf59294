// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <cstdint>

class QPalette;
class QWidget;

namespace platform {

// Colours as 32-bit values with red in the low byte, then green, then blue.
constexpr std::uint32_t vbBlack = 0x000000;
constexpr std::uint32_t vbRed = 0x0000FF;
std::uint32_t ToColorValue(const QColor &color);
QColor FromColorValue(std::uint32_t value);

// How readable one colour is on another: 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// Plain text must read at a glance: 7 to 1.
constexpr double PlainContrast = 7.0;
// Red text needs 4.5 to 1; a little more keeps the thin, antialiased strokes
// of small digits above that too.
constexpr double RedContrast = 5.0;
// Lines and borders are not text: 3 to 1 lets them be seen. No red text ever
// reads at less than that.
constexpr double RuleContrast = 3.0;

// The colour itself when it reaches the ratio against the background;
// otherwise the colour mixed with black or white, whichever the background
// leaves more room for, just far enough to reach it.
QColor legible(const QColor &colour, const QColor &background, double ratio);

// The theme's text colour as lines, borders and black text show it.
QColor plainColour(const QPalette &palette);

// A colour value as it shows on a palette's window background. Black is the
// theme's own text colour; red is a red that stays red and apart from black
// text on every background, at the red ratio wherever some red can reach it,
// and never below the ratio of lines.
QColor shownColour(std::uint32_t value, const QPalette &palette);

// Labels paint on their parent's background; a theme's text colour is read
// from the parent too, as a label's own palette may carry its colour value.
const QPalette &surroundings(const QWidget *widget);

} // namespace platform
