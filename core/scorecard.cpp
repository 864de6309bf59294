// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/scorecard.h"

#include <algorithm>
#include <cmath>

Scorecard::Scorecard(std::function<float()> rnd)
    : rnd_(std::move(rnd))
{
}

void Scorecard::Tell(Change change, int detail)
{
    for (const Listener &listener : listeners_)
        listener(change, detail);
}

bool Scorecard::Roll()
{
    if (scored_ || RollNum == RollsPerTurn || TurnNum > LastTurn)
        return false;
    CanHold = true;
    for (std::size_t i = 0; i < Dice.size(); ++i) {
        if (held_[i])
            continue;
        // r < 1 keeps this within 1..6; the clamp keeps a die a die even if
        // the generator were ever to hand out 1 itself.
        const double face = std::floor(double(rnd_()) * 6 + 1);
        Dice[i] = static_cast<std::int16_t>(std::clamp(face, 1.0, 6.0));
    }
    CheckDice();
    ++RollNum;
    if (RollNum == RollsPerTurn)
        status_ = {Status::NoMoreRolls, TurnNum, 0};
    else
        status_ = {Status::ReadyForRoll, TurnNum, static_cast<std::int16_t>(RollNum + 1)};
    Tell(Change::Rolled);
    return true;
}

bool Scorecard::ToggleHold(int index)
{
    if (!CanHold || index < 0 || index >= int(held_.size()))
        return false;
    held_[std::size_t(index)] = !held_[std::size_t(index)];
    Tell(Change::Held, index);
    return true;
}

std::int16_t Scorecard::PointsFor(Category category) const
{
    const int index = int(category);
    if (index < UpperCount)
        return SumOfFace(static_cast<std::int16_t>(index + 1), Dice);
    switch (category) {
    case Category::ThreeOfAKind: return IsThreeOfAKind(Dice) ? SumDice(Dice) : std::int16_t(0);
    case Category::FourOfAKind: return IsFourOfAKind(Dice) ? SumDice(Dice) : std::int16_t(0);
    case Category::FullHouse: return IsFullHouse(Dice) ? std::int16_t(25) : std::int16_t(0);
    case Category::SmallStraight: return IsSmallStraight(Dice) ? std::int16_t(30) : std::int16_t(0);
    case Category::LargeStraight: return IsLargeStraight(Dice) ? std::int16_t(40) : std::int16_t(0);
    case Category::FiveOfAKind: return IsFiveOfAKind(Dice) ? std::int16_t(50) : std::int16_t(0);
    default: return SumDice(Dice);
    }
}

void Scorecard::CheckDice()
{
    for (int index = 0; index < CategoryCount; ++index) {
        ScoreBox &box = boxes_[std::size_t(index)];
        if (box.used)
            continue;
        // A pattern the dice do not show, or a face they lack, previews as
        // nothing rather than 0; only Chance always has a sum to show.
        const std::int16_t points = PointsFor(Category(index));
        box.shown.reset();
        if (points != 0 || Category(index) == Category::Chance)
            box.shown = points;
    }
}

bool Scorecard::TakesScore(Category category) const
{
    // Not before the turn's first roll, and not a second category with the
    // same dice while the turn waits to be passed on.
    return RollNum > 0 && !scored_ && !Box(category).used;
}

bool Scorecard::Score(Category category)
{
    if (!TakesScore(category))
        return false;
    const std::int16_t points = PointsFor(category);
    ScoreBox &box = boxes_[std::size_t(category)];
    box.used = true;
    box.shown = points;
    FinishTurn(points);
    Tell(Change::Scored, int(category));
    return true;
}

void Scorecard::FinishTurn(std::int16_t points)
{
    const std::int16_t scoredTurn = TurnNum;
    ++TurnNum;
    scored_ = true;
    // The last score fills the totals and leaves the rest as it is: the
    // status text keeps the last roll's words, and the dice stay holdable.
    if (TurnNum > LastTurn) {
        UpdateTotals();
        return;
    }
    status_ = {Status::Earned, scoredTurn, points};
    CanHold = false;
    for (ScoreBox &box : boxes_) {
        if (!box.used)
            box.shown.reset();
    }
}

void Scorecard::UpdateTotals()
{
    CardTotals totals;
    for (int index = 0; index < CategoryCount; ++index) {
        const std::int16_t points = boxes_[std::size_t(index)].shown.value_or(0);
        if (index < UpperCount)
            totals.subtotal = static_cast<std::int16_t>(totals.subtotal + points);
        else
            totals.total2 = static_cast<std::int16_t>(totals.total2 + points);
    }
    totals.bonus = totals.subtotal <= 62 ? 0 : 35;
    totals.total1 = static_cast<std::int16_t>(totals.subtotal + totals.bonus);
    totals.grandTotal = static_cast<std::int16_t>(totals.total1 + totals.total2);
    totals_ = totals;
}

int Scorecard::Scored() const
{
    int sum = 0;
    for (const ScoreBox &box : boxes_) {
        if (box.used)
            sum += box.shown.value_or(0);
    }
    return sum;
}

bool Scorecard::StartTurn()
{
    if (!scored_)
        return false;
    held_.fill(false);
    RollNum = 0;
    scored_ = false;
    status_ = {Status::ReadyToRoll, TurnNum, 0};
    Tell(Change::TurnStarted);
    return true;
}

void Scorecard::Fill(const std::array<std::optional<std::int16_t>, CategoryCount> &points)
{
    std::int16_t used = 0;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = {points[i].has_value(), points[i]};
        used = static_cast<std::int16_t>(used + points[i].has_value());
    }
    TurnNum = static_cast<std::int16_t>(used + 1);
    RollNum = 0;
    held_.fill(false);
    CanHold = false;
    scored_ = false;
    status_ = {Status::ReadyToRoll, TurnNum, 0};
    totals_.reset();
    if (TurnNum > LastTurn) {
        scored_ = true;
        UpdateTotals();
    }
}
