// SPDX-License-Identifier: GPL-3.0-or-later
// The name entry dialog TForm2: takes the player's name after a game that beats the tenth place,
// enters it with the points into the Leads file, and shows the Leads dialog on its way out.
// It cannot be declined: every close is refused until a name (possibly empty) is confirmed.
#pragma once

#include <QDialog>

#include "dialogkit/ToolDialog.h"
#include "game/GameState.h"
#include "scores/LeadsTable.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace tavro {

class TForm3;

class TForm2 : public ToolDialog {
    Q_OBJECT
public:
    // leads: the table the name goes into; game: whose Points it is entered with.
    // gate: held closed while the dialog is shown.
    TForm2(LeadsTable& leads, const GameState& game, InputGate& gate, TForm3& leadsDialog,
           QWidget* mainWindow);

    // The controls, built on first use (at the latest when the dialog is first shown).
    QLineEdit* Edit1();
    QToolButton* SpeedButton1();  // OK
    // The line below the name box that tells which characters the Leads file cannot hold;
    // hidden until the box refuses one.
    QLabel* RefusalLabel();

    void SpeedButton1Click();
    // Enter in the name box (the other keys are edited as usual).
    void Edit1KeyPress();

    // Every way of ending the dialog (accept, reject or Escape) comes here: refused until a
    // name was confirmed; once allowed, FormClose shows the Leads dialog first.
    void done(int result) override;

protected:
    void BuildControls() override;
    void FormShow() override;
    void closeEvent(QCloseEvent* event) override;  // FormCloseQuery

private:
    void Confirm();
    void ShowRefused(const QStringList& refused);
    void HideRefused();
    void FormClose();

    LeadsTable& leads_;
    const GameState& game_;
    TForm3& leadsDialog_;
    bool nameEntered_ = false;
    bool closing_ = false;
    QLineEdit* edit_ = nullptr;
    QToolButton* okButton_ = nullptr;
    QLabel* refusal_ = nullptr;
};

}  // namespace tavro
