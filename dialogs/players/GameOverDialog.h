// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game of two, or against the computer: a small window titled with the program's
// name that says the result in a heading line ("Anna wins, 520 to 310."), then both players with
// their points, one row each, the winner first and in bold. "Play again" (the default, Enter)
// closes it accepted, so that the caller deals a new game with the same players; "Close" (or
// Escape) closes it rejected and the finished board stays. A screen reader reads the window
// once, as it opens: the whole result is the dialog's description. The window keeps the
// desktop's palette whole and sets no colour of its own, so it reads under a dark one too.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QLabel;
class QPushButton;

namespace tavro {

class GameOverDialog : public QDialog {
    Q_OBJECT
public:
    // One row of the window: a player's name as typed, and the points.
    struct Row {
        QString name;
        int points = 0;
    };
    static constexpr int kRows = 2;

    explicit GameOverDialog(QWidget* parent);

    // Shows `result` as the heading and the rows in the order given; `firstWon`: the first row is
    // the winner's and is shown in bold (false on a draw).
    void ShowResult(const QString& result, const std::array<Row, kRows>& rows, bool firstWon);

    QLabel* Heading() const { return heading_; }
    QLabel* Name(int row) const { return names_[Index(row)]; }
    QLabel* Points(int row) const { return points_[Index(row)]; }
    QPushButton* PlayAgainButton() const { return playAgain_; }
    QPushButton* CloseButton() const { return close_; }

private:
    static std::size_t Index(int row) { return row == 1 ? 1 : 0; }

    QLabel* heading_ = nullptr;
    std::array<QLabel*, kRows> names_{};
    std::array<QLabel*, kRows> points_{};
    QPushButton* playAgain_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tavro
