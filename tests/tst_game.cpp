// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/application.h"
#include "gamekit.h"
#include "highscores/frmScores.h"
#include "highscores/frmSummary.h"
#include "platform/widgets/forms.h"
#include "platform/runtime/rnd.h"
#include "core/modQuintix.h"
#include "pipstack_version.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTextLayout>

#include <cstdlib>

using namespace Qt::StringLiterals;
using gamekit::PlayerCount;
using gamekit::Players;
using gamekit::Table;
using platform::ContrastRatio;
using platform::Px;
using platform::vbBlack;
using platform::vbRed;

namespace {

const QString FirstRoll = u"&Roll 1"_s;
const QString NextTurn = u"Next &Turn"_s;

QString blanks(int n) { return QString(n, u' '); }

QString readyText(int turn)
{
    return u"Turn %1."_s.arg(turn) + blanks(27) + u"Click for"_s + blanks(7) + u"roll #1."_s;
}

QStringList captions(const QList<platform::Label *> &boxes)
{
    QStringList texts;
    for (const auto *box : boxes)
        texts << box->Caption();
    return texts;
}

QStringList totals(frmQuintix *card)
{
    return captions({card->lblSubTot, card->lblBonus, card->lblTotal1, card->lblTotal2, card->lblGrandTotal});
}

void postClick(QWidget *widget)
{
    const QPointF at = widget->rect().center();
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                        Qt::NoButton, Qt::NoModifier));
}

// A real double-click as a widget receives it: the second press comes as a
// double-click event.
void doubleClick(QWidget *widget)
{
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

// The lines a wrapping label draws its caption in, with its own font and
// width; fails the test if they do not fit its height.
QStringList drawnLines(const QLabel *label)
{
    const QString text = label->text().replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        height += line.height();
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (height > label->contentsRect().height())
        lines << u"(taller than the label)"_s;
    return lines;
}

// A logical rectangle of a widget, cut from a picture of its window.
QImage pixelsOf(const QImage &window, const QWidget *widget, const QRect &logical)
{
    const qreal ratio = widget->devicePixelRatioF();
    const QPoint at = widget->mapTo(widget->window(), logical.topLeft());
    return window.copy(QRectF(QPointF(at) * ratio, QSizeF(logical.size()) * ratio).toAlignedRect());
}

// A box's text as drawn: the pixel that stands out most from the background.
QColor textIn(const QImage &window, const QWidget *box, const QColor &background)
{
    const QImage inner = pixelsOf(window, box, box->rect().adjusted(3, 3, -3, -3));
    QColor text = background;
    for (int y = 0; y < inner.height(); ++y)
        for (int x = 0; x < inner.width(); ++x)
            if (ContrastRatio(inner.pixelColor(x, y), background) > ContrastRatio(text, background))
                text = inner.pixelColor(x, y);
    return text;
}

// Whether a black rule one logical pixel wide has a black pixel within a
// pixel across at every device pixel along it (ends aside): neither missing
// nor smeared into two grey ones.
bool whole(const QImage &window, const QWidget *widget, const QRect &rule)
{
    const bool upright = rule.width() == 1;
    const QImage strip = pixelsOf(window, widget, upright ? rule.adjusted(-1, 0, 1, 0) : rule.adjusted(0, -1, 0, 1))
                             .transformed(QTransform().rotate(upright ? 90 : 0));
    for (int x = 3; x < strip.width() - 3; ++x) {
        int y = 0;
        while (y < strip.height() && qGray(strip.pixel(x, y)) > 40)
            ++y;
        if (y == strip.height())
            return false;
    }
    return true;
}

// The player's whole card in thirteen turns: upper 3+6+9+12+15+18 = 63
// (bonus 35, total 98) and lower 17+0+25+30+0+50+22 = 144, 242 in all.
struct PlannedTurn {
    QList<int> faces;
    int box; // index into gamekit::scoreBoxes
};
const PlannedTurn plan242[] = {
    {{1, 1, 1, 2, 3}, 0}, {{2, 2, 2, 1, 3}, 1}, {{3, 3, 3, 1, 2}, 2},  {{4, 4, 4, 1, 2}, 3},
    {{5, 5, 5, 1, 2}, 4}, {{6, 6, 6, 1, 2}, 5}, {{5, 5, 5, 1, 1}, 6},  {{1, 2, 3, 4, 6}, 7},
    {{2, 2, 3, 3, 3}, 8}, {{1, 2, 3, 4, 6}, 9}, {{1, 2, 2, 4, 5}, 10}, {{6, 6, 6, 6, 6}, 11},
    {{6, 5, 4, 3, 4}, 12},
};

// A key as the player presses it: to whatever has the focus.
void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, Qt::Key(key), modifiers);
}

} // namespace

class TestGame : public QObject, private gamekit::TableOwner
{
    Q_OBJECT

private slots:
    void initTestCase() { app::SetUpApplication(); }
    void cleanup() { dropTable(); }

    void startUp_showsTheFrameAndItsMenu();
    void startUp_playsBesideAPortableCopyElseInThePlayersFolder();
    void warningSwitch_greysTheStateInForce();
    void viewHighScores_opensOneTable();
    void exit_unloadsEveryWindowHiddenOnesToo();

    void newGame_createsOneScorecardPerPlayer();
    void newGame_answers_data();
    void newGame_answers();
    void newGame_hidesTheRunningGameBeforeAsking();

    void rotation_announcesTheNextPlayerOnlyWhenWanted();
    void handOver_ignoresASecondClickOnTheWay();
    void scorecard_cannotBeClosedByThePlayer();

    void rolling_countsThreeRollsAndHonoursHolds();
    void rolling_allDiceHeldStillCountsAsARoll();
    void rolling_neverAfterTheLastTurn();
    void dice_stayWithinOneToSixAtTheTopOfTheRange();
    void dice_fallBackToBuiltInPictures();

    void preview_showsWhatEachOpenBoxWouldScore();
    void preview_leavesUsedBoxesAlone();

    void scoring_ignoresClicksThatDoNotApply();
    void scoring_writesPointsOrZero_data();
    void scoring_writesPointsOrZero();
    void scoring_reportsThePointsAndClearsPreviews();
    void scoring_refusesASecondCategoryInOneTurn();

    void look_readableOnEveryThemeAndWholeAtEveryScale();

    void accessibility_tellsAScreenReaderTheGame();
    void accessibility_saysTheTurnPassedOnTheRollButton();
    void keyboard_wholeGameWithoutAMouse();
    void accessibility_pressesDiceAndBoxes();
    void wholeGame_onePlayerTotalsAndEnd();
    void wholeGame_threePlayersEndInTheSummary();
};


