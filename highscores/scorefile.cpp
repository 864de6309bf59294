// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/scorefile.h"

#include "platform/textfile.h"

#include <QFile>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Room for a score, a quoted name of MaxNameLength characters in UTF-8 and
// generous padding; anything longer is not a line we wrote.
constexpr qsizetype MaxLineBytes = 4096;

// An optional minus sign and decimal digits within the 16-bit range; anything
// else ("+5", "1.5", "12abc", "40000") is not a score.
std::optional<std::int16_t> WholeNumber(QStringView field)
{
    const bool negative = field.startsWith(u'-');
    if (negative)
        field = field.sliced(1);
    if (field.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 32768) // stops long runs of digits from overflowing
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 32767)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

QString Capped(QStringView name)
{
    if (name.size() <= MaxNameLength)
        return name.toString();
    qsizetype length = MaxNameLength;
    if (name[length - 1].isHighSurrogate())
        --length;
    return name.first(length).toString();
}

// The name as it must be stored so that it reads back as entered. A name with
// a comma or leading blanks is quoted, which readers already understand.
// Readers take a leading double quote as the start of a quoted name and know
// no way to escape one inside it: in a quoted name, or at the start of one,
// double quotes become apostrophes. Anywhere else they read back as they are.
QString StoredName(const QString &entered)
{
    QString name = Capped(entered);
    name.replace(u'\r', u' ').replace(u'\n', u' ');
    const bool quoted = name.contains(u',') || name.startsWith(u' ') || name.startsWith(u'\t');
    if (quoted || name.startsWith(u'"'))
        name.replace(u'"', u'\'');
    return quoted ? u'"' + name + u'"' : name;
}

} // namespace

QString HighScoreFileName()
{
    return u"High Scores.dat"_s;
}

QList<ScoreEntry> ResetScores()
{
    return QList<ScoreEntry>(HighScoreCount, ScoreEntry{0, u"Nobody"_s});
}

QList<ScoreEntry> ReadHighScores()
{
    platform::TextReader file(HighScoreFileName(), MaxLineBytes);
    if (!file.isOpen())
        return QFile::exists(HighScoreFileName()) ? QList<ScoreEntry>() : ResetScores();

    QList<ScoreEntry> entries;
    while (entries.size() < HighScoreCount && !file.atEnd()) {
        const QString line = file.readLine();
        QStringView rest(line);
        const std::optional<std::int16_t> score = WholeNumber(platform::ReadNumberField(rest));
        if (!score)
            continue;
        // Anything after the name (past a comma or a closing quote) is ignored.
        entries.append({*score, Capped(platform::ReadTextField(rest))});
    }
    return entries;
}

QString WriteHighScores(const QList<ScoreEntry> &entries)
{
    platform::TextWriter file(HighScoreFileName());
    for (const ScoreEntry &entry : entries)
        file.print(entry.score, StoredName(entry.name));
    return file.commit();
}
