// SPDX-License-Identifier: GPL-3.0-or-later
// The look our windows share: the standard font, white backgrounds with text colours to match,
// a classic group box frame, and flat "speed buttons" with bold underlined captions that never
// take the keyboard focus (so the dialog keeps the keys). A QToolButton rather than a
// QPushButton, because a dialog makes push buttons default buttons that eat Enter.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QGroupBox;
class QToolButton;
class QWidget;

namespace tavro {

// "MS Sans Serif" at 11 pixels (8 points at 96 dpi), or a sans-serif face of about its width.
// Relative luminance as contrast guidelines for text define it (sRGB, 0 = black, 1 = white).
double RelativeLuminance(const QColor& colour);

QFont StandardFont();
// "MS Sans Serif" bold at 24 pixels: the points display and the name box.
QFont LargeBoldFont();
// The widget's colours on the given background: dark text, light bevels, and the desktop's
// selection colour, whatever the desktop's own window and text colours are.
QPalette FixedPalette(const QWidget& widget, const QColor& background);
// Fills the widget's background with the colour, and fixes the text colours to go with it.
void SetBackground(QWidget* widget, const QColor& colour);
// Gives the window the standard font on a white background.
void ApplyDialogLook(QWidget& window);
// The same, and fixes the dialog's client size.
void ApplyDialogLook(QDialog& dialog, QSize clientSize);
// A group box framed by a thin line that runs through the middle of its caption, as in a
// classic dialog, rather than below the caption as some styles draw it.
void ApplyClassicFrame(QGroupBox& groupBox);
// A flat button with a bold underlined caption in the given colour and a hand-pointer cursor.
QToolButton* MakeSpeedButton(QWidget* parent, const QString& caption, const QRect& geometry,
                             const QColor& textColour, const QString& objectName = QString());

}  // namespace tavro