void TestGame::startUp_showsTheFrameAndItsMenu()
{
    mdiMain *frame = table().frame.get();
    QCOMPARE(frame->windowTitle(), u"Pipstack"_s);
    QVERIFY(!frame->windowIcon().isNull());
    QCOMPARE(frame->windowIcon().actualSize(QSize(32, 32)), QSize(32, 32));
    QCOMPARE(QApplication::applicationName(), u"Pipstack"_s);
    QCOMPARE(QApplication::applicationVersion(), QStringLiteral(PIPSTACK_VERSION));
    QCOMPARE(PlayerCount(), 0);
    QVERIFY(frame->area()->subWindowList().isEmpty());
    QVERIFY(!frame->tNewPlay.Enabled());
    QCOMPARE(frame->tNewPlay.Interval(), 1);

    // Options exactly as designed: no shortcuts, no separators; the Coach
    // menu comes after it (tst_coach).
    const QList<QAction *> top = frame->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), u"&Options"_s);
    QStringList items;
    for (QAction *action : frame->mnuOpt->actions()) {
        QVERIFY(!action->isSeparator());
        QVERIFY(action->shortcut().isEmpty());
        QVERIFY(!action->isCheckable());
        items << action->text() + u'|' + (action->menu() ? action->menu()->objectName() : action->objectName());
    }
    QCOMPARE(items, QStringList({u"&New Game|mnuOptNew"_s, u"Next Turn &Warning|mnuOptWarning"_s,
                                 u"&View High Scores|mnuOptScore"_s, u"&Exit|mnuOptExit"_s}));
    QStringList sub;
    for (QAction *action : frame->mnuOptWarning->actions())
        sub << action->text() + u'|' + action->objectName();
    QCOMPARE(sub, QStringList({u"On|mnuWarnOn"_s, u"Off|mnuWarnOff"_s}));

    // The restored frame: a 9840 x 8310 twip client area, to a pixel where
    // Windows' menu bar takes one more than it asked for.
    QCOMPARE(frame->area()->width(), Px(9840));
    QVERIFY2(std::abs(frame->area()->height() - Px(8310)) <= 1, qPrintable(QString::number(frame->area()->height())));
}

// The zip's windows/portable.txt keeps a copy's scores beside it; an
// installed game plays in the player's %APPDATA%\Pipstack, where the
// Windows install check looks for them.
void TestGame::startUp_playsBesideAPortableCopyElseInThePlayersFolder()
{
    testkit::WorkDir dir;
    const QString program = dir.path() + u"/Program"_s, roaming = dir.path() + u"/Roaming"_s;
    QVERIFY(QDir().mkpath(program));
    QVERIFY(app::EnterPlayFolder(program, roaming));
    QCOMPARE(QDir::currentPath(), roaming + u"/Pipstack"_s);
    dir.write(u"Program/portable.txt"_s, "");
    QVERIFY(app::EnterPlayFolder(program, roaming));
    QCOMPARE(QDir::currentPath(), program);
}

void TestGame::warningSwitch_greysTheStateInForce()
{
    mdiMain *frame = table().frame.get();
    QVERIFY(frame->TurnWarning);
    QVERIFY(!frame->mnuWarnOn->isEnabled());
    QVERIFY(frame->mnuWarnOff->isEnabled());

    frame->mnuWarnOff->trigger();
    QVERIFY(!frame->TurnWarning);
    QVERIFY(frame->mnuWarnOn->isEnabled());
    QVERIFY(!frame->mnuWarnOff->isEnabled());
    QVERIFY(!frame->mnuWarnOn->isChecked() && !frame->mnuWarnOff->isChecked());

    table().newGame(u"2"_s); // the setting outlives a new game
    QVERIFY(!frame->TurnWarning);
    frame->mnuWarnOn->trigger();
    QVERIFY(frame->TurnWarning);
    QVERIFY(!frame->mnuWarnOn->isEnabled());
    QVERIFY(frame->mnuWarnOff->isEnabled());
}

void TestGame::viewHighScores_opensOneTable()
{
    mdiMain *frame = table().frame.get();
    frame->mnuOptScore->trigger();
    frame->mnuOptScore->trigger();
    QCOMPARE(frame->area()->subWindowList().size(), 1);
    QVERIFY(frmScores::instance().Visible());
    QCOMPARE(frmScores::instance().Caption(), u"High Scores"_s);
}

void TestGame::exit_unloadsEveryWindowHiddenOnesToo()
{
    Table &t = table();
    t.newGame(u"3"_s);
    t.newGame(QString()); // cancelled: the game's windows stay loaded, hidden
    t.frame->mnuOptScore->trigger();
    const auto forms = t.frame->findChildren<platform::Form *>();
    QCOMPARE(forms.size(), 4);

    t.frame->mnuOptExit->trigger();
    QVERIFY(!t.frame->isVisible());
    for (platform::Form *form : forms)
        QVERIFY(!form->IsLoaded());
    QVERIFY(t.frame->area()->subWindowList().isEmpty());
}

void TestGame::newGame_createsOneScorecardPerPlayer()
{
    Table &t = table();
    t.newGame(u"3"_s);
    QCOMPARE(t.dialogs.calls.size(), 1);
    QCOMPARE(t.dialogs.calls[0].prompt, u"How many players (1-8)?"_s);
    QCOMPARE(t.dialogs.calls[0].title, u"Number of Players"_s);
    QCOMPARE(PlayerCount(), 3);
    QCOMPARE(t.frame->Players.UBound(), 3);
    for (int i = 1; i <= 3; ++i) {
        frmQuintix *card = Players(i);
        QCOMPARE(card->Caption(), u"Player %1"_s.arg(i));
        QCOMPARE(card->Tag(), QString::number(i));
        QCOMPARE(card->Width(), 5400);
        QCOMPARE(card->Height(), 6600);
        QCOMPARE(card->Visible(), i == 1);
        QCOMPARE(card->window()->pos(), QPoint(0, 0));
    }

    // A fresh card: nothing rolled, nothing scored.
    frmQuintix *card = Players(1);
    QCOMPARE(card->Card().TurnNum, 1);
    QCOMPARE(card->cmdRoll->Caption(), FirstRoll);
    QCOMPARE(card->lblMemo->Caption(), readyText(1));
    for (int i = 0; i <= 4; ++i) {
        QVERIFY(card->picDice(i)->Picture().isNull());
        QVERIFY(!gamekit::heldDie(card, i));
    }
    for (auto *box : gamekit::scoreBoxes(card)) {
        QCOMPARE(box->ForeColor(), vbRed);
        QCOMPARE(box->Caption(), QString());
    }
    QCOMPARE(totals(card), QStringList(5));

    // Every control inside the client area.
    const QRect client = card->client()->rect();
    for (QWidget *child : card->client()->findChildren<QWidget *>())
        QVERIFY2(client.contains(child->geometry()), qPrintable(child->objectName()));
}

