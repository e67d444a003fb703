// SPDX-License-Identifier: GPL-3.0-or-later
// The chart of a set and mode's scores over time: a line through the finished games' scores by
// the time they were played, and the best game marked with a larger point of its own, also when
// it is older than the games the line shows. Screen readers get its words from the window (the
// chart itself is a picture to them).
#pragma once

#include <QChartView>
#include <QDateTime>
#include <QStringList>
#include <optional>
#include <vector>

#include "records/RecordReader.h"

class QDateTimeAxis;
class QLineSeries;
class QScatterSeries;
class QValueAxis;

namespace tavro {

// The time axis's unit, chosen from the span of the games drawn: hours within a day, days up to
// a few months, months beyond.
enum class TimeUnit { Hours, Days, Months };

struct TimeAxisPlan {
    TimeUnit unit = TimeUnit::Days;
    QDateTime min;
    QDateTime max;
    int ticks = 2;   // labels along the axis, evenly spaced from min to max
    QString format;  // their QDateTime format
};

// The time axis for games from `first` to `last`: the unit and its label format, a range a
// little wider than the games (so that they spread across the chart), and as many ticks (at most
// five) as give labels that all differ, in local time.
TimeAxisPlan PlanTimeAxis(const QDateTime& first, const QDateTime& last);
// The labels the plan puts along the axis, from min to max.
QStringList TimeAxisLabels(const TimeAxisPlan& plan);

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
    const QDateTimeAxis* TimeAxis() const { return time_; }

private:
    void ApplyTimeAxis(const QDateTime& first, const QDateTime& last);

    QLineSeries* scores_ = nullptr;
    QScatterSeries* best_ = nullptr;
    QDateTimeAxis* time_ = nullptr;
    QValueAxis* points_ = nullptr;
};

}  // namespace tavro
