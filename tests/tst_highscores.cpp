// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/application.h"
#include "gamekit.h"
#include "highscores/frmScores.h"
#include "highscores/frmSummary.h"
#include "highscores/scorefile.h"
#include "platform/widgets/forms.h"
#include "core/modQuintix.h"

#include <QApplication>
#include <QDir>
#include <QLockFile>
#include <QMdiArea>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;
using gamekit::PlayerCount;
using gamekit::Players;
using gamekit::Table;

namespace {

const QByteArray ResetFile = QByteArray(" 0 Nobody\r\n").repeated(10);

QStringList rows(frmScores &table)
{
    QStringList texts;
    for (int n = 1; n <= 10; ++n)
        texts << table.lblScore(n)->Caption() + u' ' + table.lblPlayer(n)->Caption();
    return texts;
}

QByteArray fileOf(const QList<std::pair<int, const char *>> &entries)
{
    QByteArray bytes;
    for (const auto &[score, name] : entries)
        bytes += (score >= 0 ? " " : "") + QByteArray::number(score) + ' ' + name + "\r\n";
    return bytes;
}

// Old entries 300 .. 90, named A .. J.
const QByteArray Ladder = fileOf({{300, "A"}, {250, "B"}, {200, "C"}, {200, "D"}, {150, "E"},
                                  {120, "F"}, {110, "G"}, {105, "H"}, {100, "I"}, {90, "J"}});

// A finished game of these totals: the cards exist, their grand totals are
// filled in, and the summary runs as the frame runs it at the end.
void finishGame(Table &t, const QList<int> &grandTotals, const QStringList &names = {})
{
    t.newGame(QString::number(grandTotals.size()));
    for (int p = 1; p <= PlayerCount(); ++p) {
        // Every category scored, all of the points in Chance.
        std::array<std::optional<std::int16_t>, CategoryCount> points;
        points.fill(std::int16_t(0));
        points[std::size_t(Category::Chance)] = static_cast<std::int16_t>(grandTotals[p - 1]);
        t.frame->game().Player(p)->Fill(points);
        Players(p)->Hide();
    }
    t.dialogs.inputAnswers << names;
    frmSummary::instance().Unload();
    frmSummary::instance().ShowGame(t.frame->game());
}

QList<QByteArray> fileLines(const Table &t)
{
    QList<QByteArray> lines = t.dir.read(u"High Scores.dat"_s).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class TestHighScores : public QObject, private gamekit::TableOwner
{
    Q_OBJECT

private slots:
    void initTestCase() { app::SetUpApplication(); }
    void cleanup() { dropTable(); }

    void table_showsTheFileInFileOrder_data();
    void table_showsTheFileInFileOrder();
    void table_missingFileShowsResetScoresAndWritesNothing();
    void table_opensOnceAndKeepsItsRows();
    void reset_cancelChangesNothing();
    void reset_rewritesTheFileAndTheRows();
    void reset_thatCannotBeSavedSaysSo();

    void summary_sizesItselfToThePlayers_data();
    void summary_sizesItselfToThePlayers();
    void summary_aHighScoreMustBeatTheTenthEntry();
    void summary_againstTheResetFileEveryPointCounts();
    void summary_onlyTheTopTenAreKept();
    void summary_tiesKeepTheOldEntriesAhead_data();
    void summary_tiesKeepTheOldEntriesAhead();
    void summary_buttonsOpenTheTableAndClose();
    void summary_viewFocusesTheRowOfTheNameJustEntered();
    void summary_twoGamesInARowBothCount();
    void summary_keepsScoresSavedWhileItAsked();
    void summary_neverReplacesAFileItCannotRead();
    void summary_shortFileBringsBackNoEarlierEntries();
    void summary_waitsInSightAndMayTryAgain();
};


void TestHighScores::table_showsTheFileInFileOrder_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    QStringList reset;
    for (int n = 0; n < 10; ++n)
        reset << u"0 Nobody"_s;
    QStringList empty(10, u" "_s);
    QTest::newRow("reset file") << ResetFile << reset;
    QTest::newRow("empty file") << QByteArray() << empty;
    QStringList three = empty;
    three[0] = u"50 Ann"_s;
    three[1] = u"-7 Bob"_s;
    three[2] = u"3 "_s;
    QTest::newRow("three entries, blanks, a negative score, no name")
        << QByteArray("   50   Ann\r\n-7 Bob\r\n 3 \r\n") << three;
    QStringList unsorted = empty;
    unsorted[0] = u"1 Low"_s;
    unsorted[1] = u"99 High"_s;
    QTest::newRow("not sorted by the table") << QByteArray(" 1 Low\r\n 99 High\r\n") << unsorted;
}

void TestHighScores::table_showsTheFileInFileOrder()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, file);
    t.frame->mnuOptScore->trigger();
    frmScores &scores = frmScores::instance();
    QCOMPARE(rows(scores), expected);
    QCOMPARE(scores.Caption(), u"High Scores"_s);
    QCOMPARE(scores.window()->size(), QSize(platform::Px(5000), platform::Px(6000)));
    QCOMPARE(t.dir.read(u"High Scores.dat"_s), file); // reading never writes
}

