// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The table of "High Scores.dat": what one of its lines holds, how a line is
// read and written, and how a game's new high scores are ranked into it.
// Reading and writing the file itself is the caller's; names are UTF-8.
namespace core {

struct HighScore
{
    std::int16_t score = 0;
    std::string name;

    bool operator==(const HighScore &) const = default;
};

using HighScoreTable = std::vector<HighScore>;

// The file holds this many entries; a reader never returns more.
inline constexpr std::size_t HighScoreCount = 10;
// Longer names are cut to this many characters when read and when written.
// Characters are counted as the game always has, in UTF-16 code units: one
// outside the Basic Multilingual Plane counts twice and is never split.
inline constexpr std::size_t MaxNameLength = 255;

// Ten entries of 0 and "Nobody": the content of a reset file.
HighScoreTable ResetTable();

// The entry a line holds, without its line end. Blanks (spaces and tabs)
// before the score are skipped; the score ends at the next blank, comma or
// end of the line and must be a whole number in 16 bits, an optional minus
// sign and digits only, or the line holds no entry. A comma right after it
// is skipped, then blanks; the name runs to the next comma or the end of the
// line, its own trailing blanks included, or, when it starts with a double
// quote, to the next double quote (the end of the line without one).
// Whatever follows the name is ignored. The name is capped to MaxNameLength.
std::optional<HighScore> ParseHighScore(std::string_view line);

// The line an entry is written as, without its line end: the score led by a
// blank when it is zero or more, one blank, then the name as StoredName
// writes it.
std::string PrintHighScore(const HighScore &entry);

// The first MaxNameLength characters of a name.
std::string CappedName(std::string_view name);

// The name as it must be written so that ParseHighScore reads it back as
// entered: capped, line breaks as blanks, and quoted when it holds a comma
// or starts with a blank. A quoted name cannot hold a double quote, and one
// at the start of a name would open a quote: there they become apostrophes.
std::string StoredName(std::string_view name);

// Whether a game's total earns a place in the table as the file holds it:
// it must beat the tenth entry, or 0 where the file has fewer.
bool BeatsTenthEntry(const HighScoreTable &table, double total);

// The table saved after a game: the file's entries (its empty places as 0
// and an empty name) with this game's newcomers after them, in order of
// play, ranked by an exchange sort that never swaps equal scores, so that
// among equals the entries already in the file stay ahead of newcomers and
// earlier players ahead of later ones. The best HighScoreCount are kept.
// `placed`, when given, gets each newcomer's row in the result, 1 to
// HighScoreCount, or 0 for one that did not make it.
HighScoreTable MergeHighScores(const HighScoreTable &table, const HighScoreTable &newcomers,
                               std::vector<int> *placed = nullptr);

} // namespace core
