// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics in words, for the line beside the chart and for screen readers: the best score
// and its day, how the last ten finished games compare with the ten before, how many games were
// played and finished, and the best streak, such as "Best 1700 on 3 March; last ten games average
// 1420, up from 1310. Games played: 42, finished: 40, best streak: 12 in a row."
#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <vector>

#include "records/RecordReader.h"

namespace tavro {

class TrendText {
    Q_DECLARE_TR_FUNCTIONS(tavro::TrendText)
public:
    // `scores`: the set and mode's newest finished games, oldest first (at least the last 20
    // for the comparison); `today` decides whether the best's date needs its year.
    static QString Of(const SetModeSummary& summary, const std::vector<ScorePoint>& scores,
                      const QDate& today);
    // "No games recorded yet."
    static QString Nothing();
};

}  // namespace tavro
