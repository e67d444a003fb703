// The look the two dialogs share: the standard font, a white client area of a fixed size, and
// flat "speed buttons" with bold underlined captions that never take the keyboard focus.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QDialog;
class QToolButton;
class QWidget;

namespace tavro {

// "MS Sans Serif" at 11 pixels, or a sans-serif face of about its width.
QFont StandardFont();
// Fixes the dialog's client size and gives it the standard font on a white background.
void ApplyDialogLook(QDialog& dialog, QSize clientSize);
// A flat button with a bold underlined caption in the given colour and a hand-pointer cursor.
QToolButton* MakeSpeedButton(QWidget* parent, const QString& caption, const QRect& geometry,
                             const QColor& textColour);

}  // namespace tavro
