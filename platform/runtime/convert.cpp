// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/runtime/convert.h"

#include "platform/runtime/runtimeerror.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace platform {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the decimal number (sign, digits, optional fraction, optional
// exponent) at the start of text; 0 when there is none.
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

QStringView skipBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return text.mid(i);
}

double toDouble(QStringView number)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : std::numeric_limits<double>::infinity();
}

} // namespace

double Val(QStringView text)
{
    text = skipBlanks(text);
    const qsizetype length = numberLength(text);
    if (length == 0)
        return 0;
    const double value = toDouble(text.first(length));
    return std::isfinite(value) ? value : 0;
}

std::int16_t CInt(QStringView text)
{
    const QStringView trimmed = skipBlanks(text);
    const qsizetype length = numberLength(trimmed);
    if (length == 0 || !skipBlanks(trimmed.mid(length)).isEmpty())
        throw RuntimeError("Type mismatch");
    return CInt(toDouble(trimmed.first(length)));
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

QString Str(long long value) { return QString::number(value); }

QString ShortestText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
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
