// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/runtime/arrays.h"
#include "platform/widgets/controls.h"
#include "platform/widgets/forms.h"

#include <QList>

#include <chrono>
#include <functional>

struct ScoreEntry;

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

protected:
    void createControls(QWidget *client) override;
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    frmScores(QMdiArea *area, QObject *parent);
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
// The status line of the frame: shows the text at the foot of the frame, and
// takes the line away for an empty text.
void FrameStatusLine(const QString &text);
// How long SaveFromWindow waits for another game each time.
extern std::chrono::milliseconds WindowSaveWait;
