// SPDX-License-Identifier: GPL-3.0-or-later
// Games of every mode and every ending written through the real records module (loaded from the
// build's modules folder, as the game loads it) into a real SQLite file, and read back as the
// statistics window reads them: every field, the players, the name typed for the Leads, the
// per-set summaries (best, averages, streak) against a count of our own, the file's habits (WAL,
// schema version, mode 0600) and the indexes the window's queries use. And the tally that turns
// the core's outcomes into a game's counts.
#include <QCoreApplication>
#include <algorithm>
#include <map>

#include "modules/ModuleLoader.h"
#include "records/GameRecorder.h"
#include "records/GameTally.h"
#include "records/RecordWords.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsQueries.h"
#include "records/RecordsSchema.h"
#include "records/RecordsTestSupport.h"

namespace tavro::test {
namespace {

struct GameCase {
    const char* name;
    PlayMode mode;
    std::optional<ComputerStrength> strength;
    std::vector<RecordedPlayer> players;
    GameEnd end;
    const char* leadName;  // typed after the game; null for none
    const char* set;
    qint32 score;  // the game's score in the statistics
};

const GameCase kGames[] = {
    {"one player, finished, into the Leads",
     PlayMode::OnePlayer,
     {},
     {{"", 1700, false}},
     GameEnd::Finished,
     "Ann",
     "animals",
     1700},
    {"one player, finished, below the Leads",
     PlayMode::OnePlayer,
     {},
     {{"", 1200, false}},
     GameEnd::Finished,
     nullptr,
     "animals",
     1200},
    {"left for a new game",
     PlayMode::OnePlayer,
     {},
     {{"", 300, false}},
     GameEnd::LeftByNew,
     nullptr,
     "animals",
     300},
    {"left by Options",
     PlayMode::OnePlayer,
     {},
     {{"", -40, false}},
     GameEnd::LeftByOptions,
     nullptr,
     "animals",
     -40},
    {"one player, finished, an empty name",
     PlayMode::OnePlayer,
     {},
     {{"", 1500, false}},
     GameEnd::Finished,
     "",
     "animals",
     1500},
    {"left by a change of players",
     PlayMode::OnePlayer,
     {},
     {{"Zoë", 100, false}},
     GameEnd::LeftByModeChange,
     nullptr,
     "shapes",
     100},
    {"left by Exit",
     PlayMode::OnePlayer,
     {},
     {{"Zoë", 600, false}},
     GameEnd::LeftByExit,
     nullptr,
     "shapes",
     600},
    {"two players: the winner's score",
     PlayMode::TwoPlayers,
     {},
     {{"Ann", 900, false}, {"=cmd|' /C calc'!A0", 1000, false}},
     GameEnd::Finished,
     nullptr,
     "animals",
     1000},
    {"two players, left",
     PlayMode::TwoPlayers,
     {},
     {{"", 400, false}, {"", 500, false}},
     GameEnd::LeftByNew,
     nullptr,
     "animals",
     500},
    {"against a fair computer: the player's score",
     PlayMode::AgainstComputer,
     ComputerStrength::Fair,
     {{"Ann", 800, false}, {"", 1000, true}},
     GameEnd::Finished,
     nullptr,
     "animals",
     800},
    {"against a perfect computer",
     PlayMode::AgainstComputer,
     ComputerStrength::PerfectMemory,
     {{"", 200, false}, {"", 1600, true}},
     GameEnd::Finished,
     nullptr,
     "shapes",
     200},
};

GameRecord RecordOf(const GameCase& c, int n) {
    GameRecord game = SampleGame(n, c.end);
    game.mode = c.mode;
    game.strength = c.strength;
    game.players = c.players;
    game.setFolder = QString::fromLatin1(c.set);
    game.setName = QString::fromLatin1(c.set).toUpper();
    return game;
}

// What the summaries must say, counted here from the games in the order they were recorded.
struct Expected {
    int played = 0, finished = 0, streak = 0, bestStreak = 0;
    std::optional<qint32> best;
    double scoreSum = 0, mismatchSum = 0;
};

class RecordsGames : public ::testing::Test {
protected:
    void SetUp() override { SetModuleFolder(QStringLiteral(TAVRO_MODULE_DIR)); }
    void TearDown() override { SetModuleFolder(QString()); }
    RecordsFolder folder_;
};

TEST_F(RecordsGames, EveryModeAndEndingIsWrittenAndReadBackWhole) {
    QString error;
    GameRecorder* recorder = LoadModuleAs<GameRecorder>(QStringLiteral("records"), &error);
    ASSERT_NE(recorder, nullptr) << error.toStdString();
    QStringList notices;
    recorder->SetHandlers([&notices](const QString& text) { notices << text; }, {});

    // Each game twice, so that streaks are broken and taken up again.
    std::vector<GameRecord> written;
    for (int round = 0; round < 2; ++round) {
        for (const GameCase& c : kGames) {
            GameRecord game = RecordOf(c, static_cast<int>(written.size()));
            const RecordTicket ticket = recorder->Record(game);
            if (c.leadName != nullptr) {
                recorder->SetLeadName(ticket, QString::fromUtf8(c.leadName));
                game.leadName = QString::fromUtf8(c.leadName);
            }
            written.push_back(game);
        }
    }
    ASSERT_TRUE(recorder->WaitForWrites(20000));
    QCoreApplication::processEvents();
    EXPECT_TRUE(notices.isEmpty()) << notices.join(QLatin1Char('\n')).toStdString();

    RecordsDatabase db(QStringLiteral("games-test"));
    ASSERT_TRUE(db.Open(folder_.Records(), RecordsDatabase::Purpose::Reading).open);
    std::vector<StoredGame> read;
    ForEachGame(db.Db(), [&read](const StoredGame& game) { read.push_back(game); });
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const GameCase& c = kGames[i % std::size(kGames)];
        SCOPED_TRACE(c.name);
        const GameRecord& got = read[i].game;
        const GameRecord& want = written[i];
        EXPECT_EQ(read[i].score, c.score);
        EXPECT_EQ(got.playedAt, want.playedAt);
        EXPECT_EQ(got.setFolder, want.setFolder);
        EXPECT_EQ(got.setName, want.setName);
        EXPECT_EQ(got.delayMs, want.delayMs);
        EXPECT_EQ(got.mode, want.mode);
        EXPECT_EQ(got.strength, want.strength);
        ASSERT_EQ(got.players.size(), want.players.size());
        for (std::size_t seat = 0; seat < got.players.size(); ++seat) {
            EXPECT_EQ(got.players[seat].name, want.players[seat].name);
            EXPECT_EQ(got.players[seat].score, want.players[seat].score);
            EXPECT_EQ(got.players[seat].computer, want.players[seat].computer);
        }
        EXPECT_EQ(got.turns, want.turns);
        EXPECT_EQ(got.matches, want.matches);
        EXPECT_EQ(got.mismatches, want.mismatches);
        EXPECT_EQ(got.hints, want.hints);
        EXPECT_EQ(got.playedMs, want.playedMs);
        EXPECT_EQ(got.end, want.end);
        EXPECT_EQ(got.leadName.isNull(), want.leadName.isNull());
        EXPECT_EQ(got.leadName, want.leadName);
    }

