// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "core/modQuintix.h"

#include <QStringList>
#include <QTest>

#include <algorithm>

namespace {

Hand hand(const QByteArray &digits)
{
    Hand h{};
    for (std::size_t i = 0; i < h.size(); ++i)
        h[i] = static_cast<std::int16_t>(digits.at(static_cast<qsizetype>(i)) - '0');
    return h;
}

QByteArray text(const Hand &h)
{
    QByteArray t;
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

} // namespace

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void everyHandMatchesItsMeaning();
    void smallStraight_data();
    void smallStraight();
    void patterns_data();
    void patterns();
    void answersForItsOwnHandWhateverSortedDiceHeld();
};

void TestRules::everyHandMatchesItsMeaning()
{
    QStringList failures;
    auto expect = [&](const Hand &h, const char *what, int got, int want) {
        if (got != want && failures.size() < 20)
            failures << QStringLiteral("%1 %2: got %3, want %4")
                            .arg(QLatin1StringView(what), QLatin1StringView(text(h)))
                            .arg(got)
                            .arg(want);
    };
    forEveryHand([&](const Hand &given) {
        const Hand h = given;
        const Meaning m = meaning(h);
        for (const PatternTest &t : patternTests)
            expect(h, t.name, t.test(h), m.*t.meant);
        expect(h, "SumDice", SumDice(h), h[0] + h[1] + h[2] + h[3] + h[4]);
        for (std::int16_t face = 1; face <= 6; ++face)
            expect(h, "SumOfFace", SumOfFace(face, h),
                   face * static_cast<int>(std::count(h.begin(), h.end(), face)));
        Hand sorted = h;
        std::sort(sorted.begin(), sorted.end());
        SortDice(h);
        expect(h, "SortDice", SortedDice == sorted, true);
        expect(h, "unchanged hand", h == given, true);
    });
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

void TestRules::smallStraight_data()
{
    QTest::addColumn<QByteArray>("dice");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("result");

    QTest::newRow("1-2-3-3-4: duplicate at 2-3 moves to the end") << QByteArray("12334") << QByteArray("12343") << true;
    QTest::newRow("1-2-2-3-4: duplicate at 1-2 moves to the end") << QByteArray("12234") << QByteArray("12342") << true;
    QTest::newRow("3-4-5-6-6: duplicate at the top stays") << QByteArray("34566") << QByteArray("34566") << true;
    QTest::newRow("1-2-3-4-6: first four") << QByteArray("12346") << QByteArray("12346") << true;
    QTest::newRow("1-3-4-5-6: last four") << QByteArray("13456") << QByteArray("13456") << true;
    QTest::newRow("1-1-2-3-4: duplicate at the bottom stays") << QByteArray("11234") << QByteArray("11234") << true;
    QTest::newRow("1-2-3-5-6: gap in the middle") << QByteArray("12356") << QByteArray("12356") << false;
    QTest::newRow("1-2-2-4-5: moved, still a gap") << QByteArray("12245") << QByteArray("12452") << false;
    QTest::newRow("4-3-2-3-1: sorted before the move") << QByteArray("43231") << QByteArray("12343") << true;
}

void TestRules::smallStraight()
{
    QFETCH(QByteArray, dice);
    QFETCH(QByteArray, after);
    QFETCH(bool, result);

    QCOMPARE(IsSmallStraight(hand(dice)), result);
    QCOMPARE(text(SortedDice), after);
}

void TestRules::patterns_data()
{
    QTest::addColumn<QByteArray>("dice");
    QTest::addColumn<QByteArray>("yes"); // initials of the tests that hold: 3 4 F S L 5

    QTest::newRow("five equal dice") << QByteArray("44444") << QByteArray("345");
    QTest::newRow("pair below the triple is a full house") << QByteArray("22333") << QByteArray("3F");
    QTest::newRow("triple below the pair is a full house") << QByteArray("33322") << QByteArray("3F");
    QTest::newRow("four and one is no full house") << QByteArray("55552") << QByteArray("34");
    QTest::newRow("two pairs is no full house") << QByteArray("22335") << QByteArray("");
    QTest::newRow("descending large straight") << QByteArray("65432") << QByteArray("SL");
    QTest::newRow("triple in the top three") << QByteArray("21666") << QByteArray("3");
}

void TestRules::patterns()
{
    QFETCH(QByteArray, dice);
    QFETCH(QByteArray, yes);

    const Hand h = hand(dice);
    QCOMPARE(IsThreeOfAKind(h), yes.contains('3'));
    QCOMPARE(IsFourOfAKind(h), yes.contains('4'));
    QCOMPARE(IsFullHouse(h), yes.contains('F'));
    QCOMPARE(IsSmallStraight(h), yes.contains('S'));
    QCOMPARE(IsLargeStraight(h), yes.contains('L'));
    QCOMPARE(IsFiveOfAKind(h), yes.contains('5'));
    QCOMPARE(text(h), dice); // only SortedDice gets sorted
}

// SortedDice is shared by every scorecard: another player's test, or junk,
// may sit in it when a test starts.
void TestRules::answersForItsOwnHandWhateverSortedDiceHeld()
{
    const std::pair<const char *, void (*)()> priors[] = {
        {"garbage", [] { SortedDice = {-32768, 32767, 0, -1, 7}; }},
        {"IsLargeStraight on 1-2-3-4-5", [] { IsLargeStraight(hand("12345")); }},
        {"IsSmallStraight on 1-2-2-4-5", [] { IsSmallStraight(hand("12245")); }},
        {"IsFullHouse on 6-6-6-1-1", [] { IsFullHouse(hand("66611")); }},
    };
    QStringList failures;
    forEveryHand([&](const Hand &h) {
        const Meaning m = meaning(h);
        for (const auto &[priorName, prior] : priors) {
            for (const PatternTest &t : patternTests) {
                prior();
                if (t.test(h) != m.*t.meant && failures.size() < 20)
                    failures << QStringLiteral("%1 %2 after %3")
                                    .arg(QLatin1StringView(t.name), QLatin1StringView(text(h)),
                                         QLatin1StringView(priorName));
            }
        }
    });
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestRules)
#include "tst_rules.moc"
