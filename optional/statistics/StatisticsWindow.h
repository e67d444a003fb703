// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window, a window of its own beside the game (not modal): a table of every set
// and mode played, a chart of the chosen row's scores over time with the best marked and the
// same in words beside it, the most recent games in a sortable table, export of every game to a
// CSV file, and "Clear statistics…", which asks first. It reads the record of games on the GUI
// thread through the records module's RecordReader, a read-only look of its own: every query
// reads a bounded number of rows, so it opens as fast with a hundred thousand games as with a
// hundred, and a lock another program holds is waited for a second at most before the player is
// asked to retry or cancel. A record it may
// not change (a newer version's, or in a folder or file that can't be written) is shown
// read-only, with the reason. The export and the clearing, whose work grows with the record, run
// off the GUI thread behind a progress dialog (the export's with Cancel).
#pragma once

#include <QString>
#include <QWidget>
#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "records/RecordReader.h"

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
    // How long reading waits for another program's lock before the player is asked.
    static constexpr int kLockAskAfterMs = 1000;

    // `records`: what reads, exports and clears the record, outliving the window.
    // `recordsPath`: the record to read (the player's own when empty, asked on each Refresh).
    StatisticsWindow(QWidget* mainWindow, RecordReader& records, QString recordsPath = QString());
    ~StatisticsWindow() override;

    // Reads the record again and shows it, keeping the chosen set and mode. Reports what fails.
    void Refresh();
    // Writes every game to the CSV file off the GUI thread, showing progress with Cancel, and
    // returns when it is done; the number written, -1 when cancelled (and no file written).
    // Throws on failure.
    int ExportTo(const QString& path);
    // Removes every game off the GUI thread, showing progress, and returns when it is done
    // (without asking; the button asks first). Throws on failure.
    void ClearRecord();

    // The parts, for tests and screen-reader checks.
    QTableView* SummaryTable() const { return summaryTable_; }
    QTableView* RecentTable() const { return recentTable_; }
    ScoreChart* Chart() const { return chart_; }
    QLabel* SummaryWords() const { return words_; }
    QComboBox* SortChoice() const { return sortBy_; }
    // The sentence that says why the record is shown read-only (hidden when it is not).
    QLabel* ReadOnlyNote() const { return readOnlyNote_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What a job off the GUI thread reports back.
    struct JobResult {
        std::optional<int> count;  // empty: cancelled
        std::exception_ptr error;
    };
    // Shared between the window and a running job: how far it is, whether it was cancelled.
    struct JobControl {
        std::atomic<int> done{0};
        std::atomic<bool> cancelled{false};
    };
    using Job = std::function<void(JobControl&, JobResult&)>;

    void BuildControls();
    void ReadRecord();
    // Runs the job on a worker thread while a progress dialog (after a moment) shows how far it
    // is; the window's event loop runs meanwhile. `maximum` 0: no count, only that it is busy.
    JobResult RunOffThread(const QString& label, int maximum, bool cancellable, Job job);
    // Tells the player why the record couldn't be read or changed, in a sentence of ours.
    void ReportRecordsFailure(std::exception_ptr error);
    void UpdateButtons();
    // Chart and words for the summary table's current row.
    void ShowChosen();
    void SortRecentBy(int column);
    // The recent games' columns as wide as their texts, narrowed where the table is too narrow
    // for them all, so that the last, the result, shows whole.
    void FitRecentColumns();
    void ExportClicked();
    void ClearClicked();
    QString RecordsPath() const;

    RecordReader& records_;
    QString recordsPath_;
    std::unique_ptr<RecordsView> view_;  // null: nothing recorded yet, or the record unread
    std::vector<SetModeSummary> summaries_;
    QString latestSet_;  // the set and mode of the latest game
    PlayMode latestMode_ = PlayMode::OnePlayer;
    QString readOnly_;   // why the record can't be changed; empty when it can
    bool busy_ = false;  // an export or clearing is running
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
    QLabel* readOnlyNote_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace tavro
