// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/coach.h"
#include "app/frmReview.h"
#include "gamekit.h"
#include "highscores/frmSummary.h"
#include "scorecard/cardwords.h"

#include <QDeadlineTimer>
#include <QListWidget>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using gamekit::Players;
using gamekit::Table;

namespace {

QString announced(const Table &t)
{
    const auto *announcer = t.frame->findChild<QWidget *>(u"platform announcer"_s);
    return announcer ? announcer->property("announcement").toString() : QString();
}

QStringList captions(frmQuintix *card)
{
    QStringList texts{card->cmdRoll->Caption(), card->lblMemo->Caption()};
    for (platform::Label *box : gamekit::scoreBoxes(card))
        texts << box->Caption();
    return texts;
}

QList<QWidget *> marks(frmQuintix *card) { return card->client()->findChildren<QWidget *>(u"hintMark"_s); }

const strategy::Engine &readyEngine(Coach *coach)
{
    coach->WhenReady([] {});
    // Under the sanitizers, with other tests running, the solve takes many seconds.
    [&] { QTRY_VERIFY_WITH_TIMEOUT(coach->engine(), 120000); }();
    return *coach->engine();
}

std::vector<strategy::Action> adviceFor(Coach *coach, const Scorecard &card)
{
    return readyEngine(coach).Advise(strategy::StateOf(card), card.Dice, RollsPerTurn - card.RollNum);
}

// The computer's turns take their pace's steps; polled at a finer grain
// than QTRY's, a whole game ends sooner.
bool waitFor(const std::function<bool()> &done)
{
    QDeadlineTimer deadline(30000);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(10);
    return done();
}

} // namespace

class TestCoach : public QObject, private gamekit::TableOwner
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { dropTable(); }
    void computerPlayers_playAWholeGameAndStayOutOfTheTable();
    void hint_matchesTheEngineAtEveryRoll();
    void review_listsTheCostsOfAScriptedGame();

private:
    QTemporaryDir config_;
};

void TestCoach::initTestCase()
{
    // The choices are remembered between runs: never in the tester's own,
    // nor in another test's running at the same time.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
}

