#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
#
# Builds the benchmarks in build-bench and prints our figures beside their
# baselines and targets, all measured in this one run:
#   bash bench/run.sh [RUNS]     RUNS start-ups of each program (21, at least 11)
# A missed target is reported, not fatal; a failed build or a benchmark that
# goes wrong ends the script with an error.
set -euo pipefail
cd "$(dirname "$0")/.."

RUNS=${1:-21}
[[ $RUNS =~ ^[0-9]+$ ]] && [ "$RUNS" -ge 11 ] || { echo "RUNS must be a number of at least 11" >&2; exit 2; }
BUILD=build-bench
# The build type players get from build.sh.
BUILD_TYPE=RelWithDebInfo
SETTLE_MS=300
PACKAGES=(cmake g++ make pkg-config qt6-base-dev libxcb1-dev fonts-dejavu-core fonts-dejavu-extra xvfb xauth)

source scripts/packages.sh
install_missing "${PACKAGES[@]}"

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
LOG=$BUILD/bench.log

echo "Building in $BUILD ($BUILD_TYPE)"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=$BUILD_TYPE -DBUILD_TESTING=ON -DPIPSTACK_BENCHMARKS=ON \
    >"$SCRATCH/build.txt" 2>&1 || { cat "$SCRATCH/build.txt" >&2; exit 1; }
cmake --build "$BUILD" --parallel "$(nproc)" --target pipstack bare_mdi bare_mdi_menu startup_probe bench_game bench_strategy \
    >>"$SCRATCH/build.txt" 2>&1 || { tail -40 "$SCRATCH/build.txt" >&2; exit 1; }
BUILD=$(cd "$BUILD" && pwd)
LOG=$BUILD/bench.log

# Qt's warnings go to the log, not the table.
export XDG_RUNTIME_DIR=$SCRATCH/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
cd "$SCRATCH"
load_before=$(cut -d' ' -f1 /proc/loadavg)

echo "Start-up: $RUNS runs of each program under Xvfb, taking turns"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$BUILD/bench/startup_probe" "$RUNS" "$SETTLE_MS" \
    ours="$BUILD/app/pipstack" bare="$BUILD/bench/bare_mdi" menu="$BUILD/bench/bare_mdi_menu" \
    >startup.txt 2>startup.err || { cat startup.err >&2; echo "start-up benchmark failed" >&2; exit 1; }

echo "Play and memory: offscreen"
QT_QPA_PLATFORM=offscreen "$BUILD/bench/bench_game" >game.txt 2>game.err ||
    { cat game.txt game.err >&2; echo "game benchmark failed" >&2; exit 1; }

echo "Strategy engine: the table, advice, and 100000 games played by it"
"$BUILD/bench/bench_strategy" 100000 >strategy.txt 2>strategy.err ||
    { cat strategy.txt strategy.err >&2; echo "strategy benchmark failed" >&2; exit 1; }
load_after=$(cut -d' ' -f1 /proc/loadavg)

{ cat startup.txt game.txt strategy.txt; echo "## stderr"; cat startup.err game.err strategy.err; } >"$LOG"

