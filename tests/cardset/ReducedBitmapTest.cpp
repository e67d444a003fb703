// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a bitmap at the size it is shown at, band by band: the result must look like the whole
// picture decoded and then scaled smoothly, for every kind of file (1, 4, 8, 24 and 32 bits, the
// old core header, top-down and bottom-up rows, RLE4 and RLE8, colour masks with and without
// alpha), reduced in one direction or both, over several bands; a picture that is not reduced
// comes out exactly as the whole file decodes at once. Every file the whole-file decoder refuses
// is refused with the same reason.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QImage>
#include <tuple>

#include "cardset/BmpWriter.h"
#include "cardset/TempFolder.h"
#include "pictures/BitmapDecode.h"
#include "pictures/BitmapStream.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::BmpLayout;
using testing::MakeBitfieldsBmp;
using testing::MakeBmp;
using testing::MakeRleBmp;
using testing::Masks;
using testing::RleEncode;
using testing::TempFolder;

// Big enough for the 24- and 32-bit files to span several bands.
constexpr int kWidth = 640;
constexpr int kHeight = 480;

std::vector<QRgb> Palette(int entries) {
    std::vector<QRgb> palette;
    for (int i = 0; i < entries; ++i) {
        palette.push_back(qRgb((i * 97) % 256, (i * 57 + 40) % 256, (i * 23 + 90) % 256));
    }
    return palette;
}

// Shapes and gradients: areas of one colour with edges between them, as card pictures have.
int Region(int x, int y) {
    return (x / 37 + y / 29 + (x * y) / 5000) % 16;
}

QRgb Colour(int x, int y) {
    return qRgb((x * 255) / kWidth, (Region(x, y) * 16) % 256, (y * 255) / kHeight);
}

int Largest(const QImage& reduced, const QImage& expected) {
    const QImage a = reduced.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            for (const int shift : {0, 8, 16, 24}) {
                const int one = static_cast<int>((left[x] >> shift) & 0xFF);
                const int other = static_cast<int>((right[x] >> shift) & 0xFF);
                largest = std::max(largest, std::abs(one - other));
            }
        }
    }
    return largest;
}

// The file read reduced to each shown size against the whole decode scaled smoothly.
void ExpectLikeSmoothScaling(const QByteArray& bytes, const char* what) {
    SCOPED_TRACE(what);
    TempFolder folder;
    const QString file = folder.write("picture.bmp", bytes);
    QString problem;
    const QImage whole = DecodeBitmap(bytes, problem);  // the whole file at once
    ASSERT_FALSE(whole.isNull());
    for (const QSize shown :
         {QSize(47, 47), QSize(60, 31), QSize(1000, 100), QSize(100, 1000), QSize(1, 1)}) {
        const QSize target = whole.size().boundedTo(shown);
        const QImage reduced = ReadBitmapScaled(file, shown);
        ASSERT_EQ(reduced.size(), target);
        EXPECT_EQ(reduced.hasAlphaChannel(), whole.hasAlphaChannel());
        const QImage expected =
            whole.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LE(Largest(reduced, expected), 6) << shown.width() << " x " << shown.height();
    }
    // Shown at least as large as it is: exactly the decoded picture.
    EXPECT_EQ(Largest(ReadBitmapScaled(file, QSize(kWidth * 2, kHeight * 2)), whole), 0);
    EXPECT_EQ(Largest(ReadBitmapScaled(file, QSize()), whole), 0);
}

QByteArray PaletteFile(int bitCount, int height, bool core = false) {
    const int entries = 1 << bitCount;
    BmpLayout layout{kWidth, height, bitCount, Palette(entries), core};
    return MakeBmp(layout,
                   [&](int x, int y) { return static_cast<quint32>(Region(x, y) % entries); });
}

QByteArray TrueColourFile(int bitCount, int height, bool core = false) {
    BmpLayout layout{kWidth, height, bitCount, {}, core};
    return MakeBmp(layout, [](int x, int y) { return static_cast<quint32>(Colour(x, y)); });
}

std::vector<std::vector<int>> RegionRows(int colours) {
    std::vector<std::vector<int>> rows(kHeight, std::vector<int>(kWidth));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            rows[y][x] = Region(x, y) % colours;
        }
    }
    return rows;
}

TEST(ReducedBitmap, LooksLikeTheWholePictureScaledSmoothly) {
    for (const int bits : {1, 4, 8}) {
        ExpectLikeSmoothScaling(PaletteFile(bits, kHeight), "palette, bottom-up");
        ExpectLikeSmoothScaling(PaletteFile(bits, -kHeight), "palette, top-down");
    }
    ExpectLikeSmoothScaling(PaletteFile(8, kHeight, true), "8 bits, core header");
    for (const int bits : {24, 32}) {
        ExpectLikeSmoothScaling(TrueColourFile(bits, kHeight), "true colour, bottom-up");
        ExpectLikeSmoothScaling(TrueColourFile(bits, -kHeight), "true colour, top-down");
    }
    ExpectLikeSmoothScaling(TrueColourFile(24, kHeight, true), "24 bits, core header");
    ExpectLikeSmoothScaling(
        MakeRleBmp(kWidth, kHeight, 8, Palette(256), RleEncode(RegionRows(16), 8)), "RLE8");
    ExpectLikeSmoothScaling(
        MakeRleBmp(kWidth, kHeight, 4, Palette(16), RleEncode(RegionRows(16), 4)), "RLE4");
    const auto rgb565 = [](int x, int y) {
        const QRgb c = Colour(x, y);
        return static_cast<quint32>((qRed(c) >> 3) << 11 | (qGreen(c) >> 2) << 5 | qBlue(c) >> 3);
    };
    ExpectLikeSmoothScaling(
        MakeBitfieldsBmp(kWidth, kHeight, 16, Masks{0xF800, 0x07E0, 0x001F, 0}, rgb565),
        "16-bit masks");
    const auto withAlpha = [](int x, int y) {
        const QRgb c = Colour(x, y);
        const quint32 alpha = static_cast<quint32>((Region(x, y) * 17) % 256);
        return alpha << 24 | static_cast<quint32>(qRed(c)) << 16 |
               static_cast<quint32>(qGreen(c)) << 8 | static_cast<quint32>(qBlue(c));
    };
    ExpectLikeSmoothScaling(
        MakeBitfieldsBmp(kWidth, -kHeight, 32, Masks{0xFF0000, 0xFF00, 0xFF, 0xFF000000u},
                         withAlpha, 108),
        "32-bit masks with alpha, top-down");
}

