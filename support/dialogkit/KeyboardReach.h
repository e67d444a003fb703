// SPDX-License-Identifier: GPL-3.0-or-later
// Lets the keyboard reach a dialog's flat speed buttons without changing what a mouse player
// sees: Tab and Shift+Tab move the focus onto a button (a click never does), its focus frame is
// drawn only after the focus was moved by key, and Space or Enter on it presses it. The dialog
// itself keeps the focus when it is shown, so its own keys work as before.
#pragma once

class QToolButton;
class QWidget;

namespace tavro {

// Makes the button reachable with Tab, and pressed with Space or Enter while it has the focus.
// Also marks its focus (below).
void ReachByKeyboard(QToolButton* button);
// Frames the control 2 pixels wide in black or white, whichever stands out from its background,
// over whatever the control draws, while it has a focus that the keyboard moved there (Tab,
// Shift+Tab or an access key). A focus from a click or from a window's showing leaves the
// control's own look, so a mouse player sees the windows as they were designed. rightInset
// moves the right side in, clear of dark edges the control draws there (a combo box's arrow).
void MarkFocus(QWidget* control, int rightInset = 0);

}  // namespace tavro
