// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's two tables as item models: one row per set and mode (games played and
// finished, best and average score, average mismatches, best streak), and the most recent games.
// Every cell carries its value for sorting besides its text, and the names of sets and players
// are shown as the plain text they are.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

#include "records/RecordReader.h"

class QStandardItemModel;

namespace tavro {

class StatisticsTables {
    Q_DECLARE_TR_FUNCTIONS(tavro::StatisticsTables)
public:
    static constexpr int kSortRole = Qt::UserRole + 1;  // the value a column sorts by
    static constexpr int kSetRole = Qt::UserRole + 2;   // a summary row's set folder
    static constexpr int kModeRole = Qt::UserRole + 3;  // a summary row's mode (int)
    // A summary row's computer strength (int), or none.
    static constexpr int kStrengthRole = Qt::UserRole + 4;

    enum SummaryColumn { kSet, kMode, kPlayed, kFinished, kBest, kAverage, kMismatches, kStreak };
    enum RecentColumn {
        kWhen,
        kGameSet,
        kGameMode,
        kPlayers,
        kScore,
        kTurns,
        kGameMismatches,
        kHints,
        kTime,
        kResult
    };

    static void FillSummaries(QStandardItemModel& model,
                              const std::vector<SetModeSummary>& summaries);
    static void FillRecentGames(QStandardItemModel& model, const std::vector<StoredGame>& games);
    // The recent games' column captions, in column order.
    static QStringList RecentCaptions();

    static QString ModeName(PlayMode mode);
    // A summary row's mode: "Against the computer (even)" for the games at a strength.
    static QString ModeName(PlayMode mode, const std::optional<ComputerStrength>& strength);
    static QString EndName(GameEnd end);
    // Who played and how they scored: "Ann" for one player (the name typed for the Leads, else
    // the player's own, else "Player 1"), "Ann 900, Bob 700" for more.
    static QString PlayersText(const GameRecord& game);

    // Column widths that fit `available` pixels: each column as `wanted`, and when they don't all
    // fit, the columns of `yielding` in that order narrowed (each to no less than `least`) until
    // they do, so that the columns that must stay whole (the result) are not cut off.
    static std::vector<int> FittedWidths(std::vector<int> wanted, int available,
                                         const std::vector<int>& yielding, int least);
};

}  // namespace tavro
