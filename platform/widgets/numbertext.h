// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/runtime/convert.h"

#include <QString>

#include <cstdint>
#include <string_view>

// The windows hold their texts as QString, the conversions of
// platform/runtime work on UTF-8: these convert at the call, and read and
// write the same digits.
namespace platform {

inline double Val(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    return Val(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

inline std::int16_t CInt(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    return CInt(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// Str and ShortestText for captions.
namespace qt {

inline QString Str(long long value) { return QString::number(value); }
inline QString ShortestText(double value) { return QString::fromStdString(platform::ShortestText(value)); }

} // namespace qt

} // namespace platform
