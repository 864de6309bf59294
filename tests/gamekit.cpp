// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "gamekit.h"

#include "platform/runtime/rnd.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>

using namespace Qt::StringLiterals;

namespace gamekit {

Table::Table()
    : frame(std::make_unique<mdiMain>())
{
    frame->show();
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame.get()))
        qWarning("the frame never became active");
}

Table::~Table()
{
    frame.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::ClearRndQueue();
}

void Table::newGame(const QString &answer)
{
    dialogs.inputAnswers << answer;
    frame->mnuOptNew->trigger();
}

frmQuintix *Players(int i) { return mdiMain::instance()->Players(i); }

int PlayerCount() { return mdiMain::instance()->game().PlayerCount; }

frmQuintix *Table::current() const
{
    for (int i = 1; i <= PlayerCount(); ++i)
        if (Players(i)->Visible())
            return Players(i);
    return nullptr;
}

int Table::visibleScorecards() const
{
    int count = 0;
    for (auto *card : frame->findChildren<frmQuintix *>())
        count += card->IsLoaded() && card->Visible();
    return count;
}

Table &TableOwner::table()
{
    if (!table_)
        table_ = std::make_unique<Table>();
    return *table_;
}

void TableOwner::dropTable()
{
    table_.reset();
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void roll(frmQuintix *card, const QList<int> &faces)
{
    testkit::queueDice(faces);
    testkit::click(card->cmdRoll);
}

void passTurn(mdiMain *frame, frmQuintix *card)
{
    // In the language the test set.
    QCOMPARE(card->cmdRoll->Caption(), QCoreApplication::translate("cardwords", "Next &Turn"));
    testkit::click(card->cmdRoll);
    waitForHandOver(frame);
}

void waitForHandOver(mdiMain *frame)
{
    // The hand-over is due a millisecond after the click; poll at that pace
    // rather than QTRY's 50 ms, or a whole game takes seconds.
    QDeadlineTimer deadline(5000);
    while (frame->tNewPlay.Enabled() && !deadline.hasExpired())
        QTest::qWait(1);
    QVERIFY(!frame->tNewPlay.Enabled());
}

void playTurn(mdiMain *frame, frmQuintix *card, const QList<int> &faces, platform::Label *box)
{
    roll(card, faces);
    testkit::click(box);
    passTurn(frame, card);
}

QList<platform::Label *> scoreBoxes(frmQuintix *card)
{
    QList<platform::Label *> boxes;
    for (int i = 1; i <= 6; ++i)
        boxes << card->lblNums(i);
    boxes << card->lbl3Kind << card->lbl4Kind << card->lblFullHouse << card->lblSmall << card->lblLarge
          << card->lblQuintix << card->lblChance;
    return boxes;
}

bool heldDie(frmQuintix *card, int index) { return !card->shpHold(index)->isHidden(); }

} // namespace gamekit
