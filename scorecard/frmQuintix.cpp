// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "scorecard/frmQuintix.h"

#include "app/mdiMain.h"
#include "platform/accessibility/accessibility.h"
#include "platform/runtime/rnd.h"
#include "platform/widgets/numbertext.h"

#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;
using platform::Label;
using platform::qt::Str;
using platform::TwipsRect;
using platform::vbBlack;
using platform::vbRed;

namespace {

// The status texts separate their phrases with runs of blanks: the narrow
// status label wraps at blanks, so each phrase lands on a line of its own.
QString blanks(int count) { return QString(count, u' '); }

QString readyToRollText(std::int16_t turn)
{
    return u"Turn "_s + Str(turn) + u"."_s + blanks(27) + u"Click for"_s + blanks(7) + u"roll #1."_s;
}

// Qt tells a screen reader of a new accessible name or description whenever
// one is set, changed or not; only a change is news to the player.
void setDescription(QWidget *control, const QString &text)
{
    if (control->accessibleDescription() != text)
        control->setAccessibleDescription(text);
}

void setName(QWidget *control, const QString &text)
{
    if (control->accessibleName() != text)
        control->setAccessibleName(text);
}

const QString NextTurnCaption = u"Next &Turn"_s;
const QString FirstRollCaption = u"&Roll 1"_s;

} // namespace

frmQuintix::frmQuintix(QMdiArea *area, QObject *parent)
    // Only one scorecard shows at a time; each takes the same place, so the
    // next player finds the dice where the last one left them.
    : Form(area, {u"Quintix"_s, QSize(5280, 6195), false, true}, parent)
{
}

