// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// What play costs, on the real windows driven through the test kit: clicks go
// through the event system, the dice come from the queued rolls and every
// dialog is answered by the scripted dialog service. Runs offscreen.
//
//   bench_game [GAMES]
//
// plays GAMES timed whole games of eight players (10 unless given) and half as
// many at the test kit's pace, then starts New Games to see what memory they
// keep, and plays three more games after them.
//
// CPU figures are process CPU time (CLOCK_PROCESS_CPUTIME_ID), so the waits
// for the 1 ms hand-over timer cost nothing but the polling around them.
// Prints "RESULT <figure> <value>" lines for bench/run.sh and notes starting
// with '#'. A game that does not end the way it was played is an error.

#include "app/application.h"
#include "tests/gamekit.h"
#include "highscores/frmSummary.h"
#include "platform/widgets/forms.h"
#include "core/modQuintix.h"

#include <QApplication>
#include <QElapsedTimer>

#include <malloc.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using gamekit::PlayerCount;
using gamekit::Players;

namespace {

void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "bench_game: %s\n", what);
        std::exit(1);
    }
}

// Microseconds of CPU this process has used.
double cpuUs()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e6 + double(ts.tv_nsec) / 1e3;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double mean(const std::vector<double> &values)
{
    return std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values[std::size_t(p * double(values.size() - 1))];
}

void result(const char *figure, double value) { std::printf("RESULT %s %.3f\n", figure, value); }

// Lets the windows catch up: paints, layouts, and the scorecards a New Game
// dropped, which go with deleteLater.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One player's thirteen turns: the final dice of each turn and the box they
// go into (scoreBoxes order); 242 points in all, the upper bonus included.
struct Turn {
    int faces[5];
    int box;
};
constexpr Turn plan242[13] = {
    {{1, 1, 1, 2, 3}, 0}, {{2, 2, 2, 1, 3}, 1}, {{3, 3, 3, 1, 2}, 2},  {{4, 4, 4, 1, 2}, 3},
    {{5, 5, 5, 1, 2}, 4}, {{6, 6, 6, 1, 2}, 5}, {{5, 5, 5, 1, 1}, 6},  {{1, 2, 3, 4, 6}, 7},
    {{2, 2, 3, 3, 3}, 8}, {{1, 2, 3, 4, 6}, 9}, {{1, 2, 2, 4, 5}, 10}, {{6, 6, 6, 6, 6}, 11},
    {{6, 5, 4, 3, 4}, 12},
};

struct RollCosts {
    std::vector<double> handlerUs; // the click, up to the return of its handler
    std::vector<double> paintedUs; // the click and the repaint it causes
};

// How a game is played. A player's clicks come far apart, so each one is
// painted before the next. The test kit clicks on at once: what is due gets
// painted only when a button repaints itself on press and release (Qt does
// that at once, and takes everything else that waits along) and while the
// kit waits for the hand-over.
enum class Pace { Player, TestKit };

class Player
{
public:
    Player(gamekit::Table &table, Pace pace, RollCosts &costs)
        : table_(table)
        , pace_(pace)
        , costs_(costs)
    {
    }

    // Every click of a turn that uses all three rolls: roll, hold two dice,
    // roll, roll, score, Next Turn; then the wait for the hand-over, whose
    // "your turn" message the scripted dialogs answer.
    void playTurn(frmQuintix *card, const Turn &turn)
    {
        const int *f = turn.faces;
        roll(card, {f[0], f[1], f[4], f[3], f[2]});
        click(card->picDice(0));
        click(card->picDice(1));
        roll(card, {f[3], f[4], f[2]});
        roll(card, {f[2], f[3], f[4]});
        click(gamekit::scoreBoxes(card)[turn.box]);
        gamekit::passTurn(table_.frame.get(), card);
    }
    static constexpr int ClicksPerTurn = 7;

private:
    void click(QWidget *widget)
    {
        testkit::click(widget);
        if (pace_ == Pace::Player)
            QCoreApplication::processEvents();
    }

    void roll(frmQuintix *card, const QList<int> &faces)
    {
        testkit::queueDice(faces);
        const double start = cpuUs();
        testkit::click(card->cmdRoll);
        const double handled = cpuUs();
        if (pace_ == Pace::Player)
            QCoreApplication::processEvents();
        const double painted = cpuUs();
        costs_.handlerUs.push_back(handled - start);
        costs_.paintedUs.push_back(painted - start);
    }

    gamekit::Table &table_;
    Pace pace_;
    RollCosts &costs_;
};

struct GameCpu {
    double newGameUs; // the menu's New Game until the first scorecard is painted
    double wholeUs;   // New Game to the summary
};

