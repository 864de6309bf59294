// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "scorecard/frmQuintix.h"

#include "platform/accessibility/accessibility.h"
#include "platform/runtime/rnd.h"
#include "scorecard/cardwords.h"

#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;
using platform::Label;
using platform::TwipsRect;
using platform::vbBlack;
using platform::vbRed;

namespace {

// Qt tells a screen reader of a new accessible name or description, or a new
// caption, whenever one is set, changed or not; only a change is news to the
// player.
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

void show(Label *label, const QString &caption)
{
    if (label->Caption() != caption)
        label->setCaption(caption);
}

// Where each category's row caption stands; the boxes follow in two columns.
struct RowPlace {
    int left, top, width;
};
constexpr RowPlace CategoryRows[CategoryCount] = {
    {240, 1200, 975},  {240, 1680, 975},  {240, 2160, 975},  {240, 2640, 975},  {120, 3120, 1095},
    {120, 3600, 1095}, {1920, 1200, 1095}, {1920, 1680, 1095}, {1920, 2160, 1095}, {1920, 2640, 1095},
    {1920, 3120, 1095}, {1920, 3600, 1095}, {1920, 4080, 1095},
};

} // namespace

frmQuintix::frmQuintix(QMdiArea *area, QObject *parent, std::shared_ptr<Scorecard> card)
    // Only one scorecard shows at a time; each takes the same place, so the
    // next player finds the dice where the last one left them.
    : Form(area, {tr("Quintix"), QSize(5280, 6195), false, true}, parent)
    , card_(std::move(card))
{
    card_->Listen([this](Scorecard::Change change, int detail) { CardChanged(change, detail); });
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

    cmdRoll = new platform::CommandButton(client, TwipsRect(3960, 1320, 975, 375), cardwords::RollCaption(*card_));
    connect(cmdRoll, &QPushButton::clicked, this, &frmQuintix::cmdRoll_Click);
    lblMemo = new Label(client, TwipsRect(3960, 1920, 975, 1815));
    lblMemo->setPhraseWrap(true);
    // Another language's words may take a little more of the space that the
    // captions leave before the next box or the window's edge.
    lblMemo->setSlack(platform::Px(165));

    const auto caption = [client](int left, int top, int width, const QString &text) {
        auto *label = new Label(client, TwipsRect(left, top, width, 255));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setSlack(platform::Px(165));
        label->setCaption(text);
    };
    for (int index = 0; index < CategoryCount; ++index) {
        const RowPlace &row = CategoryRows[index];
        caption(row.left, row.top, row.width, cardwords::RowCaption(Category(index)));
    }
    caption(120, 4080, 1095, tr("Subtotal:"));
    caption(120, 4560, 1095, tr("Bouns:"));
    caption(120, 5520, 1095, tr("Total 1:"));
    caption(1920, 5520, 1095, tr("Total 2:"));
    caption(3960, 5040, 975, tr("Grand Total:"));

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
    for (int i = 1; i <= 6; ++i)
        lblNums(i) = box(1440, 1200 + 480 * (i - 1), 375, vbRed);
    lbl3Kind = box(3240, 1200, 375, vbRed);
    lbl4Kind = box(3240, 1680, 375, vbRed);
    lblFullHouse = box(3240, 2160, 375, vbRed);
    lblSmall = box(3240, 2640, 375, vbRed);
    lblLarge = box(3240, 3120, 375, vbRed);
    lblQuintix = box(3240, 3600, 375, vbRed);
    lblChance = box(3240, 4080, 375, vbRed);
    for (int i = 1; i <= 6; ++i)
        connect(lblNums(i), &Label::Click, this, [this, i] { lblNums_Click(i); });
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
        QKeySequence(Qt::Key_S), client, [this] { platform::Announce(cmdRoll, cardwords::TotalsText(*card_)); },
        Qt::WidgetWithChildrenShortcut);
    sayTotals->setAutoRepeat(false);
}

void frmQuintix::Form_Load()
{
    platform::Randomize();
    connect(window(), &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates was, Qt::WindowStates is) {
        if (!was.testFlag(Qt::WindowActive) && is.testFlag(Qt::WindowActive))
            ComeIntoPlay();
    });
    ShowCard();
    Describe();
}

void frmQuintix::ComeIntoPlay()
{
    platform::FocusButton(cmdRoll, Qt::ActiveWindowFocusReason);
}