void frmQuintix::createControls(QWidget *client)
{
    // The scorecard's frame: a rectangle split into the upper section on the
    // left and the lower section on the right.
    new platform::Line(client, 120, 1080, 3720, 1080);
    new platform::Line(client, 120, 5880, 3720, 5880);
    new platform::Line(client, 120, 1080, 120, 5880);
    new platform::Line(client, 3720, 1080, 3720, 5880);
    new platform::Line(client, 1920, 1080, 1920, 5880);
    new platform::Line(client, 120, 3960, 1920, 3960);
    new platform::Line(client, 1920, 4560, 3720, 4560);

    for (int i = 0; i <= 4; ++i) {
        shpHold(i) = new platform::Shape(client, TwipsRect(240 + 960 * i, 240, 735, 735));
        shpHold(i)->hide();
        picDice(i) = new platform::PictureBox(client, TwipsRect(360 + 960 * i, 360, 495, 495));
        connect(picDice(i), &platform::PictureBox::Click, this, [this, i] { picDice_Click(i); });
        // The digits hold and release dice 1 to 5 from anywhere in the card.
        auto *digit = new QShortcut(QKeySequence(Qt::Key_1 + i), client, [this, i] { picDice(i)->click(); },
                                    Qt::WidgetWithChildrenShortcut);
        digit->setAutoRepeat(false);
    }

    cmdRoll = new platform::CommandButton(client, TwipsRect(3960, 1320, 975, 375), FirstRollCaption);
    connect(cmdRoll, &QPushButton::clicked, this, &frmQuintix::cmdRoll_Click);
    lblMemo = new Label(client, TwipsRect(3960, 1920, 975, 1815));
    lblMemo->setPhraseWrap(true);

    struct RowCaption {
        int left, top, width;
        QString caption;
    };
    const RowCaption rows[] = {
        {240, 1200, 975, u"Ones:"_s},           {240, 1680, 975, u"Twos:"_s},
        {240, 2160, 975, u"Threes:"_s},         {240, 2640, 975, u"Fours:"_s},
        {120, 3120, 1095, u"Fives:"_s},         {120, 3600, 1095, u"Sixes:"_s},
        {120, 4080, 1095, u"Subtotal:"_s},      {120, 4560, 1095, u"Bouns:"_s},
        {120, 5520, 1095, u"Total 1:"_s},       {1920, 1200, 1095, u"3 of a kind:"_s},
        {1920, 1680, 1095, u"4 of a kind:"_s},  {1920, 2160, 1095, u"Full House:"_s},
        {1920, 2640, 1095, u"Small Straight"_s}, {1920, 3120, 1095, u"Large Straight:"_s},
        {1920, 3600, 1095, u"Pipstack:"_s},     {1920, 4080, 1095, u"Chance:"_s},
        {1920, 5520, 1095, u"Total 2:"_s},      {3960, 5040, 975, u"Grand Total:"_s},
    };
    for (const RowCaption &row : rows) {
        auto *label = new Label(client, TwipsRect(row.left, row.top, row.width, 255));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setCaption(row.caption);
    }

    // Without a colour of its own a box shows the default text colour, which
    // follows the desktop theme.
    auto box = [client](int left, int top, int width, std::optional<std::uint32_t> color = std::nullopt) {
        auto *label = new Label(client, TwipsRect(left, top, width, 255));
        label->setSingleBorder(true);
        label->setAlignment(Qt::AlignCenter);
        if (color)
            label->setForeColor(*color);
        return label;
    };
    for (int i = 1; i <= 6; ++i) {
        lblNums(i) = box(1440, 1200 + 480 * (i - 1), 375, vbRed);
        connect(lblNums(i), &Label::Click, this, [this, i] { lblNums_Click(i); });
    }
    lbl3Kind = box(3240, 1200, 375, vbRed);
    lbl4Kind = box(3240, 1680, 375, vbRed);
    lblFullHouse = box(3240, 2160, 375, vbRed);
    lblSmall = box(3240, 2640, 375, vbRed);
    lblLarge = box(3240, 3120, 375, vbRed);
    lblQuintix = box(3240, 3600, 375, vbRed);
    lblChance = box(3240, 4080, 375, vbRed);
    connect(lbl3Kind, &Label::Click, this, &frmQuintix::lbl3Kind_Click);
    connect(lbl4Kind, &Label::Click, this, &frmQuintix::lbl4Kind_Click);
    connect(lblFullHouse, &Label::Click, this, &frmQuintix::lblFullHouse_Click);
    connect(lblSmall, &Label::Click, this, &frmQuintix::lblSmall_Click);
    connect(lblLarge, &Label::Click, this, &frmQuintix::lblLarge_Click);
    connect(lblQuintix, &Label::Click, this, &frmQuintix::lblQuintix_Click);
    connect(lblChance, &Label::Click, this, &frmQuintix::lblChance_Click);

    // Tab goes through the dice, the roll button and the score boxes in card
    // order; arrow keys move between neighbours (eventFilter).
    QWidget *previous = nullptr;
    const auto chain = [&previous](QWidget *control) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    };
    for (int i = 0; i <= 4; ++i) {
        picDice(i)->setClickable(true);
        picDice(i)->setMarker(shpHold(i));
        picDice(i)->installEventFilter(this);
        chain(picDice(i));
    }
    chain(cmdRoll);
    for (Label *scoreBox : ScoreBoxes()) {
        scoreBox->setClickable(true);
        scoreBox->installEventFilter(this);
        chain(scoreBox);
    }

    lblSubTot = box(1440, 4080, 375);
    lblBonus = box(1440, 4560, 375);
    lblTotal1 = box(1440, 5520, 375);
    lblTotal2 = box(3240, 5520, 375);
    lblGrandTotal = box(3960, 5520, 1095);

    // The totals are no stops of the tab order, which stays as a sighted
    // player knows it; S says them from anywhere in the card.
    auto *sayTotals = new QShortcut(
        QKeySequence(Qt::Key_S), client, [this] { platform::Announce(cmdRoll, TotalsText()); },
        Qt::WidgetWithChildrenShortcut);
    sayTotals->setAutoRepeat(false);
}

void frmQuintix::Form_Load()
{
    platform::Randomize();
    RollNum = 0;
    TurnNum = 1;
    lblMemo->setCaption(readyToRollText(1));
    CanHold = false;
    connect(window(), &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates was, Qt::WindowStates is) {
        if (!was.testFlag(Qt::WindowActive) && is.testFlag(Qt::WindowActive))
            ComeIntoPlay();
    });
    Describe();
}

void frmQuintix::ComeIntoPlay()
{
    cmdRoll->setFocus(Qt::ActiveWindowFocusReason);
}

