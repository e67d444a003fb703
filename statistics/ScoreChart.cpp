// SPDX-License-Identifier: GPL-3.0-or-later
// The chart: one line series and one scatter series over a time axis and a points axis, their
// data replaced on each showing and the axes fitted around it.
#include "statistics/ScoreChart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace tavro {
namespace {

constexpr qint64 kHourMs = 3600 * 1000;
// Up to this many games the line shows a point on each game.
constexpr std::size_t kPointsShownUpTo = 60;

QPointF PointOf(const ScorePoint& point) {
    return {static_cast<qreal>(point.at.toMSecsSinceEpoch()), static_cast<qreal>(point.score)};
}

}  // namespace

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
    time_->setFormat(QStringLiteral("d MMM"));
    time_->setTickCount(5);
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
    time_->setRange(now.addDays(-7), now);
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
    // A little room around the points, and at least an hour and a hundred points across.
    const qint64 first = static_cast<qint64>(left->x());
    const qint64 last = static_cast<qint64>(right->x());
    const qint64 margin = std::max<qint64>((last - first) / 20, kHourMs);
    time_->setRange(QDateTime::fromMSecsSinceEpoch(first - margin),
                    QDateTime::fromMSecsSinceEpoch(last + margin));
    const qreal span = std::max<qreal>(high->y() - low->y(), 100);
    points_->setRange(low->y() - span / 10, high->y() + span / 10);
    points_->applyNiceNumbers();  // round steps: 1400, 1450, 1500, ...
}

}  // namespace tavro