// Players 2 and 3 played by the computer at Perfect and the fast pace: the
// human's turns and the hand-overs are as ever, the computer's turns play
// themselves through the card's handlers without a loss against the engine,
// and at the end only the human is asked a name and enters the file, while
// the summary shows every total and marks the computer's.
void TestCoach::computerPlayers_playAWholeGameAndStayOutOfTheTable()
{
    Table &t = table();
    Coach *coach = t.frame->coach();
    const QList<QAction *> menus = t.frame->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus.at(0)->text(), u"&Options"_s);
    QCOMPARE(menus.at(1)->text(), u"&Coach"_s);
    // Nothing is solved before the coach is needed.
    QVERIFY(!coach->engine());
    coach->mnuComputerPlayer.at(1)->trigger();
    coach->mnuComputerPlayer.at(2)->trigger();
    coach->mnuPerfect->trigger();
    coach->mnuFast->trigger();
    QVERIFY(coach->pace() <= 100);
    t.dir.write(u"High Scores.dat"_s, QByteArray(" 0 Nobody\r\n").repeated(10));

    t.newGame(u"3"_s);
    QList<bool> heldShown;
    t.frame->game().Player(2)->Listen([&](Scorecard::Change change, int die) {
        if (change == Scorecard::Change::Held)
            heldShown << (gamekit::heldDie(Players(2), die) == Players(2)->Card().Held(die));
    });
    // The human throws five sixes each turn and scores the boxes in order:
    // 0 in the upper five, then 30, 30, 30, 0, 0, 0, 50 and 30.
    for (int turn = 1; turn <= 13; ++turn) {
        QCOMPARE(t.frame->game().CurrentPlayer, 1);
        frmQuintix *card = t.current();
        QCOMPARE(card, Players(1));
        gamekit::roll(card, {6, 6, 6, 6, 6});
        testkit::click(gamekit::scoreBoxes(card).at(turn - 1));
        gamekit::passTurn(t.frame.get(), card);
        if (turn < 13)
            QVERIFY(waitFor([&] { return t.frame->game().CurrentPlayer == 1 && t.current() == Players(1); }));

    }
    QVERIFY(waitFor([] { return frmSummary::instance().IsLoaded(); }));

    QVERIFY(!heldShown.isEmpty() && !heldShown.contains(false));
    QCOMPARE(t.dialogs.prompts(), QStringList({u"How many players (1-8)?"_s,
                                               u"Player 1, you scored a High Score!  Input your name:"_s}));
    QStringList turns;
    for (int turn = 1; turn <= 13; ++turn)
        turns << u"Player 2, it is your turn."_s << u"Player 3, it is your turn."_s << u"Player 1, it is your turn."_s;
    turns.removeLast();
    QCOMPARE(t.dialogs.messages(), turns);
    QCOMPARE(t.dir.read(u"High Scores.dat"_s), QByteArray(" 170 \r\n") + QByteArray(" 0 Nobody\r\n").repeated(9));
    frmSummary &summary = frmSummary::instance();
    for (int p = 1; p <= 3; ++p) {
        const auto &totals = t.frame->game().Player(p)->Totals();
        QVERIFY(totals);
        QCOMPARE(summary.lblScore(p)->Caption(), QString::number(totals->grandTotal));
        QCOMPARE(summary.lblComputer(p)->isVisible(), p != 1);
        QCOMPARE(summary.lblHigh(p)->isVisible(), p == 1);
    }
    QCOMPARE(summary.lblComputer(2)->Caption(), u"(computer)"_s);
    QVERIFY(summary.cmdView->accessibleDescription().contains(u"Player 2: "_s
                                                               + summary.lblScore(2)->Caption()
                                                               + u", played by the computer"_s));
    // Perfect play loses nothing; the review is about the human alone.
    for (int p = 2; p <= 3; ++p)
        QCOMPARE(review::Review(*coach->engine(), coach->logs().at(std::size_t(p - 1))->Decisions()).totalLost, 0.0);
    coach->mnuReview_Click();
    auto *list = t.frame->findChild<QListWidget *>();
    QVERIFY(list);
    QVERIFY(list->item(0)->text().startsWith(u"Player 1: "_s));
    for (int row = 0; row < list->count(); ++row)
        QVERIFY(list->item(row)->text().startsWith(u"Player 1"_s));

    // The choices hold for the next run.
    dropTable();
    Coach *again = table().frame->coach();
    QCOMPARE(again->ComputerPlayers(), QList<int>({2, 3}));
    QVERIFY(again->mnuFast->isChecked() && again->mnuPerfect->isChecked());
    again->mnuComputerPlayer.at(1)->trigger();
    again->mnuComputerPlayer.at(2)->trigger();
    again->mnuBeginner->trigger();
    QCOMPARE(again->ComputerPlayers(), QList<int>());
}

