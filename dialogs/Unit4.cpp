// Placeholder until the Options dialog is built.
#include "dialogs/Unit4.h"

namespace tavro {

TForm4::TForm4(SharedState& state, GameEngine& engine, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), engine_(engine), mainWindow_(mainWindow) {
    setWindowTitle("Options");
}

}  // namespace tavro
