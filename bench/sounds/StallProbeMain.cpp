// SPDX-License-Identifier: GPL-3.0-or-later
// The sound-stall benchmark's build of the game (TavroMemoryStallProbe): the program entry of
// app/main.cpp with a watch on the event loop. A timer asks for a tick every 10 ms; the longest
// time between two ticks is how long the window could not answer. It is printed to standard
// error, as "longest stall <ms> ms", whenever a new longest one ends and once more as the loop
// ends, so that a script reads it while the program runs.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "app/ProgramStart.h"
#include "app/ProgramWindows.h"
#include "app/WindowPlacement.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tavro::SetUpApplication();

    tavro::ProgramWindows windows;
    tavro::PlaceOnItsScreen(windows.form1);
    windows.form1.show();

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longest = 0;
    QTimer ticks;
    ticks.setTimerType(Qt::PreciseTimer);
    ticks.setInterval(10);
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        if (now - lastTick > longest) {
            longest = now - lastTick;
            std::fprintf(stderr, "longest stall %lld ms\n", static_cast<long long>(longest));
        }
        lastTick = now;
    });
    clock.start();
    ticks.start();
    const int status = QApplication::exec();
    std::fprintf(stderr, "loop ended, longest stall %lld ms\n", static_cast<long long>(longest));
    return status;
}
