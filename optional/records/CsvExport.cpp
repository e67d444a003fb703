// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the CSV file through QSaveFile, a row per game as the record is read.
#include "records/CsvExport.h"

#include <QSaveFile>
#include <QStringList>
#include <cerrno>
#include <stdexcept>

#include "records/RecordWords.h"
#include "records/RecordsMessages.h"
#include "records/RecordsQueries.h"

namespace tavro {
namespace {

// Two seats: the players of any mode.
constexpr int kSeats = 2;

QString Number(qint64 value) {
    return QString::number(value);
}

QString RowOf(const StoredGame& stored) {
    const GameRecord& game = stored.game;
    QStringList cells{
        Number(stored.id),
        game.playedAt.toLocalTime().toString(Qt::ISODate),
        CsvTextCell(game.setFolder),
        CsvTextCell(game.setName),
        Number(game.delayMs),
        ModeWord(game.mode),
        game.strength ? StrengthWord(*game.strength) : QString(),
    };
    for (int seat = 0; seat < kSeats; ++seat) {
        if (static_cast<std::size_t>(seat) < game.players.size()) {
            const RecordedPlayer& player = game.players[static_cast<std::size_t>(seat)];
            cells << CsvTextCell(player.name) << Number(player.score)
                  << (player.computer ? QStringLiteral("yes") : QStringLiteral("no"));
        } else {
            cells << QString() << QString() << QString();
        }
    }
    cells << Number(stored.score) << Number(game.turns) << Number(game.matches)
          << Number(game.mismatches) << Number(game.hints)
          << QString::number(static_cast<double>(game.playedMs) / 1000.0, 'f', 1)
          << EndWord(game.end) << CsvTextCell(game.leadName);
    return cells.join(QLatin1Char(','));
}

// The file's fault for the player: a full disk in words of its own (QSaveFile's errorString()
// is Qt's qt_error_string of the errno).
[[noreturn]] void ThrowFileError(const QSaveFile& file, const QString& path) {
    if (file.errorString() == qt_error_string(ENOSPC)) {
        throw std::runtime_error(RecordsMessages::NoSpaceText(path).toStdString());
    }
    throw std::runtime_error(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
}

// Stops the export by unwinding out of the record's reading.
struct ExportCancelled {};

}  // namespace

QString CsvTextCell(const QString& text) {
    QString cell = text;
    if (!cell.isEmpty() && QStringLiteral("=+-@\t\r").contains(cell.front())) {
        cell.prepend(QLatin1Char('\''));
    }
    const bool quote = cell.contains(QLatin1Char(',')) || cell.contains(QLatin1Char('"')) ||
                       cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r')) ||
                       cell.startsWith(QLatin1Char(' ')) || cell.endsWith(QLatin1Char(' ')) ||
                       cell.startsWith(QLatin1Char('\''));
    if (!quote) {
        return cell;
    }
    cell.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

QString CsvHeader() {
    return QStringLiteral(
        "id,played_at,set_folder,set_name,delay_ms,mode,strength,"
        "player1_name,player1_score,player1_computer,player2_name,player2_score,player2_computer,"
        "score,turns,matches,mismatches,hints,time_played_s,ended_by,leads_name");
}

int ExportGamesCsv(QSqlDatabase& db, const QString& path) {
    return ExportGamesCsv(db, path, {}).value_or(0);
}

std::optional<int> ExportGamesCsv(QSqlDatabase& db, const QString& path,
                                  const std::function<bool(int written)>& goOn) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ThrowFileError(file, path);
    }
    const QByteArray lineEnd("\r\n");
    file.write(CsvHeader().toUtf8() + lineEnd);
    int games = 0;
    try {
        ForEachGame(db, [&](const StoredGame& stored) {
            file.write(RowOf(stored).toUtf8() + lineEnd);
            ++games;
            if (goOn && !goOn(games)) {
                throw ExportCancelled{};
            }
        });
    } catch (const ExportCancelled&) {
        file.cancelWriting();  // the temporary file goes with `file`; `path` is untouched
        return std::nullopt;
    }
    if (!file.commit()) {
        ThrowFileError(file, path);
    }
    return games;
}

}  // namespace tavro
