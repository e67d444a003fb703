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

const std::vector<QRgb> kPalette = {qRgb(10, 20, 30),  qRgb(255, 0, 0),   qRgb(0, 255, 0),
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
    // What the jump passed over (the middle row, the top row's first three) is index 0.
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(Opaque(image.pixel(x, 1)), kPalette[0]) << "middle row, x " << x;
        if (x < 3) {
            EXPECT_EQ(Opaque(image.pixel(x, 0)), kPalette[0]) << "top row, x " << x;
        }
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

void ExpectRow(const QImage& image, int y, const std::vector<int>& indices) {
    for (int x = 0; x < static_cast<int>(indices.size()); ++x) {
        EXPECT_EQ(Opaque(image.pixel(x, y)), kPalette[indices[static_cast<std::size_t>(x)]])
            << "row " << y << " from the top, x " << x;
    }
}

// Encoders that leave the last rows blank end the stream with a jump to the row just past the
// top one, and may jump to the column just past the right edge: moving there draws nothing.
// Pixels passed over take the colour of index 0 (not black: the reader leaves them as whatever
// memory held, which is often zero).
TEST_P(RleBitmap, JumpsToJustPastTheEdgesAreAccepted) {
    TempFolder folder;
    const bool eight = bits() == 8;
    // 8 x 4 pixels. Bottom row: a run of three 1s, then a jump to the column past the last one
    // and the end of the row. Second row: a literal block 2 3 4 5 from x 2, a run of two 6s,
    // then a jump of 3 up, from the second row to the row past the top one; the end marker.
    QByteArray stream = eight ? QByteArray("\x03\x01", 2) : QByteArray("\x03\x11", 2);
    stream += QByteArray("\x00\x02\x05\x00\x00\x00", 6);  // to x 8, end of the row
    stream += QByteArray("\x00\x02\x02\x00", 4);          // to x 2
    stream += eight ? QByteArray("\x00\x04\x02\x03\x04\x05", 6) : QByteArray("\x00\x04\x23\x45", 4);
    stream += eight ? QByteArray("\x02\x06", 2) : QByteArray("\x02\x66", 2);
    stream += QByteArray("\x00\x02\x00\x03\x00\x01", 6);  // up 3, past the top row; end
    const QImage image =
        ReadBitmap(folder.write("pastedges.bmp", MakeRleBmp(8, 4, bits(), kPalette, stream)));
    ASSERT_EQ(image.size(), QSize(8, 4));
    ExpectRow(image, 3, {1, 1, 1, 0, 0, 0, 0, 0});
    ExpectRow(image, 2, {0, 0, 2, 3, 4, 5, 6, 6});
    ExpectRow(image, 1, std::vector<int>(8, 0));
    ExpectRow(image, 0, std::vector<int>(8, 0));

    // The same jump straight from the bottom row of a 8 x 3 picture, leaving two blank rows,
    // and a jump up by one from the top row.
    const QByteArray fromBottom = (eight ? QByteArray("\x08\x07", 2) : QByteArray("\x08\x77", 2)) +
                                  QByteArray("\x00\x02\x00\x03\x00\x01", 6);
    const QImage blankTop =
        ReadBitmap(folder.write("blanktop.bmp", Cropped(bits(), fromBottom, fromBottom.size())));
    ExpectRow(blankTop, 2, std::vector<int>(8, 7));
    ExpectRow(blankTop, 1, std::vector<int>(8, 0));
    ExpectRow(blankTop, 0, std::vector<int>(8, 0));
    const QByteArray fromTop = QByteArray("\x00\x00\x00\x00", 4) +
                               (eight ? QByteArray("\x08\x07", 2) : QByteArray("\x08\x77", 2)) +
                               QByteArray("\x00\x02\x00\x01\x00\x01", 6);
    const QImage topDrawn =
        ReadBitmap(folder.write("topdrawn.bmp", Cropped(bits(), fromTop, fromTop.size())));
    ExpectRow(topDrawn, 0, std::vector<int>(8, 7));
    ExpectRow(topDrawn, 2, std::vector<int>(8, 0));
}

// Past the edges nothing may be drawn, and the stream must still end with its marker.
TEST_P(RleBitmap, NothingIsDrawnPastTheEdges) {
    TempFolder folder;
    const char* outside = "outside the picture";
    const QByteArray pastTop("\x00\x02\x00\x03", 4);
    const QByteArray pastRight("\x00\x02\x08\x00", 4);
    const QByteArray run("\x01\x11", 2);
    const QByteArray literal =
        bits() == 8 ? QByteArray("\x00\x03\x01\x01\x01\x00", 6) : QByteArray("\x00\x03\x11\x10", 4);
    const QByteArray end("\x00\x01", 2);
    const auto refused = [&](const char* name, const QByteArray& stream, const char* reason) {
        ExpectRefused(folder, QString::fromLatin1(name), Cropped(bits(), stream, stream.size()),
                      reason);
    };
    refused("toprun.bmp", pastTop + run + end, outside);
    refused("topliteral.bmp", pastTop + literal + end, outside);
    refused("rightrun.bmp", pastRight + run + end, outside);
    refused("rightliteral.bmp", pastRight + literal + end, outside);
    // Beyond the row past the top one: by a jump, or by ending the row past the top one.
    refused("jumpbeyond.bmp", QByteArray("\x00\x02\x00\x04", 4) + end, outside);
    refused("rowbeyond.bmp", pastTop + QByteArray("\x00\x00", 2) + end, outside);
    refused("jumprightbeyond.bmp", QByteArray("\x00\x02\x09\x00", 4) + end, outside);
    // Cut off after the jump past the top row, before the end marker.
    refused("noendpasttop.bmp", pastTop, "cut off");
}

INSTANTIATE_TEST_SUITE_P(Depths, RleBitmap, ::testing::Values(4, 8));

}  // namespace
}  // namespace tavro
