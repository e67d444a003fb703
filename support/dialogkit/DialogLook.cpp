// SPDX-License-Identifier: GPL-3.0-or-later
// The shared look of the main window and the dialogs.
#include "dialogkit/DialogLook.h"

#include <QChildEvent>
#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPalette>
#include <QStyle>
#include <QToolButton>
#include <cmath>
#include <utility>

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

// Hands a fixed palette on to the controls put into a widget with a style sheet, and to theirs.
// Under a style sheet, Qt gives a widget the application's palette instead of its parent's, so
// the radio buttons of a styled group box would draw the desktop's colours on our white: under a
// dark desktop, light captions that vanish and dark marks. Each control gets the palette as its
// own when it is added, before the style sheet first polishes it, so that the sheet keeps it
// through later changes of style or desktop palette; colours the program sets on a control
// afterwards (the red caption of the Options preview) replace it as usual.
class FixedColoursKeeper : public QObject {
public:
    FixedColoursKeeper(QWidget& root, QPalette palette)
        : QObject(&root), palette_(std::move(palette)) {
        root.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            // A window added here (a combo box's drop-down) is not on our background.
            if (child->isWidgetType() && !static_cast<QWidget*>(child)->isWindow()) {
                static_cast<QWidget*>(child)->setPalette(palette_);
                child->installEventFilter(this);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPalette palette_;
};

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
    new FixedColoursKeeper(groupBox,
                           FixedPalette(groupBox, groupBox.palette().color(QPalette::Window)));
    SetFixedStyleSheet(
        groupBox,
        QStringLiteral("QGroupBox { color: black; border: 1px solid #A0A0A0; margin-top: %1px; }"
                       "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }")
            .arg(captionMiddle));
}

void SetFixedStyleSheet(QWidget& control, const QString& styleSheet) {
    // The palette goes first: the style sheet, when it first polishes the control, keeps the
    // palette the control has then.
    control.setPalette(FixedPalette(control, control.palette().color(QPalette::Window)));
    control.setStyleSheet(styleSheet);
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
