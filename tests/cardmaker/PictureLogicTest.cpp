// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's picture logic on its own: the working size a photo is read at, the square picked
// from a picture, and the escaping of metadata values.
#include <gtest/gtest.h>

#include "cardmaker/FaceMaker.h"
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

TEST(PictureLogic, TheSquareStaysInsideThePicture) {
    EXPECT_EQ(CropSquare(QSize(300, 100), {0.5, 0.5}), QRect(100, 0, 100, 100));
    EXPECT_EQ(CropSquare(QSize(300, 100), {0.0, 0.5}), QRect(0, 0, 100, 100));
    EXPECT_EQ(CropSquare(QSize(300, 100), {1.0, 0.0}), QRect(200, 0, 100, 100));
    EXPECT_EQ(CropSquare(QSize(90, 150), {0.5, 0.5}), QRect(0, 30, 90, 90));
    EXPECT_EQ(CropSquare(QSize(90, 150), {0.5, 0.9}), QRect(0, 60, 90, 90));
    const QPointF clamped = ClampCropCentre(QSize(300, 100), {0.95, 0.1});
    EXPECT_DOUBLE_EQ(clamped.x(), 250.0 / 300);
    EXPECT_DOUBLE_EQ(clamped.y(), 0.5);
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
