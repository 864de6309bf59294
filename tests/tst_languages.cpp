// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/application.h"
#include "app/coach.h"
#include "app/frmReview.h"
#include "app/language.h"
#include "gamekit.h"
#include "highscores/frmScores.h"
#include "highscores/frmSummary.h"
#include "platform/widgets/controls.h"
#include "platform/widgets/dialogs.h"
#include "platform/widgets/forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;
using gamekit::Players;

namespace {

const QStringList Languages = QStringLiteral(PIPSTACK_LANGUAGES).split(u' ');

// Every text a player can see in the window, each with where it stands.
QStringList misfits(QWidget *window)
{
    QStringList found;
    const auto check = [&found, window](QWidget *control, const QString &text, const QRect &area, int flags) {
        const QFontMetrics metrics(control->font());
        const QRect needed = metrics.boundingRect(area, flags, text);
        if (needed.width() > area.width() || needed.height() > area.height())
            found << u"%1, %2 at %3,%4: \"%5\" needs %6x%7, has %8x%9"_s
                         .arg(window->windowTitle(), QString::fromLatin1(control->metaObject()->className()))
                         .arg(control->x()).arg(control->y()).arg(text)
                         .arg(needed.width()).arg(needed.height()).arg(area.width()).arg(area.height());
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty() || !label->isVisibleTo(window))
            continue;
        // Qt's dialogs break a long word, a file's path, anywhere: only their height tells.
        if (label->wordWrap() && !label->inherits("platform::Label")) {
            if (label->heightForWidth(label->width()) > label->height())
                found << u"%1: \"%2\" is taller than its label"_s.arg(window->windowTitle(), label->text());
            continue;
        }
        check(label, label->text(), label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0));
        // The status text's phrases stand one to a line, a line to a sentence.
        if (label->wordWrap() && label->text().contains(u'\n'))
            for (const QString &phrase : label->text().split(u'\n'))
                if (!phrase.contains(u". "_s))
                    check(label, phrase, label->contentsRect(), 0);
    }
    // Two access keys alike in one menu or one window: the second never acts.
    const auto accessKeys = [&found](const QStringList &texts) {
        QString keys;
        for (const QString &text : texts) {
            const qsizetype at = text.indexOf(u'&');
            if (at >= 0 && at + 1 < text.size() && keys.contains(text.at(at + 1).toLower()))
                found << u"the access key of %1 is taken"_s.arg(text);
            else if (at >= 0 && at + 1 < text.size())
                keys += text.at(at + 1).toLower();
        }
    };
    for (QMenu *menu : window->findChildren<QMenu *>()) {
        // A window's own system menu has Qt's words, and Qt's access keys.
        if (menu->parentWidget()->inherits("QMdiSubWindow"))
            continue;
        QStringList texts;
        for (QAction *action : menu->actions())
            texts << action->text();
        accessKeys(texts);
    }
    for (QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        QStringList texts;
        for (QAction *action : bar->actions())
            texts << action->text();
        accessKeys(texts);
    }
    // The frame holds every window; each of them is looked at on its own.
    if (!window->inherits("QMainWindow")) {
        QStringList texts;
        for (QPushButton *button : window->findChildren<QPushButton *>())
            texts << button->text();
        accessKeys(texts);
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(window))
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const bool wraps = button->inherits("platform::CommandButton");
        check(button, button->text(), area, Qt::AlignCenter | Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0));
    }
    // A list wraps its lines and scrolls: only a word wider than the list is lost.
    for (QListWidget *list : window->findChildren<QListWidget *>()) {
        if (!list->isVisibleTo(window))
            continue;
        const int margin = 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 2;
        // Room for the scroll bar that a longer list brings.
        QScrollBar *scroll = list->verticalScrollBar();
        const int width = list->viewport()->width() - (scroll->isVisible() ? 0 : scroll->sizeHint().width());
        for (int row = 0; row < list->count(); ++row)
            check(list, list->item(row)->text(), QRect(0, 0, width - margin, 100000), Qt::TextWordWrap);
    }
    // The status line is one line, and the hint in it a sentence or two.
    for (QStatusBar *bar : window->findChildren<QStatusBar *>())
        if (bar->isVisibleTo(window) && !bar->currentMessage().isEmpty())
            check(bar, bar->currentMessage(), bar->contentsRect().adjusted(4, 0, -20, 0), Qt::AlignLeft | Qt::AlignVCenter);
    return found;
}