void TestHighScores::table_missingFileShowsResetScoresAndWritesNothing()
{
    Table &t = table();
    t.frame->mnuOptScore->trigger();
    QCOMPARE(rows(frmScores::instance()).first(), u"0 Nobody"_s);
    QCOMPARE(rows(frmScores::instance()).last(), u"0 Nobody"_s);
    QVERIFY(!QFile::exists(t.dir.path() + u"/High Scores.dat"_s));
}

void TestHighScores::table_opensOnceAndKeepsItsRows()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, fileOf({{10, "Old"}}));
    t.frame->mnuOptScore->trigger();
    t.dir.write(u"High Scores.dat"_s, fileOf({{20, "New"}}));
    t.frame->mnuOptScore->trigger();
    QCOMPARE(rows(frmScores::instance()).first(), u"10 Old"_s);
    QCOMPARE(t.frame->area()->subWindowList().size(), 1);

    testkit::click(frmScores::instance().cmdClose);
    QVERIFY(!frmScores::instance().IsLoaded());
    t.frame->mnuOptScore->trigger(); // a new opening reads afresh
    QCOMPARE(rows(frmScores::instance()).first(), u"20 New"_s);
}

void TestHighScores::reset_cancelChangesNothing()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    t.frame->mnuOptScore->trigger();
    const QStringList before = rows(frmScores::instance());
    t.dialogs.messageAnswers << platform::vbCancel;
    testkit::click(frmScores::instance().cmdReset);
    QCOMPARE(t.dialogs.calls.size(), 1);
    QCOMPARE(t.dialogs.calls[0].prompt, u"Do you really want to reset the scores?"_s);
    QCOMPARE(t.dialogs.calls[0].title, u"WARNING"_s);
    QCOMPARE(t.dialogs.calls[0].style, 49);
    QCOMPARE(t.dir.read(u"High Scores.dat"_s), Ladder);
    QCOMPARE(rows(frmScores::instance()), before);
}

void TestHighScores::reset_rewritesTheFileAndTheRows()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    t.frame->mnuOptScore->trigger();
    testkit::click(frmScores::instance().cmdReset);
    QCOMPARE(t.dir.read(u"High Scores.dat"_s), ResetFile);
    QVERIFY(frmScores::instance().Visible());
    QCOMPARE(rows(frmScores::instance()), QStringList(10, u"0 Nobody"_s));
    QCOMPARE(t.dialogs.messages().size(), 1);
}

void TestHighScores::reset_thatCannotBeSavedSaysSo()
{
    Table &t = table();
    QVERIFY(QDir(t.dir.path()).mkdir(u"High Scores.dat"_s)); // in the way of any file of that name
    t.frame->mnuOptScore->trigger();
    testkit::click(frmScores::instance().cmdReset);
    QCOMPARE(t.dialogs.messages().size(), 2);
    QVERIFY(t.dialogs.messages()[1].startsWith(u"The high scores could not be saved."_s));
    QVERIFY(frmScores::instance().Visible());
}

void TestHighScores::summary_sizesItselfToThePlayers_data()
{
    QTest::addColumn<int>("players");
    QTest::addColumn<int>("height");
    QTest::newRow("one") << 1 << 2500;
    QTest::newRow("three") << 3 << 2500;
    QTest::newRow("four") << 4 << 2900;
    QTest::newRow("eight") << 8 << 4900;
}

