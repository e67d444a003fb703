// SPDX-License-Identifier: GPL-3.0-or-later
// The words: whole sentences, each one text for the translators, with the numbers in them as
// plain numbers like the points display.
#include "statistics/TrendText.h"

#include <QLocale>
#include <cmath>
#include <numeric>

namespace tavro {
namespace {

constexpr std::size_t kWindow = 10;  // games compared at a time

long Average(std::vector<ScorePoint>::const_iterator begin,
             std::vector<ScorePoint>::const_iterator end) {
    const auto count = std::distance(begin, end);
    const double sum = std::accumulate(
        begin, end, 0.0, [](double total, const ScorePoint& point) { return total + point.score; });
    return count == 0 ? 0 : std::lround(sum / static_cast<double>(count));
}

}  // namespace

QString TrendText::Nothing() {
    return tr("No games recorded yet.");
}

QString TrendText::Of(const SetModeSummary& summary, const std::vector<ScorePoint>& scores,
                      const QDate& today) {
    const QString counts = tr("Games played: %1, finished: %2, best streak: %3 in a row.")
                               .arg(summary.played)
                               .arg(summary.finished)
                               .arg(summary.bestStreak);
    if (!summary.best || scores.empty()) {
        return tr("No finished games yet.") + QLatin1Char(' ') + counts;
    }
    const QDate bestDay = summary.bestAt.toLocalTime().date();
    //: The best game's day in "Best 1700 on 3 March" (a QDate format).
    const QString dayFormat = bestDay.year() == today.year() ? tr("d MMMM") : tr("d MMMM yyyy");
    const QString best = QString::number(*summary.best);
    const QString day = QLocale().toString(bestDay, dayFormat);

    const std::size_t count = scores.size();
    const auto lastBegin = scores.end() - static_cast<long>(std::min(count, kWindow));
    const long last = Average(lastBegin, scores.end());
    QString trend;
    if (count <= kWindow) {
        trend = tr("Best %1 on %2; the finished games so far average %3.")
                    .arg(best, day, QString::number(last));
    } else {
        const auto previousBegin =
            lastBegin - static_cast<long>(std::min(count - kWindow, kWindow));
        const long previous = Average(previousBegin, lastBegin);
        if (last > previous) {
            trend = tr("Best %1 on %2; last ten games average %3, up from %4.");
        } else if (last < previous) {
            trend = tr("Best %1 on %2; last ten games average %3, down from %4.");
        } else {
            trend = tr("Best %1 on %2; last ten games average %3, the same as before (%4).");
        }
        // One substitution of all four, so that nothing put in is searched for markers again.
        trend = trend.arg(best, day, QString::number(last), QString::number(previous));
    }
    return trend + QLatin1Char(' ') + counts;
}

}  // namespace tavro
