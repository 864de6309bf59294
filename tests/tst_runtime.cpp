// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT

// Number conversion, checked arithmetic, bounded arrays and random numbers:
// platform/runtime builds without Qt, and so does its test.

#include "platform/runtime/arrays.h"
#include "platform/runtime/convert.h"
#include "platform/runtime/rnd.h"

#include "check.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

using namespace platform;

TEST(CInt_convertsLikeTheGameExpects)
{
    const struct {
        std::string text;
        std::optional<int> expected; // nullopt: throws
    } cases[] = {
        {" 3 ", 3},
        {"\t3\t", 3},
        {"2.5", 2},  // half rounds to even, down
        {"3.5", 4},  // and up
        {"8.5", 8},
        {" 2.5 ", 2},
        {"0.4", 0},
        {"-2.5", -2},
        {"+7", 7},
        {"1e1", 10},
        {"1E+1", 10},
        {"25e-1", 2},
        {".5", 0},
        {"5.", 5},
        {"32767", 32767},
        {"-32768", -32768},
        {"1e-999", std::nullopt}, // too small for a double: an overflow, as ever
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"3x", std::nullopt},
        {"1e", std::nullopt},
        {"3 4", std::nullopt},
        {"32768", std::nullopt},
        {"-32769", std::nullopt},
        {"32767.5", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {"-", std::nullopt},
        {".", std::nullopt},
        {"\xC2\xA0" "3", std::nullopt}, // a no-break space is no blank
    };
    for (const auto &c : cases) {
        if (c.expected)
            CHECK_EQ(int(CInt(c.text)), *c.expected);
        else
            CHECK_THROWS(RuntimeError, CInt(c.text));
    }
}

TEST(ScanNumber_tellsWholeNumbersFromTheRest)
{
    CHECK(ScanNumber("-12").IsPlainInteger());
    CHECK_EQ(ScanNumber("-12 x").length, std::size_t(3));
    CHECK(!ScanNumber("+12").IsPlainInteger());
    CHECK(!ScanNumber("1.0").IsPlainInteger());
    CHECK(!ScanNumber("1e2").IsPlainInteger());
    CHECK(ScanNumber("1e").IsPlainInteger()); // the letter is not part of it
    CHECK_EQ(ScanNumber("1e").length, std::size_t(1));
    CHECK_EQ(ScanNumber("-.").length, std::size_t(0));
}

TEST(Numbers_becomePlainText)
{
    CHECK_EQ(Str(7), "7");
    CHECK_EQ(Str(-12), "-12");
}

TEST(CInt_ofADoubleOutOfRangeThrows)
{
    CHECK_THROWS(RuntimeError, CInt(1e10));
}

TEST(BoundedArrays_refuseIndicesOutsideTheirBounds)
{
    BoundedArray<int, 1, 6> nums;
    nums(1) = 10;
    nums(6) = 60;
    CHECK_EQ(nums(1) + nums(6), 70);
    CHECK_THROWS(RuntimeError, nums(0));
    CHECK_THROWS(RuntimeError, nums(7));

    DynamicArray<int> players;
    CHECK_THROWS(RuntimeError, players(1));
    players.ReDim(3);
    players(3) = 3;
    CHECK_EQ(players.UBound(), 3);
    players.ReDim(2);
    CHECK_EQ(players(2), 0); // ReDim drops the old contents
    CHECK_THROWS(RuntimeError, players(3));
}

TEST(Rnd_staysBelowOne_andQueuedValuesComeFirst)
{
    Randomize();
    float lowest = 1, highest = 0;
    bool inRange = true;
    for (int i = 0; i < 100000; ++i) {
        const float r = Rnd();
        inRange = inRange && r >= 0.0f && r < 1.0f;
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    CHECK(inRange);
    CHECK(lowest < 0.001f && highest > 0.999f);

    QueueRnd({0.5f, 0.25f});
    CHECK_EQ(Rnd(), 0.5f);
    CHECK_EQ(Rnd(), 0.25f);
    ClearRndQueue();
}

int main() { return check::RunAll(); }
