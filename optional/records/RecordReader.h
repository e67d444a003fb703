// SPDX-License-Identifier: GPL-3.0-or-later
// What the records module offers the statistics window: the record of games read (the summaries
// per set and mode, the recent games, a row's scores), exported to a CSV file and cleared. The
// records module is the one part of the program that opens the record; the statistics window
// reads it only through this interface, so a single copy of the code that checks, repairs and
// writes the file lives in the process. No call throws: a failure comes back as a RecordsFault
// with its sentence for the player. Plain data and interfaces only, without Qt SQL.
#pragma once

#include <QDateTime>
#include <QString>
#include <QtPlugin>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "records/GameRecord.h"

namespace tavro {

// A set played in a mode, and against the computer at one strength. Best, averages and their
// dates count finished games only: a game left half-way says little about how well it went.
struct SetModeSummary {
    QString setFolder;
    QString setName;  // as shown the last time it was played
    PlayMode mode = PlayMode::OnePlayer;
    // Against the computer: the strength this row counts (none for games recorded without one).
    std::optional<ComputerStrength> strength;
    int played = 0;
    int finished = 0;
    std::optional<qint32> best;
    QDateTime bestAt;
    double averageScore = 0;
    double averageMismatches = 0;
    int bestStreak = 0;  // finished games in a row, with no game left between them
};

struct ScorePoint {
    qint64 id = 0;
    QDateTime at;
    qint32 score = 0;
};

struct StoredGame {
    qint64 id = 0;
    qint32 score = 0;  // ScoreOfGame, as stored
    GameRecord game;
};

// Why a call on the record did not do what it was asked.
struct RecordsFault {
    enum class Kind {
        None,
        Missing,  // nothing is recorded yet
        Locked,   // another program held the record's lock longer than the call waits
        Failed,   // anything else (a damaged record that couldn't be moved aside, a full disk)
    };
    Kind kind = Kind::None;
    QString text;  // for the player, naming the record's file (empty for None and Missing)
};

// A read-only look at the record, open until it is destroyed. It belongs to the thread that
// opened it; each call reads a bounded number of rows.
class RecordsView {
public:
    virtual ~RecordsView() = default;

    // The record's file.
    virtual QString Path() const = 0;
    // Why the record can be shown but not changed, for the player; empty when it can be changed.
    virtual QString ReadOnlyReason() const = 0;
    // Every set and mode played, by set name and then mode, the games against the computer in a
    // row per strength.
    virtual std::vector<SetModeSummary> Summaries(RecordsFault& fault) = 0;
    // The newest `limit` games, newest first.
    virtual std::vector<StoredGame> RecentGames(int limit, RecordsFault& fault) = 0;
    // The scores of the newest `limit` finished games of the set and mode, oldest first; against
    // the computer, those played at `strength`.
    virtual std::vector<ScorePoint> Scores(const QString& setFolder, PlayMode mode, int limit,
                                           const std::optional<ComputerStrength>& strength,
                                           RecordsFault& fault) = 0;
};

class RecordReader {
public:
    virtual ~RecordReader() = default;

    // The record in the player's data folder, used where a path below is empty.
    virtual QString DefaultPath() const = 0;
    // The question asked while another program holds the lock of the record at `path`.
    virtual QString LockedText(const QString& path) const = 0;
    // Opens the record at `path` read-only on the calling thread, waiting at most `lockWaitMs`
    // for another program's lock. Null when nothing is recorded yet (fault None) or on a fault.
    // `notice`: for the player, a damaged record was moved aside (empty when not).
    virtual std::unique_ptr<RecordsView> Read(const QString& path, int lockWaitMs, QString& notice,
                                              RecordsFault& fault) = 0;
    // Writes every game to the CSV file at `csvPath`, asking `goOn` with the number written so
    // far after each; empty when it said false (no file written) or on a fault. Any thread: it
    // opens a connection of its own there.
    virtual std::optional<int> ExportCsv(const QString& path, const QString& csvPath,
                                         const std::function<bool(int written)>& goOn,
                                         RecordsFault& fault) = 0;
    // Removes every game of the record at `path`. Any thread, as ExportCsv.
    virtual void Clear(const QString& path, RecordsFault& fault) = 0;
};

}  // namespace tavro

#define TAVRO_RECORD_READER_IID "org.example.tavro_memory.RecordReader/1"
Q_DECLARE_INTERFACE(tavro::RecordReader, TAVRO_RECORD_READER_IID)
