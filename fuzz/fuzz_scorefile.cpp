// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// "High Scores.dat" is the one file the game reads that anybody may have
// edited or damaged. Whatever its bytes, reading it must not crash, must keep
// to the table's limits, and what was read must survive being saved and read
// again: the summary does exactly that after every game.

#include "highscores/scorefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void show(const char *what, const QList<ScoreEntry> &entries)
{
    std::fprintf(stderr, "%s: %lld entries\n", what, static_cast<long long>(entries.size()));
    for (const ScoreEntry &entry : entries)
        std::fprintf(stderr, "  %d [%s]\n", entry.score, qUtf8Printable(entry.name));
}

[[noreturn]] void fail(const char *why, const QList<ScoreEntry> &first, const QList<ScoreEntry> &second = {})
{
    std::fprintf(stderr, "fuzz_scorefile: %s\n", why);
    show("read", first);
    show("read after saving", second);
    std::abort();
}

// The reader and writer only know the bare file name, so every run works in
// a folder of its own.
void enterScratchFolder()
{
    static QTemporaryDir folder;
    static const bool entered = folder.isValid() && QDir::setCurrent(folder.path());
    if (!entered) {
        std::fprintf(stderr, "fuzz_scorefile: no scratch folder\n");
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    enterScratchFolder();
    {
        QFile file(HighScoreFileName());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) != qint64(size))
            fail("could not write the input file", {});
    }

    const QList<ScoreEntry> first = ReadHighScores();
    if (first.size() > HighScoreCount)
        fail("more entries than the table holds", first);
    for (const ScoreEntry &entry : first) {
        if (entry.name.size() > MaxNameLength)
            fail("a name longer than the limit", first);
    }

    if (!WriteHighScores(first).isEmpty())
        fail("could not save what was read", first);
    const QList<ScoreEntry> second = ReadHighScores();
    if (second != first)
        fail("saving changed the entries", first, second);
    return 0;
}
