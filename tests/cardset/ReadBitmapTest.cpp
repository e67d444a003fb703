// SPDX-License-Identifier: GPL-3.0-or-later
// Reading bitmap files: the depths and row orders a card set may use decode to the right pixels,
// and every file that is missing, cut off or not a bitmap fails with a PictureError naming it.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <random>

#include "cardset/BmpWriter.h"
#include "cardset/TempFolder.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::BmpLayout;
using testing::MakeBmp;
using testing::TempFolder;

const std::vector<QRgb> kColours = {qRgb(255, 0, 0),   qRgb(0, 128, 0),   qRgb(0, 0, 255),
                                    qRgb(255, 255, 0), qRgb(0, 0, 0),     qRgb(255, 255, 255),
                                    qRgb(10, 20, 30),  qRgb(200, 100, 50)};

// A pattern that differs in every row and column, so a flipped or shifted image shows up.
quint32 PatternIndex(int x, int y, int colours) {
    return (x + 3 * y) % colours;
}

void ExpectPattern(const QImage& image, int width, int height, int colours) {
    ASSERT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(image.pixel(x, y) | 0xFF000000u, kColours[PatternIndex(x, y, colours)])
                << "at " << x << "," << y;
        }
    }
}

// Writes the pattern at the given depth and row order and reads it back.
void CheckDepth(int bitCount, int height, bool coreHeader = false) {
    TempFolder folder;
    const int colours = bitCount == 1 ? 2 : 8;
    BmpLayout layout{11, height, bitCount, {}, coreHeader};
    if (bitCount <= 8) {
        layout.palette.assign(kColours.begin(), kColours.begin() + colours);
        if (coreHeader) {
            // The core header has no colour count: its table always holds 2^bits entries.
            layout.palette.resize(std::size_t{1} << bitCount, qRgb(0, 0, 0));
        }
    }
    const auto pixel = [&](int x, int y) {
        const quint32 index = PatternIndex(x, y, colours);
        return bitCount <= 8 ? index : kColours[index];
    };
    const QString file = folder.write("picture.bmp", MakeBmp(layout, pixel));
    ExpectPattern(ReadBitmap(file), 11, height < 0 ? -height : height, colours);
}

TEST(ReadBitmap, DecodesEveryDepthBottomUpAndTopDown) {
    for (const int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        CheckDepth(bits, 5);
        CheckDepth(bits, -5);
    }
    CheckDepth(8, 4, /*coreHeader=*/true);
    CheckDepth(24, 3, /*coreHeader=*/true);
}

// The image as QImage writes it in the given format.
QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format));
    return bytes;
}

TEST(ReadBitmap, ReadsWhatQImageWrites) {
    TempFolder folder;
    QImage original(37, 13, QImage::Format_RGB888);
    original.fill(qRgb(12, 34, 56));
    original.setPixel(36, 12, qRgb(250, 1, 2));
    const QImage read = ReadBitmap(folder.write("saved.bmp", Encoded(original, "BMP")));
    ASSERT_EQ(read.size(), original.size());
    EXPECT_EQ(read.pixel(0, 0), qRgb(12, 34, 56));
    EXPECT_EQ(read.pixel(36, 12), qRgb(250, 1, 2));
}

// Run-length compressed 8-bit rows: count/index pairs, end of line, end of bitmap.
QByteArray Rle8Bitmap(int declaredDataSize = 0) {
    BmpLayout layout{4, 2, 8, {kColours[0], kColours[2]}};
    QByteArray bytes = MakeBmp(layout, [](int, int) { return 0u; });
    const int offset = 14 + 40 + 8;
    bytes.truncate(offset);
    const QByteArray data("\x04\x01\x00\x00\x02\x00\x02\x01\x00\x01", 10);  // bottom row blue
    bytes += data;
    testing::PutU32(bytes, 2, static_cast<quint32>(bytes.size()));
    testing::PutU32(bytes, 30, 1);  // BI_RLE8
    testing::PutU32(bytes, 34, declaredDataSize ? declaredDataSize : data.size());
    return bytes;
}