bool frmQuintix::eventFilter(QObject *watched, QEvent *event)
{
    // A card hidden and shown again while it stays the active window (the
    // only player's) is not activated anew; its Show comes after the window
    // has put the focus on its first control. The event's type comes first:
    // the filter also sees the events of a window being destroyed, which is
    // no sub-window any more.
    if (event->type() == QEvent::Show && watched == window() && window()->windowState().testFlag(Qt::WindowActive))
        ComeIntoPlay();
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (QWidget *next = Neighbour(watched, key->key())) {
                next->setFocus(Qt::TabFocusReason);
                return true;
            }
        }
    }
    return Form::eventFilter(watched, event);
}

QWidget *frmQuintix::Neighbour(const QObject *control, int key) const
{
    const int step = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
    for (int i = 0; i <= 4; ++i) {
        if (control == picDice(i)) {
            const bool across = key == Qt::Key_Left || key == Qt::Key_Right;
            return across && i + step >= 0 && i + step <= 4 ? picDice(i + step) : nullptr;
        }
    }
    // Two columns of boxes, the upper section's six beside the lower's seven,
    // row for row at the same height.
    const auto boxes = ScoreBoxes();
    const auto at = std::find(boxes.begin(), boxes.end(), control);
    if (at == boxes.end())
        return nullptr;
    const int index = int(at - boxes.begin());
    const bool upper = index < 6;
    const int row = upper ? index : index - 6;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        return row + step >= 0 && row + step < (upper ? 6 : 7) ? boxes.at(std::size_t(index + step)) : nullptr;
    case Qt::Key_Right:
        return upper ? boxes.at(std::size_t(6 + row)) : nullptr;
    case Qt::Key_Left:
        return upper ? nullptr : boxes.at(std::size_t(std::min(row, 5)));
    default:
        return nullptr;
    }
}

// -- rolling and holding ------------------------------------------------------

void frmQuintix::cmdRoll_Click()
{
    if (cmdRoll->Caption() == NextTurnCaption) {
        StartTurn();
        return;
    }
    if (RollNum == 3 || TurnNum > 13)
        return;

    CanHold = true;
    for (int i = 0; i <= 4; ++i) {
        if (shpHold(i)->isHidden())
            ShowDie(i);
    }
    CheckDice();
    RollNum = platform::Add16(RollNum, 1);

    if (RollNum == 3) {
        lblMemo->setCaption(u"Turn "_s + Str(TurnNum) + u"."_s + blanks(32) +
                            u"No more rolls. Please score your rolls."_s);
    } else {
        cmdRoll->setCaption(u"&Roll "_s + Str(RollNum + 1));
        lblMemo->setCaption(u"Turn "_s + Str(TurnNum) + u"."_s + blanks(27) + u"Ready for"_s + blanks(4) +
                            u"roll #"_s + Str(RollNum + 1) + u"."_s);
    }
    Describe();
    // The dice first, then what comes next, as one utterance; the focus
    // stays where it was.
    QStringList faces;
    for (int i = 0; i <= 4; ++i)
        faces << Str(Dice.at(std::size_t(i))) + (shpHold(i)->isHidden() ? QString() : u" held"_s);
    platform::Announce(cmdRoll, faces.join(u", "_s) + u". "_s +
                                    (RollNum == 3 ? u"No more rolls; score a box."_s
                                                  : u"Ready for roll "_s + Str(RollNum + 1) + u"."_s));
}

void frmQuintix::ShowDie(int index)
{
    const float r = platform::Rnd();
    // r < 1 keeps this within 1..6; the clamp keeps a die a die even if
    // the generator were ever to hand out 1 itself.
    const std::int16_t value = std::clamp<std::int16_t>(platform::Floor16(double(r) * 6 + 1), 1, 6);
    Dice.at(static_cast<std::size_t>(index)) = value;
    picDice(index)->setPicture(platform::LoadPicture(u"Die"_s + Str(value) + u".bmp"_s));
}

void frmQuintix::picDice_Click(int index)
{
    if (!CanHold)
        return;
    shpHold(index)->setVisible(shpHold(index)->isHidden());
    Describe();
    // A focused die is a check box whose change the screen reader says
    // itself; a die held by its digit from elsewhere is not.
    if (!picDice(index)->hasFocus())
        platform::Announce(cmdRoll, picDice(index)->accessibleName() +
                                        (shpHold(index)->isHidden() ? u", let go"_s : u", held"_s));
}

// -- the preview ----------------------------------------------------------------