void TestGame::newGame_answers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("players");
    QTest::newRow("zero") << u"0"_s << 0;
    QTest::newRow("nine") << u"9"_s << 0;
    QTest::newRow("negative") << u"-1"_s << 0;
    QTest::newRow("not a number") << u"abc"_s << 0;
    QTest::newRow("empty or Cancel") << QString() << 0;
    QTest::newRow("rounds to zero") << u"0.5"_s << 0;
    QTest::newRow("out of 16 bits") << u"40000"_s << 0;
    QTest::newRow("half rounds to even") << u" 2.5 "_s << 2;
    QTest::newRow("eight and a half") << u"8.5"_s << 8;
    QTest::newRow("one") << u"1"_s << 1;
}

void TestGame::newGame_answers()
{
    QFETCH(QString, answer);
    QFETCH(int, players);
    Table &t = table();
    t.newGame(u"2"_s);
    QPointer<frmQuintix> old = Players(1);
    t.newGame(answer);
    QCOMPARE(int(PlayerCount()), players);
    QVERIFY(t.dialogs.messages().isEmpty());
    // Replaced, the old game is gone; otherwise it stays, hidden, until the
    // next New Game.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(old.isNull(), players != 0);
    QCOMPARE(t.visibleScorecards(), players ? 1 : 0);
    if (players)
        QVERIFY(Players(1) != old && Players(1)->Visible());
}

void TestGame::newGame_hidesTheRunningGameBeforeAsking()
{
    Table &t = table();
    t.newGame(u"2"_s);
    t.frame->mnuOptScore->trigger();
    int visibleWhileAsked = -1;
    t.dialogs.whileOpen = [&](const auto &) { visibleWhileAsked = t.visibleScorecards(); };
    t.newGame(QString());
    QCOMPARE(visibleWhileAsked, 0);
    QCOMPARE(PlayerCount(), 0);
    QCOMPARE(t.visibleScorecards(), 0);
    QVERIFY(frmScores::instance().Visible()); // only scorecards are hidden
}

void TestGame::rotation_announcesTheNextPlayerOnlyWhenWanted()
{
    Table &t = table();
    t.newGame(u"3"_s);
    QList<int> visibleWhileAnnounced;
    t.dialogs.whileOpen = [&](const auto &) { visibleWhileAnnounced << t.visibleScorecards(); };
    for (int player = 1; player <= 3; ++player) {
        QCOMPARE(t.current(), Players(player));
        QCOMPARE(QApplication::focusWidget(), Players(player)->cmdRoll);
        gamekit::playTurn(t.frame.get(), Players(player), {1, 2, 3, 4, 5}, Players(player)->lblChance);
    }
    QCOMPARE(t.current(), Players(1));
    QCOMPARE(t.dialogs.messages(), QStringList({u"Player 2, it is your turn."_s, u"Player 3, it is your turn."_s,
                                                u"Player 1, it is your turn."_s}));
    QCOMPARE(t.dialogs.calls.last().title, u"Pipstack"_s);
    QCOMPARE(t.dialogs.calls.last().style, 0);
    QCOMPARE(visibleWhileAnnounced, QList<int>({0, 0, 0}));

    // The finished player's card is ready for its own next turn.
    frmQuintix *done = Players(3);
    QVERIFY(!done->Visible());
    QCOMPARE(done->cmdRoll->Caption(), FirstRoll);
    QCOMPARE(done->lblMemo->Caption(), readyText(2));
    for (int i = 0; i <= 4; ++i)
        QVERIFY(done->picDice(i)->Picture().isNull());

    t.frame->mnuWarnOff->trigger();
    gamekit::playTurn(t.frame.get(), Players(1), {1, 2, 3, 4, 5}, Players(1)->lblLarge);
    QCOMPARE(t.current(), Players(2));
    QCOMPARE(t.dialogs.messages().size(), 3);

    // One player is never announced, warning or not.
    t.frame->mnuWarnOn->trigger();
    t.newGame(u"1"_s);
    gamekit::playTurn(t.frame.get(), Players(1), {1, 2, 3, 4, 5}, Players(1)->lblChance);
    QCOMPARE(t.current(), Players(1));
    QCOMPARE(t.dialogs.messages().size(), 3);
}

void TestGame::handOver_ignoresASecondClickOnTheWay()
{
    Table &t = table();
    t.newGame(u"2"_s);
    frmQuintix *card = Players(1);
    gamekit::roll(card, {1, 2, 3, 4, 5});
    testkit::click(card->lblChance);
    QCOMPARE(card->cmdRoll->Caption(), NextTurn);

    // A double click: both clicks are queued before the timer can tick.
    postClick(card->cmdRoll);
    postClick(card->cmdRoll);
    testkit::queueDice({6, 6, 6, 6, 6});
    QTRY_VERIFY(Players(2)->Visible());
    QVERIFY(!card->Visible());
    QCOMPARE(card->cmdRoll->Caption(), FirstRoll);
    QCOMPARE(card->lblMemo->Caption(), readyText(2));
    for (int i = 0; i <= 4; ++i)
        QVERIFY(card->picDice(i)->Picture().isNull());
    QVERIFY(card->Enabled());

    // The queued dice were not used up by the stray click.
    gamekit::roll(Players(2), {});
    QCOMPARE(Players(2)->lblQuintix->Caption(), u"50"_s);
}

void TestGame::scorecard_cannotBeClosedByThePlayer()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    QVERIFY(!card->window()->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!card->window()->systemMenu()); // the icon shows, but opens nothing
    QVERIFY(!card->window()->windowIcon().isNull());
    card->window()->close();
    QVERIFY(card->IsLoaded() && card->Visible());

    // Should the timer ever find no scorecard showing, it passes nothing on.
    card->Hide();
    t.frame->tNewPlay.setEnabled(true);
    QTRY_VERIFY(!t.frame->tNewPlay.Enabled());
    QCOMPARE(t.visibleScorecards(), 0);
}

