// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible table of the Leads dialog: a table interface over the dialog's panel and a cell
// interface over each row label, handed to Qt by a factory for the widgets Unit3 marks with
// dynamic properties. Nothing about the dialog's look changes.
#include "scores/Unit3Access.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "dialogkit/Announcer.h"
#include "scores/LeadsTable.h"

namespace tavro {
namespace {

constexpr const char* kTableProperty = "tavroLeadsTable";
constexpr const char* kRowProperty = "tavroLeadsRow";
constexpr const char* kColumnProperty = "tavroLeadsColumn";
constexpr int kFocusFrameWidth = 2;

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

// A 2-pixel frame around the current place, drawn over the row's labels. The panel behind is
// always white, so black shows at full contrast under any palette. The control itself is always
// there and draws nothing until it is switched on.
class RowFrame : public QWidget {
public:
    explicit RowFrame(QWidget* panel) : QWidget(panel) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        resize(0, 0);
    }
    void SetShown(bool shown) {
        if (shown_ != shown) {
            shown_ = shown;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        if (!shown_) {
            return;
        }
        QPainter painter(this);
        painter.setPen(
            QPen(Qt::black, kFocusFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    bool shown_ = false;
};

class TableKeys : public QObject {
public:
    explicit TableKeys(QWidget* panel)
        : QObject(panel), panel_(panel), frame_(new RowFrame(panel)) {
        panel->setFocusPolicy(Qt::TabFocus);
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != panel_) {
            return false;
        }
        switch (event->type()) {
            case QEvent::FocusIn: {
                if (!panel_->isActiveWindow()) {
                    return false;  // told when the window becomes active and the focus comes back
                }
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                framed_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
                if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) {
                    row_ = 0;  // a new showing starts at place 1
                }
                ShowFrame();
                AnnounceRow();
                return false;
            }
            case QEvent::FocusOut:
                frame_->SetShown(false);
                return false;
            case QEvent::KeyPress:
                return MoveByKey(static_cast<QKeyEvent*>(event)->key());
            default:
                return false;
        }
    }

private:
    bool MoveByKey(int key) {
        int row = row_;
        switch (key) {
            case Qt::Key_Up:
                row = std::max(0, row_ - 1);
                break;
            case Qt::Key_Down:
                row = std::min(kLeadPlaces - 1, row_ + 1);
                break;
            case Qt::Key_Home:
                row = 0;
                break;
            case Qt::Key_End:
                row = kLeadPlaces - 1;
                break;
            default:
                return false;
        }
        row_ = row;
        framed_ = true;
        ShowFrame();
        AnnounceRow();
        return true;
    }

    void ShowFrame() {
        QLabel* rank = CellLabel(panel_, row_, 0);
        QLabel* points = CellLabel(panel_, row_, 2);
        if (!framed_ || rank == nullptr || points == nullptr) {
            frame_->SetShown(false);
            return;
        }
        // From the panel's inner bevel to the other, around the row's text.
        const int top = rank->y() - 1;
        frame_->setGeometry(4, top, panel_->width() - 8, rank->height() + 2);
        frame_->raise();
        frame_->SetShown(true);
    }

    void AnnounceRow() {
        const auto text = [this](int column) {
            QLabel* cell = CellLabel(panel_, row_, column);
            return cell != nullptr ? cell->text() : QString();
        };
        const QString name = text(1);
        AnnouncerOf(panel_).Announce(
            name.isEmpty()
                ? QCoreApplication::translate("tavro::LeadsTableAccessible", "%1, %2 points")
                      .arg(text(0), text(2))
                : QCoreApplication::translate("tavro::LeadsTableAccessible", "%1, %2, %3 points")
                      .arg(text(0), name, text(2)));
    }

    QWidget* panel_;
    RowFrame* frame_;
    int row_ = 0;
    bool framed_ = false;
};

}  // namespace

void ReadLeadsByKeyboard(QWidget* panel) {
    new TableKeys(panel);
}

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
