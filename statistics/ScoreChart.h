// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a set and mode's scores over time: a line through the finished games' scores by
// the time they were played, and the best game marked with a larger point of its own, also when
// it is older than the games the line shows. Screen readers get its words from the window (the
// chart itself is a picture to them).
#pragma once

#include <QChartView>
#include <optional>
#include <vector>

#include "records/RecordsQueries.h"

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace tavro {

class ScoreChart : public QChartView {
    Q_OBJECT
public:
    explicit ScoreChart(QWidget* parent = nullptr);

    // Draws the scores (oldest first) and marks the best game.
    void ShowScores(const std::vector<ScorePoint>& scores, const std::optional<ScorePoint>& best);
    // An empty chart.
    void ShowNothing();

    // The drawn series, for tests.
    const QLineSeries* ScoreLine() const { return scores_; }
    const QScatterSeries* BestMark() const { return best_; }

private:
    QLineSeries* scores_ = nullptr;
    QScatterSeries* best_ = nullptr;
    QDateTimeAxis* time_ = nullptr;
    QValueAxis* points_ = nullptr;
};

}  // namespace tavro
