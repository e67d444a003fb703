// SPDX-License-Identifier: GPL-3.0-or-later
// The look our windows share: the standard font, white backgrounds with text colours to match,
// a classic group box frame, and flat "speed buttons" with bold underlined captions that never
// take the keyboard focus (so the dialog keeps the keys). A QToolButton rather than a
// QPushButton, because a dialog makes push buttons default buttons that eat Enter.
//
// The colours follow one rule, so that every window reads under any desktop palette, light or
// dark: a window either fixes its colours whole or follows the desktop's palette whole, never a
// mix of the two (a background of ours with the desktop's text colour, or the reverse, is what
// makes text vanish under a dark palette). Where we fix a background (the board's white panel and
// grey frames, the white faces of the dialogs and of the statistics window), FixedPalette fixes
// with it every colour drawn on it: texts, fields, bevels and the marks of radio and check
// buttons, for the widget and, by inheritance, all its children. Everything else (the main
// window's menu bar and menus, message boxes, file dialogs, the card maker's window) keeps the
// desktop's palette whole and sets no colour of its own.
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
// classic dialog, rather than below the caption as some styles draw it. The box is on a fixed
// background (its parent's): call this before adding the box's controls, which then get the
// same fixed colours.
void ApplyClassicFrame(QGroupBox& groupBox);
// Gives a control on a fixed background a style sheet, and the fixed colours of that background
// for all the sheet leaves unnamed (its selection, its arrow button, its marks): under a style
// sheet a control would otherwise take the desktop's palette instead of its parent's.
void SetFixedStyleSheet(QWidget& control, const QString& styleSheet);
// A flat button with a bold underlined caption in the given colour and a hand-pointer cursor.
QToolButton* MakeSpeedButton(QWidget* parent, const QString& caption, const QRect& geometry,
                             const QColor& textColour, const QString& objectName = QString());

}  // namespace tavro
