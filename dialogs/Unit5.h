// The About dialog: the logo, the name with the version, and the homepage and mail links.
#pragma once

#include <QDialog>

#include "app/SharedState.h"

namespace tavro {

class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(SharedState& state, QWidget* mainWindow);

private:
    SharedState& state_;
};

}  // namespace tavro
