// SPDX-License-Identifier: GPL-3.0-or-later
// The one interface between the game core and whatever shows the board: the main window with
// widgets and timers, the tests with a fake. The core tells it what to show, asks it for waits
// as data, and reports what happened; the view decides what to do about it (speak, open the name
// entry, end the program) and owns every timer and window. Nothing here knows about drawing, and
// the core never waits, runs events or opens a window through it.
#pragma once

#include <array>
#include <cstdint>

#include "game/PlayMode.h"

namespace tavro {

// Frame colours as the platform's 24-bit blue-green-red values.
inline constexpr std::uint32_t kFrameNormal = 0xA4A0A0;  // clMedGray
inline constexpr std::uint32_t kFrameHint = 0xFF0000;    // clBlue

// How the game stands once an outcome's step is done: everything a listener needs to know of the
// game, so that none has to read it back from the core.
struct Standing {
    PlayMode mode = PlayMode::OnePlayer;
    // Each player's points: with one player, Points is the first and the second is 0.
    std::array<std::int32_t, kMaxPlayers> scores{};
    int currentPlayer = 0;  // who has the turn
    bool over = false;      // every pair is matched
    // The player ahead in a game of two (at its end, the winner); kNoPlayer when both have the
    // same points, and always with one player.
    int leader = kNoPlayer;
};

// What happened, in the order it happened. Tiles are TileIndex values; 0 where the outcome has no
// second tile. Each is reported once the board shows it and its step is done, so the input gate
// already is as the step leaves it. In a game of two, player tells who turned the card, scored or
// has the turn now (0 or 1, GameState::CurrentPlayer), and points are that player's; with one
// player, player is always 0 and points are Points.
struct Outcome {
    enum class Kind {
        FaceShown,        // first: the card just turned face up (by the computer, when player is
                          // the computer)
        PairMatched,      // first, second: the pair stays up; points: the new score
        PairMismatched,   // first, second: the pair will turn back; points: the new score
        PairTurnedBack,   // first, second: both cards are face down again
        HintShown,        // first, second: the marked pair (second 0: first is the partner alone)
        HintEnded,        // the marks are gone and the hint paid for; points: the new score
        GameEnded,        // points: the final score; qualifiesForLeads: it beats the tenth lead.
                          // Of two: player wins with points (kNoPlayer: a draw, points each),
                          // and the game never qualifies
        NewGameDealt,     // every card face down, score and hints reset; player begins
        CardBackMissing,  // a deal stopped: the card back cannot be shown, nothing was dealt and
                          // the gate stays closed
        TurnPassed,       // of two only, after a mismatched pair turned back: player has the
                          // turn now, with points
    };
    Kind kind;
    int first = 0;
    int second = 0;
    std::int32_t points = 0;
    bool qualifiesForLeads = false;
    int player = 0;
    std::int32_t face = 0;  // the face of the first tile; 0 where the outcome names no tile
    Standing standing{};    // filled in by the core for every outcome
};

// A wait the core asks for. The view waits the given time without blocking and then hands the
// request back to GameEngine::FinishWait; the core holds the input gate closed until then.
struct WaitRequest {
    enum class Kind {
        TurnBackPair,       // first, second: the mismatched pair (first pick, second card)
        EndHint,            // first, second: the marked pair (second 0: first is the partner alone)
        ComputerTurnsCard,  // the computer turns its next card; the gate stays closed meanwhile
    };
    Kind kind;
    int milliseconds = 0;
    std::uint32_t deal = 0;  // the deal that asked; a wait from an earlier deal changes no game
    int first = 0;
    int second = 0;
};

class BoardView {
public:
    virtual ~BoardView() = default;

    // Shows a picture on tile k: face 1..18, or kCardBack (CardSetLayout.h). Throws
    // (std::exception) when the picture cannot be read; the tile then keeps what it showed.
    virtual void showTilePicture(int tile, std::int32_t face) = 0;
    // Shows the score in the points label.
    virtual void showPoints(std::int32_t points) = 0;
    // Enables or disables the "&Show!" command.
    virtual void setHintCommandEnabled(bool enabled) = 0;
    // Sets a tile frame's colour (blue-green-red).
    virtual void setFrameColour(int tile, std::uint32_t bgrColour) = 0;
    // Starts a wait. FinishWait follows from the view's event loop, never from inside this call.
    virtual void requestWait(const WaitRequest& wait) = 0;
    // Something happened (see Outcome).
    virtual void reportOutcome(const Outcome& outcome) = 0;
};

}  // namespace tavro
