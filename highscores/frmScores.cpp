// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "highscores/frmScores.h"

#include "highscores/scorefile.h"
#include "platform/widgets/dialogs.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QShortcut>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;
using platform::TwipsRect;

std::chrono::milliseconds WindowSaveWait = HighScoreLockWait;

namespace {
QPointer<QMdiArea> homeArea;
QPointer<QObject> homeOwner;
} // namespace

namespace {

// While a save waits for another game: a busy cursor, and a line at the
// foot of the frame that says what for. The windows keep painting
// meanwhile, but take no input.
class WaitingShown
{
public:
    explicit WaitingShown(const std::function<void(const QString &)> &statusLine)
        : statusLine_(statusLine)
    {
    }
    WaitingShown(const WaitingShown &) = delete;
    WaitingShown &operator=(const WaitingShown &) = delete;
    ~WaitingShown()
    {
        if (!shown_)
            return;
        QApplication::restoreOverrideCursor();
        if (statusLine_)
            statusLine_({});
    }

    // Passes one wait between two tries of the lock in the event loop, so
    // the windows paint and timers run while the other game finishes.
    void pause(std::chrono::milliseconds length)
    {
        if (!shown_) {
            shown_ = true;
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (statusLine_)
                statusLine_(QCoreApplication::translate(
                    "frmScores", "Waiting for another game to finish saving the high scores\u2026"));
        }
        QEventLoop loop;
        QTimer::singleShot(length, &loop, &QEventLoop::quit);
        // A program that is quitting runs no event loop any more.
        if (loop.exec(QEventLoop::ExcludeUserInputEvents) != 0)
            QThread::msleep(static_cast<unsigned long>(length.count()));
    }

private:
    std::function<void(const QString &)> statusLine_;
    bool shown_ = false;
};

} // namespace

void SetHighScoreWindowsHome(QMdiArea *area, QObject *owner)
{
    homeArea = area;
    homeOwner = owner;
}

QMdiArea *HighScoreWindowsArea() { return homeArea; }
QObject *HighScoreWindowsOwner() { return homeOwner; }

frmScores &frmScores::instance()
{
    static QPointer<frmScores> form;
    if (!form)
        form = new frmScores(homeArea, homeOwner);
    return *form;
}


frmScores::frmScores(QMdiArea *area, QObject *parent)
    : Form(area, {tr("High Scores"), QSize(4880, 5580), true}, parent)
{
}

void frmScores::createControls(QWidget *client)
{
    auto *title = new platform::Label(client, TwipsRect(240, 120, 3135, 255));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setCaption(tr("High Scores"));
    new platform::Line(client, 240, 480, 3360, 480);
    for (int n = 1; n <= 10; ++n) {
        lblPlayer(n) = new platform::Label(client, TwipsRect(240, 720 + 480 * (n - 1), 2175, 255));
        lblScore(n) = new platform::Label(client, TwipsRect(2640, 720 + 480 * (n - 1), 735, 255));
    }
    cmdClose = new platform::CommandButton(client, TwipsRect(3720, 720, 975, 375), tr("&Close"));
    cmdReset = new platform::CommandButton(client, TwipsRect(3720, 4920, 975, 375), tr("&Reset"));
    connect(cmdClose, &QPushButton::clicked, this, &frmScores::cmdClose_Click);
    connect(cmdReset, &QPushButton::clicked, this, &frmScores::cmdReset_Click);
    // Escape closes the table as Close does.
    new QShortcut(QKeySequence(Qt::Key_Escape), client, [this] { cmdClose->click(); },
                  Qt::WidgetWithChildrenShortcut);
    // Up and Down read the table a row at a time; the rows are no stops of
    // the tab order, which keeps to the buttons.
    for (QWidget *control : client->findChildren<QWidget *>())
        control->installEventFilter(this);
}

bool frmScores::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool up = key->key() == Qt::Key_Up, down = key->key() == Qt::Key_Down;
        if ((up || down) && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            int row = 0;
            for (int n = 1; n <= 10; ++n) {
                if (watched == lblPlayer(n))
                    row = n;
            }
            row = row == 0 ? (down ? 1 : 10) : std::clamp(row + (down ? 1 : -1), 1, 10);
            lblPlayer(row)->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return Form::eventFilter(watched, event);
}

