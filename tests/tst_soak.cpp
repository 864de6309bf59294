// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// Many whole games the way a family plays through its evenings: eight
// players, random dice, random holds, random choices, every hand-over
// announced, every game ending in the summary and the high-score file, and
// the program closed and started again now and then in the same folder.
// Faults that one scripted game cannot show (state that leaks from one game
// into the next, windows of earlier games getting in the way, a high-score
// table that drifts) show here.

#include "app/application.h"
#include "gamekit.h"
#include "highscores/frmSummary.h"
#include "highscores/scorefile.h"
#include "core/modQuintix.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QHash>
#include <QTest>

#include <algorithm>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;
using gamekit::PlayerCount;
using gamekit::Players;

namespace {

constexpr int Sessions = 40;
constexpr int GamesPerSession = 5;
constexpr int Seats = 8;
const QString NextTurn = u"Next &Turn"_s;

class Dice
{
public:
    int face() { return int(engine_() % 6) + 1; }
    int below(int n) { return int(engine_() % unsigned(n)); }
    bool coin() { return engine_() & 1; }

private:
    // A fixed seed: a failing game can be played again exactly.
    std::mt19937 engine_{20260101};
};

// What the high-score table must hold: the ten best scores so far, and for
// every name we gave, the score it was given for.
struct Ledger {
    QList<int> best = QList<int>(HighScoreCount, 0);
    QHash<QString, int> scoreOfName{{u"Nobody"_s, 0}};
};

// Roll one to three times, holding a random choice of dice in between, and
// score a random open box.
void playRandomTurn(frmQuintix *card, Dice &dice)
{
    const int rolls = dice.below(3) + 1;
    for (int roll = 0; roll < rolls; ++roll) {
        if (roll > 0) {
            for (int i = 0; i <= 4; ++i)
                if (dice.coin())
                    testkit::click(card->picDice(i));
        }
        QList<int> faces;
        for (int i = 0; i <= 4; ++i)
            if (!gamekit::heldDie(card, i))
                faces << dice.face();
        gamekit::roll(card, faces);
    }

    QList<platform::Label *> open;
    for (platform::Label *box : gamekit::scoreBoxes(card))
        if (box->ForeColor() != platform::vbBlack)
            open << box;
    QVERIFY(!open.isEmpty());
    platform::Label *box = open[dice.below(int(open.size()))];
    testkit::click(box);
    QCOMPARE(box->ForeColor(), platform::vbBlack);
    QCOMPARE(card->cmdRoll->Caption(), NextTurn);
}

// gamekit::passTurn without its millisecond of sleep per poll: with the
// frame's timer at 0 ms the hand-over is due at the next pass of the event
// loop, still after the click has returned.
void handOver(mdiMain *frame, frmQuintix *card)
{
    testkit::click(card->cmdRoll);
    QDeadlineTimer deadline(5000);
    while (frame->tNewPlay.Enabled() && !deadline.hasExpired())
        QCoreApplication::processEvents();
    QVERIFY(!frame->tNewPlay.Enabled());
}

// The card's grand total worked out from its thirteen boxes; -1 when a box
// holds no number.
int expectedGrandTotal(frmQuintix *card)
{
    const QList<platform::Label *> boxes = gamekit::scoreBoxes(card);
    int upper = 0;
    int all = 0;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        bool number = false;
        const int points = boxes[i]->Caption().toInt(&number);
        if (!number)
            return -1;
        all += points;
        if (i < 6)
            upper += points;
    }
    return all + (upper >= 63 ? 35 : 0);
}

void playGame(gamekit::Table &table, int game, Dice &dice, Ledger &ledger)
{
    const QString where = u"game %1"_s.arg(game);
    table.dialogs.calls.clear();
    table.newGame(QString::number(Seats));
    QCOMPARE(PlayerCount(), Seats);

    for (int turn = 1; turn <= 13; ++turn) {
        for (int seat = 1; seat <= Seats; ++seat) {
            frmQuintix *card = Players(seat);
            QVERIFY2(table.current() == card, qPrintable(where));
            playRandomTurn(card, dice);
            if (QTest::currentTestFailed())
                return;
            if (turn == 13 && seat == Seats) {
                // Names for those who beat the tenth best, in seat order.
                for (int p = 1; p <= Seats; ++p) {
                    const int total = Players(p)->lblGrandTotal->Caption().toInt();
                    if (total > ledger.best.last()) {
                        const QString name = u"Game %1 seat %2"_s.arg(game).arg(p);
                        table.dialogs.inputAnswers << name;
                        ledger.scoreOfName.insert(name, total);
                    }
                }
            }
            handOver(table.frame.get(), card);
            if (QTest::currentTestFailed())
                return;
        }
    }

    for (int seat = 1; seat <= Seats; ++seat) {
        const int total = expectedGrandTotal(Players(seat));
        QVERIFY2(total >= 0, qPrintable(where));
        QCOMPARE(Players(seat)->lblGrandTotal->Caption(), QString::number(total));
        ledger.best << total;
    }
    QCOMPARE(table.visibleScorecards(), 0);
    QVERIFY2(frmSummary::instance().IsLoaded() && frmSummary::instance().Visible(), qPrintable(where));
    // Every hand-over is announced but the last one, into the summary.
    QCOMPARE(table.dialogs.messages().size(), 13 * Seats - 1);
    QVERIFY2(table.dialogs.inputAnswers.isEmpty(), qPrintable(where));

    std::stable_sort(ledger.best.begin(), ledger.best.end(), std::greater<>());
    ledger.best.resize(HighScoreCount);
    const QByteArray file = table.dir.read(HighScoreFileName());
    QVERIFY2(file.endsWith("\r\n") && file.count("\r\n") == HighScoreCount, file.constData());
    QList<int> saved;
    for (const ScoreEntry &entry : ReadHighScores()) {
        QVERIFY2(ledger.scoreOfName.value(entry.name, -1) == entry.score, qPrintable(where + u": "_s + entry.name));
        saved << entry.score;
    }
    QCOMPARE(saved, ledger.best);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { app::SetUpApplication(); }
    void manyGamesInOneProcess();
};

void TestSoak::manyGamesInOneProcess()
{
    Dice dice;
    Ledger ledger;
    QByteArray highScores;
    int game = 0;
    for (int session = 1; session <= Sessions; ++session) {
        {
            gamekit::Table table;
            // The folder is laid out like the play folder the build makes.
            // Without the pictures every die drawn first tries its file name
            // with a dozen suffixes added, thirteen failed opens a die.
            for (int face = 1; face <= 6; ++face) {
                const QString name = u"Die%1.bmp"_s.arg(face);
                QVERIFY(QFile::copy(u":/"_s + name, table.dir.path() + u'/' + name));
            }
            if (!highScores.isEmpty())
                table.dir.write(HighScoreFileName(), highScores);
            // Painting is left out to keep this test quick; nothing here
            // looks at pixels.
            table.frame->tNewPlay.setInterval(0);
            table.frame->setUpdatesEnabled(false);
            QVERIFY(table.frame->TurnWarning);

            for (int i = 0; i < GamesPerSession; ++i) {
                playGame(table, ++game, dice, ledger);
                if (QTest::currentTestFailed())
                    return;
            }
            highScores = table.dir.read(HighScoreFileName());
            table.frame->mnuOptExit->trigger();
            QVERIFY(!table.frame->isVisible());
        }
        QCOMPARE(QApplication::topLevelWidgets().size(), 0);
    }
    QCOMPARE(game, 200);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
