// SPDX-License-Identifier: GPL-3.0-or-later
// A dealt game on a FakeBoard with a fixed clock, and small helpers to find tiles by face.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "game/FakeBoard.h"
#include "game/GameEngine.h"

namespace tavro::test {

inline constexpr const char* kFolder = "/sets/animals/";
// The computer's own random choices, the same in every run.
inline constexpr std::uint32_t kComputerSeed = 27;

class GameFixture : public testing::Test {
protected:
    GameState game;
    std::int32_t flipDelay = 500;
    InputGate gate;
    FakeBoard board;
    std::int32_t tenthLead = 0;
    std::uint32_t clockMilliseconds = 12345678;
    GameEngine engine{game,
                      gate,
                      board,
                      flipDelay,
                      [this] { return tenthLead; },
                      RandomSource([this] { return clockMilliseconds; }),
                      kComputerSeed};

    void SetUp() override {
        board.folder = kFolder;
        board.engine = &engine;
        engine.NewGame();
        board.clearLog();
        board.outcomes.clear();
    }

    int face(int tile) const { return game.BoardFaces[static_cast<std::size_t>(tile)]; }
    std::string faceFile(int tile) const { return kFolder + std::to_string(face(tile)) + ".bmp"; }
    static std::string backFile() { return std::string(kFolder) + "space.bmp"; }
    bool showsBack(int tile) { return board.shownFile[tile] == backFile(); }

    // Whether the score is points and the label shows it.
    testing::AssertionResult showsPoints(int points) const {
        if (game.Points == points && board.pointsText == std::to_string(points)) {
            return testing::AssertionSuccess();
        }
        return testing::AssertionFailure()
               << "score " << game.Points << ", label \"" << board.pointsText << '"';
    }

    int partnerOf(int tile) const {
        for (int other = 1; other <= kTileCount; ++other) {
            if (other != tile && face(other) == face(tile)) {
                return other;
            }
        }
        return 0;
    }
    // The first tile whose face differs from the given tile's.
    int strangerTo(int tile) const {
        for (int other = 1; other <= kTileCount; ++other) {
            if (face(other) != face(tile)) {
                return other;
            }
        }
        return 0;
    }
    // Matches the pair holding tile, through two clicks.
    void matchPairOf(int tile) {
        engine.SelectTile(tile);
        engine.SelectTile(partnerOf(tile));
    }
    // Matches every remaining pair, tile by tile.
    void matchAll() {
        for (int tile = 1; tile <= kTileCount; ++tile) {
            if (!isMatched(tile)) {
                matchPairOf(tile);
            }
        }
    }
    int firstUnmatched() const {
        int tile = 1;
        while (isMatched(tile)) {
            ++tile;
        }
        return tile;
    }
    bool isMatched(int tile) const {
        for (int slot = 1; slot <= kTileCount; ++slot) {
            if (game.MatchedTiles[static_cast<std::size_t>(slot)] == tile) {
                return true;
            }
        }
        return false;
    }
};

}  // namespace tavro::test
