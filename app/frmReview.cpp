// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "app/frmReview.h"

#include "app/coach.h"
#include "app/mdiMain.h"
#include "scorecard/cardwords.h"

#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

QString Points(double value) { return QString::number(value, 'f', 1); }

// What was done, or (`perfect`) what perfect play does.
QString Did(const strategy::Action::Kind kind, const std::vector<int> &kept, Category category, bool perfect)
{
    if (kind == strategy::Action::Score)
        return perfect ? frmReview::tr("perfect play scores %1").arg(cardwords::CategoryName(category))
                       : frmReview::tr("scored %1").arg(cardwords::CategoryName(category));
    if (kept.empty())
        return perfect ? frmReview::tr("perfect play rolls all five dice") : frmReview::tr("rolled all five dice");
    QStringList faces;
    for (int face : kept)
        faces << QString::number(face);
    return perfect ? frmReview::tr("perfect play keeps %1").arg(faces.join(u' '))
                   : frmReview::tr("kept %1").arg(faces.join(u' '));
}

} // namespace

frmReview::frmReview(QMdiArea *area, Coach *coach)
    : Form(area, {tr("Game Review"), QSize(7680, 4320), true}, coach)
    , coach_(coach)
{
}

void frmReview::createControls(QWidget *client)
{
    lstReview = new QListWidget(client);
    lstReview->setGeometry(platform::TwipsRect(120, 120, 7440, 4080));
    lstReview->setWordWrap(true);
    lstReview->setAccessibleName(tr("Game review"));
}

void frmReview::Form_Load()
{
    lstReview->clear();
    if (!coach_->engine()) {
        lstReview->addItem(tr("The coach is thinking."));
        coach_->WhenReady([this] {
            if (IsLoaded())
                Fill();
        });
    } else {
        Fill();
    }
    lstReview->setFocus(Qt::ActiveWindowFocusReason);
}

void frmReview::Fill()
{
    lstReview->clear();
    lstReview->addItems(Lines());
    lstReview->setCurrentRow(0);
}

QStringList frmReview::Lines() const
{
    const Game &game = mdiMain::instance()->game();
    if (game.PlayerCount == 0 || coach_->logs().size() != std::size_t(game.PlayerCount))
        return {tr("There is no game to review.")};
    QStringList lines;
    for (int p = 1; p <= game.PlayerCount; ++p) {
        if (coach_->PlayedByComputer(p))
            continue;
        const review::Report report = review::Review(*coach_->engine(), coach_->logs().at(std::size_t(p - 1))->Decisions());
        lines << tr("Player %1: %2 expected points lost in all.").arg(p).arg(Points(report.totalLost));
        if (report.costly.empty())
            lines << tr("Player %1: no decision cost half a point or more.").arg(p);
        for (const review::Costed &costed : report.costly) {
            const review::Decision &d = costed.decision;
            lines << tr("Player %1, turn %2, roll %3: %4; %5; %6 points lost.")
                         .arg(p)
                         .arg(d.turn)
                         .arg(d.roll)
                         .arg(Did(d.kind, d.kept, d.category, false),
                              Did(costed.best.kind, costed.best.kept, costed.best.category, true),
                              Points(costed.lost));
        }
    }
    if (lines.isEmpty())
        lines << tr("The computer plays every player: there is no one to review.");
    return lines;
}
