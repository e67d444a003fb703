// SPDX-License-Identifier: GPL-3.0-or-later
// A menu item's accessible interface for items with a shortcut or a check mark: everything Qt's
// own menu item tells (name, states, place, the press and the submenu), the key binding in the
// three parts a screen reader takes ("<access key>;<path>;<shortcut>"), and for an item that can
// be checked the role of a check box or radio button, which screen readers say with its state. Qt
// asks the factory below for an item's interface by its QAction; an item is marked before a screen
// reader first asks for it, and an interface Qt made before the mark is dropped.
#include "dialogkit/MenuKeys.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
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

QAccessibleInterface* MenuItemFactory(const QString& /*key*/, QObject* object) {
    auto* action = qobject_cast<QAction*>(object);
    if (action == nullptr || !action->property(kMarkProperty).toBool()) {
        return nullptr;
    }
    return new MenuItemInterface(action);
}

void InstallMenuItemFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(MenuItemFactory);
        return true;
    }();
    (void)installed;
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
    for (QAction* action : menu->actions()) {
        const bool tellsMore = !action->shortcut().isEmpty() || action->isCheckable();
        if (!tellsMore || action->property(kMarkProperty).toBool()) {
            continue;
        }
        // An interface Qt made before the mark is dropped, so that the factory makes the next.
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(action)) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
        action->setProperty(kMarkProperty, true);
    }
}

}  // namespace tavro