void TestGame::rolling_countsThreeRollsAndHonoursHolds()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);

    testkit::click(card->picDice(0)); // nothing to hold before the first roll
    QVERIFY(!gamekit::heldDie(card, 0));

    QCOMPARE(drawnLines(card->lblMemo), QStringList({u"Turn 1."_s, u"Click for"_s, u"roll #1."_s}));
    gamekit::roll(card, {2, 3, 2, 5, 6});
    QCOMPARE(card->cmdRoll->Caption(), u"&Roll 2"_s);
    QCOMPARE(card->lblMemo->Caption(), u"Turn 1."_s + blanks(27) + u"Ready for"_s + blanks(4) + u"roll #2."_s);
    QCOMPARE(drawnLines(card->lblMemo), QStringList({u"Turn 1."_s, u"Ready for"_s, u"roll #2."_s}));
    const QImage two = platform::LoadPicture(u"Die2.bmp"_s).toImage();
    QCOMPARE(card->picDice(0)->Picture().toImage(), two);
    QCOMPARE(card->picDice(2)->Picture().toImage(), two);

    testkit::click(card->picDice(0));
    testkit::click(card->picDice(2));
    testkit::click(card->picDice(4));
    testkit::click(card->picDice(4)); // released again
    QVERIFY(gamekit::heldDie(card, 0) && gamekit::heldDie(card, 2));
    QVERIFY(!gamekit::heldDie(card, 1) && !gamekit::heldDie(card, 4));
    doubleClick(card->picDice(4)); // one click: held, not held and let go
    QVERIFY(gamekit::heldDie(card, 4));
    doubleClick(card->picDice(4));
    QVERIFY(!gamekit::heldDie(card, 4));

    gamekit::roll(card, {2, 2, 2}); // dice 1, 3 and 4
    QCOMPARE(card->lblQuintix->Caption(), u"50"_s);
    QCOMPARE(card->cmdRoll->Caption(), u"&Roll 3"_s);
    QCOMPARE(card->lblMemo->Caption(), u"Turn 1."_s + blanks(27) + u"Ready for"_s + blanks(4) + u"roll #3."_s);

    gamekit::roll(card, {4, 4, 4});
    QCOMPARE(card->lblFullHouse->Caption(), u"25"_s);
    QCOMPARE(card->cmdRoll->Caption(), u"&Roll 3"_s);
    QCOMPARE(card->lblMemo->Caption(), u"Turn 1."_s + blanks(32) + u"No more rolls. Please score your rolls."_s);
    // The second phrase is wider than the label: it wraps within itself.
    const QStringList noMore = drawnLines(card->lblMemo);
    QCOMPARE(noMore.first(), u"Turn 1."_s);
    QCOMPARE(noMore.mid(1).join(u' '), u"No more rolls. Please score your rolls."_s);

    // A fourth roll does nothing, and takes no dice.
    gamekit::roll(card, {1, 1, 1});
    QCOMPARE(card->lblFullHouse->Caption(), u"25"_s);
    QCOMPARE(platform::Rnd(), (1 - 0.5f) / 6);
    platform::ClearRndQueue();

    // Holds can still be toggled after the third roll.
    testkit::click(card->picDice(1));
    QVERIFY(gamekit::heldDie(card, 1));

    // Scoring leaves the holds; the next turn clears them.
    testkit::click(card->lblFullHouse);
    QVERIFY(gamekit::heldDie(card, 0));
    testkit::click(card->picDice(3)); // no holding once scored
    QVERIFY(!gamekit::heldDie(card, 3));
    gamekit::passTurn(t.frame.get(), card);
    for (int i = 0; i <= 4; ++i)
        QVERIFY(!gamekit::heldDie(card, i));
}

void TestGame::rolling_allDiceHeldStillCountsAsARoll()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    gamekit::roll(card, {3, 3, 3, 5, 5});
    for (int i = 0; i <= 4; ++i)
        testkit::click(card->picDice(i));
    card->lblFullHouse->setCaption(u"stale"_s);
    gamekit::roll(card, {6, 6, 6, 6, 6});
    QCOMPARE(card->lblFullHouse->Caption(), u"25"_s); // previews redrawn
    QCOMPARE(card->cmdRoll->Caption(), u"&Roll 3"_s);
    QCOMPARE(platform::Rnd(), (6 - 0.5f) / 6); // no die was drawn
}

void TestGame::rolling_neverAfterTheLastTurn()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    for (const PlannedTurn &turn : plan242)
        gamekit::playTurn(t.frame.get(), card, turn.faces, gamekit::scoreBoxes(card)[turn.box]);
    // The game is over; even a card brought back refuses to roll.
    card->Show();
    card->setEnabled(true);
    QCOMPARE(card->Card().TurnNum, 14);
    QCOMPARE(card->cmdRoll->Caption(), FirstRoll);
    gamekit::roll(card, {1, 1, 1, 1, 1});
    QCOMPARE(card->cmdRoll->Caption(), FirstRoll);
    QVERIFY(card->picDice(0)->Picture().isNull());
    platform::ClearRndQueue();
}

void TestGame::dice_stayWithinOneToSixAtTheTopOfTheRange()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    platform::QueueRnd({largestBelowOne, largestBelowOne, 1.0f, 0.0f, 0.0f});
    testkit::click(card->cmdRoll);
    QCOMPARE(card->lblChance->Caption(), u"20"_s); // 6 + 6 + 6 + 1 + 1
    QCOMPARE(card->lblNums(6)->Caption(), u"18"_s);
}

void TestGame::dice_fallBackToBuiltInPictures()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    // The working directory holds no pictures: the built-in ones show.
    gamekit::roll(card, {1, 2, 3, 4, 5});
    QVERIFY(!card->picDice(0)->Picture().isNull());
    QCOMPARE(card->picDice(0)->Picture().deviceIndependentSize(), QSizeF(33, 33));

    // A picture of the player's own wins, and is read anew at every draw.
    QImage own(33, 33, QImage::Format_RGB32);
    own.fill(Qt::green);
    QVERIFY(own.save(t.dir.path() + u"/Die6.bmp"_s));
    gamekit::roll(card, {6, 6, 6, 6, 6});
    QCOMPARE(card->picDice(0)->Picture().toImage().pixelColor(16, 16), QColor(Qt::green));
    own.fill(Qt::blue);
    QVERIFY(own.save(t.dir.path() + u"/Die6.bmp"_s));
    // A damaged file is as good as none.
    t.dir.write(u"Die5.bmp"_s, "not a picture");
    gamekit::roll(card, {6, 5, 6, 6, 6});
    QCOMPARE(card->picDice(0)->Picture().toImage().pixelColor(16, 16), QColor(Qt::blue));
    QVERIFY(!card->picDice(1)->Picture().isNull());
}

