// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/modQuintix.h"
#include "check.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

Hand hand(const std::string &digits)
{
    Hand h{};
    for (std::size_t i = 0; i < h.size(); ++i)
        h[i] = static_cast<std::int16_t>(digits.at(i) - '0');
    return h;
}

std::string text(const Hand &h)
{
    std::string t;
    for (std::int16_t d : h)
        t += static_cast<char>('0' + d);
    return t;
}

// What each pattern means, stated from face counts rather than from order.
struct Meaning
{
    bool three = false, four = false, full = false, small = false, large = false, five = false;
};

Meaning meaning(const Hand &h)
{
    std::array<int, 8> count{}; // faces 1..6, with zeros either side for the run scan
    for (std::int16_t d : h)
        ++count[static_cast<std::size_t>(d)];
    Meaning m;
    bool hasTwo = false;
    for (std::size_t f = 1; f <= 6; ++f) {
        m.three |= count[f] >= 3;
        m.four |= count[f] >= 4;
        m.five |= count[f] == 5;
        hasTwo |= count[f] == 2;
        m.small |= f <= 3 && count[f] && count[f + 1] && count[f + 2] && count[f + 3];
        m.large |= f <= 2 && count[f] && count[f + 1] && count[f + 2] && count[f + 3] && count[f + 4];
    }
    m.full = hasTwo && std::find(count.begin(), count.end(), 3) != count.end();
    return m;
}

struct PatternTest
{
    const char *name;
    bool (*test)(const Hand &);
    bool Meaning::*meant;
};

const PatternTest patternTests[] = {
    {"IsThreeOfAKind", IsThreeOfAKind, &Meaning::three},
    {"IsFourOfAKind", IsFourOfAKind, &Meaning::four},
    {"IsFullHouse", IsFullHouse, &Meaning::full},
    {"IsSmallStraight", IsSmallStraight, &Meaning::small},
    {"IsLargeStraight", IsLargeStraight, &Meaning::large},
    {"IsFiveOfAKind", IsFiveOfAKind, &Meaning::five},
};

template <typename F>
void forEveryHand(F f)
{
    Hand h{};
    for (int n = 0; n < 6 * 6 * 6 * 6 * 6; ++n) {
        for (int i = 0, rest = n; i < 5; ++i, rest /= 6)
            h[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(rest % 6 + 1);
        f(h);
    }
}

TEST(everyHandMatchesItsMeaning)
{
    int failures = 0;
    auto expect = [&](const Hand &h, const char *what, int got, int want) {
        if (got != want && ++failures <= 20)
            std::printf("  %s %s: got %d, want %d\n", what, text(h).c_str(), got, want);
    };
    forEveryHand([&](const Hand &given) {
        const Hand h = given;
        const Meaning m = meaning(h);
        for (const PatternTest &t : patternTests)
            expect(h, t.name, t.test(h), m.*t.meant);
        expect(h, "SumDice", SumDice(h), h[0] + h[1] + h[2] + h[3] + h[4]);
        for (std::int16_t face = 1; face <= 6; ++face)
            expect(h, "SumOfFace", SumOfFace(face, h), face * static_cast<int>(std::count(h.begin(), h.end(), face)));
        Hand sorted = h;
        std::sort(sorted.begin(), sorted.end());
        SortDice(h);
        expect(h, "SortDice", SortedDice == sorted, true);
        expect(h, "unchanged hand", h == given, true);
    });
    CHECK_EQ(failures, 0);
}

TEST(smallStraightMovesOneDuplicateAside)
{
    struct Row {
        const char *why, *dice, *after;
        bool result;
    };
    const Row rows[] = {
        {"duplicate at 2-3 moves to the end", "12334", "12343", true},
        {"duplicate at 1-2 moves to the end", "12234", "12342", true},
        {"duplicate at the top stays", "34566", "34566", true},
        {"first four", "12346", "12346", true},
        {"last four", "13456", "13456", true},
        {"duplicate at the bottom stays", "11234", "11234", true},
        {"gap in the middle", "12356", "12356", false},
        {"moved, still a gap", "12245", "12452", false},
        {"sorted before the move", "43231", "12343", true},
    };
    for (const Row &row : rows) {
        const bool result = IsSmallStraight(hand(row.dice));
        const bool ok = result == row.result && text(SortedDice) == row.after;
        if (!ok)
            std::printf("    %s: %s gives %d, sorted %s\n", row.why, row.dice, result, text(SortedDice).c_str());
        CHECK(ok);
    }
}

TEST(patternsOfNamedHands)
{
    struct Row {
        const char *why, *dice, *yes; // initials of the tests that hold: 3 4 F S L 5
    };
    const Row rows[] = {
        {"five equal dice", "44444", "345"},
        {"pair below the triple is a full house", "22333", "3F"},
        {"triple below the pair is a full house", "33322", "3F"},
        {"four and one is no full house", "55552", "34"},
        {"two pairs is no full house", "22335", ""},
        {"descending large straight", "65432", "SL"},
        {"triple in the top three", "21666", "3"},
    };
    for (const Row &row : rows) {
        const Hand h = hand(row.dice);
        const std::string yes = row.yes;
        const auto holds = [&yes](char initial) { return yes.find(initial) != std::string::npos; };
        const bool ok = IsThreeOfAKind(h) == holds('3') && IsFourOfAKind(h) == holds('4') &&
                        IsFullHouse(h) == holds('F') && IsSmallStraight(h) == holds('S') &&
                        IsLargeStraight(h) == holds('L') && IsFiveOfAKind(h) == holds('5') &&
                        text(h) == row.dice; // only SortedDice gets sorted
        if (!ok)
            std::printf("    %s: %s\n", row.why, row.dice);
        CHECK(ok);
    }
}

// SortedDice is shared by every scorecard: another player's test, or junk,
// may sit in it when a test starts.
TEST(answersForItsOwnHandWhateverSortedDiceHeld)
{
    const std::pair<const char *, void (*)()> priors[] = {
        {"garbage", [] { SortedDice = {-32768, 32767, 0, -1, 7}; }},
        {"IsLargeStraight on 1-2-3-4-5", [] { IsLargeStraight(hand("12345")); }},
        {"IsSmallStraight on 1-2-2-4-5", [] { IsSmallStraight(hand("12245")); }},
        {"IsFullHouse on 6-6-6-1-1", [] { IsFullHouse(hand("66611")); }},
    };
    int failures = 0;
    forEveryHand([&](const Hand &h) {
        const Meaning m = meaning(h);
        for (const auto &[priorName, prior] : priors) {
            for (const PatternTest &t : patternTests) {
                prior();
                if (t.test(h) != m.*t.meant && ++failures <= 20)
                    std::printf("  %s %s after %s\n", t.name, text(h).c_str(), priorName);
            }
        }
    });
    CHECK_EQ(failures, 0);
}

} // namespace

int main() { return check::RunAll(); }
