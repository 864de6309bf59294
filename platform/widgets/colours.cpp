// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/widgets/colours.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace platform {

std::uint32_t ToColorValue(const QColor &color)
{
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 | std::uint32_t(color.blue()) << 16;
}

QColor FromColorValue(std::uint32_t value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

// A colour mixed step/255 of the way towards another.
QColor mixed(const QColor &from, const QColor &to, int step)
{
    const auto channel = [step](int a, int b) { return a + (b - a) * step / 255; };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// Black or white, whichever stands out more on the background.
QColor extremeFor(const QColor &background)
{
    return ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                          : QColor(Qt::white);
}

// The fewest steps towards black or white, up to the limit, that reach the
// ratio; -1 when none does. Each step moves the luminance the same way, so
// once the colour falls short, the steps that reach the ratio are all the
// ones past some step.
int stepsToReach(const QColor &colour, const QColor &extreme, const QColor &background, double ratio, int limit)
{
    if (ContrastRatio(colour, background) >= ratio)
        return 0;
    if (ContrastRatio(mixed(colour, extreme, limit), background) < ratio)
        return -1;
    int low = 0, high = limit;
    while (low < high) {
        const int step = (low + high) / 2;
        if (ContrastRatio(mixed(colour, extreme, step), background) >= ratio)
            high = step;
        else
            low = step + 1;
    }
    return high;
}

// How far pure red may be mixed with black or white and still read as red,
// beside black or white text, to anyone who tells red from grey: its red
// channel stays a quarter of the scale above the other two.
constexpr int RedSteps = 191;

QColor legibleRed(const QColor &background)
{
    const QColor red(255, 0, 0);
    const QColor towards = extremeFor(background);
    const QColor away = towards == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black);
    // Darker on a light background, lighter on a dark one; a mid-grey one may
    // leave room only the other way.
    for (const QColor &extreme : {towards, away}) {
        if (const int step = stepsToReach(red, extreme, background, RedContrast, RedSteps); step >= 0)
            return mixed(red, extreme, step);
    }
    // No red reaches the ratio: the most readable of the reds.
    const QColor dark = mixed(red, Qt::black, RedSteps), light = mixed(red, Qt::white, RedSteps);
    return ContrastRatio(dark, background) >= ContrastRatio(light, background) ? dark : light;
}

} // namespace

QColor legible(const QColor &colour, const QColor &background, double ratio)
{
    const QColor extreme = extremeFor(background);
    const int step = stepsToReach(colour, extreme, background, ratio, 255);
    return step < 0 ? extreme : mixed(colour, extreme, step);
}

QColor plainColour(const QPalette &palette)
{
    return legible(palette.color(QPalette::WindowText), palette.color(QPalette::Window), PlainContrast);
}

QColor shownColour(std::uint32_t value, const QPalette &palette)
{
    const QColor background = palette.color(QPalette::Window);
    if (value == vbBlack)
        return plainColour(palette);
    if (value == vbRed)
        return legibleRed(background);
    return legible(FromColorValue(value), background, PlainContrast);
}

const QPalette &surroundings(const QWidget *widget)
{
    return widget->parentWidget() ? widget->parentWidget()->palette() : widget->palette();
}

} // namespace platform
