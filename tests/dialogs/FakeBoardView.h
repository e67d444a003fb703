// SPDX-License-Identifier: GPL-3.0-or-later
// A board that only remembers what the game core asked of it: enough to tell whether, and with
// which card folder, a new game was dealt. It names each picture by its file in the settings'
// card folder, as the main window does.
#pragma once

#include <string>
#include <vector>

#include "game/BoardView.h"
#include "game/CardSetLayout.h"
#include "settings/Settings.h"

namespace tavro::test {

class FakeBoardView : public BoardView {
public:
    explicit FakeBoardView(const Settings& settings) : settings_(settings) {}

    std::vector<std::string> loadedFiles;
    int missingCardBackCalls = 0;

    void showTilePicture(int /*tile*/, std::int32_t face) override {
        loadedFiles.push_back(settings_.CardFolder + CardPictureFileName(face));
    }
    void showPoints(std::int32_t /*points*/) override {}
    void setHintCommandEnabled(bool /*enabled*/) override {}
    void setFrameColour(int /*tile*/, std::uint32_t /*bgrColour*/) override {}
    void requestWait(const WaitRequest& /*wait*/) override {}
    void reportOutcome(const Outcome& outcome) override {
        if (outcome.kind == Outcome::Kind::CardBackMissing) {
            ++missingCardBackCalls;
        }
    }

private:
    const Settings& settings_;
};

}  // namespace tavro::test
