// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/mdiMain.h"

#include "highscores/frmScores.h"
#include "highscores/frmSummary.h"
#include "platform/accessibility/accessibility.h"
#include "platform/widgets/numbertext.h"
#include "platform/widgets/dialogs.h"
#include "platform/widgets/forms.h"
#include "core/modQuintix.h"
#include "scorecard/frmQuintix.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;
using platform::qt::Str;

namespace {
QPointer<mdiMain> theFrame;
}

mdiMain *mdiMain::instance() { return theFrame; }

mdiMain::mdiMain(QWidget *parent)
    : QMainWindow(parent)
    , tNewPlay(this, 1)
    , area_(new QMdiArea(this))
{
    theFrame = this;
    QApplication::setWindowIcon(QIcon(u":/pipstack.png"_s));
    setWindowTitle(u"Pipstack"_s);
    setCentralWidget(area_);
    platform::KeepAChildActive(area_);

    mnuOpt = menuBar()->addMenu(u"&Options"_s);
    mnuOptNew = mnuOpt->addAction(u"&New Game"_s);
    mnuOptWarning = mnuOpt->addMenu(u"Next Turn &Warning"_s);
    mnuWarnOn = mnuOptWarning->addAction(u"On"_s);
    mnuWarnOff = mnuOptWarning->addAction(u"Off"_s);
    mnuOptScore = mnuOpt->addAction(u"&View High Scores"_s);
    mnuOptExit = mnuOpt->addAction(u"&Exit"_s);
    mnuOpt->setObjectName(u"mnuOpt"_s);
    mnuOptNew->setObjectName(u"mnuOptNew"_s);
    mnuOptWarning->setObjectName(u"mnuOptWarning"_s);
    mnuWarnOn->setObjectName(u"mnuWarnOn"_s);
    mnuWarnOff->setObjectName(u"mnuWarnOff"_s);
    mnuOptScore->setObjectName(u"mnuOptScore"_s);
    mnuOptExit->setObjectName(u"mnuOptExit"_s);
    connect(mnuOptNew, &QAction::triggered, this, &mdiMain::mnuOptNew_Click);
    connect(mnuWarnOn, &QAction::triggered, this, &mdiMain::mnuWarnOn_Click);
    connect(mnuWarnOff, &QAction::triggered, this, &mdiMain::mnuWarnOff_Click);
    connect(mnuOptScore, &QAction::triggered, this, &mdiMain::mnuOptScore_Click);
    connect(mnuOptExit, &QAction::triggered, this, &mdiMain::mnuOptExit_Click);
    connect(&tNewPlay, &platform::Timer::Tick, this, &mdiMain::tNewPlay_Timer);
    // Menu items have no description a screen reader reads: the warning's
    // setting is said when the player comes to its submenu.
    connect(mnuOpt, &QMenu::hovered, this, [this](QAction *action) {
        if (action == mnuOptWarning->menuAction())
            AnnounceWarning();
    });
    connect(mnuOptWarning, &QMenu::aboutToShow, this, &mdiMain::AnnounceWarning);

    // The restored size: a client area of 9840 x 8310 twips, centred.
    resize(platform::Px(9840), platform::Px(8310) + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    MDIForm_Load();
}

mdiMain::~mdiMain()
{
    // The scorecards go with the frame; New Game must not find them later.
    Players.ReDim(0);
}

void mdiMain::MDIForm_Load()
{
    PlayerCount = 0;
    TurnWarning = true;
    mnuWarnOn->setEnabled(false);
    mnuWarnOff->setEnabled(true);
}

void mdiMain::mnuWarnOn_Click()
{
    TurnWarning = true;
    mnuWarnOn->setEnabled(false);
    mnuWarnOff->setEnabled(true);
}

void mdiMain::mnuWarnOff_Click()
{
    TurnWarning = false;
    mnuWarnOn->setEnabled(true);
    mnuWarnOff->setEnabled(false);
}

void mdiMain::AnnounceWarning()
{
    // The setting in force is the greyed item, which the keys skip; said
    // after the menu has said the item the player is on.
    QTimer::singleShot(0, this, [this] {
        platform::Announce(this, mnuWarnOn->isEnabled() ? u"Next Turn Warning now off."_s
                                                        : u"Next Turn Warning now on."_s);
    });
}

void mdiMain::mnuOptScore_Click() { frmScores::instance().Load(); }

void mdiMain::mnuOptExit_Click() { close(); }

void mdiMain::closeEvent(QCloseEvent *event)
{
    tNewPlay.setEnabled(false);
    const auto forms = findChildren<platform::Form *>();
    for (platform::Form *form : forms)
        form->Unload();
    event->accept();
}

void mdiMain::mnuOptNew_Click()
{
    try {
        for (int i = 1; i <= PlayerCount; ++i)
            Players(i)->Hide();
        const QString answer = platform::InputBox(u"How many players (1-8)?"_s, u"Number of Players"_s);
        PlayerCount = platform::CInt(answer);
        if (PlayerCount < 1 || PlayerCount > 8) {
            PlayerCount = 0;
            return;
        }
        ReleasePlayers();
        Players.ReDim(PlayerCount);
        for (int i = 1; i <= PlayerCount; ++i) {
            Players(i) = new frmQuintix(area_, this);
            Players(i)->setTag(Str(i));
            Players(i)->setCaption(u"Player "_s + Str(i));
            Players(i)->setHeight(6600);
            Players(i)->setWidth(5400);
            if (i != 1)
                Players(i)->Hide();
        }
    } catch (const platform::RuntimeError &) {
        PlayerCount = 0;
    }
}

void mdiMain::ReleasePlayers()
{
    // Once ReDim has dropped them nothing can show these windows again; kept
    // loaded, every game would leave its windows behind until the program
    // ends. The objects go once the event loop is back, in case one of them
    // is still on its way out of a handler.
    for (int i = 1; i <= Players.UBound(); ++i) {
        if (frmQuintix *card = Players(i)) {
            card->Unload();
            card->deleteLater();
        }
    }
}

void mdiMain::tNewPlay_Timer()
{
    tNewPlay.setEnabled(false);

    std::int16_t CurrentPlayer = 0;
    for (int i = 1; i <= PlayerCount; ++i) {
        if (Players(i)->Visible()) {
            CurrentPlayer = platform::CInt(Players(i)->Tag());
            break;
        }
    }
    // Only a scorecard's own "Next Turn" starts the timer, so some scorecard
    // is always visible here; should none be, there is no turn to pass on.
    if (CurrentPlayer == 0)
        return;

    Players(CurrentPlayer)->Hide();
    // StartTurn shut the window to input until the hand-over; it is over now.
    Players(CurrentPlayer)->setEnabled(true);

    if (!Players(PlayerCount)->lblGrandTotal->Caption().isEmpty()) {
        ShowSummary();
        return;
    }

    if (CurrentPlayer == PlayerCount)
        CurrentPlayer = 0;
    if (PlayerCount != 1 && TurnWarning)
        platform::MsgBox(u"Player "_s + Str(CurrentPlayer + 1) + u", it is your turn."_s, platform::vbOKOnly,
                         QApplication::applicationName());
    Players(CurrentPlayer + 1)->Show();
}

void mdiMain::ShowSummary()
{
    // A summary left open from an earlier game would make Load do nothing,
    // and this game's results would never be shown or saved.
    frmSummary::instance().Unload();
    frmSummary::instance().Load();
}
