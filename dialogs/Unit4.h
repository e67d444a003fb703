// The Options dialog: picks the card set (with a live preview) and the mismatch delay.
#pragma once

#include <QDialog>

#include "app/SharedState.h"

namespace tavro {

class GameEngine;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    // mainWindow: the window whose caption follows the picked set; also the dialog's parent.
    TForm4(SharedState& state, GameEngine& engine, QWidget* mainWindow);

private:
    SharedState& state_;
    GameEngine& engine_;
    QWidget* mainWindow_;
};

}  // namespace tavro
