// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start, shared by the entry (main.cpp) and the start-up benchmark's build of the
// game: the application's name, icon and language, and the main window centred on the desktop.
#pragma once

class QWidget;

namespace tavro {

// Names the application, sets its icon and desktop id, and installs the translations for the
// system locale's language. Call once, after the QApplication exists and before any window.
void SetUpApplication();
// Moves the window so that it is centred on its screen's available area.
void CentreOnDesktop(QWidget& window);

}  // namespace tavro