TEST(ReducedBitmap, RefusesWhatTheWholeFileDecoderRefusesForTheSameReason) {
    const QByteArray good = TrueColourFile(24, 40);
    QByteArray huge = good;
    testing::PutU32(huge, 18, 100000);
    testing::PutU32(huge, 22, 100000);
    QByteArray badMasks =
        MakeBitfieldsBmp(8, 8, 16, Masks{0xF0F0, 0x0F00, 0x000F, 0}, [](int, int) { return 0u; });
    QByteArray rle = MakeRleBmp(8, 2, 8, Palette(4), QByteArray("\x09\x01\x00\x01", 4));
    QByteArray rleUnended = MakeRleBmp(8, 2, 8, Palette(4), QByteArray("\x08\x01\x00\x00", 4));
    QByteArray badPalette = PaletteFile(4, 8);
    testing::PutU32(badPalette, 46, 17);  // more colours than 4 bits can use
    const QByteArray cases[] = {QByteArray(),  QByteArray("GIF89a"),
                                good.left(30), good.left(good.size() - 1),
                                huge,          badMasks,
                                rle,           rleUnended,
                                badPalette};
    TempFolder folder;
    int number = 0;
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(number);
        const QString file = folder.write(QString::number(number++) + ".bmp", bytes);
        QString problem;
        EXPECT_TRUE(DecodeBitmap(bytes, problem).isNull());
        const std::string whole =
            QStringLiteral("Cannot load the picture %1: %2").arg(file, problem).toStdString();
        std::string reduced;
        try {
            ReadBitmapScaled(file, QSize(47, 47));
        } catch (const PictureError& error) {
            reduced = error.what();
        }
        EXPECT_FALSE(whole.empty());
        EXPECT_EQ(reduced, whole);
    }
    EXPECT_THROW(ReadBitmapScaled(folder.path() + "missing.bmp", QSize(47, 47)), PictureError);
    EXPECT_THROW(ReadBitmapScaled(folder.path(), QSize(47, 47)), PictureError);
}

// Qt's reader leaves the pixels a stream skips as whatever memory held; here they take colour 0.
TEST(ReducedBitmap, RunLengthJumpsAndEarlyEndsLeaveColourZero) {
    const std::vector<QRgb> palette{qRgb(200, 0, 0), qRgb(0, 200, 0), qRgb(0, 0, 200)};
    // From the bottom row: a run, end of row; a jump of 2 right and 1 up, a run, a literal
    // block of 3; end of row; a run; end of the picture with two rows left.
    const QByteArray rle8(
        "\x03\x01\x00\x00"
        "\x00\x02\x02\x01\x02\x02\x00\x03\x01\x02\x01\x00"
        "\x00\x00\x01\x02\x00\x01",
        22);
    const QByteArray rle4(
        "\x03\x12\x00\x00"
        "\x00\x02\x02\x01\x02\x22\x00\x03\x12\x10"
        "\x00\x00\x01\x20\x00\x01",
        20);
    // The rows from the top, as palette indices.
    const char* const rows8[] = {"000000000", "000000000", "200000000",
                                 "002212100", "000000000", "111000000"};
    const char* const rows4[] = {"000000000", "000000000", "200000000",
                                 "002212100", "000000000", "121000000"};
    TempFolder folder;
    for (const auto& [bits, stream, rows] :
         {std::tuple{8, rle8, rows8}, std::tuple{4, rle4, rows4}}) {
        SCOPED_TRACE(bits);
        QImage expected(9, 6, QImage::Format_RGB32);
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 9; ++x) {
                expected.setPixel(x, y, palette[static_cast<std::size_t>(rows[y][x] - '0')]);
            }
        }
        const QString file =
            folder.write(QString::number(bits) + ".bmp", MakeRleBmp(9, 6, bits, palette, stream));
        EXPECT_EQ(Largest(ReadBitmapScaled(file, QSize()), expected), 0);
        EXPECT_LE(Largest(ReadBitmapScaled(file, QSize(4, 3)),
                          expected.scaled(4, 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)),
                  6);
    }
}

TEST(ReducedBitmap, ReducerAveragesTheAreaEachPixelCovers) {
    // Three source columns into two: the middle one is shared half and half.
    RowReducer reducer(QSize(3, 1), QSize(2, 1), false);
    const QRgb row[] = {qRgb(0, 0, 0), qRgb(90, 90, 90), qRgb(240, 240, 240)};
    reducer.AddRow(0, row);
    const QImage result = reducer.Result();
    EXPECT_EQ(qRed(result.pixel(0, 0)), 30);   // (0 * 1 + 90 * 0.5) / 1.5
    EXPECT_EQ(qRed(result.pixel(1, 0)), 190);  // (90 * 0.5 + 240 * 1) / 1.5
}

}  // namespace
}  // namespace tavro
