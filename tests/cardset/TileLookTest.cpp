// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in sets' files are drawn at 240 pixels, yet at the game's normal card size each one
// reads, through the card set reader's own reduction, exactly as the set drawn at 120 pixels
// (the size the files had before) reads: pixel for pixel, for every face and back of both sets.
// The adjustment behind it reaches the ends of the colour range and refuses sides that don't fit.
#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QImage>
#include <stdexcept>

#include "cardart/CardDrawing.h"
#include "cardart/TileLook.h"
#include "cardset/TempFolder.h"
#include "game/CardSetLayout.h"
#include "settings/CardSet.h"
#include "tools/cardsets/CardArt.h"

namespace tavro {
namespace {

using namespace cardsets;

const QString kGfxFolder = QStringLiteral(TAVRO_GFX_DIR);
const QSize kTile(kTileSide, kTileSide);

// How many pixels of the two pictures differ; -1 when their sizes do.
int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return -1;
    }
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

struct DrawnSet {
    const char* folder;
    SetDrawing draw;
};

TEST(TileLook, BuiltSetsReadAtTileSizeAsTheSmallerDrawing) {
    const testing::TempFolder earlierFiles;
    for (const DrawnSet& drawn : {DrawnSet{"animals", AnimalSet}, DrawnSet{"shapes", ShapeSet}}) {
        const CardSetArt earlier = drawn.draw(kCardArtSide);
        ASSERT_EQ(earlier.faces.size(), static_cast<std::size_t>(kFaceCount));
        for (int face = kCardBack; face <= kFaceCount; ++face) {
            const QString name = QString::fromStdString(CardPictureFileName(face));
            const QString file = kGfxFolder + u'/' + drawn.folder + u'/' + name;
            SCOPED_TRACE(file.toStdString());
            // The smaller drawing as a file of its own, read as the game read such files.
            const QImage& picture = face == kCardBack ? earlier.back : earlier.faces[face - 1];
            const QString earlierFile = earlierFiles.path() + drawn.folder + name;
            ASSERT_TRUE(picture.convertToFormat(QImage::Format_RGB888).save(earlierFile, "BMP"));

            const QImage full = ReadBitmap(file);
            EXPECT_EQ(full.size(), QSize(kCardSize, kCardSize));
            EXPECT_EQ(DifferingPixels(ReadBitmapScaled(file, kTile),
                                      ReadBitmapScaled(earlierFile, kTile)),
                      0);
        }
    }
}

QImage Plain(int side, QRgb colour) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(TileLook, TileColoursAtTheEndsOfTheRangeAndSidesThatDoNotFit) {
    const std::pair<QImage, QImage> pairs[] = {
        {Plain(240, qRgb(255, 255, 255)), Plain(120, qRgb(0, 0, 0))},
        {Plain(240, qRgb(0, 0, 0)), Plain(120, qRgb(255, 255, 255))},
        {Plain(240, qRgb(0, 255, 9)), Plain(120, qRgb(250, 1, 128))},
    };
    const testing::TempFolder folder;
    for (const auto& [large, small] : pairs) {
        ASSERT_TRUE(WithTileLook(large, small).save(folder.path() + "large.bmp", "BMP"));
        ASSERT_TRUE(small.save(folder.path() + "small.bmp", "BMP"));
        EXPECT_EQ(DifferingPixels(ReadBitmapScaled(folder.path() + "large.bmp", kTile),
                                  ReadBitmapScaled(folder.path() + "small.bmp", kTile)),
                  0);
    }
    for (const auto& [large, small] : {std::pair{240, 90}, {200, 120}, {120, 240}, {0, 120}}) {
        EXPECT_THROW(WithTileLook(Plain(large, 0), Plain(small, 0)), std::invalid_argument)
            << large << " over " << small;
    }
}

}  // namespace
}  // namespace tavro

int main(int argc, char* argv[]) {
    // The animals are drawn with the emoji font, which needs a GUI application.
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
