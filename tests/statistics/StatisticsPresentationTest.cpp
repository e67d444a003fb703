// SPDX-License-Identifier: GPL-3.0-or-later
// How the statistics window presents the record: where it opens beside the game (a table of
// screens and game positions), the time axis's unit from the games' span (a table), a row per
// computer strength, the result column whole in English, German and French, and names and paths
// that hold "%1" shown as they are.
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/AppTestSupport.h"
#include "records/DatabaseReader.h"
#include "records/RecordsDatabase.h"
#include "statistics/ScoreChart.h"
#include "statistics/StatisticsPlacement.h"
#include "statistics/StatisticsTables.h"
#include "statistics/StatisticsWindow.h"
#include "translations/Translations.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// What the records module hands the statistics window, linked here directly.
RecordReader& TheReader() {
    static DatabaseReader reader;
    return reader;
}

const QDateTime kStart(QDate(2026, 12, 8), QTime(9, 0), Qt::UTC);
const QString kMarkers = QStringLiteral("Ann %1 %2 %3");

GameRecord Game(int minute, PlayMode mode, std::optional<ComputerStrength> strength, qint32 score,
                GameEnd end) {
    GameRecord game;
    game.playedAt = kStart.addSecs(60 * minute);
    game.setFolder = QStringLiteral("animals");
    game.setName = QStringLiteral("Animals");
    game.mode = mode;
    game.strength = strength;
    game.players = {{kMarkers, score, false}};
    if (mode != PlayMode::OnePlayer) {
        game.players.push_back({QString(), score - 100, mode == PlayMode::AgainstComputer});
    }
    game.turns = 30;
    game.matches = 18;
    game.mismatches = 12;
    game.end = end;
    return game;
}

// One morning against the computer: forgetful finished, left, finished twice (best 1300,
// streak 2); fair once; perfect memory once, left; every way of leaving a game among them.
std::vector<GameRecord> OneMorning() {
    using S = ComputerStrength;
    const PlayMode computer = PlayMode::AgainstComputer;
    return {Game(0, computer, S::Forgetful, 1200, GameEnd::Finished),
            Game(5, computer, S::Forgetful, 100, GameEnd::LeftByOptions),
            Game(9, computer, S::Forgetful, 1300, GameEnd::Finished),
            Game(14, computer, S::Forgetful, 1250, GameEnd::Finished),
            Game(20, computer, S::Fair, 1000, GameEnd::Finished),
            Game(26, computer, S::PerfectMemory, 200, GameEnd::LeftByModeChange),
            Game(31, PlayMode::TwoPlayers, std::nullopt, 900, GameEnd::LeftByNew),
            Game(40, PlayMode::OnePlayer, std::nullopt, 1100, GameEnd::LeftByExit)};
}

}  // namespace

class StatisticsPresentationTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void opensBesideTheGame_data() {
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QRect>("game");
        QTest::addColumn<QPoint>("expected");  // for a frame of 800 x 600
        const QRect hd(0, 0, 1920, 1040);
        const QList<QRect> two = {hd, QRect(1920, 0, 1280, 1024)};
        QTest::newRow("room on the right")
            << QList{hd} << QRect(100, 50, 700, 500) << QPoint(800, 50);
        QTest::newRow("room on the left only")
            << QList{hd} << QRect(1000, 100, 700, 500) << QPoint(200, 100);
        QTest::newRow("neither: the wider side")
            << QList{QRect(0, 0, 1280, 984)} << QRect(200, 100, 700, 500) << QPoint(480, 100);
        QTest::newRow("level, moved up onto the screen")
            << QList{hd} << QRect(100, 800, 700, 200) << QPoint(800, 440);
        QTest::newRow("on the game's screen, the second")
            << two << QRect(1920, 300, 400, 400) << QPoint(2320, 300);
        QTest::newRow("never onto the other screen")
            << two << QRect(2600, 300, 600, 400) << QPoint(1920, 300);
        QTest::newRow("the screen with most of the game")
            << two << QRect(1500, 0, 600, 400) << QPoint(700, 0);
        QTest::newRow("a screen smaller than the window")
            << QList{QRect(0, 24, 640, 456)} << QRect(0, 24, 400, 300) << QPoint(0, 24);
    }
    void opensBesideTheGame() {
        QFETCH(QList<QRect>, screens);
        QFETCH(QRect, game);
        QFETCH(QPoint, expected);
        QCOMPARE(BesideTheGame(QSize(800, 600), game, screens), expected);
    }

    void placesTheWindowOnTheGamesScreen() {
        QWidget game;
        game.setGeometry(10, 10, 300, 200);
        game.show();
        QVERIFY(QTest::qWaitForWindowExposed(&game));
        QWidget window(&game, Qt::Window);
        window.resize(400, 300);
        PlaceBesideTheGame(window, game);
        QCOMPARE(window.screen(), game.screen());
        QCOMPARE(window.pos(), QPoint(game.frameGeometry().right() + 1, game.frameGeometry().y()));
    }

    void timeAxisUnitFollowsTheSpan_data() {
        QTest::addColumn<qint64>("minutes");
        QTest::addColumn<int>("unit");
        constexpr qint64 kDay = 24 * 60;
        QTest::newRow("one game") << qint64(0) << int(TimeUnit::Hours);
        QTest::newRow("46 games in 40 minutes") << qint64(40) << int(TimeUnit::Hours);
        QTest::newRow("an evening") << qint64(5 * 60) << int(TimeUnit::Hours);
        QTest::newRow("a long day") << qint64(20 * 60) << int(TimeUnit::Hours);
        QTest::newRow("a night into the next day") << qint64(22 * 60) << int(TimeUnit::Days);
        QTest::newRow("a week") << 7 * kDay << int(TimeUnit::Days);
        QTest::newRow("three months") << 92 * kDay << int(TimeUnit::Days);
        QTest::newRow("four months") << 120 * kDay << int(TimeUnit::Months);
        QTest::newRow("three years") << 3 * 365 * kDay << int(TimeUnit::Months);
    }
    void timeAxisUnitFollowsTheSpan() {
        QFETCH(qint64, minutes);
        QFETCH(int, unit);
        for (const QDateTime& first : {kStart, QDateTime(QDate(2026, 10, 24), QTime(23, 30))}) {
            const QDateTime last = first.addSecs(60 * minutes);
            const TimeAxisPlan plan = PlanTimeAxis(first, last);
            QCOMPARE(int(plan.unit), unit);
            const QStringList labels = TimeAxisLabels(plan);
            QVERIFY2(labels.size() >= 2 && labels.size() <= 5, qPrintable(labels.join(u'|')));
            QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
            // The games fill most of the axis.
            QVERIFY(plan.min < first && last < plan.max);
            const double axis = double(plan.min.msecsTo(plan.max));
            QVERIFY2(minutes < 10 || double(first.msecsTo(last)) / axis >= 0.6,
                     qPrintable(QString::number(double(first.msecsTo(last)) / axis)));
        }
        // The chart takes the plan.
        ScoreChart chart;
        chart.ShowScores({{1, kStart, 900}, {2, kStart.addSecs(60 * minutes), 1000}}, std::nullopt);
        const TimeAxisPlan plan = PlanTimeAxis(kStart, kStart.addSecs(60 * minutes));
        QCOMPARE(chart.TimeAxis()->format(), plan.format);
        QCOMPARE(chart.TimeAxis()->tickCount(), plan.ticks);
        QCOMPARE(chart.TimeAxis()->min(), plan.min);
    }

    void aRowPerComputerStrength() {
        StatisticsWindow window(nullptr, TheReader(), MakeRecord(OneMorning()));
        window.Refresh();
        struct Row {
            QString mode;
            QString played, best, streak;
            int charted;  // finished games on the row's chart
        };
        const QList<Row> rows = {
            {QStringLiteral("One player"), "1", "", "0", 0},
            {QStringLiteral("Two players"), "1", "", "0", 0},
            {QStringLiteral("Against the computer (easy)"), "4", "1300", "2", 3},
            {QStringLiteral("Against the computer (even)"), "1", "1000", "1", 1},
            {QStringLiteral("Against the computer (hard)"), "1", "", "0", 0},
        };
        QTableView* summary = window.SummaryTable();
        QCOMPARE(summary->model()->rowCount(), rows.size());
        for (int row = 0; row < rows.size(); ++row) {
            const auto cell = [&](int column) {
                return summary->model()->index(row, column).data().toString();
            };
            QCOMPARE(cell(StatisticsTables::kMode), rows[row].mode);
            QCOMPARE(cell(StatisticsTables::kPlayed), rows[row].played);
            QCOMPARE(cell(StatisticsTables::kBest), rows[row].best);
            QCOMPARE(cell(StatisticsTables::kStreak), rows[row].streak);
            summary->setCurrentIndex(summary->model()->index(row, 0));
            QCOMPARE(window.Chart()->ScoreLine()->count(), rows[row].charted);
        }
        // A chosen strength stays chosen when the record is read again.
        summary->setCurrentIndex(summary->model()->index(3, 0));
        window.Refresh();
        QCOMPARE(summary->currentIndex().row(), 3);
    }

    void resultColumnShowsWhole() {
        const QString path = MakeRecord(OneMorning());
        for (const QLocale::Language language :
             {QLocale::English, QLocale::German, QLocale::French}) {
            InstallTranslations(QLocale(language));
            StatisticsWindow window(nullptr, TheReader(), path);
            window.Refresh();
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const QTableView* recent = window.RecentTable();
            const QFontMetrics metrics(recent->font());
            const int column = StatisticsTables::kResult;
            const int right = recent->columnViewportPosition(column) + recent->columnWidth(column);
            QVERIFY2(right <= recent->viewport()->width(), qPrintable(QString::number(right)));
            for (int row = 0; row < recent->model()->rowCount(); ++row) {
                const QString text = recent->model()->index(row, column).data().toString();
                QVERIFY2(metrics.horizontalAdvance(text) < recent->columnWidth(column),
                         qPrintable(QLocale::languageToString(language) + u' ' + text));
            }
        }
        InstallTranslations(QLocale(QLocale::English));
    }

    void markersInNamesAndPathsStay() {
        GameRecord game = Game(0, PlayMode::TwoPlayers, std::nullopt, 700, GameEnd::Finished);
        game.players[1].name = QStringLiteral("%2%1");
        QCOMPARE(StatisticsTables::PlayersText(game), QStringLiteral("Ann %1 %2 %3 700, %2%1 600"));

        StatisticsWindow window(nullptr, TheReader(), MakeRecord({game}));
        window.Refresh();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QString csv = dir_.filePath(QStringLiteral("games %1 %2 %3.csv"));
        WhenModal<QFileDialog>([&csv](QFileDialog* dialog) {
            dialog->selectFile(csv);
            static_cast<QDialog*>(dialog)->accept();
        });
        window.findChild<QPushButton*>(QStringLiteral("Export"))->click();
        QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Status"))->text(),
                 QStringLiteral("Games exported to %1: 1.").arg(csv));
    }

private:
    QString MakeRecord(const std::vector<GameRecord>& games) {
        const QString path = dir_.filePath(QStringLiteral("records-%1.sqlite").arg(++made_));
        RecordsDatabase db(QStringLiteral("presentation-test"));
        db.Open(path, RecordsDatabase::Purpose::Writing);
        db.Insert(games);
        return path;
    }

    QTemporaryDir dir_;
    int made_ = 0;
};

TAVRO_WIDGET_TEST_MAIN(StatisticsPresentationTest)
#include "StatisticsPresentationTest.moc"
