// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/highscoretable.h"

#include "platform/runtime/convert.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace core {

namespace {

// The score field: it ends at the next blank, comma or end of the line, and
// a comma that ends it is consumed. The scanner every number of the program
// goes through must see the whole field as a plain integer; "+5", "1.5",
// "1e3", "12abc" and "40000" are no score.
std::optional<std::int16_t> ReadScore(std::string_view &rest)
{
    rest = platform::SkipBlanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && !platform::IsBlank(rest[end]) && rest[end] != ',')
        ++end;
    const std::string_view field = rest.substr(0, end);
    rest.remove_prefix(end);
    if (!rest.empty() && rest.front() == ',')
        rest.remove_prefix(1);

    const platform::NumberScan scan = platform::ScanNumber(field);
    if (scan.length != field.size() || !scan.IsPlainInteger())
        return std::nullopt;
    std::int16_t score = 0;
    // Out of range, long runs of digits included, fails here.
    const auto [last, error] = std::from_chars(field.data(), field.data() + field.size(), score);
    if (error != std::errc() || last != field.data() + field.size())
        return std::nullopt;
    return score;
}

std::string_view ReadName(std::string_view rest)
{
    rest = platform::SkipBlanks(rest);
    if (!rest.empty() && rest.front() == '"') {
        rest.remove_prefix(1);
        return rest.substr(0, rest.find('"'));
    }
    return rest.substr(0, rest.find(','));
}

// Bytes of the UTF-8 sequence a lead byte starts. A stray continuation byte
// counts alone; names come from decoded text and hold none.
std::size_t SequenceLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

} // namespace

HighScoreTable ResetTable()
{
    return HighScoreTable(HighScoreCount, HighScore{0, "Nobody"});
}

std::optional<HighScore> ParseHighScore(std::string_view line)
{
    const std::optional<std::int16_t> score = ReadScore(line);
    if (!score)
        return std::nullopt;
    return HighScore{*score, CappedName(ReadName(line))};
}

std::string PrintHighScore(const HighScore &entry)
{
    return (entry.score >= 0 ? " " : "") + platform::Str(entry.score) + ' ' + StoredName(entry.name);
}

std::string CappedName(std::string_view name)
{
    std::size_t units = 0;
    std::size_t bytes = 0;
    while (bytes < name.size()) {
        const std::size_t length = std::min(SequenceLength(static_cast<unsigned char>(name[bytes])),
                                            name.size() - bytes);
        // Four bytes are a character outside the BMP: a surrogate pair.
        const std::size_t width = length == 4 ? 2 : 1;
        if (units + width > MaxNameLength)
            break;
        units += width;
        bytes += length;
    }
    return std::string(name.substr(0, bytes));
}

std::string StoredName(std::string_view entered)
{
    std::string name = CappedName(entered);
    std::replace(name.begin(), name.end(), '\r', ' ');
    std::replace(name.begin(), name.end(), '\n', ' ');
    const bool quoted = name.find(',') != std::string::npos || (!name.empty() && platform::IsBlank(name.front()));
    if (quoted || (!name.empty() && name.front() == '"'))
        std::replace(name.begin(), name.end(), '"', '\'');
    return quoted ? '"' + name + '"' : name;
}

bool BeatsTenthEntry(const HighScoreTable &table, double total)
{
    const std::int16_t tenth = table.size() >= HighScoreCount ? table[HighScoreCount - 1].score : 0;
    return total > tenth;
}

HighScoreTable MergeHighScores(const HighScoreTable &table, const HighScoreTable &newcomers, std::vector<int> *placed)
{
    HighScoreTable slots(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(std::min(table.size(), HighScoreCount)));
    slots.resize(HighScoreCount);
    slots.insert(slots.end(), newcomers.begin(), newcomers.end());
    // Where each slot's entry came from, to follow the newcomers through the sort.
    std::vector<std::size_t> from(slots.size());
    for (std::size_t i = 0; i < from.size(); ++i)
        from[i] = i;
    for (std::size_t j = 0; j + 1 < slots.size(); ++j) {
        for (std::size_t k = j + 1; k < slots.size(); ++k) {
            if (slots[k].score > slots[j].score) {
                std::swap(slots[k], slots[j]);
                std::swap(from[k], from[j]);
            }
        }
    }
    if (placed) {
        placed->assign(newcomers.size(), 0);
        for (std::size_t row = 0; row < HighScoreCount; ++row) {
            if (from[row] >= HighScoreCount)
                (*placed)[from[row] - HighScoreCount] = int(row) + 1;
        }
    }
    slots.resize(HighScoreCount);
    return slots;
}

} // namespace core