void frmScores::Form_Load()
{
    setWidth(5000);
    setHeight(6000);
    QString unreadable;
    Shown = ReadHighScores(&unreadable);
    // Read again after a reset: rows the file no longer fills are empty.
    for (int n = 1; n <= 10; ++n) {
        lblScore(n)->setCaption({});
        lblPlayer(n)->setCaption({});
    }
    // An empty table would say the file holds no scores.
    if (!unreadable.isEmpty())
        lblPlayer(1)->setCaption(tr("(could not be read)"));
    int n = 0;
    for (const ScoreEntry &entry : Shown) {
        ++n;
        // The file keeps a reset row's "Nobody" in English, so that it moves
        // between desktops unchanged; no game scores 0, so such a row is one.
        const QString name = entry.score == 0 && entry.name == u"Nobody"_s ? tr("Nobody") : entry.name;
        lblScore(n)->setCaption(QString::number(entry.score));
        lblPlayer(n)->setCaption(name);
        // A row is read as one: rank, name and score.
        lblPlayer(n)->setAccessibleName(QString::number(n) + u". "_s + name + u", "_s +
                                        QString::number(entry.score));
    }
}

void frmScores::LoadAt(const ScoreEntry &entry, int placed)
{
    const bool opening = !IsLoaded();
    Load();
    if (!opening || placed < 1 || placed > 10)
        return;
    // Another game may have saved since, moving the entry; a name the file
    // keeps otherwise than typed leaves the score where it was placed.
    const auto holds = [&](int n, bool byName) {
        if (n > Shown.size())
            return false;
        const ScoreEntry &shown = Shown.at(n - 1);
        return shown.score == entry.score && (!byName || shown.name == entry.name);
    };
    int row = placed;
    if (!holds(placed, true)) {
        for (int n = 10; n >= 1; --n) {
            if (holds(n, true))
                row = n;
        }
    }
    if (holds(row, false))
        lblPlayer(row)->setFocus(Qt::OtherFocusReason);
}

void frmScores::cmdReset_Click()
{
    const int answer = platform::MsgBox(tr("Do you really want to reset the scores?"),
                                        platform::vbOKCancel | platform::vbExclamation, tr("WARNING"));
    if (answer != platform::vbOK)
        return;
    SaveFromWindow([](const QList<ScoreEntry> &) { return ResetScores(); }, FrameStatusLine);
    Form_Load();
}

void frmScores::cmdClose_Click() { Unload(); }

void ReportUnsavedScores(const QString &reason)
{
    platform::MsgBox(QCoreApplication::translate("frmScores", "The high scores could not be saved.\n\n%1").arg(reason),
                     platform::vbExclamation);
}

void FrameStatusLine(const QString &text)
{
    auto *frame = qobject_cast<QMainWindow *>(homeOwner.data());
    if (!frame)
        return;
    if (text.isEmpty())
        frame->setStatusBar(nullptr);
    else
        frame->statusBar()->showMessage(text);
}

void SaveFromWindow(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                    const std::function<void(const QString &)> &statusLine)
{
    for (;;) {
        SaveResult result;
        {
            WaitingShown waiting(statusLine);
            result = SaveHighScores(merge, WindowSaveWait,
                                    [&waiting](std::chrono::milliseconds length) { waiting.pause(length); });
        }
        if (!result.lockLeft.isEmpty())
            platform::MsgBox(result.lockLeft, platform::vbExclamation);
        if (!result.kept.isEmpty())
            platform::MsgBox(result.kept, platform::vbInformation);
        if (result.failure.isEmpty())
            return;
        if (!result.busy) {
            ReportUnsavedScores(result.failure);
            return;
        }
        // The names just typed are still here; the other game may be done soon.
        const int answer = platform::MsgBox(QCoreApplication::translate("frmScores", "The high scores could not be saved.\n\n%1\n\nTry again?")
                                                .arg(result.failure),
                                            platform::vbRetryCancel | platform::vbExclamation);
        if (answer != platform::vbRetry)
            return;
    }
}
