// SPDX-License-Identifier: GPL-3.0-or-later
// What screen readers see of the main window: the board as a pane of 36 cards (cells named by
// the main window) followed by one "Points" object whose name and value carry the score (in a
// game of two, one such object for each player, named by the player). The frames around the
// cards and the caption "Points" are left out, so that nothing is read twice.
#pragma once

class QLabel;
class QWidget;

namespace tavro {

class PictureBox;

// Installs the accessibility factory for the widgets marked below; once per program, before the
// first of them is made.
void InstallBoardAccessibility();
// board: the panel holding the tile frames; cards: the pictures in tile order; points: a label
// with a score (it is read while it is shown, by its accessible name where it has one).
void MarkBoard(QWidget* board);
void MarkCard(PictureBox* card, int tile);
void MarkPoints(QLabel* points);

}  // namespace tavro
