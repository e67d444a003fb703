// SPDX-License-Identifier: GPL-3.0-or-later
// How long the statistics window's event loop is blocked, with a million recorded games, by the
// three operations that once froze it: Export to CSV, Clear statistics, and reading the record
// (F5) while another program holds its lock. Each is measured twice in the same run: as it ran
// before, on the window's thread (the export and the clearing called there directly, the read
// waiting out SQLite's five-second lock wait), and as the window runs it now (the export and the
// clearing on a worker thread behind a progress dialog, the read asking Retry or Cancel after a
// second). The blocked time is the longest gap between the ticks of a 5 ms timer. Prints the
// figures and the ratios; fails when the window's way blocks more than a quarter of the old
// way (the export and the clearing) or more than half of it (the held lock).
// Usage: statistics_freeze_bench [games] (a million when not given).
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "BenchRecord.h"
#include "records/CsvExport.h"
#include "records/DatabaseReader.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsQueries.h"
#include "records/RecordsSql.h"
#include "statistics/StatisticsWindow.h"

namespace {

using namespace tavro;

// What the records module hands the statistics window, linked here directly.
RecordReader& TheReader() {
    static DatabaseReader reader;
    return reader;
}

// The longest time between two ticks of a 5 ms timer while `operation` runs: how long the event
// loop was kept from running.
double BlockedMs(const std::function<void()>& operation) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setInterval(5);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    tick.start();
    operation();
    QCoreApplication::processEvents();  // the tick that ends a gap the operation made
    const qint64 now = clock.nsecsElapsed();
    longest = std::max(longest, now - last);
    return static_cast<double>(longest) / 1e6;
}

// Another program holding the record for itself while it lives.
class HeldLock {
public:
    explicit HeldLock(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        db.setDatabaseName(path);
        db.open();
        for (const char* sql : {"PRAGMA locking_mode = EXCLUSIVE", "BEGIN EXCLUSIVE",
                                "UPDATE games SET hints = hints WHERE id = 1"}) {
            QSqlQuery(db).exec(QString::fromLatin1(sql));
        }
    }
    ~HeldLock() {
        {
            QSqlDatabase db = QSqlDatabase::database(kName, false);
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            db.close();
        }
        QSqlDatabase::removeDatabase(kName);
    }

private:
    static inline const QString kName = QStringLiteral("bench-lock");
};

void Report(const char* what, double before, double after, double limit, bool& fine) {
    std::printf("%-34s before %8.1f ms, now %8.1f ms blocked, ratio %.3f (goal at most %.2f)\n",
                what, before, after, after / before, limit);
    fine = fine && after <= before * limit;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000000;
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("records.sqlite"));
    QElapsedTimer making;
    making.start();
    bench::MakeBenchRecord(path, games);
    std::printf("a record of %d games made in %.1f s\n", games,
                static_cast<double>(making.elapsed()) / 1000);

    StatisticsWindow window(nullptr, TheReader(), path);
    window.show();
    QCoreApplication::processEvents();
    bool fine = true;

    // F5 while another program holds the lock: the old way waited SQLite's five seconds on the
    // window's thread; now the question comes after a second (answered Cancel here at once).
    // First, while no connection of ours keeps the record open (as the other program could
    // not take the lock then).
    double lockBefore = 0;
    double lockNow = 0;
    {
        const HeldLock lock(path);
        lockBefore = BlockedMs([&] {
            RecordsDatabase db(QStringLiteral("bench-locked"));
            try {
                db.Open(path, RecordsDatabase::Purpose::Reading);
                ReadSummaries(db.Db());
            } catch (const RecordsError&) {
            }
        });
        QTimer answer;
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                box->button(QMessageBox::Cancel)->click();
            }
        });
        answer.start();
        lockNow = BlockedMs([&] { window.Refresh(); });
    }
    Report("F5 while another program locks", lockBefore, lockNow, 0.5, fine);

    window.Refresh();

    // Export to CSV: the old way ran ExportGamesCsv on the window's thread.
    const QString csv = folder.filePath(QStringLiteral("games.csv"));
    const double exportBefore = BlockedMs([&] {
        RecordsDatabase db(QStringLiteral("bench-export"));
        db.Open(path, RecordsDatabase::Purpose::Reading);
        ExportGamesCsv(db.Db(), csv);
    });
    const double exportNow = BlockedMs([&] { window.ExportTo(csv); });
    Report("Export to CSV", exportBefore, exportNow, 0.25, fine);

    // Clear statistics: the old way cleared on the window's thread. Each on a copy of its own.
    const QString copy = folder.filePath(QStringLiteral("copy.sqlite"));
    QFile::copy(path, copy);
    const double clearBefore = BlockedMs([&] {
        RecordsDatabase db(QStringLiteral("bench-clear"));
        db.Open(copy, RecordsDatabase::Purpose::Changing);
        db.Clear();
    });
    const double clearNow = BlockedMs([&] { window.ClearRecord(); });
    Report("Clear statistics", clearBefore, clearNow, 0.25, fine);
    return fine ? 0 : 1;
}
