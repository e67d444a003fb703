// The flat speed buttons of the high-score dialogs: 73 x 25, bold underlined 8-point caption,
// hand cursor, and no keyboard focus (so that the dialog keeps the keys). A QToolButton rather
// than a QPushButton, because a dialog makes push buttons default buttons that eat Enter.
#pragma once

#include <QToolButton>

namespace tavro {

inline QToolButton* MakeFlatButton(QWidget* parent, const char* name, const QString& caption,
                                   int left, int top) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setAutoRaise(true);
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setBold(true);
    font.setUnderline(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, top, 73, 25);
    return button;
}

inline void MakeWhite(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace tavro
