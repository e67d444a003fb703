// SPDX-License-Identifier: GPL-3.0-or-later
// A record of games for the statistics benchmarks: a year of games, the sets and modes in turn,
// scores wandering up, one game in ten left, written in batches into the record at `path`.
#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

#include "records/RecordsDatabase.h"

namespace tavro::bench {

inline void MakeBenchRecord(const QString& path, int games) {
    RecordsDatabase db(QStringLiteral("bench-maker"));
    db.Open(path, RecordsDatabase::Purpose::Writing);
    const char* const sets[] = {"animals", "shapes", "family"};
    const PlayMode modes[] = {PlayMode::OnePlayer, PlayMode::TwoPlayers, PlayMode::AgainstComputer};
    const QDateTime start = QDateTime::currentDateTimeUtc().addDays(-365);
    const qint64 step = 365LL * 24 * 3600 * 1000 / games;
    std::vector<GameRecord> batch;
    for (int n = 0; n < games; ++n) {
        GameRecord game;
        game.playedAt = start.addMSecs(step * n);
        game.setFolder = QString::fromLatin1(sets[n % 3]);
        game.setName = game.setFolder;
        game.delayMs = 500;
        game.mode = modes[(n / 3) % 3];
        const qint32 score = 800 + (n * 7919) % 900 + static_cast<qint32>(300LL * n / games);
        game.players = {{QStringLiteral("Ann"), score, false}};
        if (game.mode != PlayMode::OnePlayer) {
            game.players.push_back(
                {QStringLiteral("Bob"), score - 100, game.mode == PlayMode::AgainstComputer});
        }
        if (game.mode == PlayMode::AgainstComputer) {
            game.strength = ComputerStrength::Fair;
        }
        game.end = n % 10 == 9 ? GameEnd::LeftByNew : GameEnd::Finished;
        game.turns = 30;
        game.matches = game.end == GameEnd::Finished ? 18 : 9;
        game.mismatches = game.turns - game.matches;
        game.playedMs = 90000;
        batch.push_back(game);
        if (batch.size() == 20000) {
            db.Insert(batch);
            batch.clear();
        }
    }
    if (!batch.empty()) {
        db.Insert(batch);
    }
}

}  // namespace tavro::bench
