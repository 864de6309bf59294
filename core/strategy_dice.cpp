// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/strategy_dice.h"

#include <functional>
#include <stdexcept>

namespace strategy::detail {

namespace {

int Size(const Counts &counts)
{
    int size = 0;
    for (std::int8_t c : counts)
        size += c;
    return size;
}

// Counts as a number in base 6, for the look-up from counts to keep.
int Code(const Counts &counts)
{
    int code = 0;
    for (std::int8_t c : counts)
        code = code * 6 + c;
    return code;
}

struct Built {
    DiceTables tables;
    std::vector<std::int16_t> keepOfCode = std::vector<std::int16_t>(46656, -1);

    Built()
    {
        int next = 0;
        for (int size = 0; size <= 5; ++size) {
            Counts counts{};
            std::function<void(int, int)> place = [&](int face, int left) {
                if (face == 5) {
                    counts[5] = std::int8_t(left);
                    tables.counts[std::size_t(next)] = counts;
                    keepOfCode[std::size_t(Code(counts))] = std::int16_t(next++);
                    return;
                }
                for (int c = left; c >= 0; --c) {
                    counts[std::size_t(face)] = std::int8_t(c);
                    place(face + 1, left - c);
                }
            };
            place(0, size);
        }
        for (int k = 0; k < KeepCount; ++k) {
            const Counts counts = tables.counts[std::size_t(k)];
            int parents = 0;
            for (std::size_t f = 0; f < 6; ++f) {
                Counts other = counts;
                if (k < FirstHand) {
                    ++other[f];
                    tables.plusOne[std::size_t(k)][f] = keepOfCode[std::size_t(Code(other))];
                    other = counts;
                }
                if (counts[f] > 0) {
                    --other[f];
                    tables.minusOne[std::size_t(k)][std::size_t(parents++)] = keepOfCode[std::size_t(Code(other))];
                }
            }
            for (; parents < 5; ++parents)
                tables.minusOne[std::size_t(k)][std::size_t(parents)] = std::int16_t(k);
        }
        // Scored through the card itself, so that the engine plays the rules
        // the game enforces and no copy of them.
        Scorecard card([] { return 0.0f; });
        for (int h = 0; h < HandCount; ++h) {
            const Counts &counts = tables.counts[std::size_t(FirstHand + h)];
            std::size_t die = 0;
            double ways = 120; // 5!
            for (std::size_t f = 0; f < 6; ++f) {
                for (int c = 0; c < counts[f]; ++c) {
                    card.Dice[die++] = std::int16_t(f + 1);
                    ways /= c + 1;
                }
                if (counts[f] == 5)
                    tables.allSame[f + 1] = h;
            }
            tables.probability[std::size_t(h)] = ways / 7776;
            for (int c = 0; c < CategoryCount; ++c)
                tables.points[std::size_t(c)][std::size_t(h)] = card.PointsFor(Category(c));
        }
    }
};

const Built &TheBuilt()
{
    static const Built built;
    return built;
}

} // namespace

const DiceTables &Tables() { return TheBuilt().tables; }

int KeepOf(const Counts &counts)
{
    for (std::int8_t c : counts)
        if (c < 0 || c > 5)
            return -1;
    if (Size(counts) > 5)
        return -1;
    return TheBuilt().keepOfCode[std::size_t(Code(counts))];
}

Counts CountsOf(const Hand &dice)
{
    Counts counts{};
    for (std::int16_t d : dice) {
        if (d < 1 || d > 6)
            throw std::invalid_argument("a die shows a face outside 1..6");
        ++counts[std::size_t(d - 1)];
    }
    return counts;
}

} // namespace strategy::detail
