// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/mdiMain.h"

#include "app/coach.h"
#include "highscores/frmScores.h"
#include "highscores/frmSummary.h"
#include "platform/accessibility/accessibility.h"
#include "platform/runtime/rnd.h"
#include "platform/widgets/numbertext.h"
#include "platform/widgets/dialogs.h"
#include "platform/widgets/forms.h"
#include "scorecard/frmQuintix.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
QPointer<mdiMain> theFrame;
}

mdiMain *mdiMain::instance() { return theFrame; }

mdiMain::mdiMain(QWidget *parent)
    : QMainWindow(parent)
    , tNewPlay(this, 1)
    , area_(new QMdiArea(this))
    , game_(platform::Rnd)
{
    theFrame = this;
    SetHighScoreWindowsHome(area_, this);
    game_.ListenForHandOver([this] { tNewPlay.setEnabled(true); });
    QApplication::setWindowIcon(QIcon(u":/pipstack.png"_s));
    setWindowTitle(QApplication::applicationName());
    setCentralWidget(area_);
    platform::KeepAChildActive(area_);

    mnuOpt = menuBar()->addMenu(tr("&Options"));
    mnuOptNew = mnuOpt->addAction(tr("&New Game"));
    mnuOptWarning = mnuOpt->addMenu(tr("Next Turn &Warning"));
    mnuWarnOn = mnuOptWarning->addAction(tr("On"));
    mnuWarnOff = mnuOptWarning->addAction(tr("Off"));
    mnuOptScore = mnuOpt->addAction(tr("&View High Scores"));
    mnuOptExit = mnuOpt->addAction(tr("&Exit"));
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
    coach_ = new Coach(this);

    // The restored size: a client area of 9840 x 8310 twips, centred.
    resize(platform::Px(9840), platform::Px(8310) + menuBar()->sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    MDIForm_Load();
}

mdiMain::~mdiMain() = default;

void mdiMain::MDIForm_Load()
{
    game_.EndGame();
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
        platform::Announce(this, mnuWarnOn->isEnabled() ? tr("Next Turn Warning now off.")
                                                        : tr("Next Turn Warning now on."));
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
        for (int i = 1; i <= game_.PlayerCount; ++i)
            Players(i)->Hide();
        const QString answer = platform::InputBox(tr("How many players (1-8)?"), tr("Number of Players"));
        const std::int16_t count = platform::CInt(answer);
        if (count < 1 || count > 8) {
            game_.EndGame();
            return;
        }
        ReleasePlayers();
        game_.NewGame(count);
        Players.ReDim(count);
        for (int i = 1; i <= count; ++i) {
            Players(i) = new frmQuintix(area_, this, game_.Player(i));
            Players(i)->setTag(QString::number(i));
            Players(i)->setCaption(tr("Player %1").arg(i));
            Players(i)->setHeight(6600);
            Players(i)->setWidth(5400);
            if (i != 1)
                Players(i)->Hide();
        }
        coach_->GameStarted();
    } catch (const platform::RuntimeError &) {
        game_.EndGame();
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
    // Only a player's "Next Turn" starts the timer; should the game have
    // ended meanwhile, there is no turn to pass on.
    if (!game_.HandOverDue())
        return;

    frmQuintix *done = Players(game_.CurrentPlayer);
    done->Hide();
    // The card shut its window to input until the hand-over; it is over now.
    done->setEnabled(true);

    const std::int16_t next = game_.HandOver();
    if (next == 0) {
        ShowSummary();
        return;
    }
    if (game_.PlayerCount != 1 && TurnWarning)
        platform::MsgBox(tr("Player %1, it is your turn.").arg(next), platform::vbOKOnly,
                         QApplication::applicationName());
    Players(next)->Show();
}

void mdiMain::ShowSummary()
{
    // A summary left open from an earlier game would make Load do nothing,
    // and this game's results would never be shown or saved.
    frmSummary::instance().Unload();
    frmSummary::instance().ShowGame(game_, coach_->ComputerPlayers());
}
