// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible interfaces of the board, its cards and the points display, handed to Qt by a
// factory for the widgets the main window marks with a dynamic property.
//
// A card tells nothing but its accessible name, which the main window keeps up to date and which
// never names the picture of a face-down card; every other text is empty, so no description,
// tooltip or value can give a card away. A card is a cell, not a button: a screen reader says a
// cell's name alone, with no role after it, and reads it afresh when the focus reaches it (Orca
// lets a cell's name changes pass without a word, so a new deal's 36 of them never crowd out
// what is announced). The board is no table to a screen reader, so that none reads a whole row
// or the row and column numbers: the card's name says its place.
#include "app/BoardAccessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QVariant>
#include <limits>

#include "controls/PictureBox.h"
#include "game/GameState.h"

namespace tavro {
namespace {

constexpr const char* kRoleProperty = "tavroAccessibleRole";
constexpr const char* kTileProperty = "tavroTile";
enum class Marked { Board = 1, Card, Points };

Marked MarkOf(const QObject* object) {
    return static_cast<Marked>(object->property(kRoleProperty).toInt());
}

// The board's cards in tile order, then the points label (in a game of two, each player's).
QList<QWidget*> BoardChildren(const QWidget* board) {
    QList<QWidget*> cards(kTileCount, nullptr);
    QList<QWidget*> points;
    for (QWidget* widget : board->findChildren<QWidget*>()) {
        if (MarkOf(widget) == Marked::Card) {
            const int tile = widget->property(kTileProperty).toInt();
            if (tile >= 1 && tile <= cards.size()) {
                cards[tile - 1] = widget;
            }
        } else if (MarkOf(widget) == Marked::Points && widget->isVisibleTo(board)) {
            points.append(widget);
        }
    }
    cards.removeAll(nullptr);
    return cards + points;
}

QWidget* BoardOf(const QWidget* widget) {
    for (QWidget* up = widget->parentWidget(); up != nullptr; up = up->parentWidget()) {
        if (MarkOf(up) == Marked::Board) {
            return up;
        }
    }
    return nullptr;
}

class BoardInterface : public QAccessibleWidget {
public:
    explicit BoardInterface(QWidget* board) : QAccessibleWidget(board, QAccessible::Pane) {}

    int childCount() const override { return static_cast<int>(BoardChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = BoardChildren(widget());
        if (index < 0 || index >= children.size()) {
            return nullptr;
        }
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) {
            return -1;
        }
        return static_cast<int>(BoardChildren(widget()).indexOf(child->object()));
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (QWidget* child : BoardChildren(widget())) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(child);
            if (iface != nullptr && iface->rect().contains(x, y)) {
                return iface;
            }
        }
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return QCoreApplication::translate("tavro::BoardAccessible", "Board");
            case QAccessible::Description:
                return QCoreApplication::translate(
                    "tavro::BoardAccessible",
                    "Arrow keys move, Space turns a card. F2 new game, F3 Leads, F4 hint for 75 "
                    "points, F6 score, F10 exit.");
            default:
                return QString();
        }
    }
};

// Children of the board: their parent is the board, not the frame or label between.
class BoardChildInterface : public QAccessibleWidget {
public:
    BoardChildInterface(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}

    QAccessibleInterface* parent() const override {
        if (QWidget* board = BoardOf(widget())) {
            return QAccessible::queryAccessibleInterface(board);
        }
        return QAccessibleWidget::parent();
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
};

class CardInterface : public BoardChildInterface {
public:
    explicit CardInterface(PictureBox* card) : BoardChildInterface(card, QAccessible::Cell) {}

    // Only the name: see the note at the top of this file.
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->accessibleName() : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;
        return state;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            // Queued, so that the screen reader's call returns before a turn waits or a dialog
            // opens; then the same way as a click.
            QMetaObject::invokeMethod(static_cast<PictureBox*>(widget()), &PictureBox::clicked,
                                      Qt::QueuedConnection);
        }
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }
};

class PointsInterface : public BoardChildInterface, public QAccessibleValueInterface {
public:
    explicit PointsInterface(QLabel* label) : BoardChildInterface(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name: {
                // "Points: 120", kept by the main window, so that a review of the window reads
                // the number too.
                const QString name = widget()->accessibleName();
                return name.isEmpty()
                           ? QCoreApplication::translate("tavro::BoardAccessible", "Points")
                           : name;
            }
            case QAccessible::Value:
                return Label()->text();
            case QAccessible::Description:
                return widget()->accessibleDescription();  // the end of a game
            default:
                return QString();
        }
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return BoardChildInterface::interface_cast(type);
    }

    QVariant currentValue() const override { return Label()->text().toInt(); }
    void setCurrentValue(const QVariant& /*value*/) override {}  // read only
    QVariant maximumValue() const override { return std::numeric_limits<std::int32_t>::max(); }
    QVariant minimumValue() const override { return std::numeric_limits<std::int32_t>::min(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    QLabel* Label() const { return static_cast<QLabel*>(widget()); }
};

QAccessibleInterface* Factory(const QString& /*key*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    switch (MarkOf(widget)) {
        case Marked::Board:
            return new BoardInterface(widget);
        case Marked::Card:
            if (auto* card = qobject_cast<PictureBox*>(widget)) {
                return new CardInterface(card);
            }
            return nullptr;
        case Marked::Points:
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                return new PointsInterface(label);
            }
            return nullptr;
    }
    return nullptr;
}

// Qt makes and keeps a widget's interface as soon as the widget raises its first event, even
// with no screen reader listening. One made before the widget was marked is dropped, so that the
// next request goes through the factory.
void ForgetInterfaceMadeSoFar(QObject* object) {
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object)));
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void MarkBoard(QWidget* board) {
    board->setProperty(kRoleProperty, static_cast<int>(Marked::Board));
    ForgetInterfaceMadeSoFar(board);
}

void MarkCard(PictureBox* card, int tile) {
    card->setProperty(kRoleProperty, static_cast<int>(Marked::Card));
    card->setProperty(kTileProperty, tile);
    ForgetInterfaceMadeSoFar(card);
}

void MarkPoints(QLabel* points) {
    points->setProperty(kRoleProperty, static_cast<int>(Marked::Points));
    ForgetInterfaceMadeSoFar(points);
}

}  // namespace tavro
