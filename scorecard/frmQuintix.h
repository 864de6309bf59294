// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/scorecard.h"
#include "platform/runtime/arrays.h"
#include "platform/widgets/controls.h"
#include "platform/widgets/forms.h"

#include <array>
#include <memory>

// One player's scorecard window: five dice, the roll button, the status text
// and thirteen categories with their totals. It shows one player's card of
// the game and passes the player's clicks and keys to it: a red score box is
// open and shows a preview, a black one is used and shows its points; a
// visible hold marker holds its die.
class frmQuintix : public platform::Form
{
    Q_OBJECT

public:
    frmQuintix(QMdiArea *area, QObject *parent, std::shared_ptr<Scorecard> card);

    // The player's card that this window shows.
    const Scorecard &Card() const { return *card_; }

    platform::BoundedArray<platform::PictureBox *, 0, 4> picDice;
    platform::BoundedArray<platform::Shape *, 0, 4> shpHold;
    platform::CommandButton *cmdRoll = nullptr;
    platform::Label *lblMemo = nullptr;
    platform::BoundedArray<platform::Label *, 1, 6> lblNums;
    platform::Label *lbl3Kind = nullptr;
    platform::Label *lbl4Kind = nullptr;
    platform::Label *lblFullHouse = nullptr;
    platform::Label *lblSmall = nullptr;
    platform::Label *lblLarge = nullptr;
    platform::Label *lblQuintix = nullptr;
    platform::Label *lblChance = nullptr;
    platform::Label *lblSubTot = nullptr;
    platform::Label *lblBonus = nullptr;
    platform::Label *lblTotal1 = nullptr;
    platform::Label *lblTotal2 = nullptr;
    platform::Label *lblGrandTotal = nullptr;

    void cmdRoll_Click();
    void picDice_Click(int index);
    void lblNums_Click(int index);
    void lbl3Kind_Click();
    void lbl4Kind_Click();
    void lblFullHouse_Click();
    void lblSmall_Click();
    void lblLarge_Click();
    void lblQuintix_Click();
    void lblChance_Click();

protected:
    void createControls(QWidget *client) override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Follows the card: what changed, and what a screen reader must hear.
    void CardChanged(Scorecard::Change change, int detail);
    // Shows the card's state in the controls: captions, colours, markers.
    void ShowCard();
    void StartTurn();
    // The thirteen score boxes, in scorecard order.
    std::array<platform::Label *, CategoryCount> ScoreBoxes() const;
    // Tells a screen reader what the player sees: each die's face, each
    // score box's category and what it would score or has scored.
    void Describe();
    // Whenever the card becomes the one in play (a new game, its player's
    // turn, the turn message closed, back from another window), the focus
    // starts on the roll button, so Space rolls, and a screen reader hears
    // whose card it is.
    void ComeIntoPlay();
    // The die or score box an arrow key moves to from this one, or nullptr.
    QWidget *Neighbour(const QObject *control, int key) const;

    std::shared_ptr<Scorecard> card_;
};
