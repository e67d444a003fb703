// SPDX-License-Identifier: GPL-3.0-or-later
// Modal, stay-on-top tool windows that remember where they were and build their controls on
// first use.
#include "dialogkit/ToolDialog.h"

#include <utility>

namespace tavro {

namespace {

Qt::WindowFlags FlagsFor(ToolDialog::TitleButtons buttons) {
    Qt::WindowFlags flags =
        Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (buttons == ToolDialog::TitleButtons::CloseBox) {
        flags |= Qt::WindowCloseButtonHint;
    }
    return flags;
}

}  // namespace

ToolDialog::ToolDialog(QWidget* mainWindow, TitleButtons buttons, InputGate& gate)
    : QDialog(mainWindow, FlagsFor(buttons)), gate_(gate) {
    setModal(true);
}

void ToolDialog::EnsureBuilt() {
    if (!built_) {
        built_ = true;
        BuildControls();
    }
}

void ToolDialog::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    const bool hiding = !visible && isVisible();
    // Showing, the gate closes before FormShow and stays closed once the dialog is up; hiding,
    // it is let go after FormHide. Either hold ends here if the step throws.
    InputGate::Hold hold = showing ? InputGate::Hold(gate_) : InputGate::Hold();
    if (hiding) {
        hold = std::move(shown_);
    }
    if (showing) {
        EnsureBuilt();
        FormShow();
        if (shownBefore_) {
            // QDialog centres itself over its parent on every showing; later showings keep the
            // place where the dialog was last.
            move(lastPosition_);
        }
    }
    if (hiding) {
        lastPosition_ = pos();
    }
    QDialog::setVisible(visible);
    if (showing) {
        shownBefore_ = true;
        shown_ = std::move(hold);
    }
    if (hiding) {
        FormHide();
    }
}

}  // namespace tavro
