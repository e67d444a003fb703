// SPDX-License-Identifier: GPL-3.0-or-later
// The accessible interfaces of a told menu and of its items. An item tells everything Qt's own
// menu item tells (name, states, place, the press and the submenu), the key binding in the three
// parts a screen reader takes ("<access key>;<path>;<shortcut>"), and for an item that can be
// checked the role of a check box or radio button, which screen readers say with its state. The
// menu lists its items as Qt's menu does, but finds each of them whatever its role: Qt's own menu
// only finds menu items and separators, so a screen reader asking a check box for its place in the
// menu would hear "none" and take it for an object already gone. Qt asks the factory below for the
// interfaces by the QMenu and its QActions; they are marked before a screen reader first asks, and
// an interface Qt made before the mark is dropped.
#include "dialogkit/MenuKeys.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QWindow>

namespace tavro {
namespace {

constexpr const char* kMarkProperty = "tavroMenuItemTellsMore";

// The item's text without its access key marks ("&&" stays as one "&").
QString WithoutAccessMarks(const QString& text) {
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            ++i;
            if (i == text.size()) {
                break;
            }
        }
        plain += text[i];
    }
    return plain.section(u'\t', 0, 0);
}

// The access key: the letter after a single "&", lower case; empty without one.
QString AccessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return QString();
}

class MenuItemInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuItemInterface(QAction* action) : action_(action) {}

    bool isValid() const override { return action_ != nullptr && Owner() != nullptr; }
    QObject* object() const override { return action_; }
    QWindow* window() const override {
        QWidget* owner = Owner();
        return owner != nullptr ? owner->window()->windowHandle() : nullptr;
    }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Owner());
    }
    int childCount() const override { return action_->menu() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && action_->menu() != nullptr
                   ? QAccessible::queryAccessibleInterface(action_->menu())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && action_->menu() != nullptr && child->object() == action_->menu()
                   ? 0
                   : -1;
    }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return WithoutAccessMarks(action_->text());
            case QAccessible::Accelerator:
                return action_->shortcut().toString(QKeySequence::NativeText);
            default:
                return QString();
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        QWidget* owner = Owner();
        QRect area;
        if (auto* menu = qobject_cast<QMenu*>(owner)) {
            area = menu->actionGeometry(action_);
        } else if (auto* bar = qobject_cast<QMenuBar*>(owner)) {
            area = bar->actionGeometry(action_);
        }
        return owner != nullptr ? area.translated(owner->mapToGlobal(QPoint(0, 0))) : area;
    }
    QAccessible::Role role() const override {
        if (action_->isSeparator()) {
            return QAccessible::Separator;
        }
        if (action_->isCheckable()) {
            const QActionGroup* group = action_->actionGroup();
            return group != nullptr && group->isExclusive() ? QAccessible::RadioButton
                                                            : QAccessible::CheckBox;
        }
        return QAccessible::MenuItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        QWidget* owner = Owner();
        if (owner == nullptr || !owner->isVisible() || !action_->isVisible()) {
            state.invisible = true;
        }
        const auto* menu = qobject_cast<QMenu*>(owner);
        const auto* bar = qobject_cast<QMenuBar*>(owner);
        if ((menu != nullptr && menu->activeAction() == action_) ||
            (bar != nullptr && bar->activeAction() == action_)) {
            state.focused = true;
        }
        state.focusable = true;
        if (owner != nullptr && owner->style()->styleHint(QStyle::SH_Menu_MouseTracking)) {
            state.hotTracked = true;
        }
        state.disabled = action_->isSeparator() || !action_->isEnabled();
        state.checkable = action_->isCheckable();
        state.checked = action_->isChecked();
        state.hasPopup = action_->menu() != nullptr;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        if (action_->isSeparator()) {
            return {};
        }
        return {action_->menu() != nullptr ? showMenuAction() : pressAction()};
    }
    void doAction(const QString& name) override {
        if (!action_->isEnabled()) {
            return;
        }
        if (name == pressAction()) {
            action_->trigger();
        } else if (name == showMenuAction()) {
            if (auto* menu = qobject_cast<QMenu*>(Owner())) {
                menu->setActiveAction(action_);
            } else if (auto* bar = qobject_cast<QMenuBar*>(Owner())) {
                bar->setActiveAction(action_);
            }
        }
    }
    // The three parts, as screen readers read them: "n;;F2".
    QStringList keyBindingsForAction(const QString& name) const override {
        if (!actionNames().contains(name) || action_->shortcut().isEmpty()) {
            return {};
        }
        return {AccessKey(action_->text()), QString(), DesktopKeyName(action_->shortcut())};
    }