void TestHighScores::summary_sizesItselfToThePlayers()
{
    QFETCH(int, players);
    QFETCH(int, height);
    Table &t = table();
    finishGame(t, QList<int>(players, 0));
    frmSummary &summary = frmSummary::instance();
    QCOMPARE(summary.Caption(), u"Summary"_s);
    QCOMPARE(summary.window()->size(), QSize(platform::Px(5000), platform::Px(height)));
    for (int p = 1; p <= 8; ++p) {
        QCOMPARE(summary.lblPlayer(p)->Caption(), p <= players ? u"Player %1: "_s.arg(p) : QString());
        QCOMPARE(summary.lblScore(p)->Caption(), p <= players ? u"0"_s : QString());
        QVERIFY(summary.lblHigh(p)->isHidden());
        // Every row of a player is inside the window.
        if (p <= players)
            QVERIFY(summary.client()->rect().contains(summary.lblHigh(p)->geometry()));
    }
    QVERIFY(summary.client()->rect().contains(summary.cmdClose->geometry()));
}

void TestHighScores::summary_aHighScoreMustBeatTheTenthEntry()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    finishGame(t, {90, 91}, {u"Max"_s});
    frmSummary &summary = frmSummary::instance();
    QVERIFY(summary.lblHigh(1)->isHidden());
    QVERIFY(!summary.lblHigh(2)->isHidden());
    QCOMPARE(t.dialogs.prompts().mid(1), QStringList({u"Player 2, you scored a High Score!  Input your name:"_s}));
    QCOMPARE(t.dialogs.calls.last().title, u"High Score"_s);
    QCOMPARE(fileLines(t).last(), QByteArray(" 91 Max\r"));
}

void TestHighScores::summary_againstTheResetFileEveryPointCounts()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, ResetFile);
    // Cancel in the name box stores an empty name; the score still counts.
    finishGame(t, {5, 0, 17}, {u"Zed"_s});
    QCOMPARE(t.dialogs.prompts().size(), 3); // the player count, then players 1 and 3
    QCOMPARE(t.dir.read(u"High Scores.dat"_s),
             fileOf({{17, ""}, {5, "Zed"}}) + QByteArray(" 0 Nobody\r\n").repeated(8));
}

void TestHighScores::summary_onlyTheTopTenAreKept()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    finishGame(t, {95, 93}, {u"P1"_s, u"P2"_s});
    QVERIFY(!frmSummary::instance().lblHigh(1)->isHidden());
    QVERIFY(!frmSummary::instance().lblHigh(2)->isHidden());
    QCOMPARE(t.dialogs.prompts().size(), 3);
    QCOMPARE(t.dir.read(u"High Scores.dat"_s),
             fileOf({{300, "A"}, {250, "B"}, {200, "C"}, {200, "D"}, {150, "E"}, {120, "F"}, {110, "G"},
                     {105, "H"}, {100, "I"}, {95, "P1"}}));
}

void TestHighScores::summary_tiesKeepTheOldEntriesAhead_data()
{
    QTest::addColumn<QList<int>>("totals");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("a new 260") << QList<int>{260}
                               << fileOf({{300, "A"}, {260, "P1"}, {250, "B"}, {200, "D"}, {200, "C"}, {150, "E"},
                                          {120, "F"}, {110, "G"}, {105, "H"}, {100, "I"}});
    QTest::newRow("two new 150s") << QList<int>{150, 150}
                                  << fileOf({{300, "A"}, {250, "B"}, {200, "C"}, {200, "D"}, {150, "E"},
                                             {150, "P1"}, {150, "P2"}, {120, "F"}, {110, "G"}, {105, "H"}});
}

void TestHighScores::summary_tiesKeepTheOldEntriesAhead()
{
    QFETCH(QList<int>, totals);
    QFETCH(QByteArray, expected);
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    finishGame(t, totals, {u"P1"_s, u"P2"_s});
    QCOMPARE(fileLines(t), expected.split('\n').mid(0, 10));
}

