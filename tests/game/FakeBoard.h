// SPDX-License-Identifier: GPL-3.0-or-later
// A board for the game core's tests: records every picture, score, command and frame change and
// every wait asked for, in order; names each picture by its file in a card set folder, as the
// main window does; fails the loads it is told to fail; keeps the outcomes; and keeps the waits
// queued until the test ends them, so that each wait is stepped through explicitly.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/BoardView.h"
#include "game/CardSetLayout.h"
#include "game/GameEngine.h"

namespace tavro::test {

class FakeBoard : public BoardView {
public:
    std::string folder;                    // the card set's folder, with its trailing '/'
    GameEngine* engine = nullptr;          // the engine whose waits runNext ends
    std::vector<std::string> log;          // one entry per call, e.g. "load 3 /set/7.bmp"
    std::map<int, std::string> shownFile;  // the file each tile shows now
    std::map<int, std::uint32_t> frameColour;
    std::set<std::string> failingFiles;  // loads of these files throw
    int failAtLoad = 0;                  // when > 0: that load attempt (1-based) throws
    int loadAttempts = 0;
    int missingCardBackCalls = 0;      // CardBackMissing outcomes
    int qualifyingGameEndedCalls = 0;  // GameEnded outcomes that qualify for the Leads
    std::string pointsText;
    bool hintCommandEnabled = false;
    std::deque<WaitRequest> pending;
    std::vector<Outcome> outcomes;

    void showTilePicture(int tile, std::int32_t face) override {
        const std::string fileName = folder + CardPictureFileName(face);
        ++loadAttempts;
        log.push_back("load " + std::to_string(tile) + " " + fileName);
        if (failingFiles.count(fileName) != 0 || loadAttempts == failAtLoad) {
            throw std::runtime_error("cannot read " + fileName);
        }
        shownFile[tile] = fileName;
    }
    void showPoints(std::int32_t points) override {
        pointsText = std::to_string(points);
        log.push_back("points " + pointsText);
    }
    void setHintCommandEnabled(bool enabled) override {
        log.push_back(enabled ? "hint on" : "hint off");
        hintCommandEnabled = enabled;
    }
    void setFrameColour(int tile, std::uint32_t bgrColour) override {
        log.push_back("frame " + std::to_string(tile) + " " +
                      (bgrColour == kFrameHint     ? "hint"
                       : bgrColour == kFrameNormal ? "normal"
                                                   : "other"));
        frameColour[tile] = bgrColour;
    }
    void requestWait(const WaitRequest& wait) override {
        log.push_back("after " + std::to_string(wait.milliseconds));
        pending.push_back(wait);
    }
    void reportOutcome(const Outcome& outcome) override {
        outcomes.push_back(outcome);
        if (outcome.kind == Outcome::Kind::GameEnded && outcome.qualifiesForLeads) {
            log.push_back("qualifying");
            ++qualifyingGameEndedCalls;
        } else if (outcome.kind == Outcome::Kind::CardBackMissing) {
            log.push_back("missing card back");
            ++missingCardBackCalls;
        }
    }

    // Ends the oldest wait, as the main window's timer does when its time has come.
    void runNext() {
        const WaitRequest next = pending.front();
        pending.pop_front();
        engine->FinishWait(next);
    }
    void runAll() {
        while (!pending.empty()) {
            runNext();
        }
    }
    void clearLog() { log.clear(); }
    // The kinds of the outcomes reported so far.
    std::vector<Outcome::Kind> outcomeKinds() const {
        std::vector<Outcome::Kind> kinds;
        for (const Outcome& outcome : outcomes) {
            kinds.push_back(outcome.kind);
        }
        return kinds;
    }
};

}  // namespace tavro::test
