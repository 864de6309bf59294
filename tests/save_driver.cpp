// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
//
// Runs one save of "High Scores.dat" in the working directory, for
// fault_check.sh to break from outside:
//   save_driver [--stop] [--wait MS] reset
//   save_driver [--stop] [--wait MS] summary NAME SCORE
// reset saves ten entries of 0 and "Nobody", as Reset does; summary reads the
// table, as the summary does when a game ends, and then sorts one new entry
// into the file under the lock. The save runs in a child process. With
// --stop the parent prints the child's id and the child stops itself before
// the save, so a tracer can attach to it with nothing of the start-up left.
// Prints what the game would tell the player; exits 0 when saved, 1 when
// not, 2 when saved but the lock stayed, 3 when another game kept it busy.

#include "highscores/scorefile.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int Save(bool summary, const QString &name, int score, std::chrono::milliseconds wait)
{
    if (summary) {
        QString unreadable;
        ReadHighScores(&unreadable);
        if (!unreadable.isEmpty()) {
            std::printf("not saved: %s\n", qUtf8Printable(unreadable));
            return 1;
        }
    }
    const ScoreEntry entry{static_cast<std::int16_t>(score), name};
    const SaveResult result = SaveHighScores(
        [&](const QList<ScoreEntry> &current) {
            if (!summary)
                return ResetScores();
            QList<ScoreEntry> table = current;
            qsizetype place = 0;
            while (place < table.size() && table[place].score >= entry.score)
                ++place;
            table.insert(place, entry);
            return table.mid(0, HighScoreCount);
        },
        wait);
    if (!result.failure.isEmpty()) {
        std::printf("not saved: %s\n", qUtf8Printable(result.failure));
        return result.busy ? 3 : 1;
    }
    if (!result.lockLeft.isEmpty()) {
        std::printf("lock left: %s\n", qUtf8Printable(result.lockLeft));
        return 2;
    }
    if (!result.kept.isEmpty())
        std::printf("kept: %s\n", qUtf8Printable(result.kept));
    std::printf("saved\n");
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    bool stop = false;
    std::chrono::milliseconds wait{3000};
    int arg = 1;
    for (; arg < argc && std::strncmp(argv[arg], "--", 2) == 0; ++arg) {
        if (std::strcmp(argv[arg], "--stop") == 0)
            stop = true;
        else if (std::strcmp(argv[arg], "--wait") == 0 && arg + 1 < argc)
            wait = std::chrono::milliseconds(std::atoi(argv[++arg]));
    }
    const bool summary = arg < argc && std::strcmp(argv[arg], "summary") == 0;
    const bool reset = arg < argc && std::strcmp(argv[arg], "reset") == 0;
    if (!(reset && arg + 1 == argc) && !(summary && arg + 3 == argc)) {
        std::fprintf(stderr, "usage: save_driver [--stop] [--wait MS] reset | summary NAME SCORE\n");
        return 64;
    }

    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child < 0)
        return 70;
    if (child == 0) {
        if (stop)
            ::raise(SIGSTOP);
        const int status = Save(summary, summary ? QString::fromLocal8Bit(argv[arg + 1]) : QString(),
                                summary ? std::atoi(argv[arg + 2]) : 0, wait);
        std::fflush(stdout);
        std::_Exit(status);
    }
    if (stop) {
        std::printf("%d\n", static_cast<int>(child));
        std::fflush(stdout);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
