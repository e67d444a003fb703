// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, its name, icon and language, the five windows created once in
// their order (main window, Leads, name entry, Options, About), and the event loop, which ends when
// the main window closes.
#include <QApplication>

#include "app/ProgramStart.h"
#include "app/ProgramWindows.h"
#include "app/WindowPlacement.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tavro::SetUpApplication();

    tavro::ProgramWindows windows;
    // Centred on the desktop when first shown (at its top left where it does not fit).
    tavro::PlaceOnItsScreen(windows.form1);
    windows.form1.show();
    return QApplication::exec();
}
