// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/advise.h"

#include "core/strategy.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <array>

namespace app {

namespace {

// The names --used takes and the output prints, in scorecard order. They
// are part of the command's interface, the same in every language.
const QStringList &CategoryNames()
{
    static const QStringList names = {
        QStringLiteral("ones"), QStringLiteral("twos"), QStringLiteral("threes"), QStringLiteral("fours"),
        QStringLiteral("fives"), QStringLiteral("sixes"), QStringLiteral("3k"), QStringLiteral("4k"),
        QStringLiteral("fh"), QStringLiteral("ss"), QStringLiteral("ls"), QStringLiteral("5k"),
        QStringLiteral("chance")};
    return names;
}

// An argument refused: what is wrong, and where to read more.
struct Refused {
    QString message;
};

[[noreturn]] void Refuse(const QString &message)
{
    //: %1 says what is wrong; "pipstack" is the command typed, in every language.
    throw Refused{QCoreApplication::translate("CommandLine", "pipstack: %1 Try 'pipstack --help'.").arg(message)};
}

strategy::UsedMask ParseUsed(const QString &text)
{
    if (text == QStringLiteral("none"))
        return 0;
    strategy::UsedMask used = 0;
    for (const QString &name : text.split(QLatin1Char(','))) {
        const auto index = CategoryNames().indexOf(name);
        if (index < 0)
            //: --used: %1 is the word given, %2 the list of the names it takes.
            Refuse(QCoreApplication::translate("CommandLine",
                    "unknown category '%1' in --used; the categories are %2, or none.")
                       .arg(name, CategoryNames().join(QLatin1Char(','))));
        if (used >> index & 1)
            Refuse(QCoreApplication::translate("CommandLine", "category '%1' is named twice in --used.").arg(name));
        used = strategy::UsedMask(used | (1u << index));
    }
    return used;
}

Hand ParseDice(const QString &text)
{
    static const QRegularExpression five(QStringLiteral("^[1-6]{5}$"));
    if (!five.match(text).hasMatch())
        Refuse(QCoreApplication::translate("CommandLine",
                "--dice must be five digits from 1 to 6, not '%1'.").arg(text));
    Hand dice{};
    for (int i = 0; i < 5; ++i)
        dice[std::size_t(i)] = std::int16_t(text.at(i).digitValue());
    return dice;
}

// The one value of an option given at most once.
QString ValueOf(const QCommandLineParser &parser, const QCommandLineOption &option)
{
    const QStringList values = parser.values(option);
    if (values.size() > 1)
        Refuse(QCoreApplication::translate("CommandLine",
                "--%1 is given more than once.").arg(option.names().constFirst()));
    return values.value(0);
}

QString Described(const strategy::Action &action)
{
    if (action.kind == strategy::Action::Score)
        //: Read by scripts: keep "score"; %1 is a category's name as --used takes it.
        return QCoreApplication::translate("CommandLine", "score %1").arg(CategoryNames().at(int(action.category)));
    if (action.kept.empty())
        //: Read by scripts: keep these words.
        return QCoreApplication::translate("CommandLine", "keep nothing");
    QStringList faces;
    for (int face : action.kept)
        faces << QString::number(face);
    //: Read by scripts: keep "keep"; %1 is the faces kept, ascending, with spaces.
    return QCoreApplication::translate("CommandLine", "keep %1").arg(faces.join(QLatin1Char(' ')));
}

std::array<const QCommandLineOption *, 5> Each(const AdviceOptions &options)
{
    return {&options.advise, &options.used, &options.upper, &options.dice, &options.rollsLeft};
}

int Answer(const QCommandLineParser &parser, const AdviceOptions &options, QTextStream &out)
{
    if (!parser.isSet(options.advise)) {
        for (const QCommandLineOption *option : Each(options))
            if (parser.isSet(*option))
                Refuse(QCoreApplication::translate("CommandLine",
                        "--%1 needs --advise.").arg(option->names().constFirst()));
    }
    strategy::State state;
    if (parser.isSet(options.used))
        state.used = ParseUsed(ValueOf(parser, options.used));
    if (parser.isSet(options.upper)) {
        const QString text = ValueOf(parser, options.upper);
        bool number = false;
        state.upper = text.toInt(&number);
        if (!number || state.upper < 0 || state.upper > 105 || text.startsWith(QLatin1Char('+')))
            Refuse(QCoreApplication::translate("CommandLine",
                    "--upper must be a whole number from 0 to 105, not '%1'.").arg(text));
        if (!strategy::Possible(state))
            Refuse(QCoreApplication::translate("CommandLine",
                    "the upper categories in --used cannot add up to %1 points.").arg(state.upper));
    }
    const bool withDice = parser.isSet(options.dice);
    if (parser.isSet(options.rollsLeft) && !withDice)
        Refuse(QCoreApplication::translate("CommandLine", "--rolls-left needs --dice."));
    if (withDice && !parser.isSet(options.rollsLeft))
        Refuse(QCoreApplication::translate("CommandLine", "--dice needs --rolls-left."));
    Hand dice{};
    int rollsLeft = 0;
    if (withDice) {
        dice = ParseDice(ValueOf(parser, options.dice));
        const QString text = ValueOf(parser, options.rollsLeft);
        static const QRegularExpression zeroToTwo(QStringLiteral("^[012]$"));
        if (!zeroToTwo.match(text).hasMatch())
            Refuse(QCoreApplication::translate("CommandLine", "--rolls-left must be 0, 1 or 2, not '%1'.").arg(text));
        rollsLeft = text.toInt();
        if (state.used == (1 << CategoryCount) - 1)
            Refuse(QCoreApplication::translate("CommandLine",
                    "every category is used in --used: there is nothing left to score."));
    }

    strategy::Engine engine;
    engine.Solve();
    if (!withDice) {
        out << QString::number(engine.Expected(state), 'f', 4) << '\n';
        return 0;
    }
    for (const strategy::Action &action : engine.Advise(state, dice, rollsLeft))
        out << QString::number(action.expected, 'f', 4) << '\t' << Described(action) << '\n';
    return 0;
}

} // namespace

AdviceOptions AddAdviceOptions(QCommandLineParser &parser)
{
    const QString advise = QCoreApplication::translate(
        "CommandLine", "Prints perfect play's expected points still to come (this turn's, later turns' and the "
                       "upper bonus), with no window; with --dice, every action, best first.");
    const QString used = QCoreApplication::translate(
        "CommandLine", "The categories already used, comma-separated: "
                       "ones,twos,threes,fours,fives,sixes,3k,4k,fh,ss,ls,5k,chance, or none (the default).");
    const QString upper =
        QCoreApplication::translate("CommandLine", "The upper section's points already scored, 0 to 105.");
    const QString dice = QCoreApplication::translate(
        "CommandLine", "The five dice in hand, as five digits 1 to 6; needs --rolls-left.");
    const QString rollsLeft = QCoreApplication::translate(
        "CommandLine", "The rolls still allowed after this one: 0, 1 or 2; needs --dice.");
    AdviceOptions options{
        QCommandLineOption(QStringLiteral("advise"), advise),
        QCommandLineOption(QStringLiteral("used"), used, QCoreApplication::translate("CommandLine", "CATS")),
        QCommandLineOption(QStringLiteral("upper"), upper, QCoreApplication::translate("CommandLine", "N")),
        QCommandLineOption(QStringLiteral("dice"), dice, QCoreApplication::translate("CommandLine", "DDDDD")),
        QCommandLineOption(QStringLiteral("rolls-left"), rollsLeft, QCoreApplication::translate("CommandLine", "R")),
    };
    for (const QCommandLineOption *option : Each(options))
        parser.addOption(*option);
    return options;
}

bool AsksAdvice(const QCommandLineParser &parser, const AdviceOptions &options)
{
    for (const QCommandLineOption *option : Each(options))
        if (parser.isSet(*option))
            return true;
    return false;
}

int Advise(const QCommandLineParser &parser, const AdviceOptions &options, QTextStream &out, QTextStream &err)
{
    try {
        return Answer(parser, options, out);
    } catch (const Refused &refused) {
        err << refused.message << '\n';
        return 2;
    }
}

} // namespace app