TEST(ReadBitmap, DecodesRunLengthCompressionWithinItsStatedSize) {
    TempFolder folder;
    const QImage image = ReadBitmap(folder.write("rle.bmp", Rle8Bitmap()));
    ASSERT_EQ(image.size(), QSize(4, 2));
    EXPECT_EQ(image.pixel(0, 1), kColours[2]);
    EXPECT_EQ(image.pixel(0, 0), kColours[0]);
    EXPECT_EQ(image.pixel(3, 0), kColours[2]);

    EXPECT_THROW(ReadBitmap(folder.write("long.bmp", Rle8Bitmap(100))), PictureError);
    QByteArray unsized = Rle8Bitmap();
    testing::PutU32(unsized, 34, 0);
    EXPECT_THROW(ReadBitmap(folder.write("unsized.bmp", unsized)), PictureError);
}

// Expects a PictureError whose text names the file.
void ExpectRejected(const QString& file) {
    try {
        const QImage image = ReadBitmap(file);
        ADD_FAILURE() << file.toStdString() << " was read as " << image.width() << "x"
                      << image.height();
    } catch (const PictureError& error) {
        EXPECT_NE(std::string(error.what()).find(file.toStdString()), std::string::npos)
            << error.what();
        EXPECT_NE(std::string(error.what()).find("Cannot load the picture"), std::string::npos);
    }
}

QByteArray Valid24Bit(int width = 20, int height = 10) {
    return MakeBmp({width, height, 24, {}}, [](int x, int y) { return qRgb(x * 10, y * 20, 99); });
}

TEST(ReadBitmap, RejectsCutOffFiles) {
    TempFolder folder;
    const QByteArray full = Valid24Bit();

    // Header intact, the last rows missing, the stated file size still the full one.
    ExpectRejected(folder.write("cut.bmp", full.left(full.size() - 30)));
    // The same with the stated size made to match: only the pixel data check can tell.
    QByteArray consistent = full.left(full.size() - 1);
    testing::PutU32(consistent, 2, static_cast<quint32>(consistent.size()));
    ExpectRejected(folder.write("consistent.bmp", consistent));
    // The header itself cut: inside the info header, the file header alone, two bytes.
    ExpectRejected(folder.write("header.bmp", full.left(30)));
    ExpectRejected(folder.write("fileheader.bmp", full.left(14)));
    ExpectRejected(folder.write("bm.bmp", full.left(2)));
    // A palette bitmap cut inside its colour table.
    const QByteArray paletted =
        MakeBmp({4, 4, 8, {kColours.begin(), kColours.end()}}, [](int, int) { return 1u; });
    ExpectRejected(folder.write("palette.bmp", paletted.left(14 + 40 + 10)));
    // Extra bytes after the pixel data are harmless.
    EXPECT_NO_THROW(ReadBitmap(folder.write("padded.bmp", full + QByteArray(7, 'x'))));
}

TEST(ReadBitmap, RejectsFilesThatAreNoBitmaps) {
    TempFolder folder;
    ExpectRejected(folder.path() + "missing.bmp");
    ExpectRejected(folder.write("empty.bmp", {}));
    ExpectRejected(folder.makeFolder("folder.bmp").chopped(1));

    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    ExpectRejected(folder.write("png.bmp", Encoded(image, "PNG")));

    std::mt19937 random(1234);
    for (int round = 0; round < 20; ++round) {
        QByteArray noise(static_cast<int>(random() % 300), '\0');
        for (char& byte : noise) {
            byte = static_cast<char>(random());
        }
        if (round % 2 == 0 && noise.size() >= 2) {
            noise[0] = 'B';  // a signature alone does not make a bitmap
            noise[1] = 'M';
        }
        const QString name = QStringLiteral("noise%1.bmp").arg(round);
        ExpectRejected(folder.write(name, noise));
    }
}

TEST(ReadBitmap, RejectsDamagedHeaders) {
    TempFolder folder;
    struct Damage {
        const char* name;
        int at;
        quint32 value;
        bool wide;
    };
    const Damage damages[] = {
        {"infosize", 14, 41, true},   {"width0", 18, 0, true},   {"height0", 22, 0, true},
        {"huge", 18, 1u << 30, true}, {"planes", 26, 2, false},  {"bits7", 28, 7, false},
        {"jpeg", 30, 4, true},        {"rle8at24", 30, 1, true}, {"fields24", 30, 3, true},
    };
    for (const Damage& damage : damages) {
        QByteArray bytes = Valid24Bit();
        if (damage.wide) {
            testing::PutU32(bytes, damage.at, damage.value);
        } else {
            testing::PutU16(bytes, damage.at, static_cast<quint16>(damage.value));
        }
        SCOPED_TRACE(damage.name);
        ExpectRejected(folder.write(QString::fromLatin1(damage.name) + ".bmp", bytes));
    }
    // A colour table that claims more entries than the depth allows.
    QByteArray paletted =
        MakeBmp({4, 4, 4, {kColours.begin(), kColours.end()}}, [](int, int) { return 1u; });
    testing::PutU32(paletted, 46, 17);
    ExpectRejected(folder.write("colours.bmp", paletted));
}

