// SPDX-License-Identifier: GPL-3.0-or-later
// The name entry dialog: an empty name box on every showing, confirm on Enter or OK (enter the
// name with the points, reopen the gate, close), no close before a name was confirmed, and the
// Leads dialog shown while it closes.
#include "scores/Unit2.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QToolButton>
#include <exception>

#include "game/InputGate.h"
#include "scores/LeadsFile.h"
#include "scores/Unit3.h"
#include "widgets/DialogLook.h"
#include "widgets/ErrorReport.h"
#include "widgets/KeyboardReach.h"

namespace tavro {

TForm2::TForm2(LeadsTable& leads, const GameState& game, std::uint8_t& inputState,
               TForm3& leadsDialog, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::None),
      leads_(leads),
      game_(game),
      inputState_(inputState),
      leadsDialog_(leadsDialog) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Enter your name"));
    setFixedSize(250, 97);
}

QLineEdit* TForm2::Edit1() {
    EnsureBuilt();
    return edit_;
}

QToolButton* TForm2::SpeedButton1() {
    EnsureBuilt();
    return okButton_;
}

void TForm2::BuildControls() {
    ApplyDialogLook(*this);

    edit_ = new QLineEdit(QStringLiteral("12345"), this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setGeometry(8, 16, 233, 37);
    edit_->setMaxLength(kLeadNameLength);
    edit_->setFont(LargeBoldFont());
    edit_->setAccessibleName(tr("Name"));
    // A thin flat frame in place of the sunken border.
    edit_->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #808080; background: white; color: blue; "
                       "padding: 0 2px; }"
                       // Focused: a black frame twice as wide, the text where it was.
                       "QLineEdit:focus { border: 2px solid black; padding: 0 1px; }"));
    connect(edit_, &QLineEdit::returnPressed, this, &TForm2::Edit1KeyPress);

    okButton_ = MakeSpeedButton(this, tr("OK"), QRect(168, 64, 73, 25), Qt::black,
                                QStringLiteral("SpeedButton1"));
    ReachByKeyboard(okButton_);  // Tab from the name box
    connect(okButton_, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    setFocusProxy(edit_);
}

void TForm2::FormShow() {
    inputState_ = kInputBusy;
    edit_->clear();
    nameEntered_ = false;
    closing_ = false;
    // Why the dialog is shown, for a screen reader; the window itself shows only the box.
    setAccessibleDescription(
        tr("A new high score: %1 points. Type your name for the Leads.").arg(game_.Points));
    edit_->setFocus();
}

void TForm2::FormHide() {
    inputState_ = kInputReady;
}

void TForm2::Edit1KeyPress() {
    Confirm();
}

void TForm2::SpeedButton1Click() {
    Confirm();
}

void TForm2::Confirm() {
    nameEntered_ = true;
    try {
        InsertLead(leads_, edit_->text(), game_.Points);
    } catch (...) {
        // The dialog stays open with the typed name; Enter or OK tries the whole entry again.
        ReportException(this, std::current_exception());
        return;
    }
    inputState_ = kInputReady;
    close();
}

void TForm2::closeEvent(QCloseEvent* event) {
    if (!nameEntered_) {
        event->ignore();
        return;
    }
    ToolDialog::closeEvent(event);  // ends in done()
}

void TForm2::done(int result) {
    if (!nameEntered_) {
        return;
    }
    FormClose();
    ToolDialog::done(result);
}

void TForm2::FormClose() {
    if (closing_) {
        return;
    }
    closing_ = true;
    // The name dialog stays on screen behind the Leads dialog until that is dismissed.
    leadsDialog_.exec();
}

}  // namespace tavro