void TestGame::preview_showsWhatEachOpenBoxWouldScore()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    gamekit::roll(card, {1, 2, 3, 4, 6});
    QCOMPARE(captions(gamekit::scoreBoxes(card)),
             QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s, QString(), u"6"_s, QString(), QString(), QString(),
                          u"30"_s, QString(), QString(), u"16"_s}));
    for (auto *box : gamekit::scoreBoxes(card))
        QCOMPARE(box->ForeColor(), vbRed);

    gamekit::roll(card, {5, 5, 5, 5, 5});
    QCOMPARE(captions(gamekit::scoreBoxes(card)),
             QStringList({QString(), QString(), QString(), QString(), u"25"_s, QString(), u"25"_s, u"25"_s,
                          QString(), QString(), QString(), u"50"_s, u"25"_s}));
    QCOMPARE(totals(card), QStringList(5)); // totals wait for the last score
}

void TestGame::preview_leavesUsedBoxesAlone()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    // Use every box but chance, some with points, some with 0.
    const auto boxes = gamekit::scoreBoxes(card);
    for (int i = 0; i < 12; ++i)
        gamekit::playTurn(t.frame.get(), card, {2, 2, 3, 3, 3}, boxes[i]);
    const QStringList used = captions(boxes).mid(0, 12);
    QCOMPARE(used, QStringList({u"0"_s, u"4"_s, u"9"_s, u"0"_s, u"0"_s, u"0"_s, u"13"_s, u"0"_s, u"25"_s, u"0"_s,
                                u"0"_s, u"0"_s}));

    gamekit::roll(card, {6, 6, 6, 6, 6});
    QCOMPARE(captions(boxes).mid(0, 12), used);
    QCOMPARE(card->lblChance->Caption(), u"30"_s);
    for (int i = 0; i < 12; ++i)
        QCOMPARE(boxes[i]->ForeColor(), vbBlack);
}

void TestGame::scoring_ignoresClicksThatDoNotApply()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    testkit::click(card->lblChance); // before the first roll
    QCOMPARE(card->lblChance->ForeColor(), vbRed);
    QCOMPARE(card->Card().TurnNum, 1);

    gamekit::playTurn(t.frame.get(), card, {2, 2, 5, 3, 1}, card->lbl3Kind);
    QCOMPARE(card->lbl3Kind->Caption(), u"0"_s);
    testkit::click(card->lblChance); // right after "Next Turn": no roll yet
    QCOMPARE(card->lblChance->ForeColor(), vbRed);

    gamekit::roll(card, {3, 3, 3, 1, 1});
    testkit::click(card->lbl3Kind); // used, with 0
    QCOMPARE(card->lbl3Kind->Caption(), u"0"_s);
    QCOMPARE(card->Card().TurnNum, 2);
    QCOMPARE(card->cmdRoll->Caption(), u"&Roll 2"_s);
}

void TestGame::scoring_writesPointsOrZero_data()
{
    QTest::addColumn<QList<int>>("faces");
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("caption");
    QTest::newRow("three of a kind missing") << QList<int>{2, 2, 5, 3, 1} << 6 << u"0"_s;
    QTest::newRow("five alike are no full house") << QList<int>{4, 4, 4, 4, 4} << 8 << u"0"_s;
    QTest::newRow("five alike") << QList<int>{4, 4, 4, 4, 4} << 11 << u"50"_s;
    QTest::newRow("fours") << QList<int>{4, 1, 4, 6, 4} << 3 << u"12"_s;
    QTest::newRow("no sixes") << QList<int>{1, 2, 3, 4, 5} << 5 << u"0"_s;
    QTest::newRow("chance") << QList<int>{6, 5, 4, 3, 1} << 12 << u"19"_s;
    QTest::newRow("four of a kind") << QList<int>{5, 5, 5, 5, 2} << 7 << u"22"_s;
    QTest::newRow("small straight") << QList<int>{1, 2, 3, 3, 4} << 9 << u"30"_s;
    QTest::newRow("large straight") << QList<int>{2, 3, 4, 5, 6} << 10 << u"40"_s;
}

void TestGame::scoring_writesPointsOrZero()
{
    QFETCH(QList<int>, faces);
    QFETCH(int, box);
    QFETCH(QString, caption);
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    for (int face : faces)
        testkit::queueDice({face});
    testkit::click(card->cmdRoll);
    platform::Label *target = gamekit::scoreBoxes(card)[box];
    testkit::click(target);
    QCOMPARE(target->ForeColor(), vbBlack);
    QCOMPARE(target->Caption(), caption);
    QVERIFY(card->lblMemo->Caption().contains(u"You earned"_s + blanks(4) + caption + u" Points."_s));
    QCOMPARE(card->Card().TurnNum, 2);
}

void TestGame::scoring_reportsThePointsAndClearsPreviews()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    for (int i = 0; i < 4; ++i)
        gamekit::playTurn(t.frame.get(), card, {1, 2, 3, 4, 6}, gamekit::scoreBoxes(card)[i]);
    gamekit::roll(card, {2, 2, 3, 3, 3});
    testkit::click(card->lblFullHouse);
    QCOMPARE(card->lblMemo->Caption(), u"Turn 5."_s + blanks(27) + u"You earned"_s + blanks(4) + u"25 Points."_s +
                                           blanks(24) + u"Click"_s + blanks(7) + u"Next Turn."_s);
    QCOMPARE(drawnLines(card->lblMemo),
             QStringList({u"Turn 5."_s, u"You earned"_s, u"25 Points."_s, u"Click"_s, u"Next Turn."_s}));
    QCOMPARE(card->Card().TurnNum, 6);
    QCOMPARE(card->cmdRoll->Caption(), NextTurn);
    QCOMPARE(card->lblFullHouse->Caption(), u"25"_s);
    QCOMPARE(captions(gamekit::scoreBoxes(card)),
             QStringList({u"1"_s, u"2"_s, u"3"_s, u"4"_s, QString(), QString(), QString(), QString(), u"25"_s,
                          QString(), QString(), QString(), QString()}));
    // The dice stay where they are until the next turn begins.
    QVERIFY(!card->picDice(0)->Picture().isNull());
}

void TestGame::scoring_refusesASecondCategoryInOneTurn()
{
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    gamekit::roll(card, {6, 6, 6, 6, 6});
    testkit::click(card->lblQuintix);
    testkit::click(card->lblChance);
    testkit::click(card->lblNums(6));
    QCOMPARE(card->Card().TurnNum, 2);
    QCOMPARE(card->lblChance->ForeColor(), vbRed);
    QCOMPARE(card->lblNums(6)->ForeColor(), vbRed);
    QCOMPARE(card->lblChance->Caption(), QString());
}

