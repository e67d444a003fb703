// The picture control shows its whole picture stretched to its size, shows nothing without a
// picture, reports left clicks, and keeps its picture when LoadPicture fails.
#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "cardset/BmpWriter.h"
#include "cardset/TempFolder.h"
#include "controls/PictureBox.h"
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

}  // namespace
}  // namespace tavro