// Following every hint through three turns: at each roll the hint says the
// engine's best action and its expectation at the end, marks exactly the
// dice or box it means, changes no caption, and goes with the next move.
void TestCoach::hint_matchesTheEngineAtEveryRoll()
{
    Table &t = table();
    Coach *coach = t.frame->coach();
    t.newGame(u"1"_s);
    frmQuintix *card = t.current();
    QTest::keyClick(card->cmdRoll, Qt::Key_H);
    QCOMPARE(announced(t), u"The coach is thinking."_s);
    const strategy::Engine &engine = readyEngine(coach);
    QTRY_VERIFY(announced(t).startsWith(u"Roll: "_s));
    QList<int> faces{2, 3, 3, 5, 6, 1, 3, 4, 4, 2, 5, 5, 5, 1, 6, 6, 6, 3, 3, 2, 1, 2, 3, 4, 6, 4, 4, 4, 1, 2};
    for (int turn = 1; turn <= 3; ++turn) {
        QCOMPARE(t.current(), card);
        QTest::keyClick(card->cmdRoll, Qt::Key_H);
        const double start = engine.Expected(strategy::StateOf(card->Card())) + card->Card().Scored();
        QCOMPARE(announced(t), u"Roll: %1 expected at the end."_s.arg(start, 0, 'f', 1));
        for (;;) {
            testkit::queueDice(faces.mid(0, 5));
            faces = faces.mid(5);
            testkit::click(card->cmdRoll);
            QVERIFY(marks(card).isEmpty());
            const QStringList before = captions(card);
            QTest::keyClick(card->cmdRoll, Qt::Key_H);
            const Scorecard &now = card->Card();
            const auto advice = adviceFor(coach, now);
            const strategy::Action &best = advice.front();
            const QString text = announced(t);
            QCOMPARE(text, Coach::HintText(now, engine));
            QCOMPARE(t.frame->statusBar()->currentMessage(), text);
            QCOMPARE(captions(card), before);
            const QString expected = QString::number(now.Scored() + best.expected, 'f', 1);
            if (best.kind == strategy::Action::Score) {
                QVERIFY2(text.startsWith(u"Score "_s) && text.contains(expected), qPrintable(text));
                QCOMPARE(marks(card).size(), 1);
                const QWidget *box = gamekit::scoreBoxes(card).at(int(best.category));
                QVERIFY(marks(card).at(0)->geometry().contains(box->geometry()));
                testkit::click(gamekit::scoreBoxes(card).at(int(best.category)));
                break;
            }
            QVERIFY2(text.contains(u" and roll: %1 expected at the end."_s.arg(expected)), qPrintable(text));
            QCOMPARE(marks(card).size(), int(best.kept.size()));
            const auto holds = Coach::HoldsFor(now, best.kept);
            for (int i = 0; i <= 4; ++i) {
                bool marked = false;
                for (const QWidget *mark : marks(card))
                    marked |= mark->geometry().contains(card->shpHold(i)->geometry());
                QCOMPARE(marked, holds.at(std::size_t(i)));
                if (holds.at(std::size_t(i)) != now.Held(i))
                    QTest::keyClick(card->cmdRoll, Qt::Key(Qt::Key_1 + i));
            }
            // Holding what the hint says leaves its marks in place.
            QCOMPARE(marks(card).size(), int(best.kept.size()));
        }
        QVERIFY(marks(card).isEmpty());
        gamekit::passTurn(t.frame.get(), card);
    }
}

// A scripted game with one blunder and one keep: the review lists each
// decision that cost half a point or more, in the engine's own figures, and
// the total, in a list the keyboard is in.
void TestCoach::review_listsTheCostsOfAScriptedGame()
{
    Table &t = table();
    Coach *coach = t.frame->coach();
    t.newGame(u"1"_s);
    frmQuintix *card = t.current();
    // Turn 1: five sixes scored as Ones.
    gamekit::playTurn(t.frame.get(), card, {6, 6, 6, 6, 6}, card->lblNums(1));
    // Turn 2: 1 2 3 4 kept from 1 2 3 4 1, then a straight.
    gamekit::roll(card, {1, 2, 3, 4, 1});
    for (int i = 0; i <= 3; ++i)
        testkit::click(card->picDice(i));
    gamekit::roll(card, {5});
    testkit::click(card->lblLarge);
    gamekit::passTurn(t.frame.get(), card);

    const auto &decisions = coach->logs().at(0)->Decisions();
    QCOMPARE(decisions.size(), std::size_t(3));
    const strategy::Engine &engine = readyEngine(coach);
    const review::Report report = review::Review(engine, decisions);
    const auto blunder = review::Cost(engine, decisions.at(0));
    QVERIFY(blunder && blunder->lost >= 0.5);

    t.frame->coach()->mnuReview->trigger();
    auto *list = t.frame->findChild<QListWidget *>();
    QVERIFY(list && list->hasFocus());
    QCOMPARE(list->currentRow(), 0);
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    QCOMPARE(lines.at(0), u"Player 1: %1 expected points lost in all."_s.arg(report.totalLost, 0, 'f', 1));
    QCOMPARE(lines.size(), 1 + int(report.costly.size()));
    QString perfect = u"perfect play scores %1"_s.arg(cardwords::CategoryName(blunder->best.category));
    if (blunder->best.kind == strategy::Action::Keep) {
        QStringList faces;
        for (int face : blunder->best.kept)
            faces << QString::number(face);
        perfect = u"perfect play keeps "_s + faces.join(u' ');
    }
    QCOMPARE(lines.at(1), u"Player 1, turn 1, roll 1: scored Ones; %1; %2 points lost."_s.arg(perfect).arg(blunder->lost, 0, 'f', 1));
    for (std::size_t i = 1; i < report.costly.size(); ++i)
        QVERIFY(lines.at(int(i) + 1).startsWith(u"Player 1, turn 2, roll "_s));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 1);
}

QTEST_MAIN(TestCoach)
#include "tst_coach.moc"
