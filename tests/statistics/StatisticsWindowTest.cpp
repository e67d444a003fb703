// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window on a record of a few weeks' games: a row per set and mode with its
// counts, best, averages and streak; the chosen row's chart with the best marked and the same in
// words; the recent games sortable by mouse and by keys and readable as a table by a screen
// reader; the CSV export with its header, UTF-8 names and guarded formulas, and cancelled
// without a file; "Clear statistics…", which asks first; a record the window may not change
// shown read-only with the reason; another program's lock, which brings the Retry/Cancel
// question; and texts that read under a light and a dark desktop palette. The words, and the CSV
// cells, in tables of their own.
#include <unistd.h>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "look/TextContrast.h"
#include "records/CsvExport.h"
#include "records/DatabaseReader.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsMessages.h"
#include "records/RecordsSql.h"
#include "statistics/ScoreChart.h"
#include "statistics/StatisticsTables.h"
#include "statistics/StatisticsWindow.h"
#include "statistics/TrendText.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// What the records module hands the statistics window, linked here directly.
RecordReader& TheReader() {
    static DatabaseReader reader;
    return reader;
}

const QDateTime kStart(QDate(2026, 3, 1), QTime(18, 0), Qt::UTC);

GameRecord Game(const char* set, PlayMode mode, int day, qint32 score, GameEnd end,
                std::vector<RecordedPlayer> players = {}) {
    GameRecord game;
    game.playedAt = kStart.addDays(day).addSecs(score);  // one game a day, each a moment apart
    game.setFolder = QString::fromLatin1(set);
    game.setName = QString::fromLatin1(set).toUpper();
    game.delayMs = 500;
    game.mode = mode;
    game.players = players.empty() ? std::vector<RecordedPlayer>{{QString(), score, false}}
                                   : std::move(players);
    game.turns = 30;
    game.matches = end == GameEnd::Finished ? 18 : 5;
    game.mismatches = game.turns - game.matches;
    game.end = end;
    return game;
}

// Animals for one player: 25 finished games rising by 20 a day from 1000, best 1480 on day 24,
// with one game left on day 12 (a streak of 13 after it); shapes twice; animals for two players
// once, with a name a spreadsheet would run.
std::vector<GameRecord> AFewWeeks() {
    std::vector<GameRecord> games;
    for (int day = 0; day < 25; ++day) {
        if (day == 12) {
            games.push_back(Game("animals", PlayMode::OnePlayer, day, 100, GameEnd::LeftByNew));
        }
        games.push_back(
            Game("animals", PlayMode::OnePlayer, day, 1000 + 20 * day, GameEnd::Finished));
    }
    games.push_back(Game("shapes", PlayMode::OnePlayer, 3, -40, GameEnd::LeftByExit,
                         {{QStringLiteral("Zoë"), -40, false}}));
    games.push_back(Game("shapes", PlayMode::OnePlayer, 4, 900, GameEnd::Finished));
    games.push_back(Game(
        "animals", PlayMode::TwoPlayers, 25, 1100, GameEnd::Finished,
        {{QStringLiteral("=HYPERLINK(\"x\")"), 700, false}, {QStringLiteral("Bob"), 1100, false}}));
    games.back().playedAt = kStart.addDays(2);  // not the latest: the latest is animals alone
    return games;
}

QString Cell(const QTableView* table, int row, int column) {
    return table->model()->index(row, column).data().toString();
}

}  // namespace

class StatisticsWindowTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void showsEachSetAndModeWithItsChartAndWords() {
        MakeRecord();
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.Refresh();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QTableView* summary = window.SummaryTable();
        QCOMPARE(summary->model()->rowCount(), 3);
        // Sorted by set name, then mode: ANIMALS one, ANIMALS two, SHAPES one.
        const QStringList animals = {QStringLiteral("ANIMALS"), QStringLiteral("One player"),
                                     QStringLiteral("26"),      QStringLiteral("25"),
                                     QStringLiteral("1480"),    QStringLiteral("1240"),
                                     QStringLiteral("12.0"),    QStringLiteral("13")};
        for (int column = 0; column < animals.size(); ++column) {
            QCOMPARE(Cell(summary, 0, column), animals[column]);
        }
        QCOMPARE(Cell(summary, 1, StatisticsTables::kMode), QStringLiteral("Two players"));
        QCOMPARE(Cell(summary, 2, StatisticsTables::kPlayed), QStringLiteral("2"));
        QCOMPARE(Cell(summary, 2, StatisticsTables::kBest), QStringLiteral("900"));

