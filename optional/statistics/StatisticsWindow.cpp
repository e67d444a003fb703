// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window: its controls, reading the record into them, and its three commands
// (sort, export, clear). Each handler reports its own failure through the one error report, a
// fault of the record in a sentence of ours.
#include "statistics/StatisticsWindow.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>
#include <algorithm>
#include <atomic>
#include <exception>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "dialogkit/DialogLook.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/LockQuestion.h"
#include "statistics/ScoreChart.h"
#include "statistics/StatisticsTables.h"
#include "statistics/TrendText.h"

namespace tavro {
namespace {

// A job that ends sooner shows no progress dialog at all.
constexpr int kProgressAfterMs = 400;
constexpr int kProgressTickMs = 100;

// A fault the records module reported, thrown within the window (never across the module's
// boundary) so that each handler's one catch reports it.
class RecordsFailure : public std::runtime_error {
public:
    explicit RecordsFailure(const RecordsFault& fault)
        : std::runtime_error(fault.text.toStdString()),
          locked_(fault.kind == RecordsFault::Kind::Locked) {}
    bool Locked() const { return locked_; }

private:
    bool locked_;
};

// Throws the fault, if there is one; nothing recorded yet says so.
void ThrowIf(const RecordsFault& fault) {
    switch (fault.kind) {
        case RecordsFault::Kind::None:
            return;
        case RecordsFault::Kind::Missing:
            throw std::runtime_error(StatisticsWindow::tr("No games recorded yet.").toStdString());
        case RecordsFault::Kind::Locked:
        case RecordsFault::Kind::Failed:
            throw RecordsFailure(fault);
    }
}

QTableView* MakeTable(QWidget* parent, const QString& accessibleName) {
    auto* table = new QTableView(parent);
    table->setAccessibleName(accessibleName);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);  // Tab leaves the table; the arrow keys move in it
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// Text columns sort A to Z, numbers and times the largest and newest first.
Qt::SortOrder FirstOrderOf(int column) {
    switch (column) {
        case StatisticsTables::kGameSet:
        case StatisticsTables::kGameMode:
        case StatisticsTables::kPlayers:
        case StatisticsTables::kResult:
            return Qt::AscendingOrder;
        default:
            return Qt::DescendingOrder;
    }
}

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* mainWindow, RecordReader& records, QString recordsPath)
    : QWidget(mainWindow, Qt::Window), records_(records), recordsPath_(std::move(recordsPath)) {
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(tr("Statistics"));
    ApplyDialogLook(*this);
    BuildControls();
    resize(780, 620);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::BuildControls() {
    summaryModel_ = new QStandardItemModel(this);
    summaryTable_ = MakeTable(this, tr("Sets and modes"));
    summaryTable_->setObjectName(QStringLiteral("SummaryTable"));
    summaryTable_->setModel(summaryModel_);
    summaryTable_->horizontalHeader()->setStretchLastSection(false);
    auto* summaryCaption = new QLabel(tr("&Sets and modes:"), this);
    summaryCaption->setBuddy(summaryTable_);

    chart_ = new ScoreChart(this);
    chart_->setObjectName(QStringLiteral("ScoreChart"));
    chart_->setAccessibleName(tr("Chart of the scores over time"));
    chart_->setFocusPolicy(Qt::NoFocus);
    words_ = new QLabel(this);
    words_->setObjectName(QStringLiteral("SummaryWords"));
    words_->setTextFormat(Qt::PlainText);
    words_->setWordWrap(true);
    words_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    words_->setAccessibleName(tr("Summary"));
    words_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // Reachable by Tab, so that a screen reader reads it like the tables.
    words_->setFocusPolicy(Qt::StrongFocus);
    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(chart_, 3);
    chartRow->addWidget(words_, 2);

    recentModel_ = new QStandardItemModel(this);
    recentSorted_ = new QSortFilterProxyModel(this);
    recentSorted_->setSourceModel(recentModel_);
    recentSorted_->setSortRole(StatisticsTables::kSortRole);
    recentTable_ = MakeTable(this, tr("Recent games"));
    recentTable_->setObjectName(QStringLiteral("RecentTable"));
    recentTable_->setModel(recentSorted_);
    recentTable_->viewport()->installEventFilter(this);  // its columns fitted to its width
    recentTable_->setSortingEnabled(true);
    recentTable_->sortByColumn(StatisticsTables::kWhen, Qt::DescendingOrder);
    auto* recentCaption = new QLabel(tr("&Recent games:"), this);
    recentCaption->setBuddy(recentTable_);
    sortBy_ = new QComboBox(this);
    sortBy_->setObjectName(QStringLiteral("SortBy"));
    sortBy_->addItems(StatisticsTables::RecentCaptions());
    auto* sortCaption = new QLabel(tr("Sort &by:"), this);
    sortCaption->setBuddy(sortBy_);
    auto* recentRow = new QHBoxLayout;
    recentRow->addWidget(recentCaption);
    recentRow->addStretch();
    recentRow->addWidget(sortCaption);
    recentRow->addWidget(sortBy_);
    connect(sortBy_, &QComboBox::activated, this, &StatisticsWindow::SortRecentBy);
    connect(recentTable_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column) {
                const QSignalBlocker quiet(sortBy_);
                sortBy_->setCurrentIndex(column);
            });

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Status"));
    status_->setTextFormat(Qt::PlainText);
    readOnlyNote_ = new QLabel(this);
    readOnlyNote_->setObjectName(QStringLiteral("ReadOnlyNote"));
    readOnlyNote_->setTextFormat(Qt::PlainText);
    readOnlyNote_->setWordWrap(true);
    readOnlyNote_->setTextInteractionFlags(Qt::TextSelectableByKeyboard |
                                           Qt::TextSelectableByMouse);
    readOnlyNote_->setFocusPolicy(Qt::StrongFocus);  // read by screen readers like the tables
    readOnlyNote_->hide();
    export_ = new QPushButton(tr("&Export to CSV…"), this);
    export_->setObjectName(QStringLiteral("Export"));
    clear_ = new QPushButton(tr("&Clear statistics…"), this);
    clear_->setObjectName(QStringLiteral("Clear"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(export_);
    buttons->addWidget(clear_);
    buttons->addWidget(status_, 1);
    buttons->addWidget(close);
    connect(export_, &QPushButton::clicked, this, &StatisticsWindow::ExportClicked);
    connect(clear_, &QPushButton::clicked, this, &StatisticsWindow::ClearClicked);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summaryCaption);
    layout->addWidget(summaryTable_, 1);
    layout->addLayout(chartRow, 3);
    layout->addLayout(recentRow);
    layout->addWidget(recentTable_, 2);
    layout->addWidget(readOnlyNote_);
    layout->addLayout(buttons);
    connect(summaryTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        try {
            ShowChosen();
        } catch (...) {
            ReportRecordsFailure(std::current_exception());
        }
    });
}

QString StatisticsWindow::RecordsPath() const {
    return recordsPath_.isEmpty() ? records_.DefaultPath() : recordsPath_;
}

void StatisticsWindow::Refresh() {
    QString chosenSet;
    int chosenMode = -1;
    std::optional<ComputerStrength> chosenStrength;
    if (const QModelIndex current = summaryTable_->currentIndex(); current.isValid()) {
        const QModelIndex set = summaryModel_->index(current.row(), StatisticsTables::kSet);
        chosenSet = set.data(StatisticsTables::kSetRole).toString();
        chosenMode = set.data(StatisticsTables::kModeRole).toInt();
        if (const QVariant strength = set.data(StatisticsTables::kStrengthRole);
            strength.isValid()) {
            chosenStrength = static_cast<ComputerStrength>(strength.toInt());
        }
    }
    try {
        // Another program's lock is waited for a second at most (kLockAskAfterMs), then the
        // player chooses: Retry, or Cancel, which leaves the window as it was.
        const bool read = RunAskingWhileLocked(this, records_.LockedText(RecordsPath()), [this] {
            try {
                ReadRecord();
                return true;
            } catch (const RecordsFailure& failure) {
                if (failure.Locked()) {
                    return false;
                }
                throw;
            }
        });
        if (!read) {
            return;
        }
    } catch (...) {
        view_.reset();
        summaries_.clear();
        StatisticsTables::FillSummaries(*summaryModel_, summaries_);
        StatisticsTables::FillRecentGames(*recentModel_, {});
        readOnlyNote_->hide();
        UpdateButtons();
        ShowChosen();
        ReportRecordsFailure(std::current_exception());
        return;
    }
    // The row chosen before, else the set and mode of the latest game, else the first row.
    int row = summaries_.empty() ? -1 : 0;
    if (chosenSet.isEmpty()) {
        chosenSet = latestSet_;
        chosenMode = static_cast<int>(latestMode_);
        chosenStrength = latestStrength_;
    }
    for (std::size_t i = 0; i < summaries_.size(); ++i) {
        if (summaries_[i].setFolder == chosenSet &&
            static_cast<int>(summaries_[i].mode) == chosenMode &&
            summaries_[i].strength == chosenStrength) {
            row = static_cast<int>(i);
        }
    }
    {
        const QSignalBlocker quiet(summaryTable_->selectionModel());
        if (row >= 0) {
            summaryTable_->setCurrentIndex(summaryModel_->index(row, 0));
        }
    }
    try {
        ShowChosen();
    } catch (...) {
        ReportRecordsFailure(std::current_exception());
    }
}

void StatisticsWindow::ReadRecord() {
    QString notice;
    RecordsFault fault;
    std::unique_ptr<RecordsView> view =
        records_.Read(RecordsPath(), kLockAskAfterMs, notice, fault);
    ThrowIf(fault);
    if (!notice.isEmpty()) {
        ReportError(this, notice);
    }
    std::vector<SetModeSummary> summaries;
    std::vector<StoredGame> recent;
    if (view != nullptr) {
        summaries = view->Summaries(fault);
        ThrowIf(fault);
        recent = view->RecentGames(kRecentGames, fault);
        ThrowIf(fault);
    }
    view_ = std::move(view);
    summaries_ = std::move(summaries);
    readOnly_ = view_ == nullptr ? QString() : view_->ReadOnlyReason();
    latestSet_ = recent.empty() ? QString() : recent.front().game.setFolder;
    latestMode_ = recent.empty() ? PlayMode::OnePlayer : recent.front().game.mode;
    latestStrength_ = recent.empty() || latestMode_ != PlayMode::AgainstComputer
                          ? std::nullopt
                          : recent.front().game.strength;
    StatisticsTables::FillSummaries(*summaryModel_, summaries_);
    StatisticsTables::FillRecentGames(*recentModel_, recent);
    summaryTable_->resizeColumnsToContents();
    FitRecentColumns();
    readOnlyNote_->setText(readOnly_);
    readOnlyNote_->setVisible(!readOnly_.isEmpty());
    clear_->setToolTip(readOnly_);
    clear_->setAccessibleDescription(readOnly_);
    UpdateButtons();
}

void StatisticsWindow::UpdateButtons() {
    const bool anyGames = !summaries_.empty();
    export_->setEnabled(anyGames && !busy_);
    clear_->setEnabled(anyGames && !busy_ && readOnly_.isEmpty());
}

void StatisticsWindow::ReportRecordsFailure(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const RecordsFailure& failure) {
        ReportError(this, QString::fromStdString(failure.what()));
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void StatisticsWindow::ShowChosen() {
    const QModelIndex current = summaryTable_->currentIndex();
    if (!current.isValid() || view_ == nullptr ||
        static_cast<std::size_t>(current.row()) >= summaries_.size()) {
        chart_->ShowNothing();
        words_->setText(TrendText::Nothing());
        chart_->setAccessibleDescription(words_->text());
        return;
    }
    const SetModeSummary& summary = summaries_[static_cast<std::size_t>(current.row())];
    RecordsFault fault;
    const std::vector<ScorePoint> scores =
        view_->Scores(summary.setFolder, summary.mode, kChartGames, summary.strength, fault);
    ThrowIf(fault);
    std::optional<ScorePoint> best;
    if (summary.best) {
        best = ScorePoint{0, summary.bestAt, *summary.best};
    }
    chart_->ShowScores(scores, best);
    words_->setText(TrendText::Of(summary, scores, QDate::currentDate()));
    chart_->setAccessibleDescription(words_->text());
}

void StatisticsWindow::FitRecentColumns() {
    QHeaderView* header = recentTable_->horizontalHeader();
    const QAbstractItemView* view = recentTable_;  // where the size hint is public
    std::vector<int> wanted;
    for (int column = 0; column < header->count(); ++column) {
        wanted.push_back(
            std::max(view->sizeHintForColumn(column), header->sectionSizeHint(column)));
    }
    // The players' names give way first (each cell shows its whole text as a tool tip), then the
    // set, the mode and the time; the result stays whole.
    const int least = header->minimumSectionSize() * 2;
    const std::vector<int> widths =
        StatisticsTables::FittedWidths(wanted, recentTable_->viewport()->width(),
                                       {StatisticsTables::kPlayers, StatisticsTables::kGameSet,
                                        StatisticsTables::kGameMode, StatisticsTables::kWhen},
                                       least);
    for (int column = 0; column < header->count(); ++column) {
        header->resizeSection(column, widths[static_cast<std::size_t>(column)]);
    }
}

bool StatisticsWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only a change of width: a scroll bar that comes and goes below keeps a player's own widths.
    if (event->type() == QEvent::Resize && watched == recentTable_->viewport()) {
        const auto* resize = static_cast<QResizeEvent*>(event);
        if (resize->size().width() != resize->oldSize().width()) {
            FitRecentColumns();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StatisticsWindow::SortRecentBy(int column) {
    recentTable_->sortByColumn(column, FirstOrderOf(column));
}

int StatisticsWindow::ExportTo(const QString& path) {
    if (view_ == nullptr) {
        throw std::runtime_error(tr("No games recorded yet.").toStdString());
    }
    const QString records = view_->Path();
    RecordReader* reader = &records_;
    const int games = std::accumulate(
        summaries_.begin(), summaries_.end(), 0,
        [](int sum, const SetModeSummary& summary) { return sum + summary.played; });
    const JobResult result =
        RunOffThread(tr("Exporting the games to %1…").arg(path), games, true,
                     [reader, records, path](JobControl& control, JobResult& done) {
                         RecordsFault fault;
                         done.count = reader->ExportCsv(
                             records, path,
                             [&control](int written) {
                                 control.done.store(written, std::memory_order_relaxed);
                                 return !control.cancelled.load(std::memory_order_relaxed);
                             },
                             fault);
                         ThrowIf(fault);
                     });
    if (result.error) {
        std::rethrow_exception(result.error);
    }
    return result.count.value_or(-1);
}

void StatisticsWindow::ClearRecord() {
    if (view_ == nullptr) {
        return;
    }
    const QString records = view_->Path();
    RecordReader* reader = &records_;
    const JobResult result = RunOffThread(tr("Clearing the record of games…"), 0, false,
                                          [reader, records](JobControl&, JobResult& done) {
                                              RecordsFault fault;
                                              reader->Clear(records, fault);
                                              if (fault.kind != RecordsFault::Kind::Missing) {
                                                  ThrowIf(fault);
                                              }
                                              done.count = 0;
                                          });
    if (result.error) {
        std::rethrow_exception(result.error);
    }
}

StatisticsWindow::JobResult StatisticsWindow::RunOffThread(const QString& label, int maximum,
                                                           bool cancellable, Job job) {
    busy_ = true;
    UpdateButtons();
    auto control = std::make_shared<JobControl>();
    // The job catches everything itself: nothing is thrown across the worker's thread.
    QFuture<JobResult> future = QtConcurrent::run([control, job = std::move(job)] {
        JobResult result;
        try {
            job(*control, result);
        } catch (...) {
            result.error = std::current_exception();
        }
        return result;
    });
    QProgressDialog progress(label, cancellable ? tr("Cancel") : QString(), 0, maximum, this);
    progress.setObjectName(QStringLiteral("Progress"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumDuration(kProgressAfterMs);
    connect(&progress, &QProgressDialog::canceled, this, [control, cancellable] {
        if (cancellable) {
            control->cancelled.store(true);
        }
    });
    QEventLoop loop;
    QFutureWatcher<JobResult> watcher;
    connect(&watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
    QTimer tick;
    tick.setInterval(kProgressTickMs);
    connect(&tick, &QTimer::timeout, this, [&progress, &control, maximum] {
        if (maximum > 0 && !progress.wasCanceled()) {
            progress.setValue(std::min(control->done.load(std::memory_order_relaxed), maximum - 1));
        }
    });
    tick.start();
    watcher.setFuture(future);
    if (!future.isFinished()) {
        loop.exec();
    }
    if (!future.isFinished()) {
        // The event loop was told to end (the program is closing): stop and wait for the job.
        control->cancelled.store(true);
        future.waitForFinished();
    }
    tick.stop();
    busy_ = false;
    UpdateButtons();
    return future.result();
}

void StatisticsWindow::ExportClicked() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export to CSV"), QDir::home().filePath(QStringLiteral("tavro-memory-games.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty()) {
        return;
    }
    try {
        const int games = ExportTo(path);
        status_->setText(games < 0
                             ? tr("The export was cancelled; no file was written.")
                             : tr("Games exported to %1: %2.").arg(path, QString::number(games)));
    } catch (...) {
        ReportRecordsFailure(std::current_exception());
    }
}

void StatisticsWindow::ClearClicked() {
    QMessageBox box(QMessageBox::Question, tr("Clear statistics"),
                    tr("Clear the record of every game played? This can't be undone."),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    if (box.exec() != QMessageBox::Yes) {
        return;
    }
    try {
        ClearRecord();
        status_->clear();
    } catch (...) {
        ReportRecordsFailure(std::current_exception());
    }
    Refresh();
}

}  // namespace tavro
