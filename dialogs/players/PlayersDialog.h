// SPDX-License-Identifier: GPL-3.0-or-later
// What the two dialogs of the "&Play" menu share, in the look of the name entry: name boxes in the
// large blue font under a caption that names them, and the OK and Cancel buttons. OK (or Enter)
// writes the choices into the settings and closes the dialog accepted; Cancel, Escape or the
// close box leave the settings as they were. The main window then changes who plays.
#pragma once

#include <QSize>

#include "dialogkit/ToolDialog.h"
#include "settings/Settings.h"

class QLineEdit;
class QToolButton;

namespace tavro {

class PlayersDialog : public ToolDialog {
    Q_OBJECT
public:
    QToolButton* OkButton();
    QToolButton* CancelButton();

protected:
    // play: the settings the dialog shows and, on OK, writes.
    PlayersDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow, QSize clientSize);

    // A caption (with its access key) and below it a name box, from top.
    QLineEdit* AddNameBox(const QString& caption, int top, const QString& objectName);
    // OK and Cancel at the bottom right, from top.
    void AddButtons(int top);
    // Fills the box with the name player 0 or 1 plays by now, all of it selected, so that typing
    // replaces it.
    void ShowName(QLineEdit* box, int player) const;
    // Writes what the dialog shows into the settings.
    virtual void Store() = 0;
    // Enter confirms, wherever the focus is but on Cancel.
    void keyPressEvent(QKeyEvent* event) override;

    PlaySettings& play_;

private:
    void Confirm();

    QToolButton* okButton_ = nullptr;
    QToolButton* cancelButton_ = nullptr;
};

}  // namespace tavro