        // The set and mode of the latest game are chosen: its chart and its words.
        QCOMPARE(summary->currentIndex().row(), 0);
        QCOMPARE(window.Chart()->ScoreLine()->count(), 25);
        QCOMPARE(window.Chart()->BestMark()->count(), 1);
        QCOMPARE(window.Chart()->BestMark()->at(0).y(), 1480.0);
        // Last ten: days 15..24, 1300..1480, average 1390; the ten before: 1100..1280, 1190.
        const QString bestDay =
            QLocale().toString(kStart.addDays(24).toLocalTime().date(),
                               QDate::currentDate().year() == 2026 ? QStringLiteral("d MMMM")
                                                                   : QStringLiteral("d MMMM yyyy"));
        QCOMPARE(window.SummaryWords()->text(),
                 QStringLiteral("Best 1480 on %1; last ten games average 1390, up from 1190. Games "
                                "played: 26, finished: 25, best streak: 13 in a row.")
                     .arg(bestDay));
        QCOMPARE(window.Chart()->accessibleDescription(), window.SummaryWords()->text());

        // Another row by the keys: the two-player games.
        window.SummaryTable()->setFocus();
        QTest::keyClick(window.SummaryTable(), Qt::Key_Down);
        QCOMPARE(window.Chart()->ScoreLine()->count(), 1);
        QVERIFY(window.SummaryWords()->text().startsWith(QStringLiteral("Best 1100 on ")));
    }

    void recentGamesSortAndReadAsATable() {
        MakeRecord();
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.Refresh();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTableView* recent = window.RecentTable();
        QCOMPARE(recent->model()->rowCount(), 29);
        QCOMPARE(Cell(recent, 0, StatisticsTables::kScore), QStringLiteral("1480"));  // newest
        QCOMPARE(Cell(recent, 0, StatisticsTables::kResult), QStringLiteral("Finished"));

        // By keys: the sort choice, then the rows with the arrows.
        QComboBox* sortBy = window.SortChoice();
        sortBy->setFocus();
        QTest::keyClick(sortBy, Qt::Key_Down);  // Set
        QTest::keyClick(sortBy, Qt::Key_Down);  // Mode
        QTest::keyClick(sortBy, Qt::Key_Down);  // Players
        QTest::keyClick(sortBy, Qt::Key_Down);  // Score
        QCOMPARE(sortBy->currentIndex(), int(StatisticsTables::kScore));
        QCOMPARE(Cell(recent, 0, StatisticsTables::kScore), QStringLiteral("1480"));
        QCOMPARE(Cell(recent, 28, StatisticsTables::kScore), QStringLiteral("-40"));
        QCOMPARE(Cell(recent, 28, StatisticsTables::kPlayers), QStringLiteral("Zoë"));
        // And by the mouse on a column's header; the choice follows.
        recent->sortByColumn(StatisticsTables::kPlayers, Qt::AscendingOrder);
        QCOMPARE(sortBy->currentIndex(), int(StatisticsTables::kPlayers));
        QCOMPARE(Cell(recent, 0, StatisticsTables::kPlayers),
                 QStringLiteral("=HYPERLINK(\"x\") 700, Bob 1100"));

        recent->setFocus();
        QTest::keyClick(recent, Qt::Key_Down);
        QVERIFY(recent->currentIndex().isValid());
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(recent);
        QVERIFY(table != nullptr);
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Recent games"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowCount(), 29);
        QCOMPARE(cells->columnCount(), 10);
        QCOMPARE(cells->cellAt(0, StatisticsTables::kPlayers)->text(QAccessible::Name),
                 Cell(recent, 0, StatisticsTables::kPlayers));
        QAccessibleInterface* words = QAccessible::queryAccessibleInterface(window.SummaryWords());
        QCOMPARE(words->text(QAccessible::Name), QStringLiteral("Summary"));
        QVERIFY(window.SummaryWords()->focusPolicy() & Qt::TabFocus);
    }

    void exportsEveryGameAsCsv() {
        MakeRecord();
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.Refresh();
        const QString csv = dir_.filePath(QStringLiteral("games.csv"));
        QCOMPARE(window.ExportTo(csv), 29);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines.front(), CsvHeader());
        const int columns = int(CsvHeader().count(QLatin1Char(','))) + 1;
        QCOMPARE(columns, 21);
        // The oldest game first; a formula is never a formula, a negative score stays a number.
        QVERIFY(lines[1].startsWith(QStringLiteral("1,2026-03-01T")));
        QVERIFY(text.contains(QStringLiteral(",\"'=HYPERLINK(\"\"x\"\")\",700,no,Bob,1100,no,")));
        QVERIFY(text.contains(QStringLiteral(",one,,Zoë,-40,no,,,,-40,")));
        QVERIFY(text.contains(QStringLiteral(",new,")));
    }

    void csvCellsAreNeverFormulas_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << QStringLiteral("Ann") << QStringLiteral("Ann");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("equals") << QStringLiteral("=1+1") << QStringLiteral("\"'=1+1\"");
        QTest::newRow("plus") << QStringLiteral("+1") << QStringLiteral("\"'+1\"");
        QTest::newRow("minus") << QStringLiteral("-2") << QStringLiteral("\"'-2\"");
        QTest::newRow("at") << QStringLiteral("@SUM(A1)") << QStringLiteral("\"'@SUM(A1)\"");
        QTest::newRow("tab") << QStringLiteral("\t=1") << QStringLiteral("\"'\t=1\"");
        QTest::newRow("comma") << QStringLiteral("a,b") << QStringLiteral("\"a,b\"");
        QTest::newRow("quote") << QStringLiteral("say \"hi\"")
                               << QStringLiteral("\"say \"\"hi\"\"\"");
        QTest::newRow("line") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
        QTest::newRow("inside") << QStringLiteral("a=b") << QStringLiteral("a=b");
        QTest::newRow("umlaut") << QStringLiteral("Zoë") << QStringLiteral("Zoë");
    }
    void csvCellsAreNeverFormulas() {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(CsvTextCell(text), cell);
    }

    void clearAsksFirst() {
        MakeRecord();
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.Refresh();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* clear = window.findChild<QPushButton*>(QStringLiteral("Clear"));
        QVERIFY(clear != nullptr && clear->isEnabled());

        bool asked = false;
        WhenModal<QMessageBox>([&asked](QMessageBox* box) {
            asked = box->text().contains(QStringLiteral("can't be undone"));
            box->button(QMessageBox::No)->click();
        });
        clear->click();
        QVERIFY(asked);
        QCOMPARE(window.RecentTable()->model()->rowCount(), 29);

        WhenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        clear->click();
        QCOMPARE(window.RecentTable()->model()->rowCount(), 0);
        QCOMPARE(window.SummaryTable()->model()->rowCount(), 0);
        QCOMPARE(window.SummaryWords()->text(), TrendText::Nothing());
        QVERIFY(!clear->isEnabled());
    }

    void exportCancelledLeavesNoFile_data() {
        QTest::addColumn<int>("cancelAfter");  // games written before Cancel; 0: never
        QTest::addColumn<bool>("fileBefore");  // a file of the player's already at the path
        QTest::newRow("cancelled, no file before") << 3 << false;
        QTest::newRow("cancelled, a file before") << 3 << true;
        QTest::newRow("cancelled at the first game") << 1 << true;
        QTest::newRow("not cancelled") << 0 << true;
    }
    void exportCancelledLeavesNoFile() {
        QFETCH(int, cancelAfter);
        QFETCH(bool, fileBefore);
        MakeRecord();
        const QString csv = dir_.filePath(QStringLiteral("cancelled-%1.csv").arg(made_));
        const QByteArray mine("the player's own file\n");
        if (fileBefore) {
            QFile file(csv);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(mine);
        }
        RecordsDatabase db(QStringLiteral("export-cancel"));
        QVERIFY(db.Open(path_, RecordsDatabase::Purpose::Reading).open);
        const QStringList before = QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden);
        int asked = 0;
        const std::optional<int> written = ExportGamesCsv(db.Db(), csv, [&](int games) {
            ++asked;
            return cancelAfter == 0 || games < cancelAfter;
        });
        if (cancelAfter == 0) {
            QCOMPARE(written.value_or(-1), 29);
            QCOMPARE(asked, 29);
            QVERIFY(QFileInfo(csv).size() > mine.size());
            return;
        }
        QVERIFY(!written.has_value());
        QCOMPARE(asked, cancelAfter);
        // Nothing half-written anywhere: the folder holds what it held, the file as it was.
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), before);
        QFile file(csv);
        QCOMPARE(file.exists(), fileBefore);
        if (fileBefore) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), mine);
        }
    }

    void aRecordItMayNotChangeIsShownReadOnly_data() {
        QTest::addColumn<int>("why");
        QTest::newRow("a newer version's") << int(RecordsMessages::ReadOnly::Newer);
        QTest::newRow("write-protected") << int(RecordsMessages::ReadOnly::File);
    }
    void aRecordItMayNotChangeIsShownReadOnly() {
        QFETCH(int, why);
        MakeRecord();
        if (why == int(RecordsMessages::ReadOnly::Newer)) {
            RunOn(path_, QStringLiteral("PRAGMA user_version = 7"));
        } else {
            if (::geteuid() == 0) {
                QSKIP("root may write every file (the records tests cover this as nobody)");
            }
            QVERIFY(QFile::setPermissions(path_, QFile::ReadOwner));
        }
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.Refresh();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // Everything that can be read is shown, and can be exported.
        QCOMPARE(window.RecentTable()->model()->rowCount(), 29);
        QCOMPARE(window.SummaryTable()->model()->rowCount(), 3);
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("Export"))->isEnabled());
        // Clear is not, and the window says why, naming the file.
        auto* clear = window.findChild<QPushButton*>(QStringLiteral("Clear"));
        const QString sentence =
            RecordsMessages::ReadOnlyText(RecordsMessages::ReadOnly(why), path_);
        QVERIFY(!clear->isEnabled());
        QVERIFY(sentence.contains(path_));
        QVERIFY(!window.ReadOnlyNote()->isHidden());
        QCOMPARE(window.ReadOnlyNote()->text(), sentence);
        QCOMPARE(clear->toolTip(), sentence);
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner);
    }

    void aHeldLockAsksRetryOrCancel_data() {
        QTest::addColumn<bool>("retry");
        QTest::newRow("cancel") << false;
        QTest::newRow("retry once the lock is let go") << true;
    }
    void aHeldLockAsksRetryOrCancel() {
        QFETCH(bool, retry);
        MakeRecord();
        // Another program holds the record for itself, as "sqlite3 records.sqlite" can.
        const QString holder = QStringLiteral("lock-holder");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), holder);
            db.setDatabaseName(path_);
            QVERIFY(db.open());
            for (const char* sql :
                 {"PRAGMA locking_mode = EXCLUSIVE", "BEGIN EXCLUSIVE", "DELETE FROM players"}) {
                QVERIFY(QSqlQuery(db).exec(QString::fromLatin1(sql)));
            }
        }
        const auto letGo = [&holder] {
            {
                QSqlDatabase db = QSqlDatabase::database(holder, false);
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                db.close();
            }
            QSqlDatabase::removeDatabase(holder);
        };
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString asked;
        WhenModal<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            QVERIFY(box->button(QMessageBox::Retry) != nullptr);
            if (retry) {
                letGo();
                box->button(QMessageBox::Retry)->click();
            } else {
                box->button(QMessageBox::Cancel)->click();
            }
        });
        window.Refresh();
        QCOMPARE(asked, RecordsMessages::LockedText(path_));
        QCOMPARE(window.RecentTable()->model()->rowCount(), retry ? 29 : 0);
        if (!retry) {
            letGo();
        }
    }

    // The window's texts, tables and headers, and its Clear question, read at 4.5:1 or better
    // under Fusion's light palette and a dark one (look/TextContrast.h).
    void textsReadableUnderEveryPalette_data() {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light") << false;
        QTest::newRow("dark") << true;
    }
    void textsReadableUnderEveryPalette() {
        QFETCH(bool, dark);
        DesktopLook look(QStringLiteral("Fusion"),
                         dark ? DarkFusionPalette() : LightFusionPalette());
        MakeRecord();
        StatisticsWindow window(nullptr, TheReader(), path_);
        window.Refresh();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList unreadable = TextsHardToRead(window, 4.5);
        WhenModal<QMessageBox>([&unreadable](QMessageBox* box) {
            unreadable += TextsHardToRead(*box, 4.5);
            box->button(QMessageBox::No)->click();
        });
        window.findChild<QPushButton*>(QStringLiteral("Clear"))->click();
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
    }

    void wordsTellTheTrend_data() {
        QTest::addColumn<QList<int>>("scores");  // finished games, oldest first
        QTest::addColumn<QString>("words");
        QTest::newRow("none finished") << QList<int>{}
                                       << QStringLiteral(
                                              "No finished games yet. Games played: 3, "
                                              "finished: 0, best streak: 0 in a row.");
        QTest::newRow("a few") << QList<int>{900, 1000, 1100}
                               << QStringLiteral(
                                      "Best 1100 on 3 March; the finished games so far "
                                      "average 1000. Games played: 3, finished: 3, "
                                      "best streak: 3 in a row.");
        QList<int> down(15, 1000);
        std::fill(down.begin() + 5, down.end(), 800);
        QTest::newRow("down") << down
                              << QStringLiteral(
                                     "Best 1000 on 3 March; last ten games average "
                                     "800, down from 1000. Games played: 15, "
                                     "finished: 15, best streak: 15 in a row.");
        QTest::newRow("the same") << QList<int>(20, 1000)
                                  << QStringLiteral(
                                         "Best 1000 on 3 March; last ten games average "
                                         "1000, the same as before (1000). Games "
                                         "played: 20, finished: 20, best streak: 20 in "
                                         "a row.");
    }
    void wordsTellTheTrend() {
        QFETCH(QList<int>, scores);
        QFETCH(QString, words);
        SetModeSummary summary;
        summary.played = scores.isEmpty() ? 3 : int(scores.size());
        summary.finished = int(scores.size());
        summary.bestStreak = summary.finished;
        std::vector<ScorePoint> points;
        for (int score : scores) {
            points.push_back({0, kStart, score});
            summary.best = std::max(summary.best.value_or(score), score);
        }
        summary.bestAt = QDateTime(QDate(2026, 3, 3), QTime(12, 0)).toUTC();
        QCOMPARE(TrendText::Of(summary, points, QDate(2026, 5, 1)), words);
        // Another year's best says its year.
        if (!scores.isEmpty()) {
            QVERIFY(TrendText::Of(summary, points, QDate(2027, 1, 1))
                        .contains(QStringLiteral("3 March 2026")));
        }
    }

private:
    // A new record of a few weeks' games in path_.
    void MakeRecord() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath(QStringLiteral("records-%1.sqlite").arg(++made_));
        RecordsDatabase db(QStringLiteral("statistics-test"));
        QVERIFY(db.Open(path_, RecordsDatabase::Purpose::Writing).open);
        db.Insert(AFewWeeks());
    }

    // Runs one statement on the record through a connection of its own.
    static void RunOn(const QString& path, const QString& sql) {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-sql"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(sql));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("test-sql"));
    }

    QTemporaryDir dir_;
    QString path_;
    int made_ = 0;
};

TAVRO_WIDGET_TEST_MAIN(StatisticsWindowTest)
#include "StatisticsWindowTest.moc"
