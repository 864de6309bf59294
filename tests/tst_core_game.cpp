// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/game.h"
#include "check.h"

#include "platform/runtime/runtimeerror.h"

#include <deque>
#include <memory>
#include <vector>

namespace {

// Dice on demand: each queued face is drawn by the next die that rolls.
struct Dice {
    std::deque<int> faces;
    int drawn = 0;
    float operator()()
    {
        ++drawn;
        const int face = faces.empty() ? 1 : faces.front();
        if (!faces.empty())
            faces.pop_front();
        return (float(face) - 0.5f) / 6;
    }
};

struct Recorded {
    Scorecard::Change change;
    int detail;
    bool operator==(const Recorded &) const = default;
};

void roll(Scorecard &card, std::deque<int> &queue, std::initializer_list<int> faces)
{
    queue.insert(queue.end(), faces);
    CHECK(card.Roll());
}

// One player's whole game, through every move and refusal a player meets:
// nothing before the first roll, three rolls at most, holds kept between
// rolls, previews of open boxes only, one score a turn, and the totals with
// the bonus at exactly 63.
TEST(scorecard_wholeGame)
{
    auto source = std::make_shared<Dice>();
    Scorecard card([source] { return (*source)(); });
    std::vector<Recorded> heard;
    card.Listen([&heard](Scorecard::Change change, int detail) { heard.push_back({change, detail}); });

    CHECK_EQ(card.TurnNum, 1);
    CHECK_EQ(card.StatusText().kind, Status::ReadyToRoll);
    CHECK(!card.DiceShown());
    CHECK(!card.Score(Category::Chance));
    CHECK(!card.ToggleHold(0));
    CHECK(!card.StartTurn());
    CHECK(heard.empty());

    roll(card, source->faces, {3, 3, 3, 5, 5});
    CHECK(card.DiceShown());
    CHECK_EQ(card.Box(Category::Threes).shown.value_or(-1), 9);
    CHECK(!card.Box(Category::Ones).shown.has_value()); // no ones: nothing, not 0
    CHECK_EQ(card.Box(Category::FullHouse).shown.value_or(-1), 25);
    CHECK(!card.Box(Category::FourOfAKind).shown.has_value());
    CHECK_EQ(card.Box(Category::Chance).shown.value_or(-1), 19);
    CHECK_EQ(card.StatusText().kind, Status::ReadyForRoll);
    CHECK_EQ(card.StatusText().number, 2);

    CHECK(card.ToggleHold(0) && card.ToggleHold(1) && card.ToggleHold(2));
    CHECK(card.ToggleHold(4) && card.ToggleHold(4)); // held and let go again
    roll(card, source->faces, {3, 6});
    CHECK_EQ(card.Dice[0], 3);
    CHECK_EQ(card.Dice[3], 3);
    CHECK_EQ(card.Dice[4], 6);
    CHECK_EQ(card.Box(Category::FourOfAKind).shown.value_or(-1), 18);
    roll(card, source->faces, {1, 2});
    CHECK_EQ(card.StatusText().kind, Status::NoMoreRolls);
    CHECK(!card.Roll());
    CHECK_EQ(source->drawn, 9); // held dice draw nothing

    CHECK(card.Score(Category::Threes));
    CHECK(card.Box(Category::Threes).used);
    CHECK_EQ(card.Box(Category::Threes).shown.value_or(-1), 9);
    CHECK(!card.Box(Category::Chance).shown.has_value()); // previews cleared
    CHECK(card.TurnScored());
    CHECK(!card.CanHold);
    CHECK_EQ(card.StatusText().kind, Status::Earned);
    CHECK_EQ(card.StatusText().turn, 1);
    CHECK_EQ(card.StatusText().number, 9);
    CHECK(!card.Score(Category::Chance)); // one score a turn
    CHECK(!card.Roll());
    CHECK(!card.ToggleHold(1));
    CHECK(card.StartTurn());
    CHECK(!card.Held(0) && !card.DiceShown() && !card.TurnScored());
    CHECK_EQ(card.TurnNum, 2);
    CHECK_EQ(card.Scored(), 9);

    const std::vector<Recorded> expected = {
        {Scorecard::Change::Rolled, 0}, {Scorecard::Change::Held, 0}, {Scorecard::Change::Held, 1},
        {Scorecard::Change::Held, 2},   {Scorecard::Change::Held, 4}, {Scorecard::Change::Held, 4},
        {Scorecard::Change::Rolled, 0}, {Scorecard::Change::Rolled, 0},
        {Scorecard::Change::Scored, int(Category::Threes)}, {Scorecard::Change::TurnStarted, 0},
    };
    CHECK(heard == expected);

    // The other twelve: the upper section reaches 63 exactly with Threes' 9.
    const std::pair<Category, std::array<int, 5>> turns[] = {
        {Category::Ones, {1, 1, 1, 2, 2}},         {Category::Twos, {2, 2, 2, 1, 1}},
        {Category::Fours, {4, 4, 4, 1, 1}},        {Category::Fives, {5, 5, 5, 1, 1}},
        {Category::Sixes, {6, 6, 6, 1, 1}},        {Category::ThreeOfAKind, {6, 6, 6, 5, 4}},
        {Category::FourOfAKind, {2, 3, 4, 5, 6}},  {Category::FullHouse, {2, 2, 5, 5, 5}},
        {Category::SmallStraight, {1, 2, 3, 4, 6}}, {Category::LargeStraight, {6, 5, 4, 3, 2}},
        {Category::FiveOfAKind, {4, 4, 4, 4, 4}},  {Category::Chance, {1, 1, 1, 1, 2}},
    };
    for (const auto &[category, faces] : turns) {
        CHECK(!card.Totals().has_value());
        source->faces.insert(source->faces.end(), faces.begin(), faces.end());
        CHECK(card.Roll() && card.Score(category));
        CHECK(card.StartTurn());
    }
    const auto &totals = card.Totals();
    CHECK(totals.has_value());
    if (totals) {
        CHECK_EQ(totals->subtotal, 63); // 3 + 6 + 9 + 12 + 15 + 18
        CHECK_EQ(totals->bonus, 35);
        CHECK_EQ(totals->total1, 98);
        CHECK_EQ(totals->total2, 27 + 0 + 25 + 30 + 40 + 50 + 6);
        CHECK_EQ(totals->grandTotal, 98 + 178);
    }
    CHECK_EQ(card.TurnNum, 14);
    CHECK(!card.Roll()); // no fourteenth turn
    CHECK_EQ(card.StatusText().turn, 14);
}

TEST(scorecard_lastScoreKeepsTheRollsWordsAndTheBonusNeedsSixtyThree)
{
    auto source = std::make_shared<Dice>();
    Scorecard card([source] { return (*source)(); });
    std::array<std::optional<std::int16_t>, CategoryCount> points;
    points.fill(std::int16_t(0));
    points[std::size_t(Category::Sixes)] = std::nullopt;
    points[std::size_t(Category::Fives)] = 20;
    points[std::size_t(Category::Fours)] = 12;
    points[std::size_t(Category::Threes)] = 12;
    card.Fill(points);
    CHECK_EQ(card.TurnNum, 13);
    CHECK(!card.Totals().has_value());
    CHECK_EQ(card.Scored(), 44);

    roll(card, source->faces, {6, 6, 6, 5, 1});
    CHECK(card.Score(Category::Sixes)); // 44 + 18 = 62: one short
    CHECK(card.TurnScored());
    CHECK(card.CanHold); // the last score leaves the dice as they were
    CHECK_EQ(card.StatusText().kind, Status::ReadyForRoll);
    CHECK(card.Totals().has_value());
    if (card.Totals()) {
        CHECK_EQ(card.Totals()->subtotal, 62);
        CHECK_EQ(card.Totals()->bonus, 0);
        CHECK_EQ(card.Totals()->grandTotal, 62);
    }
}

// Turns go round the players; the hand-over happens only when a player
// asked for it, and the game ends after the last player's last turn.
TEST(game_turnsGoRoundAndEnd)
{
    auto source = std::make_shared<Dice>();
    Game game([source] { return (*source)(); });
    int asked = 0;
    game.ListenForHandOver([&asked] { ++asked; });
    CHECK_EQ(game.PlayerCount, 0);
    game.NewGame(9);
    CHECK_EQ(game.PlayerCount, 0);
    game.NewGame(3);
    CHECK_EQ(game.PlayerCount, 3);
    CHECK_EQ(game.CurrentPlayer, 1);
    CHECK_EQ(game.HandOver(), 0); // nobody asked
    CHECK_THROWS(platform::RuntimeError, game.Player(4));

    std::array<std::optional<std::int16_t>, CategoryCount> almost;
    almost.fill(std::int16_t(1));
    almost[std::size_t(Category::Chance)] = std::nullopt;
    for (int p = 1; p <= 3; ++p)
        game.Player(p)->Fill(almost);

    for (int p = 1; p <= 3; ++p) {
        CHECK_EQ(game.CurrentPlayer, p);
        Scorecard &card = *game.Player(p);
        source->faces.insert(source->faces.end(), {p, p, p, p, p});
        CHECK(card.Roll() && card.Score(Category::Chance));
        CHECK(!game.HandOverDue());
        CHECK(card.StartTurn());
        CHECK(game.HandOverDue());
        CHECK_EQ(asked, p);
        CHECK_EQ(game.Over(), p == 3);
        CHECK_EQ(game.HandOver(), p == 3 ? 0 : p + 1);
        CHECK(!game.HandOverDue());
    }
    CHECK_EQ(game.Player(2)->Totals()->grandTotal, 12 + 10);

    game.NewGame(1);
    CHECK_EQ(game.PlayerCount, 1);
    CHECK(!game.Over());
}

} // namespace

int main() { return check::RunAll(); }