qt_version=$(pkg-config --modversion Qt6Core 2>/dev/null || echo "?")
echo
echo "Pipstack benchmarks: $BUILD_TYPE, Qt $qt_version, $(nproc) CPUs, load average $load_before before, $load_after after"
awk -v runs="$RUNS" -v settle="$SETTLE_MS" '
    $1 == "RESULT" { r[$2] = $3 + 0; have[$2] = 1 }
    function need(key) { if (!(key in have)) { print "missing figure " key > "/dev/stderr"; failed = 1; exit 1 } return r[key] }
    function row(figure, ours, base, diff, target, met) {
        printf "%-48s %-15s %-13s %-11s %-9s %s\n", figure, ours, base, diff, target, met
    }
    function yes(ok) { return ok ? "yes" : "NO" }
    function ms(v) { return sprintf(v < 10 ? "%.2f ms" : (v < 100 ? "%.1f ms" : "%.0f ms"), v) }
    function mb(kb) { return sprintf("%.1f MB", kb / 1024) }
    END {
        if (failed) exit 1
        ours = need("ours.mapped_ms"); bare = need("bare.mapped_ms"); menu = need("menu.mapped_ms")
        rss = need("ours.rss_kb"); bareRss = need("bare.rss_kb"); menuRss = need("menu.rss_kb")
        roll = need("roll_click_us_median") / 1000; game = need("game_cpu_ms_median")
        perGame = need("rss_per_game_kb"); h1 = need("heap_per_game_kb_11_55"); h2 = need("heap_per_game_kb_56_100")
        late = need("game_cpu_ms_after100"); rssStart = need("rss_start_kb"); rss100 = need("rss_after100_kb")
        elsewhere = need("objects_elsewhere_growth") + need("widgets_elsewhere_growth")

        row("figure", "ours", "baseline", "ratio/diff", "target", "met?")
        row("start-up: exec to window mapped, median of " runs, ms(ours), ms(bare), sprintf("x%.2f", ours / bare), "<= x1.10", yes(ours <= 1.10 * bare))
        row("resident memory " settle " ms after mapped, median", mb(rss), mb(bareRss), sprintf("%+.1f MB", (rss - bareRss) / 1024), "<= +5 MB", yes(rss - bareRss <= 5 * 1024))
        row("roll click: CPU of handler + repaint, median", ms(roll), "-", "-", "< 1 ms", yes(roll < 1))
        row("whole 8-player game: CPU, median of " need("games"), ms(game), "-", "-", "report", "-")
        row("game after 100 New Games vs a fresh one, CPU", ms(late), ms(game), sprintf("x%.2f", late / game), "<= x1.25", yes(late <= 1.25 * game))
        row("RSS after 100 New Games vs after start-up", mb(rss100), mb(rssStart), sprintf("%+.1f MB", (rss100 - rssStart) / 1024), "<= +10 MB", yes(rss100 - rssStart <= 10 * 1024))
        row("memory per New Game of 8, games 1-100 (RSS)", sprintf("%.0f kB", perGame), "-", "-", "report", "-")
        row("  heap per New Game, games 11-55 / 56-100", sprintf("%.1f/%.1f kB", h1, h2), "-", "-", "report", "-")
        row("  growth besides the games'"'"' windows and forms", sprintf("%d objects", elsewhere), "-", "-", "none", yes(elsewhere == 0))
        print "also measured"
        row("  start-up against a frame with a menu bar", ms(ours), ms(menu), sprintf("x%.2f", ours / menu), "-", "-")
        row("  start-up CPU until settled, all threads", ms(need("ours.cpu_ms")), ms(need("bare.cpu_ms")), sprintf("x%.2f", need("ours.cpu_ms") / need("bare.cpu_ms")), "-", "-")
        row("  memory against a frame with a menu bar", mb(rss), mb(menuRss), sprintf("%+.1f MB", (rss - menuRss) / 1024), "-", "-")
        row("  memory: anonymous / file-backed / shared", sprintf("%.1f/%.1f/%.1f", need("ours.rss_anon_kb") / 1024, need("ours.rss_file_kb") / 1024, need("ours.rss_shmem_kb") / 1024), sprintf("%.1f/%.1f/%.1f", need("bare.rss_anon_kb") / 1024, need("bare.rss_file_kb") / 1024, need("bare.rss_shmem_kb") / 1024), "MB", "-", "-")
        row("  roll click: handler alone, median", ms(need("roll_click_handler_us_median") / 1000), "-", "-", "-", "-")
        row("  roll click: handler + repaint, mean / p95", sprintf("%.2f/%.2f ms", need("roll_click_us_mean") / 1000, need("roll_click_us_p95") / 1000), "-", "-", "-", "-")
        row("  whole game at the test kit'"'"'s pace, CPU", ms(need("game_testkit_cpu_ms_median")), "-", "-", "-", "-")
        row("  whole game, wall time (1 ms hand-overs)", ms(need("game_wall_ms_median")), "-", "-", "-", "-")
        row("  New Game of 8, CPU: fresh / games 91-100", sprintf("%.0f/%.0f ms", need("newgame_cpu_ms_median"), need("newgame_cpu_ms_91_100")), "-", "-", "-", "-")
        row("  whole game after 100 New Games, CPU", ms(late), "-", "-", "-", "-")
        row("  RSS after start-up / after 100 New Games", sprintf("%.1f/%.1f MB", rssStart / 1024, rss100 / 1024), "-", "-", "-", "-")
        row("  objects per game 11-100: windows/QMdi/forms", sprintf("%.1f/%.1f/%.1f", need("objects_in_windows_per_game"), need("mdi_helpers_per_game"), need("forms_per_game")), "-", "-", "-", "-")
        print "strategy engine"
        solve = need("solve_ms_median"); peak = need("solve_peak_rss_kb"); heap = need("solve_peak_heap_kb")
        table = need("table_kb"); p95 = need("advise_us_p95") / 1000
        mean = need("sim_mean"); se = need("sim_se"); value = need("expected_from_start")
        row("whole table: wall time, median of 7", ms(solve), "-", "-", "<= 500 ms", yes(solve <= 500))
        row("  peak memory while solving: RSS / heap", sprintf("%s/%s", mb(peak), mb(heap)), "-", "-", "<= 16 MB", yes(peak <= 16 * 1024 && heap <= 16 * 1024))
        row("  the table in memory", mb(table), "-", "-", "<= 4 MB", yes(table <= 4 * 1024))
        row("  one piece of advice, p95", sprintf("%.1f us", p95 * 1000), "-", "-", "<= 5 ms", yes(p95 <= 5))
        row("  " need("sim_games") " games: mean +- standard error", sprintf("%.2f +- %.2f", mean, se), sprintf("%.4f", value), sprintf("%+.1f SE", need("sim_z")), "<= 3 SE", yes(need("sim_z") <= 3 && need("sim_z") >= -3))
    }
' startup.txt game.txt strategy.txt
cat <<EOF

ours: build-bench/app/pipstack. baseline: bench/bare_mdi.cpp, a QMainWindow with an empty QMdiArea, the
same title, Fusion style and window size, showMaximized, no menu; "a frame with a menu bar" adds one menu.
Start-up runs take turns under Xvfb; each is timed from just before exec to the MapNotify of the program's
window (before its first paint), and its memory and CPU are read $SETTLE_MS ms later. Play runs offscreen
through the test kit (clicks through the event system, scripted dice and dialogs); CPU is process CPU time.
The strategy engine's figures come from bench/bench_strategy.cpp: the first solve's peak resident size
above the process's size before it, and the peak of its heap through a counting allocator.
Full output: $LOG
EOF