void TestHighScores::summary_buttonsOpenTheTableAndClose()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, fileOf({{10, "Old"}}));
    t.frame->mnuOptScore->trigger(); // open before the game ends: keeps its rows
    finishGame(t, {42}, {u"Neo"_s});
    testkit::click(frmSummary::instance().cmdView);
    QCOMPARE(rows(frmScores::instance()).first(), u"10 Old"_s);

    QCOMPARE(QApplication::focusWidget(), frmSummary::instance().cmdView); // the open table is left alone
    testkit::click(frmScores::instance().cmdClose);
    testkit::click(frmSummary::instance().cmdView);
    QCOMPARE(rows(frmScores::instance()).first(), u"42 Neo"_s);
    QCOMPARE(QApplication::focusWidget(), frmScores::instance().lblPlayer(1));

    testkit::click(frmSummary::instance().cmdClose);
    QVERIFY(!frmSummary::instance().IsLoaded());
    QVERIFY(frmScores::instance().IsLoaded());
    QCOMPARE(t.visibleScorecards(), 0);
}

void TestHighScores::summary_viewFocusesTheRowOfTheNameJustEntered()
{
    Table &t = table();
    frmScores &scores = frmScores::instance();
    const auto view = [&scores](int row) {
        testkit::click(frmSummary::instance().cmdView);
        QCOMPARE(QApplication::focusWidget(), row ? static_cast<QWidget *>(scores.lblPlayer(row)) : scores.cmdClose);
        testkit::click(scores.cmdClose);
    };
    // Three rows of 150 E: the old one, then the two just entered, the
    // second of which is the newest.
    t.dir.write(u"High Scores.dat"_s, Ladder);
    finishGame(t, {150, 150}, {u"E"_s, u"E"_s});
    testkit::click(frmSummary::instance().cmdView);
    QCOMPARE(rows(scores).mid(4, 3), QStringList(3, u"150 E"_s));
    QCOMPARE(QApplication::focusWidget(), scores.lblPlayer(7));
    testkit::click(scores.cmdClose);
    t.frame->mnuOptScore->trigger(); // from the menu, as ever
    QCOMPARE(QApplication::focusWidget(), scores.cmdClose);
    testkit::click(scores.cmdClose);

    // The newest name fell out of the ten: the one entered before it is shown.
    finishGame(t, {140, 106}, {u"Kim"_s, u"Lou"_s});
    QCOMPARE(t.dialogs.prompts().size(), 6); // two games, both of whose names were asked
    view(8);
    // Another game saved since: the entry is found where it went.
    t.dir.write(u"High Scores.dat"_s, fileOf({{400, "Zed"}}) + t.dir.read(u"High Scores.dat"_s));
    view(9);
    // No name entered, nothing to show.
    finishGame(t, {1});
    view(0);
}

void TestHighScores::summary_twoGamesInARowBothCount()
{
    Table &t = table();
    const QList<int> faces{6, 6, 6, 6, 6};
    for (const QString &name : {u"First"_s, u"Second"_s}) {
        t.newGame(u"1"_s);
        frmQuintix *card = Players(1);
        const auto boxes = gamekit::scoreBoxes(card);
        for (int i = 0; i < 13; ++i) {
            if (i == 12)
                t.dialogs.inputAnswers << name;
            gamekit::playTurn(t.frame.get(), card, faces, boxes[i]);
        }
        // The first game's summary is still open when the second ends.
        QVERIFY(frmSummary::instance().Visible());
        QCOMPARE(frmSummary::instance().lblScore(1)->Caption(), card->lblGrandTotal->Caption());
    }
    // Sixes 30, three and four of a kind 30 each, five of a kind 50, chance 30.
    QCOMPARE(fileLines(t).mid(0, 3),
             QList<QByteArray>({" 170 First\r", " 170 Second\r", " 0 Nobody\r"}));
}

void TestHighScores::summary_keepsScoresSavedWhileItAsked()
{
    // Two games in one folder: this one has read the table, and while its
    // player types a name the other game saves two high scores.
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, ResetFile);
    t.dialogs.whileOpen = [&t](const testkit::ScriptedDialogs::Call &call) {
        if (call.title == u"High Score"_s)
            t.dir.write(u"High Scores.dat"_s, fileOf({{80, "Bea"}, {65, "Cy"}}) + ResetFile.first(11 * 8));
    };
    finishGame(t, {70}, {u"Al"_s});
    QCOMPARE(t.dir.read(u"High Scores.dat"_s), fileOf({{80, "Bea"}, {70, "Al"}, {65, "Cy"}}) + ResetFile.first(11 * 7));
}

