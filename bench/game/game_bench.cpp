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

// A card set in a temporary folder: "space.bmp" and 1.bmp to 18.bmp, 96 x 96 pixels each.
class TemporaryCardSet {
public:
    TemporaryCardSet() {
        if (!folder_.isValid()) {
            std::abort();
        }
        save(QStringLiteral("space.bmp"), QColor(40, 60, 140));
        for (int face = 1; face <= kFaceCount; ++face) {
            save(QString::number(face) + QStringLiteral(".bmp"),
                 QColor::fromHsv(face * 19, 200, 220));
        }
    }
    std::string cardFolder() const { return (folder_.path() + u'/').toStdString(); }

private:
    void save(const QString& name, const QColor& colour) {
        QImage image(96, 96, QImage::Format_RGB32);
        image.fill(colour);
        if (!image.save(folder_.filePath(name), "BMP")) {
            std::abort();
        }
    }
    QTemporaryDir folder_;
};

const TemporaryCardSet& CardSet() {
    static const TemporaryCardSet set;
    return set;
}

// A board that keeps the loaded pictures, as the main window's tiles do; no windows, no waits.
class BitmapBoard : public BoardView {
public:
    void loadTilePicture(int tile, const std::string& fileName) override {
        pictures_[tile] = ReadBitmap(QString::fromStdString(fileName));
    }
    void repaintTile(int) override {}
    void showPoints(const std::string&) override {}
    void setHintCommandEnabled(bool) override {}
    void setFrameColour(int, std::uint32_t) override {}
    void processPendingEvents() override {}
    void runAfter(int, std::function<void()> continuation) override { continuation(); }
    void qualifyingGameEnded() override {}
    void missingCardBack() override { std::abort(); }

private:
    std::map<int, QImage> pictures_;
};

struct BenchGame {
    GameState game;
    Settings settings{"bench", 0, CardSet().cardFolder()};
    std::uint8_t gate = 0;
    BitmapBoard board;
    GameEngine engine{game, settings, gate, board, [] { return 0; }};
};

void BM_NewGame(benchmark::State& state) {
    BenchGame bench;
    for (auto _ : state) {
        bench.engine.NewGame();
    }
}
BENCHMARK(BM_NewGame);

void BM_Baseline36QImageLoads(benchmark::State& state) {
    const QString cardBack = QString::fromStdString(CardSet().cardFolder() + "space.bmp");
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
    const QString face = QString::fromStdString(CardSet().cardFolder() + "7.bmp");
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
