// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// The high-score file "High Scores.dat": one entry per line, best first, each
// the score and then the player's name, in the working directory. The table
// window and the summary read it through here, and the summary and the
// table's reset write it through here, so its format lives in this one place.

struct ScoreEntry
{
    std::int16_t score = 0;
    QString name;

    bool operator==(const ScoreEntry &) const = default;
};

// The file holds this many entries; a reader never returns more.
inline constexpr qsizetype HighScoreCount = 10;
// Longer names are cut to this many characters when read and when written.
inline constexpr qsizetype MaxNameLength = 255;

// The bare name, so the file is found in the current working directory.
QString HighScoreFileName();

// Ten entries of 0 and "Nobody": the content of a reset file.
QList<ScoreEntry> ResetScores();

// At most HighScoreCount entries, in file order. A missing file reads as
// ResetScores(); a file that cannot be read gives no entries. Lines that hold
// no entry (blank, or no whole 16-bit number in front) are skipped. Never
// writes or creates the file.
QList<ScoreEntry> ReadHighScores();

// Replaces the file with the entries in the given order. Returns an empty
// string on success, otherwise the reason the scores could not be saved; the
// old file is then left as it was.
QString WriteHighScores(const QList<ScoreEntry> &entries);
