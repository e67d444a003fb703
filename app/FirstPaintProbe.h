// A start-up timing hook for the benchmark (bench/startup): with the environment variable
// TAVRO_EXIT_AFTER_FIRST_PAINT=1 the program quits as soon as the board has been painted once,
// without saving anything. Without the variable it does nothing.
#pragma once

class QWidget;

namespace tavro {

// Watches the window's last-painted child; call before the window is shown.
void ExitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace tavro
