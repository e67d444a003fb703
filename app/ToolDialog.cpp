// Modal, stay-on-top tool windows that remember where they were.
#include "app/ToolDialog.h"

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

ToolDialog::ToolDialog(QWidget* mainWindow, TitleButtons buttons)
    : QDialog(mainWindow, FlagsFor(buttons)) {
    setModal(true);
}

void ToolDialog::setVisible(bool visible) {
    if (visible && shownBefore_) {
        // QDialog centres itself over its parent on every showing; later showings keep the
        // place where the dialog was last.
        move(lastPosition_);
    }
    if (!visible && isVisible()) {
        lastPosition_ = pos();
    }
    QDialog::setVisible(visible);
    if (visible) {
        shownBefore_ = true;
    }
}

}  // namespace tavro
