// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games as a CSV file: every game in the order played, one row each after a
// header row of fixed English column names, UTF-8, comma-separated, lines ending in CRLF (RFC
// 4180). Names are the players' own text: a cell that a spreadsheet would take for a formula
// (starting with =, +, -, @, a tab or a carriage return) gets a leading apostrophe, so opening
// the file never runs anything.
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <optional>

namespace tavro {

// A text cell as written: guarded against formulas, quoted when it holds a comma, a quote, a
// line break or leading or trailing spaces.
QString CsvTextCell(const QString& text);
// The header row's cells, joined (without the line end).
QString CsvHeader();
// Writes every game to the file at `path`, replacing it only once the whole file is written.
// The number of games written. Throws std::runtime_error (RecordsError for the record; a full
// disk in a translated sentence).
int ExportGamesCsv(QSqlDatabase& db, const QString& path);
// The same, asking `goOn` with the number of games written so far after each game (for
// progress, from the thread that exports): when it says false, nothing is written (the file at
// `path`, if any, stays as it was) and the result is empty.
std::optional<int> ExportGamesCsv(QSqlDatabase& db, const QString& path,
                                  const std::function<bool(int written)>& goOn);

}  // namespace tavro