    std::map<std::pair<QString, PlayMode>, Expected> expected;
    for (std::size_t i = 0; i < written.size(); ++i) {
        Expected& e = expected[{written[i].setFolder, written[i].mode}];
        ++e.played;
        if (written[i].end != GameEnd::Finished) {
            e.streak = 0;
            continue;
        }
        const qint32 score = kGames[i % std::size(kGames)].score;
        ++e.finished;
        e.bestStreak = std::max(e.bestStreak, ++e.streak);
        e.best = std::max(e.best.value_or(score), score);
        e.scoreSum += score;
        e.mismatchSum += written[i].mismatches;
    }
    const std::vector<SetModeSummary> summaries = ReadSummaries(db.Db());
    ASSERT_EQ(summaries.size(), expected.size());
    for (const SetModeSummary& summary : summaries) {
        SCOPED_TRACE(summary.setFolder.toStdString() + " " + ModeWord(summary.mode).toStdString());
        const Expected& e = expected.at({summary.setFolder, summary.mode});
        EXPECT_EQ(summary.setName, summary.setFolder.toUpper());
        EXPECT_EQ(summary.played, e.played);
        EXPECT_EQ(summary.finished, e.finished);
        EXPECT_EQ(summary.best, e.best);
        EXPECT_EQ(summary.bestStreak, e.bestStreak);
        if (e.finished > 0) {
            EXPECT_DOUBLE_EQ(summary.averageScore, e.scoreSum / e.finished);
            EXPECT_DOUBLE_EQ(summary.averageMismatches, e.mismatchSum / e.finished);
            EXPECT_TRUE(summary.bestAt.isValid());
        }
    }
    const std::vector<ScorePoint> animals =
        ReadScores(db.Db(), QStringLiteral("animals"), PlayMode::OnePlayer, 3);
    ASSERT_EQ(animals.size(), 3u);  // the newest three finished, oldest first
    EXPECT_LT(animals[0].at, animals[2].at);
    EXPECT_EQ(animals[2].score, 1500);
    const std::vector<StoredGame> recent = ReadRecentGames(db.Db(), 5);
    ASSERT_EQ(recent.size(), 5u);
    EXPECT_EQ(recent.front().game.playedAt, written.back().playedAt);
    EXPECT_EQ(recent.front().game.players.size(), 2u);
}

TEST_F(RecordsGames, TheFileKeepsTheHabitsOfARealDatabase) {
    {
        RecordsDatabase db(QStringLiteral("habits-test"));
        ASSERT_TRUE(db.Open(folder_.Records(), RecordsDatabase::Purpose::Writing).open);
        db.Insert(SampleGame(1));
    }
    const QString file = folder_.Records();
    EXPECT_EQ(ModeOf(file), 0600u);
    EXPECT_EQ(Value(file, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
    EXPECT_EQ(Value(file, QStringLiteral("PRAGMA user_version")).toInt(), kRecordsSchemaVersion);
    EXPECT_EQ(Value(file, QStringLiteral("PRAGMA application_id")).toInt(), kRecordsApplicationId);
    // The window's queries read index ranges, never the whole table.
    const QStringList chart =
        Rows(file,
             QStringLiteral("EXPLAIN QUERY PLAN SELECT id, played_at, score FROM games WHERE "
                            "set_folder = 'animals' AND mode = 'one' AND ended_by = 'finished' "
                            "ORDER BY played_at DESC, id DESC LIMIT 200"),
             4);
    EXPECT_TRUE(chart.join(QLatin1Char(' ')).contains(QStringLiteral("games_by_set_mode")))
        << chart.join(QLatin1Char('\n')).toStdString();
    const QStringList recent =
        Rows(file,
             QStringLiteral("EXPLAIN QUERY PLAN SELECT * FROM games ORDER BY played_at DESC, "
                            "id DESC LIMIT 100"),
             4);
    EXPECT_TRUE(recent.join(QLatin1Char(' ')).contains(QStringLiteral("games_by_time")))
        << recent.join(QLatin1Char('\n')).toStdString();
    // Nothing but the record, its journal files and nothing half-made beside it.
    for (const QString& entry : folder_.Entries()) {
        EXPECT_TRUE(entry.startsWith(QStringLiteral("records.sqlite"))) << entry.toStdString();
        EXPECT_FALSE(entry.endsWith(QStringLiteral(".lock"))) << entry.toStdString();
    }
}

// Against the computer a row per strength, counted alike by the trigger as games come and by the
// step that brings a record of version 1 up to date from the games it holds (a streak going on
// across the step); emptied by Clear.
TEST_F(RecordsGames, GamesAgainstTheComputerAreCountedPerStrength) {
    using S = ComputerStrength;
    const std::optional<S> strengths[] = {S::Fair, S::Forgetful, S::Fair, std::nullopt, S::Fair};
    std::vector<GameRecord> games;
    for (int n = 0; n < 20; ++n) {
        games.push_back(SampleGame(n, n % 7 == 3 ? GameEnd::LeftByNew : GameEnd::Finished));
        games.back().mode = n % 4 == 0 ? PlayMode::OnePlayer : PlayMode::AgainstComputer;
        games.back().strength = strengths[n % 5];
    }
    const auto rows = [](RecordsDatabase& db) {
        QStringList rows;
        for (const SetModeSummary& s : ReadSummaries(db.Db())) {
            rows << QStringLiteral("%1 %2: %3 %4 %5 %6 %7 %8")
                        .arg(ModeWord(s.mode), s.strength ? StrengthWord(*s.strength) : "-",
                             QString::number(s.played), QString::number(s.finished),
                             QString::number(s.best.value_or(-1)), s.bestAt.toString(Qt::ISODate),
                             QString::number(s.averageMismatches), QString::number(s.bestStreak));
        }
        return rows.join(u'\n').toStdString();
    };
    RecordsDatabase db(QStringLiteral("strengths-test"));
    ASSERT_TRUE(db.Open(folder_.Folder() + "/all.sqlite", RecordsDatabase::Purpose::Writing).open);
    db.Insert(games);
    const std::string counted = rows(db);
    // One player, then forgetful, fair (a streak of 4 from n = 2 to 9), none.
    EXPECT_EQ(QString::fromStdString(counted).split(u'\n').size(), 4) << counted;
    EXPECT_NE(counted.find("computer fair: 9 7 1019 "), std::string::npos) << counted;
    EXPECT_NE(counted.find("computer -: 3 2 1018 "), std::string::npos) << counted;
    EXPECT_EQ(ReadScores(db.Db(), "animals", PlayMode::AgainstComputer, 50, S::Fair).size(), 7u);

    // The first fifteen games in a record as version 1 made it, without the counts per strength.
    const QString path = folder_.Records();
    ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
    db.Insert({games.begin(), games.begin() + 15});
    db.Close();
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "v1");
        raw.setDatabaseName(path);
        ASSERT_TRUE(raw.open());
        for (const char* sql :
             {"DROP TRIGGER games_strength_summary", "DROP TRIGGER summaries_cleared",
              "DROP TABLE strength_summaries", "PRAGMA user_version = 1"}) {
            ASSERT_TRUE(QSqlQuery(raw).exec(QString::fromLatin1(sql))) << sql;
        }
        EXPECT_EQ(ReadSummaries(raw).size(), 2u);  // not brought up to date: one row, pooled
        raw.close();
    }
    QSqlDatabase::removeDatabase("v1");
    ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
    db.Insert({games.begin() + 15, games.end()});
    EXPECT_EQ(rows(db), counted);
    db.Clear();
    EXPECT_EQ(Value(path, "SELECT count(*) FROM strength_summaries"), "0");
}

// The tally of one game from the core's outcomes: what each kind counts, when the clock runs.
TEST(GameTally, CountsEachOutcomeOfAGame) {
    using Kind = Outcome::Kind;
    using Clock = GameTally::Clock;
    const Clock::time_point start{};
    const auto at = [start](int seconds) { return start + std::chrono::seconds(seconds); };
    struct Step {
        Kind kind;
        int points;
        int second;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        int asked;  // the second the counts are asked at
        GameCounts expected;
        bool leftWithTurns;
    };
    const Case cases[] = {
        {"dealt and nothing turned", {{Kind::NewGameDealt, 0, 0}}, 50, {}, false},
        {"one card turned: no turn yet",
         {{Kind::NewGameDealt, 0, 0}, {Kind::FaceShown, 0, 10}},
         25,
         {0, 0, 0, 0, 0, 15000, false},
         false},
        {"a match, a mismatch and a hint",
         {{Kind::NewGameDealt, 0, 0},
          {Kind::FaceShown, 0, 5},
          {Kind::FaceShown, 0, 6},
          {Kind::PairMatched, 100, 6},
          {Kind::FaceShown, 0, 7},
          {Kind::FaceShown, 0, 8},
          {Kind::PairMismatched, 90, 8},
          {Kind::PairTurnedBack, 0, 9},
          {Kind::HintShown, 0, 10},
          {Kind::HintEnded, 15, 11}},
         20,
         {2, 1, 1, 1, 15, 15000, false},
         true},
        {"finished: the clock stops at the end",
         {{Kind::NewGameDealt, 0, 0},
          {Kind::HintShown, 0, 2},
          {Kind::HintEnded, -75, 3},
          {Kind::FaceShown, 0, 4},
          {Kind::PairMatched, 25, 5},
          {Kind::GameEnded, 1725, 30},
          {Kind::FaceShown, 0, 40}},
         100,
         {1, 1, 0, 1, 1725, 28000, true},
         false},
        {"a new deal starts again",
         {{Kind::NewGameDealt, 0, 0},
          {Kind::FaceShown, 0, 1},
          {Kind::PairMismatched, -10, 2},
          {Kind::NewGameDealt, 0, 3}},
         9,
         {},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameTally tally;
        for (const Step& step : c.steps) {
            Outcome outcome{step.kind};
            outcome.points = step.points;
            tally.Observe(outcome, at(step.second));
        }
        const GameCounts got = tally.Counts(at(c.asked));
        EXPECT_EQ(got.turns, c.expected.turns);
        EXPECT_EQ(got.matches, c.expected.matches);
        EXPECT_EQ(got.mismatches, c.expected.mismatches);
        EXPECT_EQ(got.hints, c.expected.hints);
        EXPECT_EQ(got.points, c.expected.points);
        EXPECT_EQ(got.playedMilliseconds, c.expected.playedMilliseconds);
        EXPECT_EQ(got.finished, c.expected.finished);
        EXPECT_EQ(tally.LeftWithTurns(), c.leftWithTurns);
    }
}

}  // namespace
}  // namespace tavro::test