void frmQuintix::CheckDice()
{
    const auto isOpen = [](const Label *box) { return box->ForeColor() != vbBlack; };
    for (std::int16_t face = 1; face <= 6; ++face) {
        if (!isOpen(lblNums(face)))
            continue;
        lblNums(face)->setCaption({});
        if (const std::int16_t sum = SumOfFace(face, Dice); sum != 0)
            lblNums(face)->setCaption(Str(sum));
    }
    const auto preview = [&](Label *box, bool (*test)(const Hand &), const QString &points) {
        if (!isOpen(box))
            return;
        box->setCaption({});
        if (test(Dice))
            box->setCaption(points);
    };
    const QString sum = Str(SumDice(Dice));
    preview(lbl3Kind, IsThreeOfAKind, sum);
    preview(lbl4Kind, IsFourOfAKind, sum);
    preview(lblFullHouse, IsFullHouse, u"25"_s);
    preview(lblSmall, IsSmallStraight, u"30"_s);
    preview(lblLarge, IsLargeStraight, u"40"_s);
    preview(lblQuintix, IsFiveOfAKind, u"50"_s);
    if (isOpen(lblChance))
        lblChance->setCaption(sum);
}

// -- scoring --------------------------------------------------------------------

std::array<Label *, 13> frmQuintix::ScoreBoxes() const
{
    return {lblNums(1), lblNums(2), lblNums(3), lblNums(4), lblNums(5),  lblNums(6), lbl3Kind,
            lbl4Kind,   lblFullHouse, lblSmall, lblLarge,   lblQuintix, lblChance};
}

bool frmQuintix::TakesScore(const Label *box) const
{
    // After a score the button reads "Next Turn" until the turn is passed on;
    // a second category must not be scored with the same dice meanwhile.
    const QString phase = cmdRoll->Caption();
    return phase != FirstRollCaption && phase != NextTurnCaption && box->ForeColor() != vbBlack;
}

void frmQuintix::lblNums_Click(int index)
{
    if (!TakesScore(lblNums(index)))
        return;
    const auto face = static_cast<std::int16_t>(index);
    lblNums(index)->setForeColor(vbBlack);
    lblNums(index)->setCaption(Str(SumOfFace(face, Dice)));
    FinishTurn(SumOfFace(face, Dice));
}

void frmQuintix::ScorePattern(Label *box, bool (*test)(const Hand &), std::int16_t points)
{
    if (!TakesScore(box))
        return;
    box->setForeColor(vbBlack);
    if (test(Dice)) {
        // The box keeps its preview, which is these same points.
        FinishTurn(points);
    } else {
        box->setCaption(u"0"_s);
        FinishTurn(0);
    }
}

void frmQuintix::lbl3Kind_Click() { ScorePattern(lbl3Kind, IsThreeOfAKind, SumDice(Dice)); }
void frmQuintix::lbl4Kind_Click() { ScorePattern(lbl4Kind, IsFourOfAKind, SumDice(Dice)); }
void frmQuintix::lblFullHouse_Click() { ScorePattern(lblFullHouse, IsFullHouse, 25); }
void frmQuintix::lblSmall_Click() { ScorePattern(lblSmall, IsSmallStraight, 30); }
void frmQuintix::lblLarge_Click() { ScorePattern(lblLarge, IsLargeStraight, 40); }
void frmQuintix::lblQuintix_Click() { ScorePattern(lblQuintix, IsFiveOfAKind, 50); }

void frmQuintix::lblChance_Click()
{
    if (!TakesScore(lblChance))
        return;
    lblChance->setForeColor(vbBlack);
    FinishTurn(SumDice(Dice));
}

void frmQuintix::FinishTurn(std::int16_t points)
{
    const std::int16_t scoredTurn = TurnNum;
    TurnNum = platform::Add16(TurnNum, 1);
    const QString earned = u"You earned "_s + Str(points) + (points == 1 ? u" point. "_s : u" points. "_s);
    if (TurnNum > 13) {
        UpdateTotals();
        Describe();
        platform::Announce(cmdRoll, earned + u"Grand total "_s + lblGrandTotal->Caption() + u". Next Turn."_s);
        return;
    }
    cmdRoll->setCaption(NextTurnCaption);
    lblMemo->setCaption(u"Turn "_s + Str(scoredTurn) + u"."_s + blanks(27) + u"You earned"_s + blanks(4) +
                        Str(points) + u" Points."_s + blanks(24) + u"Click"_s + blanks(7) + u"Next Turn."_s);
    CanHold = false;
    for (Label *box : ScoreBoxes()) {
        if (box->ForeColor() == vbRed)
            box->setCaption({});
    }
    Describe();
    platform::Announce(cmdRoll, earned + u"Next Turn."_s);
}

