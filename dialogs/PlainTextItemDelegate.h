// SPDX-License-Identifier: GPL-3.0-or-later
// Draws list entries as plain text in the list's font, one 13-pixel line each, with the selection
// colour behind the highlighted entry: the card set list needs nothing more than the names.
#pragma once

#include <QAbstractItemDelegate>

namespace tavro {

class PlainTextItemDelegate : public QAbstractItemDelegate {
    Q_OBJECT
public:
    using QAbstractItemDelegate::QAbstractItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tavro