// Answers the real dialog that opens next: its misfits, and Cancel or OK.
QStringList misfitsOfDialog(const testkit::ScriptedDialogs::Call &call)
{
    QStringList found;
    QTimer::singleShot(0, [&found] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        found = misfits(dialog);
        dialog->close();
    });
    platform::SetDialogService(nullptr);
    if (call.input)
        platform::InputBox(call.prompt, call.title);
    else
        platform::MsgBox(call.prompt, call.style, call.title);
    return found;
}

// Says every word with markers around it, to find the words that bypass
// translation.
class Marking : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return u"\u27e6"_s + QString::fromUtf8(source) + u"\u27e7"_s;
    }
    bool isEmpty() const override { return false; }
};

// The letters outside the markers; the player's own words do not count.
QString unmarked(QString text, const QStringList &playersWords)
{
    static const QRegularExpression innermost(u"\u27e6[^\u27e6\u27e7]*\u27e7"_s);
    while (text.contains(innermost))
        text.remove(innermost);
    for (const QString &word : playersWords)
        text.remove(word);
    text.removeIf([](QChar c) { return !c.isLetter(); });
    return text;
}

} // namespace

class TestLanguages : public QObject, private gamekit::TableOwner
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        app::SetUpApplication();
        // The coach's choices are remembered between runs: never in the
        // tester's own, nor in another test's running at the same time.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config_.path());
    }
    void cleanup()
    {
        dropTable();
        app::UseLanguage({});
    }

    void systemLanguages_followTheEnvironmentInOrder();
    void translations_completeAndCurrent();
    void everyWindow_fitsItsWords_data();
    void everyWindow_fitsItsWords();
    void everyWord_passesThroughTranslation();
    void wholeGame_inGermanKeepsTheFileEnglish();

private:
    // Plays a game of two through every window and dialog, calling look on
    // each window as it shows. Returns the dialogs asked.
    QList<testkit::ScriptedDialogs::Call> tour(const std::function<void(QWidget *)> &look);

    QTemporaryDir config_;
};

QList<testkit::ScriptedDialogs::Call> TestLanguages::tour(const std::function<void(QWidget *)> &look)
{
    gamekit::Table &t = table();
    t.dir.write(u"High Scores.dat"_s, QByteArray(" 0 Nobody\r\n").repeated(10));
    t.newGame(u"2"_s);
    Coach *coach = t.frame->coach();
    coach->WhenReady([] {});
    look(t.frame.get());
    frmQuintix *card = Players(1);
    look(card->window());
    // Under the sanitizers, with other tests running, the solve takes many seconds.
    [coach] { QTRY_VERIFY_WITH_TIMEOUT(coach->engine(), 120000); }();
    for (const QList<int> &faces : {QList<int>{1, 2, 3, 4, 6}, {6, 6, 6, 6, 6}, {6, 6, 6, 6, 6}}) {
        gamekit::roll(card, faces);
        look(card->window());
        // The hint's two sentences in the status line, the longest it says.
        coach->mnuHint->trigger();
        // A status line that has just appeared shows once the frame lays it out.
        [&t] { QTRY_VERIFY(t.frame->statusBar()->isVisible()); }();
        look(t.frame.get());
    }
    testkit::click(gamekit::scoreBoxes(card)[11]);
    look(card->window());
    t.frame->mnuWarnOn->trigger();
    gamekit::passTurn(t.frame.get(), card);
    // Player 1 threw away four of a straight and five sixes: the review lists both.
    coach->mnuReview->trigger();
    auto *review = coach->findChild<frmReview *>();
    [review] { QVERIFY(review && review->lstReview->count() > 3); }();
    if (review) {
        look(review->window());
        review->Unload();
    }
    // Three digits fit every box, the widest score and total there are.
    QList<platform::Label *> boxes = gamekit::scoreBoxes(Players(2));
    boxes << Players(2)->lblSubTot << Players(2)->lblBonus << Players(2)->lblTotal1 << Players(2)->lblTotal2
          << Players(2)->lblGrandTotal;
    for (platform::Label *box : boxes)
        box->setCaption(u"888"_s);
    look(Players(2)->window());
    t.frame->mnuOptScore->trigger();
    look(frmScores::instance().window());
    t.dialogs.messageAnswers << platform::vbCancel;
    testkit::click(frmScores::instance().cmdReset);
    t.dialogs.inputAnswers << u"Zed"_s;
    for (int p = 1; p <= 2; ++p) {
        std::array<std::optional<std::int16_t>, CategoryCount> points;
        points.fill(std::int16_t(20 * p));
        t.frame->game().Player(p)->Fill(points);
    }
    // Player 2 played by the computer: a mark where a high score would be.
    frmSummary::instance().ShowGame(t.frame->game(), {2});
    [] { QVERIFY(frmSummary::instance().lblComputer(2)->isVisibleTo(frmSummary::instance().window())); }();
    look(frmSummary::instance().window());
    // A save that fails has words of its own.
    QFile::remove(u"High Scores.dat"_s);
    QDir().mkdir(u"High Scores.dat"_s);
    t.dialogs.messageAnswers << platform::vbOK << platform::vbCancel;
    testkit::click(frmScores::instance().cmdReset);
    return t.dialogs.calls;
}

