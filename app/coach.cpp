// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/coach.h"

#include "app/frmReview.h"
#include "app/mdiMain.h"
#include "highscores/frmScores.h"
#include "platform/accessibility/accessibility.h"
#include "scorecard/cardwords.h"
#include "scorecard/frmQuintix.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

// Drawn around a die or a box, outside everything the card shows: black
// edges about a yellow band read on a light theme and a dark one alike, and
// neither the hold marker nor any caption changes.
class HintMark : public QWidget
{
public:
    HintMark(QWidget *parent, const QRect &around)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("hintMark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(around.adjusted(-5, -5, 5, 5));
        show();
        raise();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 5));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
        painter.setPen(QPen(QColor(255, 204, 0), 3));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
};

// A plain file on every system (on Windows in the roaming application data,
// not the registry), so that a test can point every run at a folder of its own.
QSettings Settings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::applicationName(),
                     QCoreApplication::applicationName());
}

QString Points(double value) { return QString::number(value, 'f', 1); }

QString Faces(const std::vector<int> &faces)
{
    QStringList words;
    for (int face : faces)
        words << QString::number(face);
    return words.join(u' ');
}

} // namespace

Coach::Coach(mdiMain *frame)
    : QObject(frame)
    , frame_(frame)
{
    mnuCoach = frame->menuBar()->addMenu(tr("&Coach"));
    mnuCoach->setObjectName(u"mnuCoach"_s);
    mnuHint = mnuCoach->addAction(tr("&Hint"));
    mnuHint->setObjectName(u"mnuHint"_s);
    mnuHint->setShortcut(QKeySequence(Qt::Key_H));
    mnuComputer = mnuCoach->addMenu(tr("Computer &Players"));
    mnuComputer->setObjectName(u"mnuComputer"_s);
    for (int p = 1; p <= 8; ++p) {
        QAction *player = mnuComputer->addAction(tr("Player &%1").arg(p));
        player->setCheckable(true);
        player->setObjectName(u"mnuComputerPlayer"_s + QString::number(p));
        mnuComputerPlayer.at(std::size_t(p - 1)) = player;
        connect(player, &QAction::toggled, this, [this] {
            SaveSettings();
            UpdateComputerTimer();
        });
    }
    const auto choices = [this](QMenu *menu, std::initializer_list<QAction **> items) {
        auto *group = new QActionGroup(menu);
        for (QAction **item : items) {
            (*item)->setCheckable(true);
            group->addAction(*item);
            connect(*item, &QAction::triggered, this, [this] {
                SaveSettings();
                UpdateComputerTimer();
            });
        }
    };
    mnuStrength = mnuCoach->addMenu(tr("&Strength"));
    mnuStrength->setObjectName(u"mnuStrength"_s);
    mnuPerfect = mnuStrength->addAction(tr("&Perfect"));
    mnuBeginner = mnuStrength->addAction(tr("&Beginner"));
    choices(mnuStrength, {&mnuPerfect, &mnuBeginner});
    mnuPace = mnuCoach->addMenu(tr("P&ace"));
    mnuPace->setObjectName(u"mnuPace"_s);
    mnuSlow = mnuPace->addAction(tr("&Slow"));
    mnuNormal = mnuPace->addAction(tr("&Normal"));
    mnuFast = mnuPace->addAction(tr("&Fast"));
    choices(mnuPace, {&mnuSlow, &mnuNormal, &mnuFast});
    mnuReview = mnuCoach->addAction(tr("&Review Game"));
    mnuReview->setObjectName(u"mnuReview"_s);
    connect(mnuHint, &QAction::triggered, this, &Coach::mnuHint_Click);
    connect(mnuReview, &QAction::triggered, this, &Coach::mnuReview_Click);
    connect(&computerTimer_, &QTimer::timeout, this, &Coach::ComputerStep);
    LoadSettings();
}

Coach::~Coach()
{
    // The thread solving must not outlive the engine it fills.
    if (solver_.joinable())
        solver_.join();
}

void Coach::LoadSettings()
{
    const QSettings settings = Settings();
    const QStringList players = settings.value(u"coach/computerPlayers"_s).toString().split(u',', Qt::SkipEmptyParts);
    for (QAction *player : mnuComputerPlayer) {
        const QSignalBlocker quiet(player);
        player->setChecked(players.contains(player->objectName().right(1)));
    }
    (settings.value(u"coach/strength"_s).toString() == u"beginner"_s ? mnuBeginner : mnuPerfect)->setChecked(true);
    const QString pace = settings.value(u"coach/pace"_s).toString();
    (pace == u"slow"_s ? mnuSlow : pace == u"fast"_s ? mnuFast : mnuNormal)->setChecked(true);
}

void Coach::SaveSettings()
{
    QSettings settings = Settings();
    QStringList players;
    for (int p : ComputerPlayers())
        players << QString::number(p);
    settings.setValue(u"coach/computerPlayers"_s, players.join(u','));
    settings.setValue(u"coach/strength"_s, mnuBeginner->isChecked() ? u"beginner"_s : u"perfect"_s);
    settings.setValue(u"coach/pace"_s, mnuSlow->isChecked() ? u"slow"_s : mnuFast->isChecked() ? u"fast"_s : u"normal"_s);
}

