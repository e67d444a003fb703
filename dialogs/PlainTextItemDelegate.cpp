// SPDX-License-Identifier: GPL-3.0-or-later
// Plain-text list entries for the card set list. The rows keep their designed height; the font
// is made small enough that every glyph's ink fits a row, so no underscore or descender is cut.
#include "dialogs/PlainTextItemDelegate.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <cmath>

namespace tavro {
namespace {

constexpr int kItemHeight = 13;
constexpr int kTextIndent = 2;
// Glyphs that reach furthest above and below the line: the underscore sits at or below the
// lowest descender in many faces, and a bar or an accented capital may pass the font's ascent
// or descent by a pixel.
const QString kTallestGlyphs = QStringLiteral("_gjpqy|()[]{}\u00c4\u00c5\u00c9");
// Smaller than this, no name could be read anyway.
constexpr int kSmallestPixelSize = 6;

// Whether every glyph of the font fits a row of the height, in the device pixels of the ratio
// (glyphs are laid out and hinted anew at each size). The line (ascent and descent) is centred
// in the row; the ink of the tallest glyphs and the underline may reach past it by no more
// than the room the centring leaves on each side.
bool FitsRow(const QFont& font, int pixelSize, int height, qreal ratio) {
    QFont scaled = font;
    scaled.setPixelSize(static_cast<int>(std::ceil(pixelSize * ratio)));
    const QFontMetrics metrics(scaled);
    const int room = static_cast<int>(std::floor(height * ratio));
    const int line = metrics.ascent() + metrics.descent();
    if (line > room) {
        return false;
    }
    const int margin = (room - line) / 2;
    const QRect ink = metrics.tightBoundingRect(kTallestGlyphs);
    const int lowest = std::max(ink.bottom() + 1, metrics.underlinePos() + metrics.lineWidth());
    return -ink.top() <= metrics.ascent() + margin && lowest <= metrics.descent() + margin;
}

}  // namespace

QFont PlainTextItemDelegate::FontForRows(const QFont& font, qreal devicePixelRatio) {
    int pixelSize = QFontInfo(font).pixelSize();
    while (pixelSize > kSmallestPixelSize &&
           !FitsRow(font, pixelSize, kItemHeight, devicePixelRatio)) {
        --pixelSize;
    }
    QFont fitted = font;
    fitted.setPixelSize(pixelSize);
    return fitted;
}

void PlainTextItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const bool highlighted = option.state.testFlag(QStyle::State_Selected) ||
                             option.state.testFlag(QStyle::State_MouseOver);
    const QPalette::ColorRole background = highlighted ? QPalette::Highlight : QPalette::Base;
    const QPalette::ColorRole foreground = highlighted ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(background));
    painter->setPen(option.palette.color(foreground));
    painter->setFont(FontForRows(option.font, painter->device()->devicePixelRatioF()));
    const QRect textArea = option.rect.adjusted(kTextIndent, 0, 0, 0);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize PlainTextItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const int width = QFontMetrics(FontForRows(option.font))
                          .horizontalAdvance(index.data(Qt::DisplayRole).toString()) +
                      2 * kTextIndent;
    return {width, kItemHeight};
}

}  // namespace tavro
