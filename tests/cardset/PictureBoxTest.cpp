// SPDX-License-Identifier: GPL-3.0-or-later
// The picture control shows its whole picture stretched to its size, shows nothing without a
// picture, reports left clicks, and keeps its picture when LoadPicture fails.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "cardset/BmpWriter.h"
#include "cardset/TempFolder.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "pictures/BitmapDecode.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::TempFolder;

const QRgb kTopLeft = qRgb(255, 0, 0);
const QRgb kTopRight = qRgb(0, 200, 0);
const QRgb kBottomLeft = qRgb(0, 0, 255);
const QRgb kBottomRight = qRgb(255, 255, 0);

// A wide picture, four times as wide as high, with a different colour in each quarter.
QRgb QuarterColour(int x, int y, int width, int height) {
    const bool right = x >= width / 2;
    const bool bottom = y >= height / 2;
    return bottom ? (right ? kBottomRight : kBottomLeft) : (right ? kTopRight : kTopLeft);
}

QByteArray WideBitmap() {
    return testing::MakeBmp({40, 10, 24, {}},
                            [](int x, int y) { return QuarterColour(x, y, 40, 10); });
}

TEST(PictureBox, ShowsTheWholePictureStretched) {
    TempFolder folder;
    PictureBox box;
    box.resize(60, 60);
    LoadPicture(box, folder.write("wide.bmp", WideBitmap()));
    EXPECT_EQ(box.picture().size(), QSize(40, 10));

    const QImage shown = box.grab().toImage();
    ASSERT_EQ(shown.size(), QSize(60, 60));
    // Each corner of the control shows the matching corner of the picture; a cropped or
    // letter-boxed picture would not reach all four.
    for (const int inset : {1, 12}) {
        const int far = 59 - inset;
        EXPECT_EQ(shown.pixel(inset, inset) | 0xFF000000u, kTopLeft);
        EXPECT_EQ(shown.pixel(far, inset) | 0xFF000000u, kTopRight);
        EXPECT_EQ(shown.pixel(inset, far) | 0xFF000000u, kBottomLeft);
        EXPECT_EQ(shown.pixel(far, far) | 0xFF000000u, kBottomRight);
    }
}

TEST(PictureBox, DrawsNothingWithoutPicture) {
    QWidget parent;
    parent.resize(80, 80);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(kTopRight));
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    PictureBox box(&parent);
    box.setGeometry(10, 10, 60, 60);

    const QImage shown = parent.grab().toImage();
    EXPECT_EQ(shown.pixel(40, 40) | 0xFF000000u, kTopRight);
}

TEST(PictureBox, ReportsLeftClicksInside) {
    QWidget parent;
    parent.resize(200, 200);
    PictureBox box(&parent);
    box.setGeometry(10, 10, 60, 60);
    parent.show();
    QSignalSpy clicks(&box, &PictureBox::clicked);

    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(&box, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(clicks.count(), 1);

    // Pressed inside but released outside: no click.
    QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(clicks.count(), 1);
    // A release without a press first: no click.
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(PictureBox, LoadPictureKeepsThePictureOnFailure) {
    TempFolder folder;
    PictureBox box;
    const QString good = folder.write("good.bmp", WideBitmap());
    LoadPicture(box, good);
    const QImage before = box.picture();

    EXPECT_THROW(LoadPicture(box, folder.path() + "missing.bmp"), PictureError);
    EXPECT_EQ(box.picture(), before);
    const QByteArray bytes = WideBitmap();
    EXPECT_THROW(LoadPicture(box, folder.write("cut.bmp", bytes.left(bytes.size() / 2))),
                 PictureError);
    EXPECT_EQ(box.picture(), before);

    // A later good load replaces the picture.
    const QString other = folder.write(
        "other.bmp", testing::MakeBmp({3, 7, 24, {}}, [](int, int) { return kTopLeft; }));
    LoadPicture(box, other);
    EXPECT_EQ(box.picture().size(), QSize(3, 7));
}

// A picture of the given size in the four quarter colours.
QByteArray QuarterBitmap(int width, int height) {
    return testing::MakeBmp({width, height, 24, {}},
                            [=](int x, int y) { return QuarterColour(x, y, width, height); });
}

TEST(PictureBox, KeepsNoMorePixelsThanItShows) {
    TempFolder folder;
    PictureBox tile;
    tile.resize(60, 60);
    LoadPicture(tile, folder.write("big.bmp", QuarterBitmap(400, 300)));
    EXPECT_EQ(tile.picture().size(), QSize(60, 60) * tile.devicePixelRatioF());
    // Long and thin: only the long side shrinks.
    LoadPicture(tile, folder.write("thin.bmp", QuarterBitmap(2, 900)));
    EXPECT_EQ(tile.picture().size(), QSize(2, 60) * tile.devicePixelRatioF());

    // Still the whole picture, stretched: each corner shows its quarter's colour.
    LoadPicture(tile, folder.write("big.bmp", QuarterBitmap(400, 300)));
    const QImage shown = tile.grab().toImage();
    EXPECT_EQ(shown.pixel(2, 2) | 0xFF000000u, kTopLeft);
    EXPECT_EQ(shown.pixel(57, 2) | 0xFF000000u, kTopRight);
    EXPECT_EQ(shown.pixel(2, 57) | 0xFF000000u, kBottomLeft);
    EXPECT_EQ(shown.pixel(57, 57) | 0xFF000000u, kBottomRight);
}

TEST(PictureBox, ShownSizeCountsDevicePixels) {
    EXPECT_EQ(ShownPixelSize(QSize(60, 60), 1.0), QSize(60, 60));
    EXPECT_EQ(ShownPixelSize(QSize(60, 60), 2.0), QSize(120, 120));
    EXPECT_EQ(ShownPixelSize(QSize(47, 47), 1.5), QSize(71, 71));

    QImage big(4000, 30, QImage::Format_RGB32);
    big.fill(Qt::blue);
    const QImage scaled = ScaleToShownSize(big, QSize(120, 120));
    EXPECT_EQ(scaled.size(), QSize(120, 30));
    EXPECT_EQ(scaled.pixel(60, 15), qRgb(0, 0, 255));
    // Small pictures and an empty shown size leave the picture as it is.
    EXPECT_EQ(ScaleToShownSize(big, QSize()).size(), big.size());
    EXPECT_EQ(ScaleToShownSize(big.copy(0, 0, 40, 10), QSize(47, 47)).size(), QSize(40, 10));
}

}  // namespace
}  // namespace tavro
