// SPDX-License-Identifier: GPL-3.0-or-later
// The window at the end of a game of two: the result in a heading, the players' rows below it,
// and the two buttons, laid out by Qt's layouts in the desktop's font and palette.
#include "players/GameOverDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogkit/ShownText.h"

namespace tavro {
namespace {

// A label of plain text in the font given; names are never taken for markup.
QLabel* PlainLabel(QWidget* parent, const QString& objectName) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void SetBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

}  // namespace

GameOverDialog::GameOverDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EndOfGame"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    heading_ = PlainLabel(this, QStringLiteral("Result"));
    QFont headingFont = heading_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.2);
    heading_->setFont(headingFont);
    // The result can be selected and copied, as a message's text can.
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading_);
    layout->addSpacing(6);

    auto* rows = new QGridLayout;
    rows->setColumnMinimumWidth(1, 60);
    rows->setColumnStretch(0, 1);
    for (int row = 0; row < kRows; ++row) {
        const auto i = static_cast<std::size_t>(row);
        names_[i] = PlainLabel(this, QStringLiteral("Name%1").arg(row + 1));
        points_[i] = PlainLabel(this, QStringLiteral("Points%1").arg(row + 1));
        points_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        rows->addWidget(names_[i], row, 0);
        rows->addWidget(points_[i], row, 1);
    }
    layout->addLayout(rows);
    layout->addSpacing(6);

    auto* buttons = new QDialogButtonBox(this);
    playAgain_ = buttons->addButton(tr("&Play again"), QDialogButtonBox::AcceptRole);
    playAgain_->setObjectName(QStringLiteral("PlayAgain"));
    close_ = buttons->addButton(tr("&Close"), QDialogButtonBox::RejectRole);
    close_->setObjectName(QStringLiteral("Close"));
    // Enter plays again wherever the focus is; Escape closes (QDialog's own key).
    playAgain_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setFocusProxy(playAgain_);
}

void GameOverDialog::ShowResult(const QString& result, const std::array<Row, kRows>& rows,
                                bool firstWon) {
    heading_->setText(result);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        names_[i]->setText(ShownText(rows[i].name));
        points_[i]->setText(QString::number(rows[i].points));
        const bool bold = firstWon && i == 0;
        SetBold(names_[i], bold);
        SetBold(points_[i], bold);
    }
    // What a screen reader says as the window opens, once: the result and both rows. The names
    // go in with the numbers in one go, so that a "%1" in a name stays as typed.
    setAccessibleDescription(result + QLatin1Char(' ') +
                             tr("%1: %2 points, %3: %4 points.")
                                 .arg(ShownText(rows[0].name), QString::number(rows[0].points),
                                      ShownText(rows[1].name), QString::number(rows[1].points)));
}

}  // namespace tavro
