// SPDX-License-Identifier: GPL-3.0-or-later
// Draws list entries as plain text in the list's font, one 13-pixel line each, with the selection
// colour behind the highlighted entry: the card set list needs nothing more than the names. The
// font is made smaller where its glyphs would not fit a line.
#pragma once

#include <QAbstractItemDelegate>
#include <QFont>

namespace tavro {

class PlainTextItemDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The font at the largest pixel size, up to its own, whose every glyph (underscores and
    // descenders included) fits a row at the device pixel ratio.
    static QFont FontForRows(const QFont& font, qreal devicePixelRatio = 1.0);
};

}  // namespace tavro
