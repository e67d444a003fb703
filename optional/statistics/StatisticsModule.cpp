// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics module's root object (libtavro_statistics.so, loaded when the player first opens
// Statistics): one statistics window per main window, made on first use and shown again after,
// beside the game each time it opens.
#include <QObject>
#include <QPointer>

#include "statistics/StatisticsOpener.h"
#include "statistics/StatisticsPlacement.h"
#include "statistics/StatisticsWindow.h"

namespace tavro {

class StatisticsModule : public QObject, public StatisticsOpener {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.tavro_memory.StatisticsOpener/2")
    Q_INTERFACES(tavro::StatisticsOpener)
public:
    void ShowStatistics(QWidget* mainWindow, RecordReader& records) override {
        if (window_ == nullptr || window_->parentWidget() != mainWindow) {
            delete window_;
            window_ = new StatisticsWindow(mainWindow, records);
        }
        window_->Refresh();
        if (!window_->isVisible()) {
            PlaceBesideTheGame(*window_, *mainWindow);  // where the game is now
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
    }

    void RefreshStatistics() override {
        if (window_ != nullptr && window_->isVisible()) {
            window_->Refresh();
        }
    }

private:
    QPointer<StatisticsWindow> window_;  // owned by the main window; gone with it
};

}  // namespace tavro

#include "StatisticsModule.moc"
