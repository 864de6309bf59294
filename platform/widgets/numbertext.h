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

inline std::int16_t CInt(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    return CInt(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace platform
