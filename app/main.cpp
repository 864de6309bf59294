// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/mdiMain.h"
#include "platform/forms.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

// Answers --help or --version, or refuses the arguments, before any window
// exists: a QApplication would need a display. Returns the exit status.
int AnswerCommandLine(int argc, char *argv[])
{
    // The usage line names the command players type, not the program's own
    // path behind the launcher.
    int coreArgc = 1;
    char command[] = "pipstack";
    char *coreArgv[] = {command, nullptr};
    QCoreApplication core(coreArgc, coreArgv);
    QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("A dice game for one to eight players: roll five dice up to three times a turn\n"
                       "and fill a scorecard of thirteen categories."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        err << "pipstack: " << parser.errorText() << " Try 'pipstack --help'.\n";
        return 2;
    }
    // Words that are no option, or a bare "--", are as wrong as an unknown option.
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty() && parser.isSet(help)) {
        out << parser.helpText();
        return 0;
    }
    if (words.isEmpty() && parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    err << "pipstack: unexpected argument '" << (words.isEmpty() ? QStringLiteral("--") : words.constFirst())
        << "'. Try 'pipstack --help'.\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    platform::NameApplication();
    if (argc > 1)
        return AnswerCommandLine(argc, argv);
    QApplication app(argc, argv);
    platform::SetUpApplication();
    mdiMain frame;
    frame.showMaximized();
    return app.exec();
}
