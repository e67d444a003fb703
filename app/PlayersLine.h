// SPDX-License-Identifier: GPL-3.0-or-later
// The bottom line of a game of two, in place of "Points" and its value: each player's name and
// points, in the same large blue font, the first player in the left half of the board's width,
// the second in the right half. The player whose turn it is is marked by more than colour: a
// "►" before the name, and bold letters where the other's are regular. A name too long for its
// half ends in "…", so that the two never run into each other; screen readers get each player's
// points as a value named by the player.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

#include "game/PlayMode.h"

class QLabel;

namespace tavro {

class PlayersLine : public QWidget {
    Q_OBJECT
public:
    // Placed on the board at the bottom line; hidden until shown by the main window.
    explicit PlayersLine(QWidget* board);

    struct Player {
        QString name;
        std::int32_t points = 0;
    };
    // Shows both players; current (0 or 1) has the turn.
    void ShowPlayers(const std::array<Player, kMaxPlayers>& players, int current);
    // Shows both players at the end of their game: the winner marked as the one to play was, or
    // neither on a draw (kNoPlayer); screen readers hear who won rather than who is to play.
    void ShowResult(const std::array<Player, kMaxPlayers>& players, int winner);

    // The parts of player 0 or 1: the marker, the name (as shown, shortened where need be) and
    // the points.
    QLabel* Marker(int player) const { return parts_[Index(player)].marker; }
    QLabel* Name(int player) const { return parts_[Index(player)].name; }
    QLabel* Points(int player) const { return parts_[Index(player)].points; }

private:
    struct Parts {
        QLabel* marker = nullptr;
        QLabel* name = nullptr;
        QLabel* points = nullptr;
    };
    static std::size_t Index(int player) { return player == 1 ? 1 : 0; }
    // `marked`: the player to play, or the winner; `role`: what screen readers hear after the
    // name ("to play", "wins", "a draw"), empty for none.
    void LayOut(int player, const Player& shown, bool marked, const QString& role);

    std::array<Parts, kMaxPlayers> parts_{};
};

}  // namespace tavro
