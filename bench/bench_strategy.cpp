// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
//
// The strategy engine's figures: the whole table's wall time and peak memory,
// the table's own size, the time of one piece of advice, and games played by
// the engine against the value it computes.
//   bench_strategy [GAMES]     GAMES simulated games (100000)
#include "core/strategy.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <random>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <vector>

// Every allocation is counted, so that the peak of the heap while solving is
// measured, not guessed from the resident size alone.
namespace {
std::atomic<long long> heapNow{0}, heapPeak{0};

void Counted(void *p)
{
    const long long now = heapNow += (long long)malloc_usable_size(p);
    for (long long peak = heapPeak; now > peak && !heapPeak.compare_exchange_weak(peak, now);) {
    }
}
} // namespace

void *operator new(std::size_t size)
{
    void *p = std::malloc(size ? size : 1);
    if (!p)
        throw std::bad_alloc();
    Counted(p);
    return p;
}
void operator delete(void *p) noexcept
{
    if (p)
        heapNow -= (long long)malloc_usable_size(p);
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept { operator delete(p); }

namespace {

using Clock = std::chrono::steady_clock;

long MaxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double Percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

Hand Roll(std::mt19937_64 &rng, const std::vector<int> &kept)
{
    std::uniform_int_distribution<int> die(1, 6);
    Hand hand{};
    for (std::size_t i = 0; i < 5; ++i)
        hand[i] = std::int16_t(i < kept.size() ? kept[i] : die(rng));
    return hand;
}

// One game played as the engine advises; calls `seen` before each decision.
template <typename Seen>
int Play(const strategy::Engine &engine, std::mt19937_64 &rng, Seen &&seen)
{
    strategy::State state;
    int total = 0;
    for (int turn = 0; turn < CategoryCount; ++turn) {
        Hand hand = Roll(rng, {});
        for (int rollsLeft = 2;; --rollsLeft) {
            seen(state, hand, rollsLeft);
            const strategy::Action best = engine.Advise(state, hand, rollsLeft).front();
            if (best.kind == strategy::Action::Keep) {
                hand = Roll(rng, best.kept);
                continue;
            }
            const int c = int(best.category);
            int points = 0;
            for (std::int16_t d : hand)
                points += c < UpperCount ? (d == c + 1 ? d : 0) : d;
            if (c >= UpperCount) {
                // The card itself knows the lower patterns.
                Scorecard card([] { return 0.0f; });
                card.Dice = hand;
                points = card.PointsFor(best.category);
            }
            total += points;
            if (c < UpperCount)
                state.upper += points;
            state.used = strategy::UsedMask(state.used | (1u << c));
            break;
        }
    }
    return total + (state.upper >= 63 ? 35 : 0);
}

} // namespace

int main(int argc, char **argv)
{
    const long games = argc > 1 ? std::atol(argv[1]) : 100000;
    const unsigned cores = std::thread::hardware_concurrency();

    // The process holds nothing of the engine yet: the resident size up to
    // here is the baseline, and the first solve's peak is measured from it.
    const long rssBefore = MaxRssKb();
    const long long heapBefore = heapNow;
    heapPeak = heapBefore;
    std::vector<double> solveMs;
    strategy::Engine engine;
    {
        const auto start = Clock::now();
        engine.Solve();
        solveMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const long rssAfter = MaxRssKb();
    std::printf("RESULT solve_peak_rss_kb %ld\n", rssAfter - rssBefore);
    std::printf("RESULT solve_peak_heap_kb %.0f\n", double(heapPeak - heapBefore) / 1024);
    std::printf("RESULT table_kb %.0f\n", double(engine.TableBytes()) / 1024);
    for (int run = 0; run < 6; ++run) {
        strategy::Engine again;
        const auto start = Clock::now();
        again.Solve();
        solveMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::printf("RESULT solve_ms_median %.1f\n", Percentile(solveMs, 0.5));
    std::printf("RESULT solve_ms_min %.1f\n", *std::min_element(solveMs.begin(), solveMs.end()));
    std::printf("RESULT expected_from_start %.6f\n", engine.ExpectedFromStart());

    // Advice on the decisions of played games: every roll of every turn.
    std::vector<double> adviseUs;
    std::mt19937_64 rng(27);
    while (adviseUs.size() < 20000) {
        Play(engine, rng, [&](const strategy::State &state, const Hand &hand, int rollsLeft) {
            const auto start = Clock::now();
            const auto actions = engine.Advise(state, hand, rollsLeft);
            adviseUs.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            if (actions.empty())
                std::abort();
        });
    }
    std::printf("RESULT advise_us_median %.1f\n", Percentile(adviseUs, 0.5));
    std::printf("RESULT advise_us_p95 %.1f\n", Percentile(adviseUs, 0.95));
    std::printf("RESULT advise_us_max %.1f\n", Percentile(adviseUs, 1.0));

    // Games on every core, each thread with its own dice.
    std::vector<std::thread> threads;
    std::vector<double> sums(cores), squares(cores);
    const auto simStart = Clock::now();
    for (unsigned t = 0; t < cores; ++t) {
        threads.emplace_back([&, t] {
            std::mt19937_64 dice(1000 + t);
            for (long g = t; g < games; g += cores) {
                const double score = Play(engine, dice, [](const auto &, const auto &, int) {});
                sums[t] += score;
                squares[t] += score * score;
            }
        });
    }
    for (auto &thread : threads)
        thread.join();
    double sum = 0, square = 0;
    for (unsigned t = 0; t < cores; ++t)
        sum += sums[t], square += squares[t];
    const double mean = sum / double(games);
    const double sd = std::sqrt((square - double(games) * mean * mean) / double(games - 1));
    const double se = sd / std::sqrt(double(games));
    std::printf("RESULT sim_games %ld\n", games);
    std::printf("RESULT sim_seconds %.1f\n", std::chrono::duration<double>(Clock::now() - simStart).count());
    std::printf("RESULT sim_mean %.4f\n", mean);
    std::printf("RESULT sim_sd %.4f\n", sd);
    std::printf("RESULT sim_se %.4f\n", se);
    std::printf("RESULT sim_z %.2f\n", (mean - engine.ExpectedFromStart()) / se);
    return 0;
}
