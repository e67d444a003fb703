// SPDX-License-Identifier: GPL-3.0-or-later
// The bottom line of a game of two, in place of "Points" and its value: each player's name and
// points, in the same large blue font, the first player in the left half of the board's width,
// the second in the right half. The player whose turn it is is marked by more than colour: a
// "►" before the name, and bold letters where the other's are regular. A name too long for its
// half ends in "…", so that the two never run into each other; screen readers get each player's
// points as a value named by the player, and after a deal, until the first card is turned, who
// starts.
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
        bool computer = false;  // named "the computer" where the line speaks of it
    };
    // Shows both players; current (0 or 1) has the turn. `starts`: no card of the deal is turned
    // yet, and screen readers hear that current starts rather than that he is to play.
    void ShowPlayers(const std::array<Player, kMaxPlayers>& players, int current,
                     bool starts = false);
    // Shows both players at the end of their game: the winner marked as the one to play was, or
    // neither on a draw (kNoPlayer); screen readers hear who won rather than who is to play.
    void ShowResult(const std::array<Player, kMaxPlayers>& players, int winner);

    // Lays the line out afresh at the board's scale (1: the designed size), with what it shows.
    void SetScale(double scale);

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
    // `marked`: the player to play, or the winner; `heard`: what screen readers hear as the
    // points' name ("Anna, to play", "Anna, wins", "Anna starts").
    void LayOut(int player, const Player& shown, bool marked, const QString& heard);
    // The name with what screen readers hear after it ("to play", "wins", "a draw"), if any.
    static QString WithRole(const Player& shown, const QString& role);

    // What LayOut last showed of each player, laid out again at a new scale.
    struct Shown {
        Player player;
        bool marked = false;
        QString heard;
        bool valid = false;
    };

    std::array<Parts, kMaxPlayers> parts_{};
    std::array<Shown, kMaxPlayers> shown_{};
    double scale_ = 1.0;
};

}  // namespace tavro