std::array<Label *, CategoryCount> frmQuintix::ScoreBoxes() const
{
    return {lblNums(1), lblNums(2), lblNums(3), lblNums(4), lblNums(5),  lblNums(6), lbl3Kind,
            lbl4Kind,   lblFullHouse, lblSmall, lblLarge,   lblQuintix, lblChance};
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

// -- the player's moves ---------------------------------------------------------

void frmQuintix::cmdRoll_Click()
{
    if (card_->TurnScored())
        StartTurn();
    else
        card_->Roll();
}

void frmQuintix::picDice_Click(int index) { card_->ToggleHold(index); }

void frmQuintix::lblNums_Click(int index) { card_->Score(Category(index - 1)); }
void frmQuintix::lbl3Kind_Click() { card_->Score(Category::ThreeOfAKind); }
void frmQuintix::lbl4Kind_Click() { card_->Score(Category::FourOfAKind); }
void frmQuintix::lblFullHouse_Click() { card_->Score(Category::FullHouse); }
void frmQuintix::lblSmall_Click() { card_->Score(Category::SmallStraight); }
void frmQuintix::lblLarge_Click() { card_->Score(Category::LargeStraight); }
void frmQuintix::lblQuintix_Click() { card_->Score(Category::FiveOfAKind); }
void frmQuintix::lblChance_Click() { card_->Score(Category::Chance); }

void frmQuintix::StartTurn() { card_->StartTurn(); }

// -- following the card -----------------------------------------------------------

void frmQuintix::CardChanged(Scorecard::Change change, int detail)
{
    if (!IsLoaded())
        return;
    switch (change) {
    case Scorecard::Change::Rolled:
        // Each die drawn shows its face's picture, read afresh.
        for (int i = 0; i <= 4; ++i) {
            if (!card_->Held(i))
                picDice(i)->setPicture(
                    platform::LoadPicture(u"Die"_s + QString::number(card_->Dice.at(std::size_t(i))) + u".bmp"_s));
        }
        break;
    case Scorecard::Change::TurnStarted:
        for (int i = 0; i <= 4; ++i)
            picDice(i)->setPicture({});
        // Until the frame has passed the turn on, this window takes no input:
        // a second click already on its way would otherwise roll dice that
        // belong to the player's next turn.
        setEnabled(false);
        break;
    default:
        break;
    }
    ShowCard();
    Describe();

    switch (change) {
    case Scorecard::Change::Rolled:
        // The dice first, then what comes next, as one utterance; the focus
        // stays where it was.
        platform::Announce(cmdRoll, cardwords::RollNews(*card_));
        break;
    case Scorecard::Change::Held:
        // A focused die is a check box whose change the screen reader says
        // itself; a die held by its digit from elsewhere is not.
        if (!picDice(detail)->hasFocus())
            platform::Announce(cmdRoll, card_->Held(detail) ? tr("%1, held").arg(picDice(detail)->accessibleName())
                                                            : tr("%1, let go").arg(picDice(detail)->accessibleName()));
        break;
    case Scorecard::Change::Scored:
        platform::Announce(cmdRoll, cardwords::ScoreNews(*card_, Category(detail)));
        break;
    case Scorecard::Change::TurnStarted:
        break;
    }
}

void frmQuintix::ShowCard()
{
    for (int i = 0; i <= 4; ++i)
        shpHold(i)->setVisible(card_->Held(i));
    if (const QString roll = cardwords::RollCaption(*card_); cmdRoll->Caption() != roll)
        cmdRoll->setCaption(roll);
    show(lblMemo, cardwords::StatusCaption(card_->StatusText()));

    const auto boxes = ScoreBoxes();
    for (int index = 0; index < CategoryCount; ++index) {
        const ScoreBox &box = card_->Box(Category(index));
        Label *label = boxes.at(std::size_t(index));
        if (const std::uint32_t colour = box.used ? vbBlack : vbRed; label->ForeColor() != colour)
            label->setForeColor(colour);
        show(label, cardwords::BoxCaption(box));
    }

    const auto &totals = card_->Totals();
    const auto total = [&totals](std::int16_t value) { return totals ? QString::number(value) : QString(); };
    show(lblSubTot, total(totals ? totals->subtotal : 0));
    show(lblBonus, total(totals ? totals->bonus : 0));
    show(lblTotal1, total(totals ? totals->total1 : 0));
    show(lblTotal2, total(totals ? totals->total2 : 0));
    show(lblGrandTotal, total(totals ? totals->grandTotal : 0));
}

void frmQuintix::Describe()
{
    // Each value once, the category first: a box says what it would score
    // now, or what it scored.
    const auto boxes = ScoreBoxes();
    for (int index = 0; index < CategoryCount; ++index)
        setName(boxes.at(std::size_t(index)), cardwords::BoxName(*card_, Category(index)));
    for (int i = 0; i <= 4; ++i)
        setName(picDice(i), cardwords::DieName(*card_, i));
    // The status text beside the button says what the button does next.
    setDescription(cmdRoll, cardwords::StatusCaption(card_->StatusText()).simplified());
}
