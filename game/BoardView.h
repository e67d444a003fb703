// SPDX-License-Identifier: GPL-3.0-or-later
// The one interface through which the game core reaches the board. The main window implements it
// with widgets and timers; tests implement it with a fake. Nothing here knows about drawing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace tavro {

// Frame colours as the platform's 24-bit blue-green-red values.
inline constexpr std::uint32_t kFrameNormal = 0xA4A0A0;  // clMedGray
inline constexpr std::uint32_t kFrameHint = 0xFF0000;    // clBlue

// What a player's action came to, for players who cannot see the board: the main window tells
// screen readers. Tiles are TileIndex values; 0 where the outcome has no second tile.
struct Outcome {
    enum class Kind {
        FaceShown,       // first: the card just turned face up
        PairMatched,     // first, second: the pair stays up; points: the new score
        PairMismatched,  // first, second: the pair will turn back; points: the new score
        PairTurnedBack,  // first, second: both cards are face down again
        HintShown,       // first, second: the marked pair (second 0: first is the partner alone)
        HintEnded,       // the marks are gone and the hint paid for; points: the new score
        GameEnded,       // points: the final score
        NewGameDealt,
    };
    Kind kind;
    int first = 0;
    int second = 0;
    std::int32_t points = 0;
};

class BoardView {
public:
    virtual ~BoardView() = default;

    // Loads a picture file into the tile's picture. Throws (std::exception) when the file is
    // missing or not a readable bitmap; the tile then keeps what it showed.
    virtual void loadTilePicture(int tile, const std::string& fileName) = 0;
    // Repaints one tile's picture at once.
    virtual void repaintTile(int tile) = 0;
    // Shows the points text in the points label.
    virtual void showPoints(const std::string& text) = 0;
    // Enables or disables the "&Show!" command.
    virtual void setHintCommandEnabled(bool enabled) = 0;
    // Sets a tile frame's colour (blue-green-red).
    virtual void setFrameColour(int tile, std::uint32_t bgrColour) = 0;
    // Lets pending window events run once.
    virtual void processPendingEvents() = 0;
    // Runs the continuation once, after the given time, from the event loop. Exceptions thrown by
    // the continuation are the implementer's to report.
    virtual void runAfter(int milliseconds, std::function<void()> continuation) = 0;
    // A game has ended with a score that beats the tenth lead: ask for the player's name.
    virtual void qualifyingGameEnded() = 0;
    // Reports an outcome after the board shows it. The default tells nobody.
    virtual void reportOutcome(const Outcome& /*outcome*/) {}
    // The card back could not be loaded when dealing: tell the player and end the process.
    // A test fake may return; the deal then stops.
    virtual void missingCardBack() = 0;
};

}  // namespace tavro
