// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part in the record of games and the statistics: the "&Record games" switch of
// the Play menu (off until a player turns it on; kept in the settings), its "St&atistics…" item
// (F5), which loads the statistics module on first use and shows its window, and the window
// brought up to date whenever a game has been written.
#include <QAction>
#include <QMenu>
#include <stdexcept>

#include "app/Unit1.h"
#include "modules/ModuleLoader.h"
#include "statistics/StatisticsOpener.h"

namespace tavro {

void TForm1::BuildStatisticsItem() {
    Play1->addSeparator()->setObjectName(QStringLiteral("N4"));
    RecordGames1 = Play1->addAction(tr("&Record games"));
    RecordGames1->setObjectName(QStringLiteral("RecordGames1"));
    RecordGames1->setCheckable(true);
    connect(RecordGames1, &QAction::triggered, this, &TForm1::RecordGames1Click);
    Statistics1 = Play1->addAction(tr("St&atistics…"));
    Statistics1->setObjectName(QStringLiteral("Statistics1"));
    Statistics1->setShortcut(QKeySequence(Qt::Key_F5));
    connect(Statistics1, &QAction::triggered, this, &TForm1::Statistics1Click);
    recording_.SetRecordedHandler([this] {
        if (statistics_ != nullptr) {
            statistics_->RefreshStatistics();
        }
    });
}

void TForm1::RestoreRecording() {
    RecordGames1->setChecked(state_.Config.Play.RecordGames);
    recording_.SetRecording(state_.Config.Play.RecordGames);
}

void TForm1::RecordGames1Click(bool on) {
    state_.Config.Play.RecordGames = on;  // saved with the other settings when the window closes
    recording_.SetRecording(on);
}

void TForm1::Statistics1Click() {
    RunCommand([this] {
        QString error;
        StatisticsOpener* opener =
            LoadModuleAs<StatisticsOpener>(QStringLiteral("statistics"), &error);
        if (opener == nullptr) {
            throw std::runtime_error(
                tr("The statistics can't be shown: %1").arg(error).toStdString());
        }
        statistics_ = opener;
        opener->ShowStatistics(this);
    });
}

}  // namespace tavro
