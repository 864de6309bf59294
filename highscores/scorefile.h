// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/highscoretable.h"

#include <QList>
#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>
#include <vector>

// The high-score file "High Scores.dat": one entry per line, best first, each
// the score and then the player's name, in the working directory. The table
// window and the summary read it through here, and the summary and the
// table's reset write it through here. What a line holds, and how the
// summary ranks a game's scores into the table, is core/highscoretable.h's.

struct ScoreEntry
{
    std::int16_t score = 0;
    QString name;

    bool operator==(const ScoreEntry &) const = default;
};

// The file holds this many entries; a reader never returns more.
inline constexpr qsizetype HighScoreCount = core::HighScoreCount;
// Longer names are cut to this many characters (UTF-16 code units, as a
// QString counts them) when read and when written.
inline constexpr qsizetype MaxNameLength = core::MaxNameLength;

// The bare name, so the file is found in the current working directory.
QString HighScoreFileName();

// Ten entries of 0 and "Nobody": the content of a reset file.
QList<ScoreEntry> ResetScores();

// At most HighScoreCount entries, in file order. A missing file reads as
// ResetScores(). A file that exists but cannot be read (no permission, a disk
// error, a folder in its place) gives no entries, and `failure`, when given,
// says why, naming the file; it is set empty otherwise. Lines that hold no
// entry (blank, or no whole 16-bit number in front) are skipped. Never
// writes or creates the file.
QList<ScoreEntry> ReadHighScores(QString *failure = nullptr);

// How long a save waits for another game that is saving to the same file,
// and on Windows as long again for another program that holds it open.
// Saves hold the lock for a moment only; a lock older than HighScoreStaleLock,
// or one whose game is no longer running, is taken over.
inline constexpr std::chrono::milliseconds HighScoreLockWait{5000};
inline constexpr std::chrono::milliseconds HighScoreStaleLock{10000};

// How a save ended.
struct SaveResult
{
    // Why the scores were not saved, naming the file, in words a player
    // understands; empty when they were. The file is then as it was.
    QString failure;
    // Another game held the file for the whole wait: trying again may work.
    bool busy = false;
    // The scores were saved, but the lock file beside them stayed: why.
    QString lockLeft;
    // The scores were saved over a file the game did not understand, which
    // was kept beside it first: where.
    QString kept;
};

// Rewrites the file with what `merge` makes of the entries it holds now (as
// ReadHighScores gives them), holding a lock file beside it the whole time.
// Every game saving to the file takes that lock, so a score saved by another
// game after this one read the file is merged, never written over.
// While another game holds the lock the save tries again about every 50 ms,
// and sleeps in between, or calls `pause` when given.
//
// A symbolic link named like the file stays a link: the file it leads to gets
// the new content. A file that cannot be read is never replaced: its entries
// would be lost. A file without write permission for its owner is left alone
// and reported, as are a folder in its place, a folder that cannot be
// written, a full or read-only disk, and a lock still held after `lockWait`.
// On Windows a file that another program holds open is waited for as long,
// then reported.
// `merge` runs only when the file will be written.
SaveResult SaveHighScores(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                          std::chrono::milliseconds lockWait = HighScoreLockWait,
                          const std::function<void(std::chrono::milliseconds)> &pause = {});

// The same, for callers that need only one text: empty on success,
// otherwise the failure, or why the lock file stayed.
QString UpdateHighScores(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                         std::chrono::milliseconds lockWait = HighScoreLockWait);

// Replaces the file's entries with these, in the given order, the same way.
QString WriteHighScores(const QList<ScoreEntry> &entries, std::chrono::milliseconds lockWait = HighScoreLockWait);

// core::BeatsTenthEntry and core::MergeHighScores for entries as the windows
// hold them.
bool BeatsTenthEntry(const QList<ScoreEntry> &table, double total);
QList<ScoreEntry> MergeHighScores(const QList<ScoreEntry> &table, const QList<ScoreEntry> &newcomers,
                                  std::vector<int> *placed = nullptr);
