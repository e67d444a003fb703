// SPDX-License-Identifier: GPL-3.0-or-later
// Menu items that tell a screen reader their shortcut keys and their check marks, so that Orca
// reads "New F2" rather than "New", and "Sounds check box not checked" rather than "Sounds".
// Qt 6.4 hands a menu item's shortcut to AT-SPI as the one key ("F2"), where screen readers
// expect the three parts access key, path and shortcut ("n;;F2") and take a single part for the
// path they don't read; and it says nothing of an item that can be checked until it is.
#pragma once

class QKeySequence;
class QMenu;
class QString;

namespace tavro {

// The menu's items that have a shortcut tell it, and those that can be checked are check boxes
// (radio buttons in an exclusive group) to a screen reader; the menu finds each of its items
// again, whatever its role, so that a screen reader learns its place. Call once the menu holds its
// items; items added later are marked by calling again.
void TellMenuItems(QMenu* menu);

// A shortcut as the desktop's toolkit writes one ("F2", "<Control>n"): what screen readers read.
QString DesktopKeyName(const QKeySequence& shortcut);

}  // namespace tavro
