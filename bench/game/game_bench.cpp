// SPDX-License-Identifier: GPL-3.0-or-later
// Benchmarks of the game core with real picture files: NewGame (36 card-back loads through
// ReadBitmap plus the deal) against 36 plain QImage loads of the same file, and one matching
// turn (two clicks, one face load each) against two plain QImage loads. Run it and compare the
// times of each pair: the ratio is what the engine and the checked reader add to the loads.
#include <benchmark/benchmark.h>

#include <QColor>
#include <QImage>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>

#include "game/GameEngine.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

// A card set in a temporary folder: the card back and the 18 faces, 96 x 96 pixels each.
class TemporaryCardSet {
public:
    TemporaryCardSet() {
        if (!folder_.isValid()) {
            std::abort();
        }
        save(kCardBack, QColor(40, 60, 140));
        for (int face = 1; face <= kFaceCount; ++face) {
            save(face, QColor::fromHsv(face * 19, 200, 220));
        }
    }
    QString cardFolder() const { return folder_.path() + u'/'; }
    QString file(std::int32_t face) const { return CardPictureFile(cardFolder(), face); }

private:
    void save(std::int32_t face, const QColor& colour) {
        QImage image(96, 96, QImage::Format_RGB32);
        image.fill(colour);
        if (!image.save(file(face), "BMP")) {
            std::abort();
        }
    }
    QTemporaryDir folder_;
};

const TemporaryCardSet& CardSet() {
    static const TemporaryCardSet set;
    return set;
}

// A board that keeps the loaded pictures, as the main window's tiles do; no windows, no waits
// (the turns timed here ask for none).
class BitmapBoard : public BoardView {
public:
    void showTilePicture(int tile, std::int32_t face) override {
        pictures_[tile] = ReadBitmap(CardSet().file(face));
    }
    void showPoints(std::int32_t) override {}
    void setHintCommandEnabled(bool) override {}
    void setFrameColour(int, std::uint32_t) override {}
    void requestWait(const WaitRequest&) override { std::abort(); }
    void reportOutcome(const Outcome& outcome) override {
        if (outcome.kind == Outcome::Kind::CardBackMissing) {
            std::abort();
        }
    }

private:
    std::map<int, QImage> pictures_;
};

struct BenchGame {
    GameState game;
    std::int32_t flipDelay = 0;
    InputGate gate;
    BitmapBoard board;
    GameEngine engine{game, gate, board, flipDelay, [] { return 0; }};
};

void BM_NewGame(benchmark::State& state) {
    BenchGame bench;
    for (auto _ : state) {
        bench.engine.NewGame();
    }
}
BENCHMARK(BM_NewGame);

void BM_Baseline36QImageLoads(benchmark::State& state) {
    const QString cardBack = CardSet().file(kCardBack);
    std::map<int, QImage> pictures;
    for (auto _ : state) {
        for (int tile = 1; tile <= kTileCount; ++tile) {
            pictures[tile] = QImage(cardBack);
        }
        benchmark::DoNotOptimize(pictures);
    }
}
BENCHMARK(BM_Baseline36QImageLoads);

int PartnerOf(const GameState& game, int tile) {
    for (int other = 1; other <= kTileCount; ++other) {
        if (other != tile && game.BoardFaces[static_cast<std::size_t>(other)] ==
                                 game.BoardFaces[static_cast<std::size_t>(tile)]) {
            return other;
        }
    }
    return 0;
}

void BM_MatchingTurn(benchmark::State& state) {
    BenchGame bench;
    bench.engine.NewGame();
    const int partner = PartnerOf(bench.game, 1);
    for (auto _ : state) {
        state.PauseTiming();
        bench.game.MatchedTiles.fill(0);
        bench.game.MatchedCount = 0;
        bench.game.FirstPick = 0;
        state.ResumeTiming();
        bench.engine.SelectTile(1);
        bench.engine.SelectTile(partner);
    }
}
BENCHMARK(BM_MatchingTurn);

void BM_BaselineTwoQImageLoads(benchmark::State& state) {
    const QString face = CardSet().file(7);
    std::map<int, QImage> pictures;
    for (auto _ : state) {
        state.PauseTiming();  // the same pause as in the turn, so both carry its overhead
        state.ResumeTiming();
        pictures[1] = QImage(face);
        pictures[2] = QImage(face);
        benchmark::DoNotOptimize(pictures);
    }
}
BENCHMARK(BM_BaselineTwoQImageLoads);

}  // namespace
}  // namespace tavro

BENCHMARK_MAIN();