bool Coach::PlayedByComputer(int player) const
{
    return player >= 1 && player <= 8 && mnuComputerPlayer.at(std::size_t(player - 1))->isChecked();
}

QList<int> Coach::ComputerPlayers() const
{
    QList<int> players;
    for (int p = 1; p <= 8; ++p) {
        if (PlayedByComputer(p))
            players << p;
    }
    return players;
}

Coach::Strength Coach::strength() const { return mnuBeginner->isChecked() ? Strength::Beginner : Strength::Perfect; }

int Coach::pace() const { return mnuSlow->isChecked() ? 1500 : mnuFast->isChecked() ? 50 : 600; }

void Coach::WhenReady(std::function<void()> then)
{
    if (ready_) {
        then();
        return;
    }
    waiting_.push_back(std::move(then));
    if (solver_.joinable())
        return;
    engine_ = std::make_unique<strategy::Engine>();
    solver_ = std::thread([this] {
        engine_->Solve();
        QMetaObject::invokeMethod(this, [this] {
            ready_ = true;
            for (const auto &then : std::exchange(waiting_, {}))
                then();
        }, Qt::QueuedConnection);
    });
}

void Coach::GameStarted()
{
    ClearMarks();
    plan_.reset();
    logs_.clear();
    const Game &game = frame_->game();
    for (int p = 1; p <= game.PlayerCount; ++p) {
        logs_.push_back(review::DecisionLog::Follow(*game.Player(p)));
        // A hint is about the dice it was given for.
        game.Player(p)->Listen([coach = QPointer<Coach>(this)](Scorecard::Change change, int) {
            if (coach && change != Scorecard::Change::Held)
                coach->ClearMarks();
        });
    }
    UpdateComputerTimer();
}

QString Coach::HintText(const Scorecard &card, const strategy::Engine &engine)
{
    const int scored = card.Scored();
    if (card.Totals())
        return tr("The game is over.");
    if (!card.DiceShown() || card.TurnScored())
        return tr("Roll: %1 expected at the end.")
            .arg(Points(scored + engine.Expected(strategy::StateOf(card))));
    const auto actions = engine.Advise(strategy::StateOf(card), card.Dice, RollsPerTurn - card.RollNum);
    const strategy::Action &best = actions.front();
    if (best.kind == strategy::Action::Score)
        return tr("Score %1: %2 expected at the end.")
            .arg(cardwords::CategoryName(best.category), Points(scored + best.expected));
    QString text = best.kept.empty()
                       ? tr("Roll all five dice: %1 expected at the end.").arg(Points(scored + best.expected))
                       : tr("Keep %1 and roll: %2 expected at the end.").arg(Faces(best.kept), Points(scored + best.expected));
    const auto score = std::find_if(actions.begin(), actions.end(),
                                    [](const strategy::Action &action) { return action.kind == strategy::Action::Score; });
    if (score != actions.end())
        text += u' ' + tr("Score %1 now: %2.").arg(cardwords::CategoryName(score->category), Points(scored + score->expected));
    return text;
}

void Coach::mnuHint_Click()
{
    const Game &game = frame_->game();
    if (game.PlayerCount == 0 || game.CurrentPlayer == 0)
        return;
    frmQuintix *card = frame_->Players(game.CurrentPlayer);
    if (!card || !card->window() || !card->window()->isVisible())
        return;
    if (!engine()) {
        platform::Announce(card->cmdRoll, tr("The coach is thinking."));
        WhenReady([this] { mnuHint_Click(); });
        return;
    }
    const QString text = HintText(card->Card(), *engine());
    ClearMarks();
    const Scorecard &scorecard = card->Card();
    if (scorecard.DiceShown() && !scorecard.TurnScored())
        ShowMarks(card, engine()->Advise(strategy::StateOf(scorecard), scorecard.Dice, RollsPerTurn - scorecard.RollNum).front());
    FrameStatusLine(text);
    platform::Announce(card->cmdRoll, text);
}

void Coach::ShowMarks(frmQuintix *card, const strategy::Action &best)
{
    QWidget *client = card->client();
    if (best.kind == strategy::Action::Score) {
        const int index = int(best.category);
        QWidget *box = index < UpperCount ? static_cast<QWidget *>(card->lblNums(index + 1)) : nullptr;
        const std::array<QWidget *, 7> lower{card->lbl3Kind, card->lbl4Kind, card->lblFullHouse, card->lblSmall,
                                             card->lblLarge, card->lblQuintix, card->lblChance};
        if (!box)
            box = lower.at(std::size_t(index - UpperCount));
        marks_ << new HintMark(client, box->geometry());
        return;
    }
    const std::array<bool, 5> holds = HoldsFor(card->Card(), best.kept);
    for (int i = 0; i <= 4; ++i) {
        if (holds.at(std::size_t(i)))
            marks_ << new HintMark(client, card->shpHold(i)->geometry());
    }
}

void Coach::ClearMarks()
{
    const bool shown = !marks_.isEmpty();
    for (const QPointer<QWidget> &mark : std::exchange(marks_, {}))
        delete mark.data();
    if (shown)
        FrameStatusLine({});
}

void Coach::mnuReview_Click()
{
    if (!review_)
        review_ = new frmReview(frame_->area(), this);
    review_->Unload();
    review_->Load();
}
