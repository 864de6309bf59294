// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTextStream>

// `pipstack --advise`: perfect play's expected points and its best actions,
// printed for scripts and analysts, with no window.
namespace app {

struct AdviceOptions {
    QCommandLineOption advise, used, upper, dice, rollsLeft;
};

// Adds the options to the command line's parser, so that --help lists them.
AdviceOptions AddAdviceOptions(QCommandLineParser &parser);
// Whether the command line names any of them.
bool AsksAdvice(const QCommandLineParser &parser, const AdviceOptions &options);
// Prints the advice, or refuses the arguments in one line on `err`.
// Returns the exit status: 0, or 2 for bad arguments.
int Advise(const QCommandLineParser &parser, const AdviceOptions &options, QTextStream &out, QTextStream &err);

} // namespace app