// ctest runs this at fractional screen scales too, where a line one logical
// pixel wide falls between device pixels.
void TestGame::look_readableOnEveryThemeAndWholeAtEveryScale()
{
    // The yardstick: pure red on the default light grey reads at 3.5 to 1.
    QCOMPARE(qRound(ContrastRatio(Qt::red, QColor(0xef, 0xef, 0xef)) * 10), 35);
    const QPalette light = QApplication::style()->standardPalette();
    QPalette dark = light, contrast = light;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xec));
    contrast.setColor(QPalette::Window, Qt::black);
    contrast.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = t.current();
    gamekit::playTurn(t.frame.get(), card, {1, 1, 1, 2, 3}, card->lblNums(1));
    gamekit::roll(card, {5, 5, 5, 5, 2});
    card->lblGrandTotal->setCaption(u"242"_s);

    // Made on a dark theme, then switched while the game runs.
    QImage image;
    for (const QPalette &palette : {dark, contrast, light}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        image = t.frame->grab().toImage();
        const QColor background = palette.color(QPalette::Window);
        const QColor used = textIn(image, card->lblNums(1), background);
        const QColor preview = textIn(image, card->lblNums(5), background);
        QVERIFY2(ContrastRatio(used, background) >= 7 && used.hsvSaturation() < 64, qPrintable(used.name()));
        QVERIFY(ContrastRatio(textIn(image, card->lblGrandTotal, background), background) >= 7);
        // Plainly red, and told from a used score at a glance.
        QVERIFY2(ContrastRatio(preview, background) >= 4.5 && preview.hsvHue() <= 10 &&
                     preview.red() - std::max(preview.green(), preview.blue()) >= 96,
                 qPrintable(preview.name()));
        QCOMPARE(card->lblNums(1)->ForeColor(), vbBlack);
        QCOMPARE(card->lblNums(5)->ForeColor(), vbRed);
        // The screen is repainted too (the offscreen platform shows it at a scale of 1 only).
        if (t.frame->devicePixelRatioF() == 1.0)
            QTRY_COMPARE(
                textIn(t.frame->screen()->grabWindow(t.frame->winId()).toImage(), card->lblNums(1), background), used);
    }

    // The card's seven lines, in twips as designed, and every box's four edges.
    const QString where = u"%1,%2 at scale "_s + QString::number(t.frame->devicePixelRatioF());
    for (const QLine &l : {QLine(120, 1080, 3720, 1080), QLine(120, 5880, 3720, 5880), QLine(120, 1080, 120, 5880),
                           QLine(3720, 1080, 3720, 5880), QLine(1920, 1080, 1920, 5880), QLine(120, 3960, 1920, 3960),
                           QLine(1920, 4560, 3720, 4560)}) {
        const QRect rule(QPoint(Px(l.x1()), Px(l.y1())), QPoint(Px(l.x2()), Px(l.y2())));
        QVERIFY2(whole(image, card->lblMemo->parentWidget(), rule), qPrintable(where.arg(l.x1()).arg(l.y1())));
    }
    QList<platform::Label *> boxes = gamekit::scoreBoxes(card);
    boxes << card->lblSubTot << card->lblBonus << card->lblTotal1 << card->lblTotal2 << card->lblGrandTotal;
    for (const platform::Label *box : boxes) {
        const int w = box->width(), h = box->height();
        for (const QRect &edge : {QRect(0, 0, w, 1), QRect(0, h - 1, w, 1), QRect(0, 0, 1, h), QRect(w - 1, 0, 1, h)})
            QVERIFY2(whole(image, box, edge), qPrintable(where.arg(box->x()).arg(box->y())));
    }
}

namespace {

QAccessibleInterface *accessible(QObject *object) { return QAccessible::queryAccessibleInterface(object); }

// What the game last had a screen reader say by itself: the text of its
// notification. Offscreen there is no screen reader to tell of the event.
QString announced(QWidget *frame)
{
    for (QWidget *widget : frame->findChildren<QWidget *>()) {
        if (accessible(widget)->role() == QAccessible::Notification)
            return accessible(widget)->text(QAccessible::Name);
    }
    return {};
}

} // namespace

void TestGame::accessibility_tellsAScreenReaderTheGame()
{
    const auto name = [](QObject *control) { return accessible(control)->text(QAccessible::Name); };
    const auto checked = [](QObject *control) { return accessible(control)->state().checked; };
    Table &t = table();
    const auto last = [&t] { return announced(t.frame.get()); };
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    QCOMPARE(accessible(card->picDice(0))->role(), QAccessible::CheckBox);
    QVERIFY(accessible(card->picDice(0))->state().checkable && !checked(card->picDice(0)));
    QCOMPARE(name(card->picDice(0)), u"Die 1: not rolled"_s);
    QCOMPARE(accessible(card->lblNums(5))->role(), QAccessible::Button);
    QCOMPARE(name(card->lblNums(5)), u"Fives: open"_s);
    QCOMPARE(accessible(card->lblGrandTotal)->role(), QAccessible::StaticText);
    // Each value once: in the name, not again in a description.
    QVERIFY(accessible(card->picDice(0))->text(QAccessible::Description).isEmpty());
    QVERIFY(accessible(card->lblNums(5))->text(QAccessible::Description).isEmpty());

    // A roll is said as one, the held dice marked; a hold is the check state.
    gamekit::roll(card, {5, 2, 5, 1, 6});
    QCOMPARE(last(), u"5, 2, 5, 1, 6. Ready for roll 2."_s);
    testkit::click(card->picDice(2));
    QVERIFY(checked(card->picDice(2)));
    QCOMPARE(last(), u"Die 3: 5, held"_s); // held from away from the die
    card->picDice(3)->setFocus();
    press(Qt::Key_Space);
    QVERIFY(checked(card->picDice(3)));
    QCOMPARE(last(), u"Die 3: 5, held"_s); // a focused check box says its change itself
    press(Qt::Key_Space);
    gamekit::roll(card, {4, 4, 4, 4});
    QCOMPARE(last(), u"4, 4, 5 held, 4, 4. Ready for roll 3."_s);
    QCOMPARE(name(card->picDice(2)), u"Die 3: 5"_s);
    QCOMPARE(name(card->lblNums(4)), u"Fours: 16 if scored"_s);
    QCOMPARE(name(card->lblQuintix), u"Pipstack: 0 if scored"_s);

    // A score is said with what comes next; then the boxes are open again
    // until the next roll, and S says the points so far.
    testkit::click(card->lblNums(4));
    QCOMPARE(last(), u"You earned 16 points. Next Turn."_s);
    QCOMPARE(name(card->lblNums(4)), u"Fours: scored 16"_s);
    QCOMPARE(name(card->lblChance), u"Chance: open"_s);
    press(Qt::Key_S);
    QCOMPARE(last(), u"Totals come after the last turn. Scored so far: 16."_s);
    gamekit::passTurn(t.frame.get(), card);
    QCOMPARE(name(card->picDice(2)), u"Die 3: not rolled"_s);
    QVERIFY(!checked(card->picDice(2)));

    // The warning's setting, which the greyed item shows, is said.
    t.frame->mnuWarnOff->trigger();
    emit t.frame->mnuOptWarning->aboutToShow();
    QTRY_COMPARE(last(), u"Next Turn Warning now off."_s);

    // The table: Tab keeps to its buttons, the arrows read its rows, Escape
    // closes it, and the card in play has the focus again.
    t.frame->mnuOptScore->trigger();
    frmScores &scores = frmScores::instance();
    QCOMPARE(QApplication::focusWidget(), scores.cmdClose);
    for (QWidget *next : {scores.cmdReset, scores.cmdClose}) {
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    press(Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), scores.cmdReset);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), scores.lblPlayer(2));
    QCOMPARE(name(scores.lblPlayer(2)),
             u"2. "_s + scores.lblPlayer(2)->Caption() + u", "_s + scores.lblScore(2)->Caption());
    press(Qt::Key_Escape);
    QVERIFY(!scores.IsLoaded());
    QCOMPARE(QApplication::focusWidget(), card->cmdRoll);
}