void TestLanguages::systemLanguages_followTheEnvironmentInOrder()
{
    const auto with = [](const char *language, const char *all, const char *messages, const char *lang) {
        qputenv("LANGUAGE", language);
        qputenv("LC_ALL", all);
        qputenv("LC_MESSAGES", messages);
        qputenv("LANG", lang);
        return app::SystemLanguages();
    };
#ifndef Q_OS_WIN
    QCOMPARE(with("", "", "", "de_DE.UTF-8"), QStringList{u"de_DE"_s});
    QCOMPARE(with("", "", "fr_BE.UTF-8@euro", "de_DE.UTF-8"), QStringList{u"fr_BE"_s});
    QCOMPARE(with("nl:es", "C", "fr_FR", ""), (QStringList{u"nl"_s, u"es"_s, u"C"_s}));
#else
    Q_UNUSED(with);
#endif
    // The first language wins; English and the C locale load nothing.
    const QString folder = QStringLiteral(PIPSTACK_QM_DIR);
    QCOMPARE(app::UseLanguage({u"pt_BR"_s, u"it_CH"_s, u"de"_s}, folder), u"it"_s);
    QCOMPARE(QCoreApplication::translate("mdiMain", "&Exit"), u"&Esci"_s);
    QCOMPARE(app::UseLanguage({u"en_GB"_s, u"de"_s}, folder), QString());
    QCOMPARE(app::UseLanguage({u"C"_s, u"de"_s}, folder), QString());
    QCOMPARE(QCoreApplication::translate("mdiMain", "&Exit"), u"&Exit"_s);
}

void TestLanguages::translations_completeAndCurrent()
{
    // lupdate over today's code adds to copies of the files what the code
    // says and they lack.
    QTemporaryDir scratch;
    QStringList copies;
    for (const QString &language : Languages) {
        copies << scratch.filePath(u"pipstack_"_s + language + u".ts"_s);
        QVERIFY(QFile::copy(QStringLiteral(PIPSTACK_TS_DIR "/pipstack_") + language + u".ts"_s, copies.last()));
    }
    QProcess lupdate;
#ifndef PIPSTACK_LUPDATE
    QSKIP("lupdate runs on the build machine only");
#else
    lupdate.start(QStringLiteral(PIPSTACK_LUPDATE),
                  QStringList{u"-no-obsolete"_s, u"-locations"_s, u"none"_s, u"@" PIPSTACK_SOURCES_LIST ""_s, u"-ts"_s} + copies);
    QVERIFY(lupdate.waitForFinished(60000));
    QCOMPARE(lupdate.exitCode(), 0);

    static const QRegularExpression placeholders(u"%\\d"_s);
    const auto sorted = [](const QString &text) {
        QStringList found;
        for (const auto &match : placeholders.globalMatch(text))
            found << match.captured();
        found.sort();
        return found;
    };
    for (const QString &copy : copies) {
        QFile file(copy);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"source"_s)
                source = xml.readElementText();
            if (xml.name() != u"translation"_s)
                continue;
            ++messages;
            const QString kind = xml.attributes().value(u"type"_s).toString();
            const QString translation = xml.readElementText();
            const QString where = copy.section(u'/', -1) + u": "_s + source;
            QVERIFY2(kind.isEmpty() && !translation.isEmpty(), qPrintable(where + u" is "_s + kind));
            QVERIFY2(sorted(translation) == sorted(source), qPrintable(where + u" changes its %-numbers"_s));
            QVERIFY2(source.count(u'&') == translation.count(u'&'), qPrintable(where + u" loses its access key"_s));
        }
        QVERIFY(!xml.hasError());
        QVERIFY(messages > 100);
    }
#endif
}

