// SPDX-License-Identifier: GPL-3.0-or-later
// The common frame of the program's dialogs: a modal tool window (small caption) that stays on
// top, centred over the main window the first time it is shown and shown where it was left
// after that. Each dialog builds its controls once, on first use, runs FormShow just before it
// becomes visible and FormHide once it has been hidden, and holds the input gate closed from
// just before FormShow until FormHide is done.
#pragma once

#include <QDialog>
#include <QPoint>

#include "game/InputGate.h"

namespace tavro {

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    enum class TitleButtons { CloseBox, None };

    // gate: the main window's input gate, held closed while the dialog is shown.
    ToolDialog(QWidget* mainWindow, TitleButtons buttons, InputGate& gate);

    void setVisible(bool visible) override;

protected:
    // Creates the child controls. Runs once: at the first showing, or earlier when a control is
    // asked for (EnsureBuilt). The dialogs are created at start-up but most runs never show
    // them, so their controls stay off the start-up time. Controls made here, before the
    // window is shown, appear with it; ones made while it is being shown would stay hidden.
    virtual void BuildControls() = 0;
    // Just before the dialog becomes visible, with its controls built.
    virtual void FormShow() {}
    // Once the dialog has been hidden. Minimising and restoring the window neither show nor
    // hide the dialog in this sense.
    virtual void FormHide() {}

    void EnsureBuilt();

private:
    InputGate& gate_;
    InputGate::Hold shown_;
    bool built_ = false;
    bool shownBefore_ = false;
    QPoint lastPosition_;
};

}  // namespace tavro
