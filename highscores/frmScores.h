// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "highscores/scorefile.h"
#include "platform/runtime/arrays.h"
#include "platform/widgets/controls.h"
#include "platform/widgets/forms.h"

#include <QList>

#include <chrono>
#include <functional>

class QMdiArea;

// Where the high-score windows open: the frame's area and the object that
// owns them. The frame sets it once, before either window is first needed.
void SetHighScoreWindowsHome(QMdiArea *area, QObject *owner);
QMdiArea *HighScoreWindowsArea();
QObject *HighScoreWindowsOwner();

// The high-score table: the ten entries of the file, in file order, and a
// way to reset them.
class frmScores : public platform::Form
{
    Q_OBJECT

public:
    // The one table window of the program; the frame must exist.
    static frmScores &instance();

    platform::BoundedArray<platform::Label *, 1, 10> lblPlayer;
    platform::BoundedArray<platform::Label *, 1, 10> lblScore;
    platform::CommandButton *cmdClose = nullptr;
    platform::CommandButton *cmdReset = nullptr;

    void cmdReset_Click();
    void cmdClose_Click();

    // Opens the table as Load does, with the focus on the row of an entry
    // just saved, so that a screen reader reads it first. `placed` is the row
    // (1 to 10) it was saved to, which tells equal entries apart; 0, or a
    // table already open, keeps the focus as Load leaves it.
    void LoadAt(const ScoreEntry &entry, int placed);

protected:
    void createControls(QWidget *client) override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmScores(QMdiArea *area, QObject *parent);

    // The entries the table shows, row 1 first.
    QList<ScoreEntry> Shown;
};

// Tells the player that the scores were not saved, and why. Losing a score
// without a word would report it as kept.
void ReportUnsavedScores(const QString &reason);

// Saves the high-score file through `merge` (see SaveHighScores), as both
// windows do: the player sees while it waits for another game, may try again
// when it gave up waiting, and is told when the scores were not saved. What
// it waits for shows through `statusLine`, which an empty text clears.
void SaveFromWindow(const std::function<QList<ScoreEntry>(const QList<ScoreEntry> &)> &merge,
                    const std::function<void(const QString &)> &statusLine);
// The status line of the frame the windows live in (see
// SetHighScoreWindowsHome): shows the text at its foot, and takes the line
// away for an empty text.
void FrameStatusLine(const QString &text);
// How long SaveFromWindow waits for another game each time.
extern std::chrono::milliseconds WindowSaveWait;