private:
    // The menu or menu bar that shows the item.
    QWidget* Owner() const {
        if (action_ == nullptr) {
            return nullptr;
        }
        for (QObject* shownIn : action_->associatedObjects()) {
            if (qobject_cast<QMenu*>(shownIn) != nullptr ||
                qobject_cast<QMenuBar*>(shownIn) != nullptr) {
                return static_cast<QWidget*>(shownIn);
            }
        }
        return nullptr;
    }

    QPointer<QAction> action_;
};

// A told menu: its children are its actions, in their order, as in Qt's own menu, and each is
// found again by its action whatever its role. Its parent is the item that opens it, in the menu
// bar or in the menu above.
class MenuInterface : public QAccessibleWidget {
public:
    explicit MenuInterface(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    int childCount() const override { return static_cast<int>(Menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAction*> actions = Menu()->actions();
        return index >= 0 && index < actions.size()
                   ? QAccessible::queryAccessibleInterface(actions.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* action = child != nullptr ? qobject_cast<QAction*>(child->object()) : nullptr;
        return action != nullptr ? static_cast<int>(Menu()->actions().indexOf(action)) : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAction* action = Menu()->actionAt(Menu()->mapFromGlobal(QPoint(x, y)));
        return action != nullptr && !action->isSeparator()
                   ? QAccessible::queryAccessibleInterface(action)
                   : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        QAction* active = Menu()->activeAction();
        return active != nullptr ? QAccessible::queryAccessibleInterface(active)
                                 : QAccessibleWidget::focusChild();
    }

    QAccessibleInterface* parent() const override {
        QAction* opener = Menu()->menuAction();
        for (QObject* shownIn : opener->associatedObjects()) {
            auto* owner = qobject_cast<QWidget*>(shownIn);
            if (qobject_cast<QMenu*>(owner) == nullptr &&
                qobject_cast<QMenuBar*>(owner) == nullptr) {
                continue;
            }
            const qsizetype index = owner->actions().indexOf(opener);
            QAccessibleInterface* ownerInterface = QAccessible::queryAccessibleInterface(owner);
            if (index >= 0 && ownerInterface != nullptr) {
                return ownerInterface->child(static_cast<int>(index));
            }
        }
        return QAccessibleWidget::parent();  // a menu that pops up alone
    }

    // The window title names the menu, as Qt's own menu is named.
    QString text(QAccessible::Text t) const override {
        const QString told = QAccessibleWidget::text(t);
        return told.isEmpty() && t == QAccessible::Name ? Menu()->windowTitle() : told;
    }

private:
    QMenu* Menu() const { return static_cast<QMenu*>(object()); }
};

QAccessibleInterface* MenuItemFactory(const QString& /*key*/, QObject* object) {
    if (object == nullptr || !object->property(kMarkProperty).toBool()) {
        return nullptr;
    }
    if (auto* menu = qobject_cast<QMenu*>(object)) {
        return new MenuInterface(menu);
    }
    if (auto* action = qobject_cast<QAction*>(object)) {
        return new MenuItemInterface(action);
    }
    return nullptr;
}

void InstallMenuItemFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(MenuItemFactory);
        return true;
    }();
    (void)installed;
}

// Marks the object for the factory; an interface Qt made for it before is dropped, so that the
// factory makes the next.
void Mark(QObject* object) {
    if (object->property(kMarkProperty).toBool()) {
        return;
    }
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    object->setProperty(kMarkProperty, true);
}

}  // namespace

QString DesktopKeyName(const QKeySequence& shortcut) {
    if (shortcut.isEmpty()) {
        return QString();
    }
    const QKeyCombination combination = shortcut[0];
    QString name;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::ControlModifier) {
        name += QStringLiteral("<Control>");
    }
    if (modifiers & Qt::ShiftModifier) {
        name += QStringLiteral("<Shift>");
    }
    if (modifiers & Qt::AltModifier) {
        name += QStringLiteral("<Alt>");
    }
    if (modifiers & Qt::MetaModifier) {
        name += QStringLiteral("<Super>");
    }
    const QString key = QKeySequence(combination.key()).toString(QKeySequence::PortableText);
    // Letters are lower case in the toolkit's key names; function keys keep their "F".
    return name + (key.size() == 1 ? key.toLower() : key);
}

void TellMenuItems(QMenu* menu) {
    InstallMenuItemFactory();
    // Every item, plain ones and separators too: Qt makes its own items only from within its own
    // menu, which this menu's interface takes the place of.
    for (QAction* action : menu->actions()) {
        Mark(action);
    }
    Mark(menu);
}

}  // namespace tavro
