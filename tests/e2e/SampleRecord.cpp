// SPDX-License-Identifier: GPL-3.0-or-later
// A helper of the end-to-end run (not a test): writes a record of earlier games, one a day for
// the given number of days before today, of the "animals" set for one player, the scores rising
// slowly and one game in five left, so that the statistics window has a history to show.
// Usage: records_sample <records.sqlite> <days>
#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>
#include <vector>

#include "records/RecordsDatabase.h"
#include "records/RecordsSql.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: records_sample <records.sqlite> <days>\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int days = QByteArray(argv[2]).toInt();
    std::vector<tavro::GameRecord> games;
    const QDateTime evening(QDate::currentDate(), QTime(20, 0));
    for (int day = days; day >= 1; --day) {
        tavro::GameRecord game;
        game.playedAt = evening.addDays(-day).toUTC();
        game.setFolder = QStringLiteral("animals");
        game.setName = QStringLiteral("animals");
        game.delayMs = 500;
        game.end = day % 5 == 0 ? tavro::GameEnd::LeftByNew : tavro::GameEnd::Finished;
        const int mismatches = 30 - (days - day) + (day * 7) % 9;
        const int matches = game.end == tavro::GameEnd::Finished ? 18 : 6;
        game.players = {{QString(), matches * 100 - mismatches * 10, false}};
        game.turns = matches + mismatches;
        game.matches = matches;
        game.mismatches = mismatches;
        game.playedMs = 120000 - (days - day) * 2000;
        game.leadName = game.end == tavro::GameEnd::Finished ? QStringLiteral("Tester") : QString();
        games.push_back(game);
    }
    try {
        tavro::RecordsDatabase db(QStringLiteral("sample"));
        db.Open(path, tavro::RecordsDatabase::Purpose::Writing);
        db.Insert(games);
    } catch (const tavro::RecordsError& error) {
        std::fprintf(stderr, "records_sample: %s\n", error.what());
        return 1;
    }
    return 0;
}
