// SPDX-License-Identifier: GPL-3.0-or-later
// Frames a card's turn draws: shows one picture control at 200 % card size (120 x 120 pixels),
// turns it a number of times for kCardTurnMs each, and counts its paint events during each turn
// against the frames a 60 Hz screen shows in that time. Meant for a real X server (Xvfb): the
// ratio of frames drawn to frames expected is printed, near 1 when no frame is missed.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <cstdio>
#include <vector>

#include "app/CardMotion.h"
#include "controls/PictureBox.h"

using namespace tavro;

namespace {

constexpr int kTurns = 20;
constexpr int kSide = 2 * 60;  // a picture at 200 %
constexpr double kFrameMs = 1000.0 / 60.0;

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

QImage Filled(Qt::GlobalColor colour) {
    QImage image(kSide, kSide, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PictureBox box;
    box.resize(kSide, kSide);
    box.setPicture(Filled(Qt::gray));
    box.show();
    QEventLoop settle;
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();

    PaintCounter counter;
    box.installEventFilter(&counter);
    std::vector<int> frames;
    std::vector<double> lengths;
    for (int turn = 0; turn < kTurns; ++turn) {
        box.setPicture(Filled(turn % 2 == 0 ? Qt::red : Qt::gray));
        counter.paints = 0;
        QElapsedTimer clock;
        clock.start();
        box.animateTurn(kCardTurnMs);
        QEventLoop loop;
        QObject::connect(box.turnAnimation(), &QAbstractAnimation::finished, &loop,
                         &QEventLoop::quit);
        loop.exec();
        QApplication::processEvents();  // the last frame's paint
        frames.push_back(counter.paints);
        lengths.push_back(static_cast<double>(clock.elapsed()));
    }
    double drawn = 0;
    double took = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        drawn += frames[i];
        took += lengths[i];
    }
    drawn /= kTurns;
    took /= kTurns;
    const double expected = kCardTurnMs / kFrameMs;
    std::printf("turn of %d ms at %dx%d, %d turns on %s\n", kCardTurnMs, kSide, kSide, kTurns,
                qPrintable(QGuiApplication::platformName()));
    std::printf("frames drawn per turn: %.1f, expected at 60 Hz: %.1f, ratio %.2f\n", drawn,
                expected, drawn / expected);
    std::printf("a turn took %.1f ms on average\n", took);
    return 0;
}
