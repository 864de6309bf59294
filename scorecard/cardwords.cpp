// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "scorecard/cardwords.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>

namespace cardwords {

namespace {

// lupdate files a tr() in this namespace under "cardwords", so that is its
// context here too; the categories' words are the card's own ("frmQuintix").
QString tr(const char *text) { return QCoreApplication::translate("cardwords", text); }

QString blanks(int count) { return QString(count, u' '); }

QString number(int value) { return QString::number(value); }

// Each category once: the caption of its row and the name it is spoken by.
struct CategoryWords {
    const char *caption;
    const char *name;
};
constexpr std::array<CategoryWords, CategoryCount> Categories{{
    {QT_TRANSLATE_NOOP("frmQuintix", "Ones:"), QT_TRANSLATE_NOOP("frmQuintix", "Ones")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Twos:"), QT_TRANSLATE_NOOP("frmQuintix", "Twos")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Threes:"), QT_TRANSLATE_NOOP("frmQuintix", "Threes")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Fours:"), QT_TRANSLATE_NOOP("frmQuintix", "Fours")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Fives:"), QT_TRANSLATE_NOOP("frmQuintix", "Fives")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Sixes:"), QT_TRANSLATE_NOOP("frmQuintix", "Sixes")},
    {QT_TRANSLATE_NOOP("frmQuintix", "3 of a kind:"), QT_TRANSLATE_NOOP("frmQuintix", "3 of a kind")},
    {QT_TRANSLATE_NOOP("frmQuintix", "4 of a kind:"), QT_TRANSLATE_NOOP("frmQuintix", "4 of a kind")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Full House:"), QT_TRANSLATE_NOOP("frmQuintix", "Full House")},
    // The row has always read without its colon.
    {QT_TRANSLATE_NOOP("frmQuintix", "Small Straight"), QT_TRANSLATE_NOOP("frmQuintix", "Small Straight")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Large Straight:"), QT_TRANSLATE_NOOP("frmQuintix", "Large Straight")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Pipstack:"), QT_TRANSLATE_NOOP("frmQuintix", "Pipstack")},
    {QT_TRANSLATE_NOOP("frmQuintix", "Chance:"), QT_TRANSLATE_NOOP("frmQuintix", "Chance")},
}};

} // namespace

// Other languages end every caption with a colon, so the one caption without
// it is told apart from the spoken name of the same words.
QString RowCaption(Category category)
{
    if (category == Category::SmallStraight)
        return QCoreApplication::translate("frmQuintix", "Small Straight", "row caption");
    return QCoreApplication::translate("frmQuintix", Categories.at(std::size_t(category)).caption);
}

QString CategoryName(Category category)
{
    return QCoreApplication::translate("frmQuintix", Categories.at(std::size_t(category)).name);
}

QString RollCaption(const Scorecard &card)
{
    if (card.TurnScored())
        return tr("Next &Turn");
    // After the third roll the button keeps its caption; it takes no more.
    return tr("&Roll %1").arg(std::min<int>(card.RollNum + 1, RollsPerTurn));
}

QString StatusCaption(const Status &status)
{
    const QString turn = tr("Turn %1.").arg(status.turn);
    switch (status.kind) {
    case Status::ReadyToRoll:
        return turn + blanks(27) + tr("Click for") + blanks(7) + tr("roll #1.");
    case Status::ReadyForRoll:
        return turn + blanks(27) + tr("Ready for") + blanks(4) + tr("roll #%1.").arg(status.number);
    case Status::NoMoreRolls:
        return turn + blanks(32) + tr("No more rolls. Please score your rolls.");
    case Status::Earned:
        return turn + blanks(27) + tr("You earned") + blanks(4) + tr("%1 Points.").arg(status.number) + blanks(24) +
               tr("Click") + blanks(7) + tr("Next Turn.");
    }
    return {};
}

QString BoxCaption(const ScoreBox &box) { return box.shown ? number(*box.shown) : QString(); }

QString BoxName(const Scorecard &card, Category category)
{
    const ScoreBox &box = card.Box(category);
    const QString shown = number(box.shown.value_or(0));
    if (box.used)
        return tr("%1: scored %2").arg(CategoryName(category), shown);
    if (card.TakesScore(category))
        return tr("%1: %2 if scored").arg(CategoryName(category), shown);
    return tr("%1: open").arg(CategoryName(category));
}

QString DieName(const Scorecard &card, int index)
{
    if (!card.DiceShown())
        return tr("Die %1: not rolled").arg(index + 1);
    return tr("Die %1: %2").arg(index + 1).arg(card.Dice.at(std::size_t(index)));
}

QString RollNews(const Scorecard &card)
{
    QStringList faces;
    for (int i = 0; i < int(card.Dice.size()); ++i) {
        const QString face = number(card.Dice.at(std::size_t(i)));
        faces << (card.Held(i) ? tr("%1 held").arg(face) : face);
    }
    const QString next = card.RollNum == RollsPerTurn ? tr("No more rolls; score a box.")
                                                      : tr("Ready for roll %1.").arg(card.RollNum + 1);
    return tr("%1. %2").arg(faces.join(tr(", ")), next);
}

QString ScoreNews(const Scorecard &card, Category category)
{
    const int points = card.Box(category).shown.value_or(0);
    const QString earned = points == 1 ? tr("You earned %1 point. ").arg(points)
                                       : tr("You earned %1 points. ").arg(points);
    if (const auto &totals = card.Totals())
        return earned + tr("Grand total %1. Next Turn.").arg(totals->grandTotal);
    return earned + tr("Next Turn.");
}

QString TotalsText(const Scorecard &card)
{
    const auto &totals = card.Totals();
    if (!totals)
        return tr("Totals come after the last turn. Scored so far: %1.").arg(card.Scored());
    return tr("Subtotal %1, Bonus %2, Total 1 %3, Total 2 %4, Grand Total %5.")
        .arg(totals->subtotal)
        .arg(totals->bonus)
        .arg(totals->total1)
        .arg(totals->total2)
        .arg(totals->grandTotal);
}

} // namespace cardwords
