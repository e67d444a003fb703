// SPDX-License-Identifier: GPL-3.0-or-later
// The chart: one line series and one scatter series over a time axis and a points axis, their
// data replaced on each showing and the axes fitted around it, the time axis's unit and labels
// chosen from the span of the games.
#include "statistics/ScoreChart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QLocale>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace tavro {
namespace {

constexpr qint64 kMinuteMs = 60 * 1000;
constexpr qint64 kHourMs = 60 * kMinuteMs;
constexpr qint64 kDayMs = 24 * kHourMs;
// Games within this span are drawn by the hour: the axis, a twentieth wider on each side, stays
// short of a day, so that no two of its labels are a whole day apart and read the same.
constexpr qint64 kHoursUpTo = 20 * kHourMs;
// Games within about three months are drawn by the day, longer spans by the month.
constexpr qint64 kDaysUpTo = 92 * kDayMs;
constexpr int kMostTicks = 5;
// Up to this many games the line shows a point on each game.
constexpr std::size_t kPointsShownUpTo = 60;

QPointF PointOf(const ScorePoint& point) {
    return {static_cast<qreal>(point.at.toMSecsSinceEpoch()), static_cast<qreal>(point.score)};
}

bool AllDiffer(QStringList labels) {
    labels.sort();
    return std::adjacent_find(labels.cbegin(), labels.cend()) == labels.cend();
}

}  // namespace

TimeAxisPlan PlanTimeAxis(const QDateTime& first, const QDateTime& last) {
    const qint64 from = std::min(first.toMSecsSinceEpoch(), last.toMSecsSinceEpoch());
    const qint64 to = std::max(first.toMSecsSinceEpoch(), last.toMSecsSinceEpoch());
    const qint64 span = to - from;
    TimeAxisPlan plan;
    qint64 leastRange = 0;  // an axis at least this long, so that its ends' labels differ
    qint64 leastStep = 0;   // ticks at least this far apart: closer ones could read the same
    if (span <= kHoursUpTo) {
        plan.unit = TimeUnit::Hours;
        plan.format = QLocale().timeFormat(QLocale::ShortFormat);
        leastRange = 10 * kMinuteMs;
        leastStep = kMinuteMs;
    } else if (span <= kDaysUpTo) {
        plan.unit = TimeUnit::Days;
        plan.format = QStringLiteral("d MMM");
        // A day and more; 25 hours also step over a day lengthened by the change to winter time.
        leastRange = 30 * kHourMs;
        leastStep = 25 * kHourMs;
    } else {
        plan.unit = TimeUnit::Months;
        plan.format = QStringLiteral("MMM yyyy");
        leastStep = 32 * kDayMs;  // over the longest month, also with a change of the clocks
    }
    // A little room around the games, so that the first and last are not on the chart's edge.
    const qint64 margin = std::max(span / 20, (leastRange - span + 1) / 2);
    plan.min = QDateTime::fromMSecsSinceEpoch(from - margin);
    plan.max = QDateTime::fromMSecsSinceEpoch(to + margin);
    const qint64 range = span + 2 * margin;
    plan.ticks = static_cast<int>(std::clamp<qint64>(range / leastStep + 1, 2, kMostTicks));
    // A change of the clocks may still give two labels alike: then fewer ticks.
    while (plan.ticks > 2 && !AllDiffer(TimeAxisLabels(plan))) {
        --plan.ticks;
    }
    return plan;
}

QStringList TimeAxisLabels(const TimeAxisPlan& plan) {
    const qint64 min = plan.min.toMSecsSinceEpoch();
    const qint64 range = plan.max.toMSecsSinceEpoch() - min;
    const int steps = std::max(plan.ticks - 1, 1);
    QStringList labels;
    for (int tick = 0; tick <= steps; ++tick) {
        const QDateTime at = QDateTime::fromMSecsSinceEpoch(min + range * tick / steps);
        labels << QLocale().toString(at, plan.format);
    }
    return labels;
}

ScoreChart::ScoreChart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);

    scores_ = new QLineSeries(chart);
    scores_->setName(tr("Score"));
    best_ = new QScatterSeries(chart);
    best_->setName(tr("Best"));
    best_->setMarkerShape(QScatterSeries::MarkerShapeStar);
    best_->setMarkerSize(18);
    best_->setColor(QColor(0xE0, 0x80, 0x00));
    best_->setBorderColor(QColor(0x80, 0x40, 0x00));
    chart->addSeries(scores_);
    chart->addSeries(best_);

    time_ = new QDateTimeAxis(chart);
    points_ = new QValueAxis(chart);
    points_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(time_, Qt::AlignBottom);
    chart->addAxis(points_, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(scores_), static_cast<QAbstractSeries*>(best_)}) {
        series->attachAxis(time_);
        series->attachAxis(points_);
    }
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 220);
    ShowNothing();
}

void ScoreChart::ShowNothing() {
    scores_->clear();
    best_->clear();
    const QDateTime now = QDateTime::currentDateTime();
    ApplyTimeAxis(now.addDays(-7), now);
    points_->setRange(0, 1800);
}

void ScoreChart::ShowScores(const std::vector<ScorePoint>& scores,
                            const std::optional<ScorePoint>& best) {
    QList<QPointF> line;
    line.reserve(static_cast<qsizetype>(scores.size()));
    for (const ScorePoint& point : scores) {
        line.append(PointOf(point));
    }
    scores_->replace(line);
    scores_->setPointsVisible(scores.size() <= kPointsShownUpTo);
    best_->clear();
    if (best) {
        best_->append(PointOf(*best));
        line.append(PointOf(*best));
    }
    if (line.isEmpty()) {
        ShowNothing();
        return;
    }
    const auto [left, right] =
        std::minmax_element(line.cbegin(), line.cend(),
                            [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    const auto [low, high] =
        std::minmax_element(line.cbegin(), line.cend(),
                            [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    ApplyTimeAxis(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(left->x())),
                  QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(right->x())));
    // A little room around the points, and at least a hundred points across.
    const qreal span = std::max<qreal>(high->y() - low->y(), 100);
    points_->setRange(low->y() - span / 10, high->y() + span / 10);
    points_->applyNiceNumbers();  // round steps: 1400, 1450, 1500, ...
}

void ScoreChart::ApplyTimeAxis(const QDateTime& first, const QDateTime& last) {
    const TimeAxisPlan plan = PlanTimeAxis(first, last);
    time_->setFormat(plan.format);
    time_->setTickCount(plan.ticks);
    time_->setRange(plan.min, plan.max);
}

}  // namespace tavro
