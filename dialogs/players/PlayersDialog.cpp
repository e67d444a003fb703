// SPDX-License-Identifier: GPL-3.0-or-later
// The name boxes and buttons of the "&Play" menu's dialogs.
#include "players/PlayersDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "dialogkit/DialogLook.h"
#include "dialogkit/KeyboardReach.h"
#include "players/PlayerNames.h"

namespace tavro {
namespace {

constexpr int kMargin = 8;
constexpr int kCaptionHeight = 15;
constexpr int kBoxHeight = 37;
constexpr QSize kButtonSize(73, 25);

}  // namespace

PlayersDialog::PlayersDialog(PlaySettings& play, InputGate& gate, QWidget* mainWindow,
                             QSize clientSize)
    : ToolDialog(mainWindow, TitleButtons::CloseBox, gate), play_(play) {
    setFixedSize(clientSize);
}

QToolButton* PlayersDialog::OkButton() {
    EnsureBuilt();
    return okButton_;
}

QToolButton* PlayersDialog::CancelButton() {
    EnsureBuilt();
    return cancelButton_;
}

QLineEdit* PlayersDialog::AddNameBox(const QString& caption, int top, const QString& objectName) {
    auto* label = new QLabel(caption, this);
    label->setGeometry(kMargin, top, width() - 2 * kMargin, kCaptionHeight);

    auto* box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setGeometry(kMargin, top + kCaptionHeight, width() - 2 * kMargin, kBoxHeight);
    box->setMaxLength(kMaxPlayerNameLength);
    box->setFont(LargeBoldFont());
    // As the name entry's box: a thin flat frame, blue letters, a 2-pixel mark for a focus that
    // comes by key.
    SetFixedStyleSheet(
        *box,
        QStringLiteral("QLineEdit { border: 1px solid #808080; background: white; color: blue; "
                       "padding: 0 2px; }"));
    box->setValidator(new PlayerNameValidator(box));
    MarkFocus(box);
    label->setBuddy(box);  // the caption's access key reaches the box
    connect(box, &QLineEdit::returnPressed, this, &PlayersDialog::Confirm);
    return box;
}

void PlayersDialog::AddButtons(int top) {
    const int right = width() - kMargin;
    okButton_ = MakeSpeedButton(
        this, tr("OK"), QRect(QPoint(right - 2 * kButtonSize.width() - kMargin, top), kButtonSize),
        Qt::black, QStringLiteral("OkButton"));
    cancelButton_ = MakeSpeedButton(this, tr("Cancel"),
                                    QRect(QPoint(right - kButtonSize.width(), top), kButtonSize),
                                    Qt::black, QStringLiteral("CancelButton"));
    for (QToolButton* button : {okButton_, cancelButton_}) {
        ReachByKeyboard(button);
    }
    connect(okButton_, &QToolButton::clicked, this, &PlayersDialog::Confirm);
    connect(cancelButton_, &QToolButton::clicked, this, &PlayersDialog::reject);
}

void PlayersDialog::ShowName(QLineEdit* box, int player) const {
    box->setText(PlayerName(play_, player));
    box->selectAll();
}

void PlayersDialog::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        Confirm();
        return;
    }
    ToolDialog::keyPressEvent(event);  // Escape cancels
}

void PlayersDialog::Confirm() {
    Store();
    accept();
}

}  // namespace tavro