void TestLanguages::everyWindow_fitsItsWords_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QFont>("font");
    // The font the layouts were measured for, and a wider and taller one, as
    // Windows gives its own dialogs, for which they grow.
    QFont wider(u"DejaVu Sans"_s);
    wider.setPointSizeF(9);
    for (const QFont &font : {QApplication::font(), wider}) {
        const QString in = font == wider ? u" in a wider font"_s : QString();
        QTest::newRow(qPrintable(u"en"_s + in)) << u"en"_s << font;
        for (const QString &language : Languages)
            QTest::newRow(qPrintable(language + in)) << language << font;
    }
}

void TestLanguages::everyWindow_fitsItsWords()
{
    QFETCH(QString, language);
    QFETCH(QFont, font);
    const QFont ownFont = QApplication::font();
    const double ownScale = platform::LayoutScale();
    const auto restore = qScopeGuard([&] {
        QApplication::setFont(ownFont);
        platform::SetLayoutScale(ownScale);
    });
    QApplication::setFont(font);
    platform::SetLayoutScale(font == ownFont ? ownScale : platform::LayoutScaleFor(font));
    QCOMPARE(app::UseLanguage({language}, QStringLiteral(PIPSTACK_QM_DIR)), language == u"en"_s ? QString() : language);
    QStringList found;
    for (const auto &call : tour([&found](QWidget *window) { found << misfits(window); }))
        found << misfitsOfDialog(call);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void TestLanguages::everyWord_passesThroughTranslation()
{
    Marking marking;
    QCoreApplication::installTranslator(&marking);
    QStringList bare;
    const QStringList players{u"Zed"_s, QCoreApplication::applicationName()};
    const auto look = [&](QWidget *window) {
        QList<QWidget *> controls = window->findChildren<QWidget *>();
        controls << window;
        for (QWidget *control : controls) {
            QStringList texts{control->windowTitle(), control->accessibleName(), control->accessibleDescription()};
            if (auto *label = qobject_cast<QLabel *>(control))
                texts << label->text();
            if (auto *button = qobject_cast<QAbstractButton *>(control))
                texts << button->text();
            if (auto *list = qobject_cast<QListWidget *>(control))
                for (int row = 0; row < list->count(); ++row)
                    texts << list->item(row)->text();
            if (auto *bar = qobject_cast<QStatusBar *>(control))
                texts << bar->currentMessage();
            for (QAction *action : control->actions())
                texts << action->text();
            for (const QString &text : texts)
                if (!unmarked(text, players).isEmpty())
                    bare << text;
        }
    };
    for (const auto &call : tour(look))
        for (const QString &text : {call.prompt, call.title})
            if (!unmarked(text, players).isEmpty())
                bare << text;
    QCoreApplication::removeTranslator(&marking);
    bare.removeDuplicates();
    QVERIFY2(bare.isEmpty(), qPrintable(bare.join(u'\n')));
}

void TestLanguages::wholeGame_inGermanKeepsTheFileEnglish()
{
    app::UseLanguage({u"de_AT"_s}, QStringLiteral(PIPSTACK_QM_DIR));
    gamekit::Table &t = table();
    t.newGame(u"1"_s);
    frmQuintix *card = Players(1);
    QCOMPARE(card->lblMemo->text(), u"Zug 1.\nKlick für\nWurf 1."_s);
    const auto boxes = gamekit::scoreBoxes(card);
    for (int i = 0; i < 13; ++i) {
        if (i == 12)
            t.dialogs.inputAnswers << u"Jörg"_s;
        gamekit::playTurn(t.frame.get(), card, {6, 6, 6, 6, 6}, boxes[i]);
    }
    QCOMPARE(t.dialogs.prompts().last(), u"Spieler 1, du hast einen Highscore erreicht!  Gib deinen Namen ein:"_s);
    QVERIFY(frmSummary::instance().Visible());
    QCOMPARE(frmSummary::instance().lblScore(1)->Caption(), u"170"_s);
    QCOMPARE(frmSummary::instance().lblHigh(1)->Caption(), u"Highscore!"_s);
    // The file is the same in every language; the table shows its words.
    QCOMPARE(t.dir.read(u"High Scores.dat"_s), u" 170 Jörg\r\n"_s.toUtf8() + QByteArray(" 0 Nobody\r\n").repeated(9));
    testkit::click(frmSummary::instance().cmdView);
    QCOMPARE(frmScores::instance().lblPlayer(2)->Caption(), u"Niemand"_s);
    QCOMPARE(frmScores::instance().lblPlayer(2)->accessibleName(), u"2. Niemand, 0"_s);
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
