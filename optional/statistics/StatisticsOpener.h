// SPDX-License-Identifier: GPL-3.0-or-later
// What the statistics module offers the main window: its statistics window, shown beside the
// game (not modal) and brought up to date when a game has been recorded. The window reads the
// record through the records module's RecordReader, which the main window hands over: the
// statistics module holds no code of the record itself. The main window includes only this
// header: Qt Charts and Qt SQL stay out of the start-up.
#pragma once

#include <QtPlugin>

class QWidget;

namespace tavro {

class RecordReader;

class StatisticsOpener {
public:
    virtual ~StatisticsOpener() = default;

    // Shows the statistics window beside the main window (made on first use, up to date, raised
    // and given the focus) and returns at once. `records`: the records module's reader, which
    // outlives the window.
    virtual void ShowStatistics(QWidget* mainWindow, RecordReader& records) = 0;
    // Brings the window up to date if it is shown.
    virtual void RefreshStatistics() = 0;
};

}  // namespace tavro

Q_DECLARE_INTERFACE(tavro::StatisticsOpener, "org.example.tavro_memory.StatisticsOpener/2")
