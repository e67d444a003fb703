// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's picture logic on its own: the size a photo is kept at, the square picked from a
// picture and zoomed, the faces that look alike, and the escaping of metadata values.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QRandomGenerator>

#include "cardmaker/FaceMaker.h"
#include "cardmaker/PictureLook.h"
#include "cardmaker/SetMetadata.h"

namespace tavro::cardmaker {
namespace {

TEST(PictureLogic, BigPicturesOfAnyShapeAreKeptReduced) {
    EXPECT_EQ(KeptSize(QSize(6000, 4000)), QSize(1600, 1067));
    EXPECT_EQ(KeptSize(QSize(3000, 9000)), QSize(533, 1600));
    EXPECT_EQ(KeptSize(QSize(400, 900)), QSize(400, 900));
    EXPECT_EQ(KeptSize(QSize(480, 69000)), QSize(11, 1600));
    EXPECT_EQ(KeptSize(QSize(100000, 1)), QSize(1600, 1));
}

struct CropCase {
    const char* what;
    QSize picture;
    Crop crop;
    double zoom;  // applied to the crop first (1 for none)
    QRect square;
};

TEST(PictureLogic, TheSquareZoomsWithinThePicture) {
    const std::vector<CropCase> cases{
        {"a wide picture starts with its middle",
         {300, 100},
         DefaultCrop({300, 100}),
         1,
         {100, 0, 100, 100}},
        {"a tall picture starts with its top third",
         {90, 150},
         DefaultCrop({90, 150}),
         1,
         {0, 5, 90, 90}},
        {"a very tall one too", {1000, 3000}, DefaultCrop({1000, 3000}), 1, {0, 500, 1000, 1000}},
        {"a square moved past the edge stops at it",
         {300, 100},
         {{1.0, 0.0}, 0},
         1,
         {200, 0, 100, 100}},
        {"zooming in keeps the centre",
         {1500, 1000},
         {{0.5, 0.5}, 0},
         kZoomStep,
         {350, 100, 800, 800}},
        {"zooming in stops at 120 pixels of the picture",
         {1500, 1000},
         {{0.5, 0.5}, 0},
         100,
         {690, 440, 120, 120}},
        {"a zoomed square near an edge stays inside",
         {1500, 1000},
         {{0.99, 0.5}, 200},
         1,
         {1300, 400, 200, 200}},
        {"zooming out stops at the whole shorter side",
         {1500, 1000},
         {{0.9, 0.5}, 300},
         0.01,
         {500, 0, 1000, 1000}},
        {"a picture smaller than a card can't zoom", {80, 60}, {{0.5, 0.5}, 0}, 4, {10, 0, 60, 60}},
    };
    for (const CropCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Crop crop = ZoomCrop(c.picture, c.crop, c.zoom);
        EXPECT_EQ(CropSquare(c.picture, crop), c.square);
        // The clamped crop stands for the same square, and so does the square's own crop.
        EXPECT_EQ(CropSquare(c.picture, ClampCrop(c.picture, crop)), c.square);
        EXPECT_EQ(CropSquare(c.picture, CropOfSquare(c.picture, c.square)), c.square);
    }
    EXPECT_DOUBLE_EQ(CropZoom({1500, 1000}, {{0.5, 0.5}, 250}), 4.0);
}

// A photo-like picture: rectangles of random colours, a different picture for each seed.
QImage Shapes(int width, int height, quint32 seed) {
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(random.generate() | 0xFF000000));
    QPainter painter(&image);
    for (int n = 0; n < 12; ++n) {
        painter.fillRect(random.bounded(width), random.bounded(height), width / 3, height / 3,
                         QColor::fromRgb(random.generate() | 0xFF000000));
    }
    return image;
}

QImage Plain(const QColor& colour) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage SavedAsJpeg(const QImage& image, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return QImage::fromData(bytes, "JPG");
}

struct LookCase {
    const char* what;
    QImage a;
    QImage b;
    bool alike;
};

TEST(PictureLogic, FacesThatLookAlike) {
    const QImage photo = Shapes(400, 300, 1);
    const std::vector<LookCase> cases{
        {"a photo saved again at a low quality", photo, SavedAsJpeg(photo, 40), true},
        {"a photo at half its size", photo,
         photo.scaled(200, 150, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), true},
        {"two different photos", photo, Shapes(400, 300, 2), false},
        {"the same photo turned over", photo, photo.mirrored(true, false), false},
        {"plain red and orange", Plain(QColor(200, 40, 40)), Plain(QColor(220, 130, 40)), false},
        {"plain colours nearly the same", Plain(QColor(100, 150, 200)),
         Plain(QColor(104, 147, 203)), true},
    };
    for (const LookCase& c : cases) {
        SCOPED_TRACE(c.what);
        const FaceFingerprint a = MakeFingerprint(c.a, c.a.rect());
        const FaceFingerprint b = MakeFingerprint(c.b, c.b.rect());
        EXPECT_EQ(LooksAlike(a, b), c.alike);
        EXPECT_FALSE(SameFace(a, b));
        EXPECT_TRUE(SameFace(a, MakeFingerprint(c.a.copy(), c.a.rect())));
    }
    // Two different squares of one photo are two faces.
    EXPECT_FALSE(LooksAlike(MakeFingerprint(photo, {0, 0, 150, 150}),
                            MakeFingerprint(photo, {250, 150, 150, 150})));
}

TEST(PictureLogic, MetadataValuesAreEscapedAsInKeyFiles) {
    EXPECT_EQ(EscapeKeyFileValue(" Grandma"), "\\sGrandma");
    EXPECT_EQ(EscapeKeyFileValue("a b "), "a b ");
    EXPECT_EQ(EscapeKeyFileValue("two\nlines\tand\r\\"), "two\\nlines\\tand\\r\\\\");
    EXPECT_EQ(EscapeKeyFileValue(QString::fromUtf8("Gro\xc3\x9f"
                                                   "e; =[x]")),
              QString::fromUtf8("Gro\xc3\x9f"
                                "e; =[x]"));
    QStringList names;
    for (int n = 1; n <= 18; ++n) {
        names << QStringLiteral("P%1").arg(n);
    }
    names[0] = " Oma\n";
    const QByteArray text = SetMetadataText("Family \xc3\xa9", names);
    EXPECT_TRUE(
        text.startsWith("[Tavro Memory Card Set]\nName=Family \xc3\xa9\n"
                        "Picture1=\\sOma\\n\nPicture2=P2\n"));
    EXPECT_TRUE(text.endsWith("Picture18=P18\n"));
}

}  // namespace
}  // namespace tavro::cardmaker
