// SPDX-License-Identifier: GPL-3.0-or-later
// A board that only remembers what the game core asked of it: enough to tell whether, and with
// which card folder, a new game was dealt.
#pragma once

#include <string>
#include <vector>

#include "game/BoardView.h"

namespace tavro::test {

class FakeBoardView : public BoardView {
public:
    std::vector<std::string> loadedFiles;
    int missingCardBackCalls = 0;

    void loadTilePicture(int /*tile*/, const std::string& fileName) override {
        loadedFiles.push_back(fileName);
    }
    void repaintTile(int /*tile*/) override {}
    void showPoints(const std::string& /*text*/) override {}
    void setHintCommandEnabled(bool /*enabled*/) override {}
    void setFrameColour(int /*tile*/, std::uint32_t /*bgrColour*/) override {}
    void processPendingEvents() override {}
    void runAfter(int /*milliseconds*/, std::function<void()> /*continuation*/) override {}
    void qualifyingGameEnded() override {}
    void missingCardBack() override { ++missingCardBackCalls; }
};

}  // namespace tavro::test