// A whole game of eight players, from New Game to the summary.
GameCpu playGame(gamekit::Table &table, Pace pace, RollCosts &costs)
{
    table.dialogs.calls.clear();
    table.dialogs.inputAnswers.clear();
    Player player(table, pace, costs);
    const double start = cpuUs();
    table.newGame(u"8"_s);
    QCoreApplication::processEvents();
    const double started = cpuUs();
    require(PlayerCount() == 8, "New Game did not start eight players");
    for (const Turn &turn : plan242) {
        for (int p = 1; p <= 8; ++p) {
            frmQuintix *card = table.current();
            require(card == Players(p), "the turn went to the wrong player");
            player.playTurn(card, turn);
        }
    }
    const double end = cpuUs();

    require(table.current() == nullptr, "a scorecard is still showing after the last turn");
    require(frmSummary::instance().Visible(), "the summary did not open");
    for (int p = 1; p <= 8; ++p)
        require(Players(p)->lblGrandTotal->Caption() == u"242"_s, "a player did not score 242");
    // Every hand-over but the last announced the next player.
    require(table.dialogs.messages().size() == 8 * 13 - 1, "not every turn was announced");
    return {started - start, end - start};
}

long vmRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    require(false, "no VmRSS in /proc/self/status");
    return 0;
}

// Bytes the program has taken from malloc and not given back.
double heapBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

// Where the objects are: the scorecard forms, everything inside their loaded
// windows, and everything else.
struct Census {
    long rssKb;
    double heap;
    qsizetype forms = 0;
    qsizetype inWindows = 0;  // objects, the sub-windows themselves included
    // Each QMdiSubWindow makes two widgets of its own without a parent (for
    // its controls in a maximized frame's menu bar); they go with it.
    qsizetype mdiHelpers = 0;
    qsizetype objectsElsewhere = 0; // under the frame or the application
    qsizetype widgetsElsewhere = 0; // every other widget of the application
};

Census census(const gamekit::Table &table)
{
    Census c{vmRssKb(), heapBytes()};
    qsizetype widgetsInWindows = 0;
    const auto forms = table.frame->findChildren<frmQuintix *>();
    c.forms = forms.size();
    for (const frmQuintix *form : forms) {
        if (QMdiSubWindow *window = form->window()) {
            c.inWindows += 1 + window->findChildren<QObject *>().size();
            widgetsInWindows += 1 + window->findChildren<QWidget *>().size();
        }
    }
    for (const QWidget *widget : QApplication::topLevelWidgets())
        c.mdiHelpers += QLatin1StringView(widget->metaObject()->className()).startsWith("QMdi::"_L1);
    c.objectsElsewhere = table.frame->findChildren<QObject *>().size() - c.forms - c.inWindows +
                         qApp->findChildren<QObject *>().size();
    c.widgetsElsewhere = QApplication::allWidgets().size() - widgetsInWindows - c.mdiHelpers;
    return c;
}

void printCensus(const char *when, const Census &c)
{
    std::printf("# %-30s RSS %7ld kB  heap %7.0f kB  forms %4lld  objects in their windows %6lld"
                "  QMdi helpers %5lld  objects elsewhere %3lld  widgets elsewhere %3lld\n",
                when, c.rssKb, c.heap / 1024, qlonglong(c.forms), qlonglong(c.inWindows), qlonglong(c.mdiHelpers),
                qlonglong(c.objectsElsewhere), qlonglong(c.widgetsElsewhere));
}

