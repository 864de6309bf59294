// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// The translators this program installed, so that a second call (the
// tests switch languages) takes them out again.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> translators;
    return translators;
}

void removeInstalled()
{
    for (const QPointer<QTranslator> &translator : std::as_const(installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator.data();
        }
    }
    installed().clear();
}

// Only the file named: QTranslator's own search would fall back from
// "pipstack_xx" to "pipstack", the program itself.
bool install(const QString &name, const QString &folder)
{
    const QString file = folder + u'/' + name + u".qm"_s;
    if (!QFileInfo(file).isFile())
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() << translator;
    return true;
}

// "de_DE.UTF-8@euro" and "de-DE" both name German of Germany: "de_DE".
QString localeName(QString name)
{
    name.truncate(name.indexOf(u'@') < 0 ? name.size() : name.indexOf(u'@'));
    name.truncate(name.indexOf(u'.') < 0 ? name.size() : name.indexOf(u'.'));
    return name.replace(u'-', u'_').trimmed();
}

} // namespace

QStringList SystemLanguages()
{
    QStringList wanted;
#ifdef Q_OS_WIN
    for (const QString &language : QLocale::system().uiLanguages())
        wanted << localeName(language);
#else
    for (const QString &language : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
        wanted << localeName(language);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) {
            wanted << localeName(value);
            break;
        }
    }
#endif
    wanted.removeAll(QString());
    return wanted;
}

QString TranslationsFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString beside = program + u"/translations"_s;
    if (QFileInfo(beside).isDir())
        return beside;
#ifdef PIPSTACK_INSTALLED_TRANSLATIONS
    return QDir::cleanPath(program + u'/' + QStringLiteral(PIPSTACK_INSTALLED_TRANSLATIONS));
#else
    return beside;
#endif
}

QString UseLanguage(const QStringList &languages, const QString &folder)
{
    removeInstalled();
    for (const QString &name : languages) {
        // A language named first wins even over later ones the program has.
        if (name == u"C"_s || name == u"POSIX"_s || name.startsWith(u"en"_s))
            return {};
        const QString language = name.section(u'_', 0, 0);
        if (!install(u"pipstack_"_s + name, folder) && !install(u"pipstack_"_s + language, folder))
            continue;
        // Qt's own words (the buttons of its dialogs, --help's headings):
        // shipped beside ours on Windows, the system's on Linux.
        if (!install(u"qtbase_"_s + language, folder))
            install(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        return language;
    }
    return {};
}

} // namespace app
