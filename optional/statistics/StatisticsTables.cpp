// SPDX-License-Identifier: GPL-3.0-or-later
// Filling the tables' models: a text and a sort value per cell, numbers aligned right.
#include "statistics/StatisticsTables.h"

#include <QLocale>
#include <QStandardItemModel>
#include <QStringList>
#include <algorithm>
#include <numeric>

#include "dialogkit/ShownText.h"

namespace tavro {
namespace {

QStandardItem* TextCell(const QString& text) {
    auto* item = new QStandardItem(text);
    item->setData(text.toCaseFolded(), StatisticsTables::kSortRole);
    item->setEditable(false);
    return item;
}

QStandardItem* NumberCell(const QString& text, const QVariant& value) {
    auto* item = new QStandardItem(text);
    item->setData(value, StatisticsTables::kSortRole);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setEditable(false);
    return item;
}

QStandardItem* NumberCell(qint64 value) {
    return NumberCell(QString::number(value), value);
}

// A cell whose whole text also shows as its tool tip, for a column that may be narrowed.
QStandardItem* ToolTipped(QStandardItem* item) {
    item->setToolTip(item->text());
    return item;
}

QString Duration(qint64 milliseconds) {
    const qint64 seconds = milliseconds / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString ShownSetName(const QString& name, const QString& folder) {
    return ShownText(name.isEmpty() ? folder : name);
}

}  // namespace

QString StatisticsTables::ModeName(PlayMode mode) {
    switch (mode) {
        case PlayMode::TwoPlayers:
            return tr("Two players");
        case PlayMode::AgainstComputer:
            return tr("Against the computer");
        case PlayMode::OnePlayer:
            break;
    }
    return tr("One player");
}

QString StatisticsTables::ModeName(PlayMode mode, const std::optional<ComputerStrength>& strength) {
    if (mode != PlayMode::AgainstComputer || !strength) {
        return ModeName(mode);
    }
    switch (*strength) {
        case ComputerStrength::Forgetful:
            return tr("Against the computer (easy)");
        case ComputerStrength::PerfectMemory:
            return tr("Against the computer (hard)");
        case ComputerStrength::Fair:
            break;
    }
    return tr("Against the computer (even)");
}

QString StatisticsTables::EndName(GameEnd end) {
    switch (end) {
        case GameEnd::LeftByNew:
            return tr("Left for a new game");
        case GameEnd::LeftByOptions:
            return tr("Left by a change in Options");
        case GameEnd::LeftByModeChange:
            return tr("Left by a change of players");
        case GameEnd::LeftByExit:
            return tr("Left by Exit");
        case GameEnd::Finished:
            break;
    }
    return tr("Finished");
}

QString StatisticsTables::PlayersText(const GameRecord& game) {
    const auto nameOf = [&game](std::size_t seat) {
        const RecordedPlayer& player = game.players[seat];
        if (player.computer) {
            return tr("Computer");
        }
        if (!player.name.isEmpty()) {
            return ShownText(player.name);
        }
        return tr("Player %1").arg(seat + 1);
    };
    if (game.players.size() <= 1) {
        if (!game.leadName.isEmpty()) {
            return ShownText(game.leadName);
        }
        return game.players.empty() ? tr("Player %1").arg(1) : nameOf(0);
    }
    QStringList players;
    for (std::size_t seat = 0; seat < game.players.size(); ++seat) {
        // One substitution of both: a name may itself hold "%1" or "%2".
        players << QStringLiteral("%1 %2").arg(nameOf(seat),
                                               QString::number(game.players[seat].score));
    }
    return players.join(QStringLiteral(", "));
}

QStringList StatisticsTables::RecentCaptions() {
    return {tr("When"),  tr("Set"),        tr("Mode"),  tr("Players"), tr("Score"),
            tr("Turns"), tr("Mismatches"), tr("Hints"), tr("Time"),    tr("Result")};
}

void StatisticsTables::FillSummaries(QStandardItemModel& model,
                                     const std::vector<SetModeSummary>& summaries) {
    model.clear();
    model.setHorizontalHeaderLabels({tr("Set"), tr("Mode"), tr("Played"), tr("Finished"),
                                     tr("Best"), tr("Average"), tr("Mismatches"),
                                     tr("Best streak")});
    const QLocale locale;
    for (const SetModeSummary& summary : summaries) {
        QStandardItem* set = TextCell(ShownSetName(summary.setName, summary.setFolder));
        set->setData(summary.setFolder, kSetRole);
        set->setData(static_cast<int>(summary.mode), kModeRole);
        set->setData(summary.strength ? QVariant(static_cast<int>(*summary.strength)) : QVariant(),
                     kStrengthRole);
        const bool finished = summary.finished > 0;
        model.appendRow({
            set,
            TextCell(ModeName(summary.mode, summary.strength)),
            NumberCell(summary.played),
            NumberCell(summary.finished),
            summary.best ? NumberCell(*summary.best) : NumberCell(QString(), QVariant()),
            finished
                ? NumberCell(QString::number(qRound(summary.averageScore)), summary.averageScore)
                : NumberCell(QString(), QVariant()),
            finished ? NumberCell(locale.toString(summary.averageMismatches, 'f', 1),
                                  summary.averageMismatches)
                     : NumberCell(QString(), QVariant()),
            NumberCell(summary.bestStreak),
        });
    }
}

void StatisticsTables::FillRecentGames(QStandardItemModel& model,
                                       const std::vector<StoredGame>& games) {
    model.clear();
    model.setHorizontalHeaderLabels(RecentCaptions());
    const QLocale locale;
    for (const StoredGame& stored : games) {
        const GameRecord& game = stored.game;
        const QDateTime local = game.playedAt.toLocalTime();
        model.appendRow({
            NumberCell(locale.toString(local, QLocale::ShortFormat),
                       game.playedAt.toMSecsSinceEpoch()),
            TextCell(ShownSetName(game.setName, game.setFolder)),
            TextCell(ModeName(game.mode)),
            ToolTipped(TextCell(PlayersText(game))),
            NumberCell(stored.score),
            NumberCell(game.turns),
            NumberCell(game.mismatches),
            NumberCell(game.hints),
            NumberCell(Duration(game.playedMs), game.playedMs),
            TextCell(EndName(game.end)),
        });
    }
}

std::vector<int> StatisticsTables::FittedWidths(std::vector<int> wanted, int available,
                                                const std::vector<int>& yielding, int least) {
    int excess = std::accumulate(wanted.begin(), wanted.end(), 0) - available;
    for (const int column : yielding) {
        if (excess <= 0) {
            break;
        }
        if (column < 0 || static_cast<std::size_t>(column) >= wanted.size()) {
            continue;
        }
        int& width = wanted[static_cast<std::size_t>(column)];
        const int given = std::clamp(width - least, 0, excess);
        width -= given;
        excess -= given;
    }
    return wanted;
}

}  // namespace tavro