void TestGame::accessibility_saysTheTurnPassedOnTheRollButton()
{
    Table &t = table();
    const auto last = [&t] { return announced(t.frame.get()); };
    // A player's next key comes a moment after the focus has moved.
    const auto focusOn = [](QWidget *control) {
        control->setFocus();
        QCoreApplication::processEvents();
    };
    const auto scoreAndPass = [&](frmQuintix *card, int box, int key, Qt::KeyboardModifiers modifiers) {
        gamekit::roll(card, {1, 2, 3, 4, 6});
        testkit::click(gamekit::scoreBoxes(card)[box]);
        focusOn(card->cmdRoll);
        press(key, modifiers);
        gamekit::waitForHandOver(t.frame.get());
    };
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);

    // The focus comes back to the button it left, which a screen reader takes
    // as no news: the new turn is said as the button would be.
    scoreAndPass(card, 0, Qt::Key_Space, Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), card->cmdRoll);
    QCOMPARE(last(), u"Roll 1 push button. Turn 2. Click for roll #1."_s);
    scoreAndPass(card, 1, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(last(), u"Roll 1 push button. Turn 3. Click for roll #1."_s);

    // From a score box the focus moves to the button, which the screen reader
    // says itself: said again, the turn would be heard twice.
    gamekit::roll(card, {1, 2, 3, 4, 6});
    focusOn(card->lblNums(3));
    press(Qt::Key_Space);
    press(Qt::Key_T, Qt::AltModifier);
    gamekit::waitForHandOver(t.frame.get());
    QCOMPARE(QApplication::focusWidget(), card->cmdRoll);
    QCOMPARE(last(), u"You earned 3 points. Next Turn."_s);

    // Each player's card has a button of its own: the next one is news, and
    // so is the first card's when its turn comes round again.
    t.frame->mnuWarnOff->trigger();
    t.newGame(u"2"_s);
    scoreAndPass(Players(1), 0, Qt::Key_Space, Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), Players(2)->cmdRoll);
    scoreAndPass(Players(2), 0, Qt::Key_Space, Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), Players(1)->cmdRoll);
    QCOMPARE(last(), u"You earned 1 point. Next Turn."_s);
}

void TestGame::wholeGame_onePlayerTotalsAndEnd()
{
    // After many New Games, a game plays exactly as the first one would.
    Table &t = table();
    for (int game = 0; game < 30; ++game)
        t.newGame(u"8"_s);
    QPointer<frmQuintix> earlier = Players(8);
    t.newGame(u"1"_s);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(earlier.isNull());
    QCOMPARE(t.frame->findChildren<frmQuintix *>().size(), 1);
    frmQuintix *card = Players(1);
    int turn = 0;
    for (const PlannedTurn &planned : plan242) {
        ++turn;
        gamekit::roll(card, planned.faces);
        testkit::click(gamekit::scoreBoxes(card)[planned.box]);
        if (turn < 13) {
            QCOMPARE(totals(card), QStringList(5));
            gamekit::passTurn(t.frame.get(), card);
            QVERIFY(card->Visible());
        }
    }
    QCOMPARE(card->Card().TurnNum, 14);
    QCOMPARE(card->cmdRoll->Caption(), NextTurn);
    QCOMPARE(totals(card), QStringList({u"63"_s, u"35"_s, u"98"_s, u"144"_s, u"242"_s}));
    // The last score writes no turn-end text.
    QCOMPARE(card->lblMemo->Caption(), u"Turn 13."_s + blanks(27) + u"Ready for"_s + blanks(4) + u"roll #2."_s);

    t.dialogs.inputAnswers << u"Solo"_s;
    gamekit::passTurn(t.frame.get(), card);
    QCOMPARE(t.visibleScorecards(), 0);
    QVERIFY(frmSummary::instance().Visible());
    QVERIFY(t.dialogs.messages().isEmpty());
}

void TestGame::wholeGame_threePlayersEndInTheSummary()
{
    // Dice that score nothing in the box of that index.
    const auto zeroHand = [](int box) -> QList<int> {
        switch (box) {
        case 0: return {3, 3, 4, 4, 6};
        case 1: return {1, 1, 3, 3, 5};
        case 4: return {1, 1, 2, 2, 6};
        default: return {1, 1, 2, 2, 5};
        }
    };
    Table &t = table();
    t.frame->mnuWarnOff->trigger();
    t.newGame(u"3"_s);
    // Player 2 falls one short of the bonus; player 3 scores nothing but
    // chance's five.
    for (int turn = 0; turn < 13; ++turn) {
        const PlannedTurn &planned = plan242[turn];
        gamekit::playTurn(t.frame.get(), Players(1), planned.faces, gamekit::scoreBoxes(Players(1))[planned.box]);
        if (turn == 0)
            gamekit::playTurn(t.frame.get(), Players(2), {1, 1, 2, 2, 3}, Players(2)->lblNums(1));
        else
            gamekit::playTurn(t.frame.get(), Players(2), planned.faces,
                              gamekit::scoreBoxes(Players(2))[planned.box]);
        if (turn == 12) {
            t.dialogs.inputAnswers << u"Ann"_s << u"Bob"_s << u"Cy"_s;
            gamekit::playTurn(t.frame.get(), Players(3), {1, 1, 1, 1, 1}, Players(3)->lblChance);
        } else {
            gamekit::playTurn(t.frame.get(), Players(3), zeroHand(turn), gamekit::scoreBoxes(Players(3))[turn]);
        }
    }
    QCOMPARE(totals(Players(1)), QStringList({u"63"_s, u"35"_s, u"98"_s, u"144"_s, u"242"_s}));
    QCOMPARE(totals(Players(2)), QStringList({u"62"_s, u"0"_s, u"62"_s, u"144"_s, u"206"_s}));
    QCOMPARE(totals(Players(3)), QStringList({u"0"_s, u"0"_s, u"0"_s, u"5"_s, u"5"_s}));
    QCOMPARE(t.visibleScorecards(), 0);
    QVERIFY(frmSummary::instance().Visible());
    QCOMPARE(t.dialogs.prompts().size(), 4); // the player count, then three names
    QCOMPARE(t.dir.read(u"High Scores.dat"_s),
             QByteArray(" 242 Ann\r\n 206 Bob\r\n 5 Cy\r\n") + QByteArray(" 0 Nobody\r\n").repeated(7));
}

