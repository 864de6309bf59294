// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// What a line of "High Scores.dat" holds and how a game's scores are ranked
// into the table, without files and without Qt; tst_scorefile has the file.

#include "core/highscoretable.h"

#include "check.h"

#include <string>
#include <vector>

using namespace core;

namespace {

// An entry as "score|name", or "-" for a line that holds none, so that a
// failing comparison shows it.
std::string Parsed(std::string_view line)
{
    const std::optional<HighScore> entry = ParseHighScore(line);
    return entry ? std::to_string(entry->score) + '|' + entry->name : "-";
}

std::string Shown(const HighScoreTable &table)
{
    std::string text;
    for (const HighScore &entry : table)
        text += std::to_string(entry.score) + '|' + entry.name + ' ';
    return text;
}

std::string Repeated(std::string_view part, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += part;
    return text;
}

// A table of ten distinct scores, 300 down to 100, names A to J, with C and
// D tied at 200.
HighScoreTable Ladder()
{
    return {{300, "A"}, {250, "B"}, {200, "C"}, {200, "D"}, {150, "E"},
            {120, "F"}, {110, "G"}, {105, "H"}, {100, "I"}, {95, "J"}};
}

} // namespace

TEST(ParsedLine_scoreThenName)
{
    const struct {
        const char *line;
        std::string entry;
    } cases[] = {
        {" 5 Ann", "5|Ann"},
        {"    42      Ann", "42|Ann"},
        {"\t7\tBob", "7|Bob"},
        {"-17 Bob", "-17|Bob"},
        {" 32767 Hi", "32767|Hi"},
        {"-32768 Lo", "-32768|Lo"},
        {" 007 Bond", "7|Bond"},
        {"-0 Z", "0|Z"},
        {" 7 ", "7|"},
        {" 8", "8|"},
        {"5,Ann", "5|Ann"},
        {"6, Bob", "6|Bob"},
        {" 5 Ann  ", "5|Ann  "},
        {" 5 Ann,Bob,9", "5|Ann"},
        {" 5 \"Smith, Ann\" rest, more", "5|Smith, Ann"},
        {" 6 \"  Bo\"", "6|  Bo"},
        {" 5 \"Ann, B", "5|Ann, B"},
        {" 5 J\xC3\xB6rg \xE2\x82\xAC", "5|J\xC3\xB6rg \xE2\x82\xAC"},
        {" 5 Al \"Ace\" B", "5|Al \"Ace\" B"},
        // No whole 16-bit number in front: no entry.
        {"", "-"},
        {"   ", "-"},
        {"1.5 A", "-"},
        {"1. A", "-"},
        {".5 A", "-"},
        {"+3 B", "-"},
        {"1e3 B", "-"},
        {"12abc C", "-"},
        {"Ann", "-"},
        {"- D", "-"},
        {"-", "-"},
        {",E", "-"},
        {" 32768 A", "-"},
        {"-32769 B", "-"},
        {" 99999999999999999999999 C", "-"},
    };
    for (const auto &c : cases)
        CHECK_EQ(Parsed(c.line), c.entry);
}

TEST(Names_areCappedAt255Utf16Units_neverSplittingAPair)
{
    CHECK_EQ(Parsed(" 5 " + std::string(300, 'n')), "5|" + std::string(255, 'n'));
    // A character outside the BMP counts twice: at 254 it does not fit.
    const std::string smiley = "\xF0\x9F\x98\x80";
    CHECK_EQ(Parsed(" 6 " + std::string(254, 'm') + smiley), "6|" + std::string(254, 'm'));
    CHECK_EQ(CappedName(std::string(253, 'm') + smiley + "x"), std::string(253, 'm') + smiley);
    // Two- and three-byte characters count once.
    CHECK_EQ(CappedName(Repeated("\xC3\xA9", 300)), Repeated("\xC3\xA9", 255));
    CHECK_EQ(CappedName(Repeated("\xE2\x82\xAC", 256)), Repeated("\xE2\x82\xAC", 255));
    CHECK_EQ(CappedName(Repeated(smiley, 200)), Repeated(smiley, 127));
}

