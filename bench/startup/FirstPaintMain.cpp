// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up benchmark's build of the game (TavroMemoryFirstPaint): the program entry of
// app/main.cpp with the first-paint exit hook set before the main window is shown. An argument,
// when given, names a file for the process's memory map at the first paint.
#include <QApplication>

#include "app/ProgramStart.h"
#include "app/ProgramWindows.h"
#include "app/WindowPlacement.h"
#include "bench/startup/FirstPaintProbe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tavro::SetUpApplication();

    tavro::ProgramWindows windows;
    tavro::PlaceOnItsScreen(windows.form1);
    tavro::QuitAfterFirstPaint(windows.form1,
                               argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    windows.form1.show();
    return QApplication::exec();
}
