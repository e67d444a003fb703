// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window, a window of its own beside the game (not modal): a table of every set
// and mode played, a chart of the chosen row's scores over time with the best marked and the
// same in words beside it, the most recent games in a sortable table, export of every game to a
// CSV file, and "Clear statistics…", which asks first. It reads the record of games on the GUI
// thread through its own connection: every query reads a bounded number of rows, so it opens as
// fast with a hundred thousand games as with a hundred.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "records/RecordsDatabase.h"
#include "records/RecordsQueries.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace tavro {

class ScoreChart;

class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // The most recent games the table shows, and the newest finished games the chart draws.
    static constexpr int kRecentGames = 100;
    static constexpr int kChartGames = 200;

    // `recordsPath`: the record to read (RecordsFilePath() when empty, asked on each Refresh).
    explicit StatisticsWindow(QWidget* mainWindow, QString recordsPath = QString());
    ~StatisticsWindow() override;

    // Reads the record again and shows it, keeping the chosen set and mode. Reports what fails.
    void Refresh();
    // Writes every game to the CSV file; the number written. Throws on failure.
    int ExportTo(const QString& path);
    // Removes every game (without asking; the button asks first).
    void ClearRecord();

    // The parts, for tests and screen-reader checks.
    QTableView* SummaryTable() const { return summaryTable_; }
    QTableView* RecentTable() const { return recentTable_; }
    ScoreChart* Chart() const { return chart_; }
    QLabel* SummaryWords() const { return words_; }
    QComboBox* SortChoice() const { return sortBy_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ReadRecord();
    // Chart and words for the summary table's current row.
    void ShowChosen();
    void SortRecentBy(int column);
    // The recent games' columns as wide as their texts, narrowed where the table is too narrow
    // for them all, so that the last, the result, shows whole.
    void FitRecentColumns();
    void ExportClicked();
    void ClearClicked();
    QString RecordsPath() const;

    QString recordsPath_;
    RecordsDatabase db_;
    std::vector<SetModeSummary> summaries_;
    QString latestSet_;  // the set and mode of the latest game
    PlayMode latestMode_ = PlayMode::OnePlayer;
    std::optional<ComputerStrength> latestStrength_;

    QStandardItemModel* summaryModel_ = nullptr;
    QStandardItemModel* recentModel_ = nullptr;
    QSortFilterProxyModel* recentSorted_ = nullptr;
    QTableView* summaryTable_ = nullptr;
    QTableView* recentTable_ = nullptr;
    ScoreChart* chart_ = nullptr;
    QLabel* words_ = nullptr;
    QComboBox* sortBy_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace tavro