void TestHighScores::summary_neverReplacesAFileItCannotRead()
{
#ifdef Q_OS_LINUX
    // Reading a process's memory from its start fails with an I/O error.
    Table &t = table();
    QVERIFY(QFile::link(u"/proc/self/mem"_s, u"High Scores.dat"_s));
    const QString unsaved = u"The high scores could not be saved.\n\n\"/proc/self/mem\" could not be read "
                            u"(the disk reported an error), so it was left as it is."_s;
    finishGame(t, {250});
    QVERIFY(frmSummary::instance().Visible());
    QCOMPARE(frmSummary::instance().lblScore(1)->Caption(), u"250"_s);
    QVERIFY(frmSummary::instance().lblHigh(1)->isHidden());
    QCOMPARE(t.dialogs.prompts().size(), 1); // the player count: no name is asked
    QCOMPARE(t.dialogs.messages(), QStringList{unsaved});

    testkit::click(frmSummary::instance().cmdView);
    QCOMPARE(rows(frmScores::instance()).first(), u" (could not be read)"_s);
    testkit::click(frmScores::instance().cmdReset);
    QCOMPARE(t.dialogs.messages().mid(1), (QStringList{u"Do you really want to reset the scores?"_s, unsaved}));
    QCOMPARE(QFile::symLinkTarget(u"High Scores.dat"_s), u"/proc/self/mem"_s);
#else
    QSKIP("Needs a file that fails to read");
#endif
}

void TestHighScores::summary_shortFileBringsBackNoEarlierEntries()
{
    // While the player types a name, another game leaves a short table.
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    t.dialogs.whileOpen = [&t](const testkit::ScriptedDialogs::Call &call) {
        if (call.title == u"High Score"_s)
            t.dir.write(u"High Scores.dat"_s, fileOf({{80, "Bea"}, {65, "Cy"}}));
    };
    finishGame(t, {95}, {u"Al"_s});
    QCOMPARE(t.dir.read(u"High Scores.dat"_s),
             fileOf({{95, "Al"}, {80, "Bea"}, {65, "Cy"}}) + QByteArray(" 0 \r\n").repeated(7));
}

void TestHighScores::summary_waitsInSightAndMayTryAgain()
{
    Table &t = table();
    t.dir.write(u"High Scores.dat"_s, Ladder);
    auto otherGame = std::make_unique<QLockFile>(t.dir.path() + u"/High Scores.dat.lock"_s);
    QVERIFY(otherGame->tryLock());
    const auto savedWait = std::exchange(WindowSaveWait, std::chrono::milliseconds(300));
    QString shown;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QTimer::singleShot(100, [&] {
        if (QStatusBar *bar = t.frame->findChild<QStatusBar *>())
            shown = bar->currentMessage();
        if (const QCursor *override = QApplication::overrideCursor())
            cursor = override->shape();
    });
    // The other game is done by the time the player answers.
    t.dialogs.whileOpen = [&](const testkit::ScriptedDialogs::Call &call) {
        if (call.style == (platform::vbRetryCancel | platform::vbExclamation))
            otherGame.reset();
    };
    // The windows keep painting and timers keep firing while the save waits:
    // the event loop runs all the time, not once between two tries.
    int turnsWhileWaiting = 0;
    QTimer everyTurn;
    QObject::connect(&everyTurn, &QTimer::timeout, [&] {
        if (QApplication::overrideCursor())
            ++turnsWhileWaiting;
    });
    everyTurn.start(0);
    t.dialogs.messageAnswers << platform::vbRetry;
    finishGame(t, {95}, {u"Al"_s});
    everyTurn.stop();
    WindowSaveWait = savedWait;

    QVERIFY2(turnsWhileWaiting > 100, qPrintable(QString::number(turnsWhileWaiting)));

    QCOMPARE(shown, u"Waiting for another game to finish saving the high scores\u2026"_s);
    QCOMPARE(cursor, Qt::WaitCursor);
    QCOMPARE(t.dialogs.messages(),
             QStringList{u"The high scores could not be saved.\n\n\""_s +
                         QDir::toNativeSeparators(t.dir.path() + u"/High Scores.dat"_s) +
                         u"\" is being saved by another game, which has not finished.\n\nTry again?"_s});
    QCOMPARE(fileLines(t).at(9), QByteArray(" 95 Al\r"));
    QVERIFY(!QApplication::overrideCursor());
    QTRY_VERIFY(!t.frame->findChild<QStatusBar *>()); // deleted later
}

QTEST_MAIN(TestHighScores)
#include "tst_highscores.moc"
