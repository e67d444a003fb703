// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start, shared by the entry (main.cpp) and the start-up benchmark's build of the
// game: the application's name, icon and language (the main window's first place is
// app/WindowPlacement).
#pragma once

namespace tavro {

// Names the application, sets its icon and desktop id, and installs the translations for the
// system locale's language. Call once, after the QApplication exists and before any window.
void SetUpApplication();

}  // namespace tavro
