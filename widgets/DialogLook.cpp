// The shared look of the main window and the dialogs.
#include "widgets/DialogLook.h"

#include <QDialog>
#include <QPalette>
#include <QToolButton>

namespace tavro {

QFont StandardFont() {
    // Where "MS Sans Serif" is missing, a face of about its width keeps the captions inside
    // their buttons; the generic sans-serif face of many systems is much wider.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont LargeBoldFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(24);
    font.setBold(true);
    return font;
}

void ApplyDialogLook(QWidget& window) {
    window.setFont(StandardFont());
    SetBackground(&window, Qt::white);
}

void ApplyDialogLook(QDialog& dialog, QSize clientSize) {
    ApplyDialogLook(static_cast<QWidget&>(dialog));
    dialog.setFixedSize(clientSize);
}

QToolButton* MakeSpeedButton(QWidget* parent, const QString& caption, const QRect& geometry,
                             const QColor& textColour, const QString& objectName) {
    auto* button = new QToolButton(parent);
    if (!objectName.isEmpty()) {
        button->setObjectName(objectName);
    }
    button->setText(caption);
    button->setGeometry(geometry);
    button->setAutoRaise(true);  // flat until the pointer is over it
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    QFont font = StandardFont();
    font.setBold(true);
    font.setUnderline(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, textColour);
    button->setPalette(palette);
    return button;
}

}  // namespace tavro
