// SPDX-License-Identifier: GPL-3.0-or-later
// A told menu as a screen reader walks it: each item, whatever its role (plain, separator, radio
// button, check box, submenu), is found again in its menu at its action's place, which is what a
// screen reader asks before it speaks a focused item; the menu opens from its item in the menu
// bar, and a focus event on the menu reaches the item it names.
#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include "dialogkit/MenuKeys.h"

using namespace tavro;

class MenuItemsTest : public QObject {
    Q_OBJECT
private slots:
    void everyItemIsFoundAtItsPlace() {
        QMenuBar bar;
        bar.addMenu(QStringLiteral("&Game"));
        QMenu* menu = bar.addMenu(QStringLiteral("&Play"));
        QAction* statistics = menu->addAction(QStringLiteral("St&atistics…"));
        statistics->setShortcut(QKeySequence(Qt::Key_F5));
        QAction* line = menu->addSeparator();
        auto* modes = new QActionGroup(menu);
        QAction* one = modes->addAction(menu->addAction(QStringLiteral("&One player")));
        QAction* two = modes->addAction(menu->addAction(QStringLiteral("&Two players…")));
        one->setCheckable(true);
        two->setCheckable(true);
        one->setChecked(true);
        QAction* sounds = menu->addAction(QStringLiteral("So&unds"));
        sounds->setCheckable(true);
        QAction* about = menu->addAction(QStringLiteral("&About"));
        QMenu* more = menu->addMenu(QStringLiteral("&More"));
        QAction* deeper = more->addAction(QStringLiteral("&Deeper"));
        deeper->setCheckable(true);

        // A screen reader may have asked before the menu was told: Qt's interfaces made by then
        // give way to the told ones.
        QAccessibleInterface* early = QAccessible::queryAccessibleInterface(menu);
        for (int index = 0; index < early->childCount(); ++index) {
            early->child(index);
        }
        TellMenuItems(more);
        TellMenuItems(menu);

        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
        QCOMPARE(list->role(), QAccessible::PopupMenu);
        QCOMPARE(list->childCount(), 7);
        const struct {
            QAction* item;
            QAccessible::Role role;
            bool checked;
            QString name;
        } items[] = {
            {statistics, QAccessible::MenuItem, false, QStringLiteral("Statistics…")},
            {line, QAccessible::Separator, false, QString()},
            {one, QAccessible::RadioButton, true, QStringLiteral("One player")},
            {two, QAccessible::RadioButton, false, QStringLiteral("Two players…")},
            {sounds, QAccessible::CheckBox, false, QStringLiteral("Sounds")},
            {about, QAccessible::MenuItem, false, QStringLiteral("About")},
            {more->menuAction(), QAccessible::MenuItem, false, QStringLiteral("More")},
        };
        for (int index = 0; index < 7; ++index) {
            const auto& expected = items[index];
            QAccessibleInterface* item = list->child(index);
            QVERIFY2(item != nullptr && item->object() == expected.item, qPrintable(expected.name));
            QCOMPARE(list->indexOfChild(QAccessible::queryAccessibleInterface(expected.item)),
                     index);
            QCOMPARE(item->role(), expected.role);
            QCOMPARE(bool(item->state().checked), expected.checked);
            QCOMPARE(item->text(QAccessible::Name), expected.name);
            QCOMPARE(item->parent(), list);
            // Qt tells a focused item as the menu with the item's place.
            QAccessibleEvent focus(menu, QAccessible::Focus);
            focus.setChild(index);
            QCOMPARE(focus.accessibleInterface(), item);
        }

        // The menu opens from its item in the menu bar, which holds it as its one child.
        QAccessibleInterface* barList = QAccessible::queryAccessibleInterface(&bar);
        QAccessibleInterface* opener = list->parent();
        QVERIFY(opener != nullptr);
        QCOMPARE(opener->object(), menu->menuAction());
        QCOMPARE(opener->parent(), barList);
        QCOMPARE(barList->indexOfChild(opener), 1);
        QCOMPARE(opener->indexOfChild(list), 0);

        // The submenu opens from its item in the menu, and finds its own check box.
        QAccessibleInterface* moreList = QAccessible::queryAccessibleInterface(more);
        QCOMPARE(moreList->parent(), list->child(6));
        QCOMPARE(list->child(6)->child(0), moreList);
        QCOMPARE(moreList->child(0)->role(), QAccessible::CheckBox);
        QCOMPARE(moreList->indexOfChild(moreList->child(0)), 0);
    }
};

QTEST_MAIN(MenuItemsTest)
#include "MenuItemsTest.moc"