void TestGame::keyboard_wholeGameWithoutAMouse()
{
    const auto focus = [] { return QApplication::focusWidget(); };
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    QCOMPARE(focus(), card->cmdRoll);

    // Tab order: dice, roll button, score boxes in card order.
    QList<QWidget *> order{card->picDice(0), card->picDice(1), card->picDice(2), card->picDice(3),
                           card->picDice(4), card->cmdRoll};
    for (auto *box : gamekit::scoreBoxes(card))
        order << box;
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Backtab);
    for (QWidget *next : order) {
        QCOMPARE(focus(), next);
        press(Qt::Key_Tab);
    }

    // Nothing to hold or score before the first roll.
    card->lblChance->setFocus();
    press(Qt::Key_Space);
    press(Qt::Key_1);
    card->picDice(4)->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(card->lblChance->ForeColor(), vbRed);
    QVERIFY(!gamekit::heldDie(card, 0) && !gamekit::heldDie(card, 4));

    // Roll; hold by digit, by Enter and by Space on a die; roll the rest.
    press(Qt::Key_Tab);
    testkit::queueDice({2, 6, 2, 5, 2});
    press(Qt::Key_Space);
    for (int key : {Qt::Key_1, Qt::Key_3, Qt::Key_Backtab, Qt::Key_Enter, Qt::Key_Left, Qt::Key_Space, Qt::Key_Space})
        press(key);
    for (int i = 0; i <= 4; ++i)
        QCOMPARE(gamekit::heldDie(card, i), i % 2 == 0);
    press(Qt::Key_Right);
    press(Qt::Key_Tab);
    testkit::queueDice({2, 2});
    press(Qt::Key_Space);

    // Arrows walk the two columns; then score, and only once.
    press(Qt::Key_Tab);
    const std::pair<int, QWidget *> walk[] = {
        {Qt::Key_Right, card->lbl3Kind}, {Qt::Key_Right, card->lbl3Kind},     {Qt::Key_Up, card->lbl3Kind},
        {Qt::Key_Down, card->lbl4Kind},  {Qt::Key_Left, card->lblNums(2)},    {Qt::Key_Left, card->lblNums(2)},
        {Qt::Key_Right, card->lbl4Kind}, {Qt::Key_Down, card->lblFullHouse},  {Qt::Key_Down, card->lblSmall},
        {Qt::Key_Down, card->lblLarge},  {Qt::Key_Down, card->lblQuintix},    {Qt::Key_Down, card->lblChance},
        {Qt::Key_Down, card->lblChance}, {Qt::Key_Left, card->lblNums(6)},    {Qt::Key_Down, card->lblNums(6)},
        {Qt::Key_Right, card->lblQuintix},
    };
    for (const auto &[key, to] : walk) {
        press(key);
        QCOMPARE(focus(), to);
    }
    press(Qt::Key_Space);
    QCOMPARE(card->lblQuintix->Caption(), u"50"_s);
    QCOMPARE(card->lblQuintix->ForeColor(), vbBlack);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(card->lblChance->ForeColor(), vbRed);
    QCOMPARE(card->Card().TurnNum, 2);

    // The access key passes the turn; the card comes back with the focus on
    // the roll button, however the player left it. Keys on their way in
    // during the hand-over are ignored.
    press(Qt::Key_T, Qt::AltModifier);
    QTest::keyClick(t.frame.get(), Qt::Key_Space);
    QTest::keyClick(t.frame.get(), Qt::Key_1);
    gamekit::waitForHandOver(t.frame.get());
    QCOMPARE(card->cmdRoll->Caption(), FirstRoll);

    // Twelve more turns, each scored by Tab and Space from the roll button.
    int turn = 1;
    for (const PlannedTurn &planned : plan242) {
        if (planned.box == 11)
            continue; // scored above
        ++turn;
        QCOMPARE(focus(), card->cmdRoll);
        testkit::queueDice(planned.faces);
        press(Qt::Key_Space);
        for (int i = 0; i <= planned.box; ++i)
            press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QCOMPARE(gamekit::scoreBoxes(card)[planned.box]->ForeColor(), vbBlack);
        if (turn < 13) {
            press(Qt::Key_T, Qt::AltModifier);
            gamekit::waitForHandOver(t.frame.get());
        }
    }
    QCOMPARE(card->lbl4Kind->Caption(), u"0"_s); // no four alike in 1-2-3-4-6
    QCOMPARE(totals(card), QStringList({u"63"_s, u"35"_s, u"98"_s, u"144"_s, u"242"_s}));
}

void TestGame::accessibility_pressesDiceAndBoxes()
{
    const auto press = [](QWidget *widget) {
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(widget)->actionInterface();
        if (!actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            return false;
        actions->doAction(QAccessibleActionInterface::pressAction());
        return true;
    };
    Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    QVERIFY(press(card->picDice(1)));
    QVERIFY(press(card->lblNums(5)));
    QVERIFY(!gamekit::heldDie(card, 1));
    QCOMPARE(card->lblNums(5)->ForeColor(), vbRed);
    QVERIFY(!press(card->lblGrandTotal)); // not for the player to operate

    gamekit::roll(card, {5, 2, 5, 1, 6});
    press(card->picDice(1));
    QVERIFY(gamekit::heldDie(card, 1));
    press(card->lblNums(5));
    press(card->lblChance);
    QCOMPARE(card->lblNums(5)->ForeColor(), vbBlack);
    QCOMPARE(card->lblNums(5)->Caption(), u"10"_s);
    QCOMPARE(card->lblChance->ForeColor(), vbRed);
    QCOMPARE(card->Card().TurnNum, 2);

    // Nothing is pressed on its way through the hand-over.
    testkit::click(card->cmdRoll);
    press(card->picDice(1));
    gamekit::waitForHandOver(t.frame.get());
    QVERIFY(!gamekit::heldDie(card, 1));
}

QTEST_MAIN(TestGame)
#include "tst_game.moc"