// -- totals -----------------------------------------------------------------------

void frmQuintix::UpdateTotals()
{
    using platform::Val;
    std::int16_t upper = 0;
    for (int i = 1; i <= 6; ++i)
        upper = platform::CInt(upper + Val(lblNums(i)->Caption()));
    lblSubTot->setCaption(Str(upper));
    if (upper <= 62) {
        lblBonus->setCaption(u"0"_s);
    } else {
        upper = platform::Add16(upper, 35);
        lblBonus->setCaption(u"35"_s);
    }
    lblTotal1->setCaption(Str(upper));

    double lower = 0;
    for (const Label *box : {lbl3Kind, lbl4Kind, lblFullHouse, lblSmall, lblLarge, lblQuintix, lblChance})
        lower += Val(box->Caption());
    lblTotal2->setCaption(platform::qt::ShortestText(lower));

    const double grand = Val(lblTotal1->Caption()) + Val(lblTotal2->Caption());
    lblGrandTotal->setCaption(platform::qt::ShortestText(grand));
    cmdRoll->setCaption(NextTurnCaption);
}

// -- the hand-over ----------------------------------------------------------------

void frmQuintix::StartTurn()
{
    for (int i = 0; i <= 4; ++i) {
        shpHold(i)->hide();
        picDice(i)->setPicture({});
    }
    RollNum = 0;
    cmdRoll->setCaption(FirstRollCaption);
    lblMemo->setCaption(readyToRollText(TurnNum));
    // Until the frame's timer has passed the turn on, this window takes no
    // input: a second click already on its way would otherwise roll dice that
    // belong to the player's next turn.
    setEnabled(false);
    mdiMain::instance()->tNewPlay.setEnabled(true);
    Describe();
}

void frmQuintix::Describe()
{
    static const QString categories[] = {
        u"Ones"_s,           u"Twos"_s,           u"Threes"_s,         u"Fours"_s, u"Fives"_s,
        u"Sixes"_s,          u"3 of a kind"_s,    u"4 of a kind"_s,    u"Full House"_s,
        u"Small Straight"_s, u"Large Straight"_s, u"Pipstack"_s,       u"Chance"_s,
    };
    // Each value once, the category first: a box says what it would score
    // now, or what it scored.
    const auto boxes = ScoreBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString shown = boxes[i]->Caption().isEmpty() ? u"0"_s : boxes[i]->Caption();
        QString text = categories[i] + u": "_s;
        if (boxes[i]->ForeColor() == vbBlack)
            text += u"scored "_s + shown;
        else if (TakesScore(boxes[i]))
            text += shown + u" if scored"_s;
        else
            text += u"open"_s;
        setName(boxes[i], text);
    }
    for (int i = 0; i <= 4; ++i) {
        const bool rolled = !picDice(i)->Picture().isNull();
        setName(picDice(i), u"Die "_s + Str(i + 1) + u": "_s +
                                (rolled ? Str(Dice.at(std::size_t(i))) : u"not rolled"_s));
    }
    // The status text beside the button says what the button does next.
    setDescription(cmdRoll, lblMemo->Caption().simplified());
}

QString frmQuintix::TotalsText() const
{
    if (lblGrandTotal->Caption().isEmpty()) {
        double scored = 0;
        for (const Label *box : ScoreBoxes()) {
            if (box->ForeColor() == vbBlack)
                scored += platform::Val(box->Caption());
        }
        return u"Totals come after the last turn. Scored so far: "_s + platform::qt::ShortestText(scored) + u"."_s;
    }
    return u"Subtotal "_s + lblSubTot->Caption() + u", Bonus "_s + lblBonus->Caption() + u", Total 1 "_s +
           lblTotal1->Caption() + u", Total 2 "_s + lblTotal2->Caption() + u", Grand Total "_s +
           lblGrandTotal->Caption() + u"."_s;
}
