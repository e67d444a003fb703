// SPDX-License-Identifier: GPL-3.0-or-later
// The contrast of the texts a window draws, read from a rendering of the window.
#include "TextContrast.h"

#include <QAbstractItemView>
#include <QHash>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "DrawnTexts.h"

namespace tavro::test {
namespace {

// Text is looked at in a rendering this many times larger, where a glyph's strokes cover whole
// pixels in the text's full colour instead of only smoothed edges.
constexpr int kInkScale = 4;
// How much of a colour's contrast a rendering may lose at the strokes' edges.
constexpr double kRenderingSlack = 0.97;

// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {

// The contrast between the colour most pixels of the ink box have and the one farthest from it.
double InkContrast(const QImage& picture, const QRect& ink, QColor* text, QColor* background) {
    QHash<QRgb, int> counts;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    if (counts.isEmpty()) {
        return 1.0;
    }
    QRgb common = counts.cbegin().key();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(common)) {
            common = it.key();
        }
    }
    QRgb farthest = common;
    double contrast = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = ContrastRatio(QColor(it.key()), QColor(common));
        if (ratio > contrast) {
            contrast = ratio;
            farthest = it.key();
        }
    }
    *text = QColor(farthest);
    *background = QColor(common);
    return contrast;
}

// The widget drawn kInkScale times larger.
QImage Render(QWidget& widget) {
    QImage picture(widget.size() * kInkScale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(kInkScale);
    picture.fill(Qt::magenta);  // shows through wherever nothing is drawn
    widget.render(&picture);
    picture.setDevicePixelRatio(1);
    return picture;
}

QRect Scaled(const QRect& rect) {
    return {rect.topLeft() * kInkScale, rect.size() * kInkScale};
}

}  // namespace

QStringList TextsHardToRead(QWidget& window, double minimumRatio,
                            const QList<QColor>& fixedColours) {
    const QImage picture = Render(window);
    QStringList unreadable;
    for (const DrawnText& text : DrawnTexts(window)) {
        const QRect ink = Scaled(text.ink) & picture.rect();
        if (text.text.trimmed().isEmpty() || ink.isEmpty()) {
            continue;
        }
        QColor inkColour;
        QColor background;
        const double contrast = InkContrast(picture, ink, &inkColour, &background);
        // A colour the window was made to use is as readable as it can be; the rendering may
        // miss its full strength by a little.
        double required = minimumRatio;
        const QColor own = text.control->palette().color(text.control->foregroundRole());
        if (fixedColours.contains(own)) {
            required = std::min(required, ContrastRatio(own, background) * kRenderingSlack);
        }
        if (contrast < required) {
            unreadable << QStringLiteral("%1: %2 (contrast %3:1 of %4 on %5)")
                              .arg(text.name, text.text)
                              .arg(contrast, 0, 'f', 2)
                              .arg(inkColour.name(), background.name());
        }
    }
    return unreadable;
}

QStringList EntriesHardToRead(QAbstractItemView& view, double minimumRatio) {
    const QImage picture = Render(*view.viewport());
    QStringList unreadable;
    const QAbstractItemModel* model = view.model();
    for (int row = 0; row < model->rowCount(view.rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view.rootIndex());
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect ink = Scaled(view.visualRect(index)) & picture.rect();
        if (text.trimmed().isEmpty() || ink.isEmpty()) {
            continue;
        }
        QColor inkColour;
        QColor background;
        const double contrast = InkContrast(picture, ink, &inkColour, &background);
        if (contrast < minimumRatio) {
            unreadable << QStringLiteral("%1 entry %2 (contrast %3:1 of %4 on %5)")
                              .arg(view.objectName().isEmpty()
                                       ? QLatin1String(view.metaObject()->className())
                                       : view.objectName(),
                                   text)
                              .arg(contrast, 0, 'f', 2)
                              .arg(inkColour.name(), background.name());
        }
    }
    return unreadable;
}

}  // namespace tavro::test