// The text of the PictureError that reading the file throws; empty when it reads.
std::string RefusalOf(const QString& file) {
    try {
        ReadBitmap(file);
    } catch (const PictureError& error) {
        return error.what();
    }
    return {};
}

TEST(ReadBitmap, LongThinPicturesAreRead) {
    TempFolder folder;
    const auto colour = [](int x, int y) { return qRgb((x + y) % 256, 7, 9); };
    const QImage wide = ReadBitmap(folder.write("wide.bmp", MakeBmp({64000, 1, 24, {}}, colour)));
    EXPECT_EQ(wide.size(), QSize(64000, 1));
    EXPECT_EQ(wide.pixel(63999, 0), qRgb(63999 % 256, 7, 9));
    const QImage tall = ReadBitmap(folder.write("tall.bmp", MakeBmp({1, 64000, 24, {}}, colour)));
    EXPECT_EQ(tall.size(), QSize(1, 64000));
    EXPECT_EQ(tall.pixel(0, 63999), qRgb(63999 % 256, 7, 9));
}

TEST(ReadBitmap, OnlyImpossibleSizesAreCalledImpossible) {
    TempFolder folder;
    const auto sized = [&](const char* name, qint32 width, qint32 height) {
        QByteArray bytes = Valid24Bit(2, 2);
        testing::PutU32(bytes, 18, static_cast<quint32>(width));
        testing::PutU32(bytes, 22, static_cast<quint32>(height));
        return RefusalOf(folder.write(QLatin1String(name), bytes));
    };
    EXPECT_NE(sized("width0.bmp", 0, 2).find("impossible"), std::string::npos);
    EXPECT_NE(sized("height0.bmp", 2, 0).find("impossible"), std::string::npos);
    EXPECT_NE(sized("negative.bmp", -2, 2).find("impossible"), std::string::npos);
    // Too many pixels to hold is "too large", whichever side is long.
    for (const auto& [width, height] : {std::pair{40000, 40000}, std::pair{1 << 30, 1},
                                        std::pair{1, 1 << 30}, std::pair{8192, -8192}}) {
        const std::string refusal = sized("large.bmp", width, height);
        EXPECT_NE(refusal.find("too large"), std::string::npos) << refusal;
    }
}

// An 8-bit picture whose colour table holds one entry (green) while its pixels go up to 63.
QByteArray ShortColourTable() {
    return MakeBmp({8, 8, 8, {qRgb(0, 200, 0)}},
                   [](int x, int y) { return static_cast<quint32>((x * 8 + y) % 64); });
}

TEST(ReadBitmap, PixelsPastAShortColourTableAreBlack) {
    TempFolder folder;
    const QImage image = ReadBitmap(folder.write("short.bmp", ShortColourTable()));
    EXPECT_EQ(image.colorCount(), 0) << "a colour table is left to read past";
    // Drawn as a tile draws it, enlarged and smoothed, twice: the same pixels every time.
    QImage first;
    for (int round = 0; round < 2; ++round) {
        QImage tile(64, 64, QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::white);
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, 64, 64), image);
        painter.end();
        if (round == 0) {
            first = tile;
        } else {
            EXPECT_EQ(tile, first);
        }
    }
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const QRgb expected = (x * 8 + y) % 64 == 0 ? qRgb(0, 200, 0) : qRgb(0, 0, 0);
            ASSERT_EQ(image.pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
    // The drawn tile's middle of pixel (3, 3), far from any green pixel, is black.
    EXPECT_EQ(first.pixel(3 * 8 + 4, 3 * 8 + 4), qRgb(0, 0, 0));
}

}  // namespace
}  // namespace tavro
