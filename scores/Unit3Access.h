// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the Leads dialog: its panel as a table of ten rows with the columns
// place, name and points (the labels of each row are its cells), followed by the buttons, rather
// than some thirty loose labels.
#pragma once

class QLabel;
class QWidget;

namespace tavro {

inline constexpr int kLeadsTableColumns = 3;  // place, name, points

// Installs the accessibility factory for the marked widgets; once per program, before the first
// of them is made.
void InstallLeadsAccessibility();
// The panel holding the rows, and each row's labels as cells (row 0..9, column 0..2).
void MarkLeadsTable(QWidget* panel);
void MarkLeadsCell(QLabel* label, int row, int column);
// Lets the keyboard read the table: the panel takes the focus, Up, Down, Home and End move
// through the places, and each place is spoken ("1, Anna, 1620 points"). The current place is
// framed only while the panel has the focus and a key has moved it there, so a mouse player sees
// the dialog as before.
void ReadLeadsByKeyboard(QWidget* panel);

}  // namespace tavro
