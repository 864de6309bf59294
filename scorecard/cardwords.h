// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/scorecard.h"

#include <QString>

// The words a scorecard shows and says, made from the card itself.
namespace cardwords {

// The caption of a category's row ("Ones:", "Large Straight:").
QString RowCaption(Category category);
// The category as a screen reader names it ("Ones", "3 of a kind").
QString CategoryName(Category category);

// The roll button: "&Roll 1" to "&Roll 3", or "Next &Turn" after a score.
QString RollCaption(const Scorecard &card);
// The status text. Its phrases are separated by runs of blanks, so that the
// narrow label puts each on a line of its own.
QString StatusCaption(const Status &status);
// A score box's caption: its number, or nothing.
QString BoxCaption(const ScoreBox &box);
// A score box as a screen reader names it: what it scored, what it would
// score now, or that it is open.
QString BoxName(const Scorecard &card, Category category);
// A die as a screen reader names it, 0..4.
QString DieName(const Scorecard &card, int index);

// What a roll says: the dice, the held ones marked, and what comes next.
QString RollNews(const Scorecard &card);
// What a score says: the points, the grand total after the last one, and
// the next step.
QString ScoreNews(const Scorecard &card, Category category);
// The totals, or the points so far before the last turn.
QString TotalsText(const Scorecard &card);

} // namespace cardwords
