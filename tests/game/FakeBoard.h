// SPDX-License-Identifier: GPL-3.0-or-later
// A board for the game core's tests: records every call in order, remembers which file each
// tile shows, fails the loads it is told to fail, and keeps runAfter continuations queued until
// the test runs them, so that the waits are stepped through explicitly.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "game/BoardView.h"

namespace tavro::test {

class FakeBoard : public BoardView {
public:
    struct Pending {
        int milliseconds;
        std::function<void()> continuation;
    };

    std::vector<std::string> log;          // one entry per call, e.g. "load 3 /set/7.bmp"
    std::map<int, std::string> shownFile;  // the file each tile shows now
    std::map<int, std::uint32_t> frameColour;
    std::set<std::string> failingFiles;  // loads of these files throw
    int failAtLoad = 0;                  // when > 0: that load attempt (1-based) throws
    int loadAttempts = 0;
    int missingCardBackCalls = 0;
    int qualifyingGameEndedCalls = 0;
    std::string pointsText;
    bool hintCommandEnabled = false;
    std::deque<Pending> pending;
    std::function<void()> onProcessEvents;  // runs inside processPendingEvents, e.g. late clicks

    void loadTilePicture(int tile, const std::string& fileName) override {
        ++loadAttempts;
        log.push_back("load " + std::to_string(tile) + " " + fileName);
        if (failingFiles.count(fileName) != 0 || loadAttempts == failAtLoad) {
            throw std::runtime_error("cannot read " + fileName);
        }
        shownFile[tile] = fileName;
    }
    void repaintTile(int tile) override { log.push_back("repaint " + std::to_string(tile)); }
    void showPoints(const std::string& text) override {
        log.push_back("points " + text);
        pointsText = text;
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
    void processPendingEvents() override {
        log.push_back("events");
        if (onProcessEvents) {
            onProcessEvents();
        }
    }
    void runAfter(int milliseconds, std::function<void()> continuation) override {
        log.push_back("after " + std::to_string(milliseconds));
        pending.push_back({milliseconds, std::move(continuation)});
    }
    void qualifyingGameEnded() override {
        log.push_back("qualifying");
        ++qualifyingGameEndedCalls;
    }
    void missingCardBack() override {
        log.push_back("missing card back");
        ++missingCardBackCalls;
    }

    // Runs the oldest queued continuation, as the event loop would when its time has come.
    void runNext() {
        Pending next = std::move(pending.front());
        pending.pop_front();
        next.continuation();
    }
    void runAll() {
        while (!pending.empty()) {
            runNext();
        }
    }
    void clearLog() { log.clear(); }
};

}  // namespace tavro::test
