// SPDX-License-Identifier: GPL-3.0-or-later
// What a widget actually puts on screen as text, measured by its ink: the box around every pixel
// it paints that is not the background. Comparing a label's ink with the ink of its text drawn
// plainly in the label's font tells whether the label showed the text literally, whole, and on
// one line, whatever font the machine gives it.
#pragma once

#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

namespace tavro::test {

// The box around the pixels that differ from white; empty when there are none.
inline QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The widget alone on white, in its own coordinates.
inline QRect InkOf(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return InkBox(image);
}

// The text drawn plainly in the font, black on white: on one line, or wrapped at words to the
// given width.
inline QRect InkOfPlainText(const QString& text, const QFont& font, int wrapWidth = 0) {
    QImage image(1000, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrapWidth > 0 ? Qt::TextWordWrap : 0);
    painter.drawText(QRect(10, 10, wrapWidth > 0 ? wrapWidth : 980, 380), flags, text);
    painter.end();
    return InkBox(image);
}

// The height of a label showing one line of text in the font.
inline int OneLineLabelHeight(const QFont& font) {
    QLabel reference(QStringLiteral("X"));
    reference.setFont(font);
    reference.adjustSize();
    return reference.height();
}

}  // namespace tavro::test
