// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/advise.h"
#include "app/application.h"
#include "app/language.h"
#include "app/mdiMain.h"
#include "platform/widgets/forms.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_WIN
#include <QDir>
#include <qt_windows.h>
#endif

namespace {

#ifdef Q_OS_WIN
// The program has no console window of its own. Started from a command
// prompt with --help, it would print into nothing: it borrows the prompt's
// console instead, for whichever output goes nowhere else (a redirected
// output already has a file or a pipe).
void BorrowParentConsole()
{
    const auto nowhere = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    const bool out = nowhere(STD_OUTPUT_HANDLE), err = nowhere(STD_ERROR_HANDLE);
    if ((!out && !err) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (out)
        std::freopen("CONOUT$", "w", stdout);
    if (err)
        std::freopen("CONOUT$", "w", stderr);
}

// The installer and the uninstaller look for this name before they touch
// files a running game holds open (windows/pipstack.nsi). Held, not owned,
// for the life of the process: every running game keeps it in existence.
void MarkRunning()
{
    CreateMutexW(nullptr, FALSE, L"Global\\PipstackRunning");
}

// The portable game plays in its own folder, the installed one in the
// player's: see app::EnterPlayFolder(). Where neither can be made, it plays
// where it was started, and a save says what went wrong.
void EnterPlayFolder()
{
    QString roaming = qEnvironmentVariable("APPDATA");
    if (roaming.isEmpty())
        roaming = QDir::homePath();
    app::EnterPlayFolder(QCoreApplication::applicationDirPath(), roaming);
}
#endif

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
    app::UseLanguage(app::SystemLanguages());
#ifdef Q_OS_WIN
    BorrowParentConsole();
#endif
    QStringList arguments = QCoreApplication::arguments();
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // "-platform" is one unknown option, not eight unknown letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QCoreApplication::translate("CommandLine",
                                    "A dice game for one to eight players: roll five dice up to three times a turn\n"
                                    "and fill a scorecard of thirteen categories."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QCoreApplication::translate("CommandLine", "Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    const app::AdviceOptions advice = app::AddAdviceOptions(parser);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.parse(arguments)) {
        //: %1 is Qt's own message; "pipstack" is the command typed, in every language.
        err << QCoreApplication::translate("CommandLine", "pipstack: %1 Try 'pipstack --help'.")
                   .arg(parser.errorText())
            << '\n';
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
    if (words.isEmpty() && app::AsksAdvice(parser, advice))
        return app::Advise(parser, advice, out, err);
    //: "pipstack" is the command typed, in every language.
    err << QCoreApplication::translate("CommandLine", "pipstack: unexpected argument '%1'. Try 'pipstack --help'.")
               .arg(words.isEmpty() ? QStringLiteral("--") : words.constFirst())
        << '\n';
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    MarkRunning();
#endif
    app::NameApplication();
    if (argc > 1)
        return AnswerCommandLine(argc, argv);
    QApplication app(argc, argv);
    app::UseLanguage(app::SystemLanguages());
    app::SetUpApplication();
#ifdef Q_OS_WIN
    EnterPlayFolder();
#endif
    mdiMain frame;
    frame.showMaximized();
    return app.exec();
}