// New Games of eight players, nothing played; returns the CPU of each.
std::vector<double> newGames(gamekit::Table &table, int count)
{
    std::vector<double> cpu;
    for (int game = 0; game < count; ++game) {
        table.dialogs.calls.clear();
        const double start = cpuUs();
        table.newGame(u"8"_s);
        QCoreApplication::processEvents();
        cpu.push_back(cpuUs() - start);
        require(PlayerCount() == 8, "New Game did not start eight players");
        settle();
    }
    return cpu;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app::SetUpApplication();
    const int games = argc > 1 ? std::atoi(argv[1]) : 10;
    require(games >= 1, "GAMES must be at least 1");

    // Whole games, each in a fresh frame, after one warm-up game; then a few
    // at the test kit's pace.
    RollCosts rolls;
    RollCosts testKitRolls;
    std::vector<double> gameCpu, newGameCpu, gameWall, testKitGameCpu;
    for (int game = 0; game <= games + games / 2; ++game) {
        gamekit::Table table;
        settle();
        const bool timed = game > 0 && game <= games;
        RollCosts costs;
        QElapsedTimer wall;
        wall.start();
        const GameCpu cpu = playGame(table, game <= games ? Pace::Player : Pace::TestKit, costs);
        if (game > games) {
            testKitGameCpu.push_back(cpu.wholeUs / 1e3);
            testKitRolls.handlerUs.insert(testKitRolls.handlerUs.end(), costs.handlerUs.begin(),
                                          costs.handlerUs.end());
        } else if (timed) {
            gameWall.push_back(double(wall.nsecsElapsed()) / 1e6);
            gameCpu.push_back(cpu.wholeUs / 1e3);
            newGameCpu.push_back(cpu.newGameUs / 1e3);
            rolls.handlerUs.insert(rolls.handlerUs.end(), costs.handlerUs.begin(), costs.handlerUs.end());
            rolls.paintedUs.insert(rolls.paintedUs.end(), costs.paintedUs.begin(), costs.paintedUs.end());
        }
    }
    std::printf("# %d whole games of 8 players x 13 turns, %d clicks each (every turn: roll, hold 2, roll,\n"
                "# roll, score, Next Turn), New Game from the menu action, every dialog scripted, each game\n"
                "# in a fresh frame: %zu roll clicks. CPU is process CPU time; the waits for the 1 ms\n"
                "# hand-over timer sleep and cost only their polling.\n",
                games, 8 * 13 * Player::ClicksPerTurn, rolls.paintedUs.size());
    result("games", games);
    result("roll_click_us_median", median(rolls.paintedUs));
    result("roll_click_us_mean", mean(rolls.paintedUs));
    result("roll_click_us_p95", percentile(rolls.paintedUs, 0.95));
    result("roll_click_handler_us_median", median(rolls.handlerUs));
    result("roll_click_testkit_handler_us_median", median(testKitRolls.handlerUs));
    result("game_cpu_ms_median", median(gameCpu));
    result("game_cpu_ms_mean", mean(gameCpu));
    result("game_cpu_ms_max", *std::max_element(gameCpu.begin(), gameCpu.end()));
    result("game_wall_ms_median", median(gameWall));
    result("game_testkit_cpu_ms_median", median(testKitGameCpu));
    result("newgame_cpu_ms_median", median(newGameCpu));

    // 100 New Games from start-up; the first ten warm up, the other ninety
    // come in two halves.
    gamekit::Table table;
    settle();
    const Census atStart = census(table);
    newGames(table, 10);
    const Census at10 = census(table);
    newGames(table, 45);
    const Census at55 = census(table);
    const std::vector<double> last = newGames(table, 45);
    const Census at100 = census(table);
    printCensus("after start-up", atStart);
    printCensus("after 10 New Games of 8", at10);
    printCensus("after 55", at55);
    printCensus("after 100", at100);

    const auto perGame = [](double from, double to, int games) { return (to - from) / games; };
    result("rss_start_kb", double(atStart.rssKb));
    result("rss_after100_kb", double(at100.rssKb));
    result("rss_per_game_kb", perGame(atStart.rssKb, at100.rssKb, 100));
    result("rss_per_game_kb_11_55", perGame(at10.rssKb, at55.rssKb, 45));
    result("rss_per_game_kb_56_100", perGame(at55.rssKb, at100.rssKb, 45));
    result("heap_per_game_kb", perGame(atStart.heap, at100.heap, 100) / 1024);
    result("heap_per_game_kb_11_55", perGame(at10.heap, at55.heap, 45) / 1024);
    result("heap_per_game_kb_56_100", perGame(at55.heap, at100.heap, 45) / 1024);
    // From the tenth game on, when one game's windows already stand.
    result("objects_in_windows_per_game", perGame(at10.inWindows, at100.inWindows, 90));
    result("mdi_helpers_per_game", perGame(at10.mdiHelpers, at100.mdiHelpers, 90));
    result("forms_per_game", perGame(at10.forms, at100.forms, 90));
    // 0 when only the games' windows and their forms grew.
    result("objects_elsewhere_growth", double(at100.objectsElsewhere - atStart.objectsElsewhere));
    result("widgets_elsewhere_growth", double(at100.widgetsElsewhere - atStart.widgetsElsewhere));
    result("newgame_cpu_ms_91_100", mean({last.end() - 10, last.end()}) / 1e3);

    // And whole games after the hundred New Games, in the same frame.
    RollCosts late;
    std::vector<double> lateCpu;
    for (int game = 0; game < 3; ++game)
        lateCpu.push_back(playGame(table, Pace::Player, late).wholeUs / 1e3);
    result("game_cpu_ms_after100", median(lateCpu));
    return 0;
}
