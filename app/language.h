// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The languages the player's system asks for, most wanted first, as locale
// names ("de_DE", "fr"). On Linux from LANGUAGE (a colon list that wins, as
// gettext programs let it), else the first of LC_ALL, LC_MESSAGES and LANG;
// on Windows the display languages. "C" and "POSIX" ask for English.
QStringList SystemLanguages();

// The folder of the program's .qm files: "translations" beside the program
// (the build tree, Windows), else the installed data folder.
QString TranslationsFolder();

// Loads the program's translation for the first of `languages` that it has,
// and Qt's own for that language where one is found, replacing what an
// earlier call loaded. English, or no language it has, loads nothing: the
// program's texts are English. Returns the language loaded ("de"), or an
// empty string for English. Nothing is stored; the next start asks again.
QString UseLanguage(const QStringList &languages, const QString &folder = TranslationsFolder());

} // namespace app