TEST(PrintedLine_isTodaysBytes)
{
    const struct {
        HighScore entry;
        std::string line;
    } cases[] = {
        {{95, "Bob"}, " 95 Bob"},
        {{-5, "Bob"}, "-5 Bob"},
        {{0, ""}, " 0 "},
        {{-32768, "x"}, "-32768 x"},
        {{32767, "x"}, " 32767 x"},
        {{1, "J\xC3\xB6rg \xE2\x82\xAC"}, " 1 J\xC3\xB6rg \xE2\x82\xAC"},
        {{1, "Smith, Ann"}, " 1 \"Smith, Ann\""},
        {{1, " Ann "}, " 1 \" Ann \""},
        {{1, "\tAnn"}, " 1 \"\tAnn\""},
        {{1, "\"Ace"}, " 1 'Ace"},
        {{1, "Smith, \"Bob\""}, " 1 \"Smith, 'Bob'\""},
        {{1, "Al \"Ace\" B"}, " 1 Al \"Ace\" B"},
        {{1, "A\r\nB"}, " 1 A  B"},
        {{1, std::string(300, 'n')}, " 1 " + std::string(255, 'n')},
    };
    for (const auto &c : cases)
        CHECK_EQ(PrintHighScore(c.entry), c.line);
    CHECK_EQ(ResetTable(), HighScoreTable(10, HighScore{0, "Nobody"}));
}

TEST(AwkwardNames_readBackAsTyped)
{
    const struct {
        std::string typed;
        std::string readBack;
    } cases[] = {
        {"Smith, Ann", "Smith, Ann"},
        {"\"Ace", "'Ace"},
        {"Al \"Ace\" B", "Al \"Ace\" B"},
        {"  Ann  ", "  Ann  "},
        {"\tAnn", "\tAnn"},
        {"   ", "   "},
        {"A\r\nB\nC\rD", "A  B C D"},
        {"J\xC3\xB6rg \xC5\x9C \xE2\x82\xAC\xF0\x9F\x98\x80", "J\xC3\xB6rg \xC5\x9C \xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"", ""},
        {"\"a,b\"", "'a,b'"},
        {"a\"", "a\""},
        {std::string(300, 'n'), std::string(255, 'n')},
    };
    for (const auto &c : cases) {
        for (const std::int16_t score : {std::int16_t(-3), std::int16_t(0), std::int16_t(32767)}) {
            const std::optional<HighScore> back = ParseHighScore(PrintHighScore({score, c.typed}));
            CHECK(back.has_value());
            if (back)
                CHECK_EQ(Shown({*back}), Shown({{score, c.readBack}}));
        }
    }
}

TEST(TenthEntry_isTheOneToBeat)
{
    CHECK(BeatsTenthEntry(Ladder(), 96));
    CHECK(!BeatsTenthEntry(Ladder(), 95));
    CHECK(BeatsTenthEntry(Ladder(), 95.5)); // a total with a fraction, as a caption may show
    // Fewer than ten: an empty place holds 0, which only a positive total beats.
    CHECK(BeatsTenthEntry({{300, "A"}}, 1));
    CHECK(!BeatsTenthEntry({{300, "A"}}, 0));
    CHECK(!BeatsTenthEntry({}, -1));
    HighScoreTable negative(10, HighScore{-40, "Low"});
    CHECK(BeatsTenthEntry(negative, -39));
}

TEST(Merge_ranksNewcomersBehindEqualScores_keepsTen)
{
    // A newcomer's place; the tied C and D trade places as the exchange sort
    // passes them, as the file always showed it.
    CHECK_EQ(Shown(MergeHighScores(Ladder(), {{260, "P1"}})),
             "300|A 260|P1 250|B 200|D 200|C 150|E 120|F 110|G 105|H 100|I ");
    // Equal to an old entry: behind it; two equal newcomers keep their order.
    CHECK_EQ(Shown(MergeHighScores(Ladder(), {{150, "P1"}, {150, "P2"}})),
             "300|A 250|B 200|C 200|D 150|E 150|P1 150|P2 120|F 110|G 105|H ");
    // Later players ahead only with more points.
    CHECK_EQ(Shown(MergeHighScores(Ladder(), {{96, "P1"}, {400, "P2"}, {96, "P3"}})),
             "400|P2 300|A 250|B 200|D 200|C 150|E 120|F 110|G 105|H 100|I ");
    // No newcomers: the table as it was.
    CHECK_EQ(MergeHighScores(Ladder(), {}), Ladder());
    // A short table fills up with empty places, which newcomers pass only
    // with more than 0 and which are saved as they are.
    CHECK_EQ(Shown(MergeHighScores({{50, "A"}}, {{-2, "P1"}, {7, "P2"}})),
             "50|A 7|P2 0| 0| 0| 0| 0| 0| 0| 0| ");
    // Eight newcomers all beating the whole table.
    HighScoreTable players;
    for (int p = 1; p <= 8; ++p)
        players.push_back({static_cast<std::int16_t>(1000 + p), "P" + std::to_string(p)});
    CHECK_EQ(Shown(MergeHighScores(ResetTable(), players)),
             "1008|P8 1007|P7 1006|P6 1005|P5 1004|P4 1003|P3 1002|P2 1001|P1 0|Nobody 0|Nobody ");
}

int main() { return check::RunAll(); }
