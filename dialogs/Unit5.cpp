// Placeholder until the About dialog is built.
#include "dialogs/Unit5.h"

namespace tavro {

TForm5::TForm5(SharedState& state, QWidget* mainWindow) : QDialog(mainWindow), state_(state) {
    setWindowTitle("About Tavro Memory");
}

}  // namespace tavro
