// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures with colour masks (BI_BITFIELDS): each channel is scaled from its mask's width to
// 8 bits, for the usual 5-6-5 and 8-8-8 masks as for 10-11-10, with or without an alpha mask;
// masks that can't describe a picture are refused with a reason.
#include <gtest/gtest.h>
#include <cmath>

#include "cardset/BmpWriter.h"
#include "cardset/TempFolder.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::MakeBitfieldsBmp;
using testing::Masks;
using testing::TempFolder;

// Some raw values of a channel `width` bits wide: none, all, and between.
quint32 RawValue(int x, int y, int width) {
    const quint32 maximum = (quint32{1} << width) - 1;
    const quint32 values[] = {0, maximum, maximum / 2 + 1, maximum / 3, 1};
    return values[(x + 2 * y) % 5];
}

int Scaled(quint32 raw, int width) {
    return static_cast<int>(std::lround(raw * 255.0 / ((quint32{1} << width) - 1)));
}

struct Layout {
    int bitCount;
    int redShift, redWidth;
    int greenShift, greenWidth;
    int blueShift, blueWidth;
};

// Writes a 7 x 5 picture with the masks of `layout` and checks every pixel of what is read.
void CheckLayout(const Layout& l) {
    TempFolder folder;
    const auto mask = [](int shift, int width) {
        return static_cast<quint32>(((quint64{1} << width) - 1) << shift);
    };
    const Masks masks{mask(l.redShift, l.redWidth), mask(l.greenShift, l.greenWidth),
                      mask(l.blueShift, l.blueWidth), 0};
    const auto raw = [&](int x, int y) {
        return RawValue(x, y, l.redWidth) << l.redShift |
               RawValue(x + 1, y, l.greenWidth) << l.greenShift |
               RawValue(x + 3, y, l.blueWidth) << l.blueShift;
    };
    const QImage image =
        ReadBitmap(folder.write("masks.bmp", MakeBitfieldsBmp(7, 5, l.bitCount, masks, raw)));
    ASSERT_EQ(image.size(), QSize(7, 5));
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            const QRgb expected = qRgb(Scaled(RawValue(x, y, l.redWidth), l.redWidth),
                                       Scaled(RawValue(x + 1, y, l.greenWidth), l.greenWidth),
                                       Scaled(RawValue(x + 3, y, l.blueWidth), l.blueWidth));
            ASSERT_EQ(image.pixel(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST(BitfieldsBitmap, TenElevenTenBitMasks) {
    CheckLayout({32, 21, 10, 10, 11, 0, 10});
}

TEST(BitfieldsBitmap, UsualMasks) {
    CheckLayout({16, 11, 5, 5, 6, 0, 5});  // 5-6-5
    CheckLayout({16, 10, 5, 5, 5, 0, 5});  // 5-5-5
    CheckLayout({32, 16, 8, 8, 8, 0, 8});  // 8-8-8
    CheckLayout({32, 0, 8, 8, 8, 16, 8});  // 8-8-8, blue high
}

TEST(BitfieldsBitmap, AlphaMaskOfAV4Header) {
    TempFolder folder;
    const Masks masks{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    const QByteArray bytes = MakeBitfieldsBmp(
        2, 1, 32, masks, [](int x, int) { return x == 0 ? 0xFF102030u : 0x80FFFFFFu; }, 108);
    const QImage image = ReadBitmap(folder.write("alpha.bmp", bytes));
    EXPECT_EQ(image.pixel(0, 0), qRgba(0x10, 0x20, 0x30, 0xFF));
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 0x80);
}

void ExpectRefused(const QByteArray& bytes, const char* reason) {
    TempFolder folder;
    try {
        ReadBitmap(folder.write("masks.bmp", bytes));
        ADD_FAILURE() << "accepted";
    } catch (const PictureError& error) {
        EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
    }
}

TEST(BitfieldsBitmap, RefusesMasksThatDescribeNoPicture) {
    const auto grey = [](int, int) { return 0x7777u; };
    ExpectRefused(MakeBitfieldsBmp(2, 2, 16, {0xF00F, 0x0F00, 0x00F0, 0}, grey), "not supported");
    ExpectRefused(MakeBitfieldsBmp(2, 2, 16, {0x1F0000, 0x07E0, 0x001F, 0}, grey),
                  "wider than its pixels");
    ExpectRefused(MakeBitfieldsBmp(2, 2, 32, {0, 0, 0, 0}, grey), "no colour");
}

}  // namespace
}  // namespace tavro
