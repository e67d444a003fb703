// SPDX-License-Identifier: GPL-3.0-or-later
// The name entry dialog: an empty name box on every showing, confirm on Enter or OK (enter the
// name with the points, close), no close before a name was confirmed, the
// Leads dialog shown while it closes, and a line that names the letters the box refuses because
// the Leads file cannot hold them.
#include "scores/Unit2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <exception>

#include "dialogkit/DialogLook.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/KeyboardReach.h"
#include "scores/LeadNameValidator.h"
#include "scores/LeadsFile.h"
#include "scores/LockPrompt.h"
#include "scores/Unit3.h"

namespace tavro {

TForm2::TForm2(LeadsTable& leads, const GameState& game, InputGate& gate, TForm3& leadsDialog,
               QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::None, gate),
      leads_(leads),
      game_(game),
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

QLabel* TForm2::RefusalLabel() {
    EnsureBuilt();
    return refusal_;
}

void TForm2::BuildControls() {
    ApplyDialogLook(*this);

    edit_ = new QLineEdit(QStringLiteral("12345"), this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setGeometry(8, 16, 233, 37);
    edit_->setMaxLength(kLeadNameLength);
    edit_->setFont(LargeBoldFont());
    edit_->setAccessibleName(tr("Name"));
    // A thin flat frame in place of the sunken border; a focus that comes back to the box by key
    // is marked 2 pixels wide (MarkFocus).
    SetFixedStyleSheet(
        *edit_,
        QStringLiteral("QLineEdit { border: 1px solid #808080; background: white; color: blue; "
                       "padding: 0 2px; }"));
    MarkFocus(edit_);
    connect(edit_, &QLineEdit::returnPressed, this, &TForm2::Edit1KeyPress);

    // Below the box, beside the OK button, in the space the dialog leaves free.
    refusal_ = new QLabel(this);
    refusal_->setObjectName(QStringLiteral("RefusalLabel"));
    refusal_->setGeometry(8, 55, 156, 40);
    refusal_->setTextFormat(Qt::PlainText);
    refusal_->setWordWrap(true);
    refusal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    refusal_->hide();
    edit_->setValidator(
        new LeadNameValidator([this](const QStringList& refused) { ShowRefused(refused); }, edit_));

    okButton_ = MakeSpeedButton(this, tr("OK"), QRect(168, 64, 73, 25), Qt::black,
                                QStringLiteral("SpeedButton1"));
    ReachByKeyboard(okButton_);  // Tab from the name box
    connect(okButton_, &QToolButton::clicked, this, &TForm2::SpeedButton1Click);
    setFocusProxy(edit_);
}

void TForm2::FormShow() {
    edit_->clear();
    HideRefused();
    nameEntered_ = false;
    closing_ = false;
    // Why the dialog is shown, for a screen reader; the window itself shows only the box, and
    // its caption says what to do. The one place the end of a game says the score.
    setAccessibleDescription(tr("A new high score: %1 points.").arg(game_.Points));
    edit_->setFocus();
}

// Shows the characters the last edit dropped, and gives the same text to the name box as its
// description, so that a screen reader tells it too.
void TForm2::ShowRefused(const QStringList& refused) {
    const QString text =
        tr("%1 can't be stored in the high scores").arg(refused.join(QLatin1Char(' ')));
    refusal_->setText(text);
    refusal_->show();
    edit_->setAccessibleDescription(text);
}

void TForm2::HideRefused() {
    refusal_->hide();
    refusal_->clear();
    if (!edit_->accessibleDescription().isEmpty()) {  // no needless event for a screen reader
        edit_->setAccessibleDescription(QString());
    }
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
        // While another program holds the file, the player may wait or go back to the name.
        if (!RunWithLeadsLock(this, [this](auto lockLimit) {
                InsertLead(leads_, edit_->text(), game_.Points, lockLimit);
            })) {
            return;
        }
    } catch (...) {
        // The dialog stays open with the typed name; Enter or OK tries the whole entry again.
        ReportException(this, std::current_exception());
        return;
    }
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
