// SPDX-License-Identifier: GPL-3.0-or-later
// The shared look of the main window and the dialogs.
#include "dialogkit/DialogLook.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPalette>
#include <QStyle>
#include <QToolButton>
#include <cmath>

namespace tavro {

double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

namespace {

// Black or white, whichever stands out more on the colour.
QColor TextColourOn(const QColor& colour) {
    const double luminance = RelativeLuminance(colour);
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? QColor(Qt::black)
                                                                  : QColor(Qt::white);
}

}  // namespace

QFont StandardFont() {
    // Where "MS Sans Serif" is missing, a face of about its width keeps the captions inside
    // their buttons; the generic sans-serif face of many systems is much wider. The game
    // depends on Liberation Sans (fonts-liberation2) being there: with it, every caption fits.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QFont LargeBoldFont() {
    QFont font = StandardFont();
    font.setPixelSize(24);
    font.setBold(true);
    return font;
}

QPalette FixedPalette(const QWidget& widget, const QColor& background) {
    // A window that fixes its background must fix its text too: a dark desktop palette would
    // otherwise put light text on it. The style's standard palette is a light one and gives
    // the bevels their shades; the selection keeps the desktop's colour, with black or white
    // text on it, whichever reads better.
    QPalette palette = widget.style()->standardPalette();
    const QPalette& desktop = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Window, background);
        palette.setColor(group, QPalette::Base, Qt::white);
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, Qt::black);
        }
        const QColor highlight = desktop.color(group, QPalette::Highlight);
        palette.setColor(group, QPalette::Highlight, highlight);
        palette.setColor(group, QPalette::HighlightedText, TextColourOn(highlight));
    }
    palette.setColor(QPalette::Disabled, QPalette::Window, background);
    return palette;
}

void SetBackground(QWidget* widget, const QColor& colour) {
    widget->setPalette(FixedPalette(*widget, colour));
    widget->setAutoFillBackground(true);
}

void ApplyDialogLook(QWidget& window) {
    window.setFont(StandardFont());
    SetBackground(&window, Qt::white);
}

void ApplyDialogLook(QDialog& dialog, QSize clientSize) {
    ApplyDialogLook(static_cast<QWidget&>(dialog));
    dialog.setFixedSize(clientSize);
}

void ApplyClassicFrame(QGroupBox& groupBox) {
    // The frame's top line runs through the middle of the caption, which clears the line
    // behind it; controls placed just below the caption then lie inside the frame. A style
    // sheet takes a widget off its parent's palette, so the sheet names the caption's colour
    // and the line's shade (the one our bevels have on white) itself.
    const int captionMiddle = QFontMetrics(groupBox.font()).height() / 2;
    groupBox.setStyleSheet(
        QStringLiteral("QGroupBox { color: black; border: 1px solid #A0A0A0; margin-top: %1px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
            .arg(captionMiddle));
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
