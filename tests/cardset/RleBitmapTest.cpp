// SPDX-License-Identifier: GPL-3.0-or-later
// Run-length compressed pictures (RLE4 and RLE8): a complete stream decodes to the right pixels,
// and a stream that is cut short, misses its end marker or leads outside the picture is refused,
// even when the headers were made to agree with the shorter file.
#include <gtest/gtest.h>

#include "cardset/BmpWriter.h"
#include "cardset/TempFolder.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::MakeRleBmp;
using testing::TempFolder;

const std::vector<QRgb> kPalette = {qRgb(0, 0, 0),     qRgb(255, 0, 0),   qRgb(0, 255, 0),
                                    qRgb(0, 0, 255),   qRgb(255, 255, 0), qRgb(0, 255, 255),
                                    qRgb(255, 0, 255), qRgb(90, 90, 90)};

// 8 x 3 pixels. Bottom row: a run of four 1s, then a literal block 2 3 4 5; end of row. Then a
// jump of 3 right and 1 up into the top row, a run of five 6s, end of row, end of bitmap.
// `cuts` gets the offsets (into the stream) that fall inside the literal block, the jump and the
// second run, and the one just before the end marker.
struct Stream {
    QByteArray bytes;
    int insideLiteral = 0;
    int insideJump = 0;
    int insideRun = 0;
    int beforeEnd = 0;
};

Stream Rle8Stream() {
    Stream s;
    s.bytes = QByteArray("\x04\x01", 2);
    s.insideLiteral = s.bytes.size() + 4;
    s.bytes += QByteArray("\x00\x04\x02\x03\x04\x05\x00\x00", 8);
    s.insideJump = s.bytes.size() + 3;
    s.bytes += QByteArray("\x00\x02\x03\x01", 4);
    s.insideRun = s.bytes.size() + 1;
    s.bytes += QByteArray("\x05\x06\x00\x00", 4);
    s.beforeEnd = s.bytes.size();
    s.bytes += QByteArray("\x00\x01", 2);
    return s;
}

Stream Rle4Stream() {
    Stream s;
    s.bytes = QByteArray("\x04\x11", 2);
    s.insideLiteral = s.bytes.size() + 3;
    s.bytes += QByteArray("\x00\x04\x23\x45\x00\x00", 6);
    s.insideJump = s.bytes.size() + 3;
    s.bytes += QByteArray("\x00\x02\x03\x01", 4);
    s.insideRun = s.bytes.size() + 1;
    s.bytes += QByteArray("\x05\x66\x00\x00", 4);
    s.beforeEnd = s.bytes.size();
    s.bytes += QByteArray("\x00\x01", 2);
    return s;
}

QRgb Opaque(QRgb colour) {
    return colour | 0xFF000000u;
}

void ExpectDecodedRight(const QImage& image) {
    ASSERT_EQ(image.size(), QSize(8, 3));
    // Bottom row (y 2 from the top): 1 1 1 1 2 3 4 5.
    const int expected[] = {1, 1, 1, 1, 2, 3, 4, 5};
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(Opaque(image.pixel(x, 2)), kPalette[expected[x]]) << "bottom row, x " << x;
    }
    // Top row from x 3 on: five 6s.
    for (int x = 3; x < 8; ++x) {
        EXPECT_EQ(Opaque(image.pixel(x, 0)), kPalette[6]) << "top row, x " << x;
    }
}

// A file of the stream's first `length` bytes whose headers state exactly that length.
QByteArray Cropped(int bitCount, const QByteArray& stream, int length) {
    return MakeRleBmp(8, 3, bitCount, kPalette, stream.left(length));
}

void ExpectRefused(const TempFolder& folder, const QString& name, const QByteArray& bytes,
                   const char* reason) {
    try {
        const QImage image = ReadBitmap(folder.write(name, bytes));
        ADD_FAILURE() << name.toStdString() << " was read as " << image.width() << "x"
                      << image.height();
    } catch (const PictureError& error) {
        EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
    }
}

class RleBitmap : public ::testing::TestWithParam<int> {
protected:
    int bits() const { return GetParam(); }
    Stream stream() const { return bits() == 8 ? Rle8Stream() : Rle4Stream(); }
};

TEST_P(RleBitmap, CompleteStreamDecodesRight) {
    TempFolder folder;
    ExpectDecodedRight(ReadBitmap(
        folder.write("whole.bmp", Cropped(bits(), stream().bytes, stream().bytes.size()))));
}

TEST_P(RleBitmap, StreamCutShortIsRefused) {
    TempFolder folder;
    const Stream s = stream();
    ExpectRefused(folder, "literal.bmp", Cropped(bits(), s.bytes, s.insideLiteral), "cut off");
    ExpectRefused(folder, "jump.bmp", Cropped(bits(), s.bytes, s.insideJump), "cut off");
    ExpectRefused(folder, "run.bmp", Cropped(bits(), s.bytes, s.insideRun), "cut off");
    ExpectRefused(folder, "noend.bmp", Cropped(bits(), s.bytes, s.beforeEnd), "cut off");
    // Cut inside the literal block's padding byte (4-bit: 3 pixels take 2 bytes of data).
    const QByteArray padded =
        bits() == 8 ? QByteArray("\x00\x03\x01\x02\x03", 5) : QByteArray("\x00\x05\x12\x34\x50", 5);
    ExpectRefused(folder, "padding.bmp", Cropped(bits(), padded, padded.size()), "cut off");
}

TEST_P(RleBitmap, StreamOutsideThePictureIsRefused) {
    TempFolder folder;
    const char* outside = "outside the picture";
    // A run of 9 in a row of 8.
    ExpectRefused(folder, "longrun.bmp", Cropped(bits(), QByteArray("\x09\x01\x00\x01", 4), 4),
                  outside);
    // A literal block of 9.
    const QByteArray literal =
        QByteArray("\x00\x09", 2) + QByteArray(10, '\x11') + QByteArray("\x00\x01", 2);
    ExpectRefused(folder, "longliteral.bmp", Cropped(bits(), literal, literal.size()), outside);
    // A jump above the top row, and one past the right edge.
    ExpectRefused(folder, "jumpup.bmp",
                  Cropped(bits(), QByteArray("\x00\x02\x00\x03\x01\x01\x00\x01", 8), 8), outside);
    ExpectRefused(folder, "jumpright.bmp",
                  Cropped(bits(), QByteArray("\x00\x02\x09\x00\x00\x01", 6), 6), outside);
    // Four rows ended in a picture of three, before anything is drawn in the fourth.
    ExpectRefused(folder, "rows.bmp",
                  Cropped(bits(), QByteArray("\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01", 10), 10),
                  outside);
}

INSTANTIATE_TEST_SUITE_P(Depths, RleBitmap, ::testing::Values(4, 8));

}  // namespace
}  // namespace tavro
