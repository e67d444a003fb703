// SPDX-License-Identifier: GPL-3.0-or-later
// Times 1000 thumb moves, each with its repaint, of the slider in the Options dialog's set-up,
// against the same 1000 moves of a plain QSlider of the same size and range (the baseline).
// The ratio of the two is printed after the run.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QMouseEvent>
#include <QSlider>
#include <cstdio>
#include <cstdlib>

#include "controls/RXSlider.h"

using namespace tavro;

namespace {

constexpr int kMoves = 1000;

// The value of move i: back and forth over the whole range in steps of 50.
int ValueOfMove(int i) {
    const int step = i % 80;
    return 50 * (step < 40 ? step : 80 - step);
}

void ShowAndSettle(QWidget& widget) {
    widget.show();
    QApplication::processEvents();
}

// The delay slider of the Options dialog: 297 x 33, 0..2000 in steps of 50, EdgeSize 4.
void ShowAsOptionsSlider(TRxSlider& slider) {
    slider.resize(297, 33);
    slider.setMaxValue(2000);
    slider.setIncrement(50);
    slider.setEdgeSize(4);
    slider.setOptions(soShowFocus | soShowPoints);
    ShowAndSettle(slider);
}

// Reports the time of one move beside the time of the whole iteration (shown with an SI prefix,
// for example "6.4us").
void CountPerMove(benchmark::State& state) {
    state.counters["per_move"] = benchmark::Counter(
        kMoves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_RxSliderMoves(benchmark::State& state) {
    TRxSlider slider;
    ShowAsOptionsSlider(slider);
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i) {
            slider.setValue(ValueOfMove(i));
            slider.repaint();  // paints the invalidated thumb rectangles now
        }
    }
    CountPerMove(state);
}

void BM_RxSliderDragMoves(benchmark::State& state) {
    TRxSlider slider;
    ShowAsOptionsSlider(slider);
    const QPoint grab = slider.ThumbArea().center();
    QMouseEvent press(QEvent::MouseButtonPress, grab, slider.mapToGlobal(QPointF(grab)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &press);
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i) {
            const QPointF at(10 + (i % 280), grab.y());
            QMouseEvent move(QEvent::MouseMove, at, slider.mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&slider, &move);
            slider.repaint();
        }
    }
    CountPerMove(state);
}

void BM_QSliderMoves(benchmark::State& state) {
    QSlider slider(Qt::Horizontal);
    slider.resize(297, 33);
    slider.setRange(0, 2000);
    slider.setSingleStep(50);
    slider.setTickPosition(QSlider::TicksBelow);
    slider.setTickInterval(50);
    ShowAndSettle(slider);
    for (auto _ : state) {
        for (int i = 0; i < kMoves; ++i) {
            slider.setValue(ValueOfMove(i));
            slider.repaint();
        }
    }
    CountPerMove(state);
}

BENCHMARK(BM_QSliderMoves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RxSliderMoves)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RxSliderDragMoves)->Unit(benchmark::kMillisecond);

// Collects the CPU time per iteration of each benchmark to print the ratios at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // With --benchmark_repetitions the median stands for each benchmark; the other
            // summaries (mean, spread) are not times of a run.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") {
                continue;
            }
            const std::string name = run.run_name.function_name;
            const double perIteration = run.GetAdjustedRealTime();
            if (name.find("QSliderMoves") != std::string::npos) {
                baseline_ = perIteration;
            } else if (name.find("RxSliderMoves") != std::string::npos) {
                rx_ = perIteration;
            } else if (name.find("RxSliderDragMoves") != std::string::npos) {
                drag_ = perIteration;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        if (baseline_ > 0) {
            std::printf("ratio TRxSlider / QSlider (setValue + repaint): %.2f\n", rx_ / baseline_);
            std::printf("ratio TRxSlider drag move / QSlider setValue: %.2f\n", drag_ / baseline_);
        }
    }

private:
    double baseline_ = 0;
    double rx_ = 0;
    double drag_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
