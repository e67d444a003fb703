// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible table of the Leads dialog: a table interface over the dialog's panel and a cell
// interface over each row label, handed to Qt by a factory for the widgets Unit3 marks with
// dynamic properties. Nothing about the dialog's look changes.
#include "scores/Unit3Access.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>

#include "scores/LeadsTable.h"

namespace tavro {
namespace {

constexpr const char* kTableProperty = "tavroLeadsTable";
constexpr const char* kRowProperty = "tavroLeadsRow";
constexpr const char* kColumnProperty = "tavroLeadsColumn";

QLabel* CellLabel(const QWidget* panel, int row, int column) {
    for (QLabel* label : panel->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QVariant labelRow = label->property(kRowProperty);
        if (labelRow.isValid() && labelRow.toInt() == row &&
            label->property(kColumnProperty).toInt() == column) {
            return label;
        }
    }
    return nullptr;
}

// The table's children: the cells row by row, then the buttons.
QList<QWidget*> TableChildren(const QWidget* panel) {
    QList<QWidget*> children;
    for (int row = 0; row < kLeadPlaces; ++row) {
        for (int column = 0; column < kLeadsTableColumns; ++column) {
            if (QLabel* cell = CellLabel(panel, row, column)) {
                children.append(cell);
            }
        }
    }
    for (QAbstractButton* button :
         panel->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        children.append(button);
    }
    return children;
}

class TableInterface : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableInterface(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Table) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QCoreApplication::translate("tavro::TForm3", "Leads")
                                      : QString();
    }

    int childCount() const override { return static_cast<int>(TableChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = TableChildren(widget());
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child == nullptr
                   ? -1
                   : static_cast<int>(TableChildren(widget()).indexOf(child->object()));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* child : TableChildren(widget())) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
            if (iface != nullptr && iface->rect().contains(x, y)) {
                return iface;
            }
        }
        return nullptr;
    }

    // QAccessibleTableInterface: a read-only table without selection.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override {
        QLabel* cell = CellLabel(widget(), row, column);
        return cell != nullptr ? QAccessible::queryAccessibleInterface(cell) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override {
        switch (column) {
            case 0:
                return QCoreApplication::translate("tavro::LeadsTableAccessible", "Place");
            case 1:
                return QCoreApplication::translate("tavro::TForm3", "Name");
            case 2:
                return QCoreApplication::translate("tavro::TForm3", "Points");
            default:
                return QString();
        }
    }
    QString rowDescription(int /*row*/) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kLeadsTableColumns; }
    int rowCount() const override { return kLeadPlaces; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}
};

class CellInterface : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit CellInterface(QLabel* label) : QAccessibleWidget(label, QAccessible::Cell) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return static_cast<QAccessibleTableCellInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QString();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return widget()->property(kColumnProperty).toInt(); }
    int rowIndex() const override { return widget()->property(kRowProperty).toInt(); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }
};

QAccessibleInterface* Factory(const QString& /*key*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (widget->property(kTableProperty).toBool()) {
        return new TableInterface(widget);
    }
    if (auto* label = qobject_cast<QLabel*>(widget);
        label != nullptr && label->property(kRowProperty).isValid()) {
        return new CellInterface(label);
    }
    return nullptr;
}

// Qt makes and keeps a widget's interface as soon as the widget raises its first event (a label
// does when its text is set), even with no screen reader listening. One made before the widget
// was marked is dropped, so that the next request goes through the factory.
void ForgetInterfaceMadeSoFar(QObject* object) {
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object)));
}

}  // namespace

void InstallLeadsAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void MarkLeadsTable(QWidget* panel) {
    panel->setProperty(kTableProperty, true);
    ForgetInterfaceMadeSoFar(panel);
}

void MarkLeadsCell(QLabel* label, int row, int column) {
    label->setProperty(kRowProperty, row);
    label->setProperty(kColumnProperty, column);
    ForgetInterfaceMadeSoFar(label);
}

}  // namespace tavro
