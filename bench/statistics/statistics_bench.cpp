// SPDX-License-Identifier: GPL-3.0-or-later
// The time the statistics window takes to open (from the menu's call until it is painted) with
// 100 000 recorded games against 100: a year of games over three sets and the three modes. Each
// record is opened in child processes of their own, alternately, so the first opening is
// measured as a player meets it (the statistics module, Qt Charts and Qt SQL loaded then); each
// child then closes the window and opens it again. Prints the medians and the ratios; fails when
// the larger record takes more than twice as long, or 100 ms or more.
// Child mode: statistics_bench --open <data home>; prints "<first ms> <again ms> <module ms>",
// the last the part of the first opening that loading the module took.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "../BenchSupport.h"
#include "BenchRecord.h"
#include "modules/ModuleLoader.h"
#include "records/RecordReader.h"
#include "records/RecordsDatabase.h"
#include "statistics/StatisticsOpener.h"

namespace {

using namespace tavro;
using namespace tavro::bench;

constexpr int kRuns = 9;
constexpr double kLimitMs = 100;
constexpr double kLimitRatio = 2;

// The record in the data folder where the game looks for it.
void MakeRecord(const QString& dataHome, int games) {
    QDir().mkpath(dataHome + QStringLiteral("/tavro-memory"));
    MakeBenchRecord(dataHome + QStringLiteral("/tavro-memory/records.sqlite"), games);
}

double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Runs the event loop until a widget of the statistics window has been painted.
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr &&
                widget->window()->objectName() == QLatin1String("Statistics")) {
                painted = true;
            }
        }
        return false;
    }
};

double OpenOnce(StatisticsOpener& opener, RecordReader& records, QWidget& mainWindow,
                PaintWatch& watch, const QElapsedTimer& since) {
    watch.painted = false;
    opener.ShowStatistics(&mainWindow, records);
    while (!watch.painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return Milliseconds(since);
}

int OpenInThisProcess(int argc, char** argv) {
    qputenv("XDG_DATA_HOME", QByteArray(argv[2]));
    QApplication app(argc, argv);
    // A window on screen with text in it, as the game's main window is when the player opens
    // the statistics: fonts and the style are ready.
    QWidget mainWindow;
    auto* points = new QLabel(QStringLiteral("Points 1700"), &mainWindow);
    points->adjustSize();
    mainWindow.show();
    QCoreApplication::processEvents();
    PaintWatch watch;
    app.installEventFilter(&watch);
    SetModuleFolder(QStringLiteral(TAVRO_MODULE_DIR));

    QElapsedTimer first;
    first.start();
    QString error;
    // As the game opens it: the records module, which reads the record, then the statistics.
    RecordReader* records = LoadModuleAs<RecordReader>(QStringLiteral("records"), &error);
    StatisticsOpener* opener =
        records == nullptr ? nullptr
                           : LoadModuleAs<StatisticsOpener>(QStringLiteral("statistics"), &error);
    if (opener == nullptr) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    const double loadMs = Milliseconds(first);
    const double firstMs = OpenOnce(*opener, *records, mainWindow, watch, first);
    mainWindow.findChild<QWidget*>(QStringLiteral("Statistics"))->close();
    QCoreApplication::processEvents();
    QElapsedTimer again;
    again.start();
    const double againMs = OpenOnce(*opener, *records, mainWindow, watch, again);
    std::printf("%.2f %.2f %.2f\n", firstMs, againMs, loadMs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) {
        return OpenInThisProcess(argc, argv);
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString small = folder.filePath(QStringLiteral("small"));
    const QString large = folder.filePath(QStringLiteral("large"));
    QElapsedTimer making;
    making.start();
    MakeRecord(small, 100);
    MakeRecord(large, 100000);
    std::printf("records made in %.1f s\n", Milliseconds(making) / 1000);

    std::vector<double> first[2];
    std::vector<double> again[2];
    std::vector<double> load;
    for (int run = -1; run < kRuns; ++run) {  // run -1 warms up
        for (int which = 0; which < 2; ++which) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM"))) {
                environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            }
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--open"), which == 0 ? small : large});
            if (!child.waitForFinished(60000) || child.exitCode() != 0) {
                std::fprintf(stderr, "a child failed: %s\n",
                             child.readAllStandardError().constData());
                return 2;
            }
            const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
            if (run >= 0 && times.size() == 3) {
                first[which].push_back(times[0].toDouble());
                again[which].push_back(times[1].toDouble());
                load.push_back(times[2].toDouble());
            }
        }
    }
    bool fine = true;
    for (const auto& [name, values] : {std::pair{"first opening (the module loaded)", first},
                                       std::pair{"opening again", again}}) {
        const double hundred = Median(values[0]);
        const double hundredThousand = Median(values[1]);
        const double ratio = hundredThousand / hundred;
        std::printf(
            "%s, median of %d: 100 games %.1f ms, 100 000 games %.1f ms, ratio %.2f "
            "(goal at most %.0f, and under %.0f ms)\n",
            name, kRuns, hundred, hundredThousand, ratio, kLimitRatio, kLimitMs);
        fine = fine && ratio <= kLimitRatio && hundredThousand < kLimitMs;
    }
    std::printf(
        "of the first opening, loading the statistics module (Qt Charts, Qt SQL): median "
        "%.1f ms\n",
        Median(load));
    return fine ? 0 : 1;
}
