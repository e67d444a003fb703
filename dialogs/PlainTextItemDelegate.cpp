// SPDX-License-Identifier: GPL-3.0-or-later
// Plain-text list entries for the card set list.
#include "dialogs/PlainTextItemDelegate.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionViewItem>

namespace tavro {
namespace {

constexpr int kItemHeight = 13;
constexpr int kTextIndent = 2;

}  // namespace

void PlainTextItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    const bool highlighted = option.state.testFlag(QStyle::State_Selected) ||
                             option.state.testFlag(QStyle::State_MouseOver);
    const QPalette::ColorRole background = highlighted ? QPalette::Highlight : QPalette::Base;
    const QPalette::ColorRole foreground = highlighted ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(background));
    painter->setPen(option.palette.color(foreground));
    painter->setFont(option.font);
    const QRect textArea = option.rect.adjusted(kTextIndent, 0, 0, 0);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize PlainTextItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    const int width =
        QFontMetrics(option.font).horizontalAdvance(index.data(Qt::DisplayRole).toString()) +
        2 * kTextIndent;
    return {width, kItemHeight};
}

}  // namespace tavro
