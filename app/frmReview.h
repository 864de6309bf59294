// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/widgets/forms.h"

#include <QStringList>

class Coach;
class QListWidget;

// The game's review: for each human player, every decision that cost at
// least half a point against perfect play, and all they lost. One sentence a
// line in a list, which the arrow keys walk and a screen reader reads whole.
class frmReview : public platform::Form
{
    Q_OBJECT

public:
    frmReview(QMdiArea *area, Coach *coach);

    QListWidget *lstReview = nullptr;

    // The lines the review shows, with the engine ready.
    QStringList Lines() const;

protected:
    void createControls(QWidget *client) override;
    void Form_Load() override;

private:
    void Fill();

    Coach *coach_;
};
