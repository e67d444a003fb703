// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's command line turns photos into a set in the game's own format: tall, wide, turned by
// a camera orientation tag, and a 24-megapixel one. The faces show the middle square of each
// wide picture and the top third of a tall one; the files are 24-bit card-sized bitmaps of 240
// pixels the game accepts and reads at its 60 px tile size; the metadata names the set and its
// pictures.
#include <QDir>
#include <QImage>

#include "cardmaker/MakerFixture.h"
#include "pictures/BitmapHeader.h"
#include "settings/CardSet.h"

namespace tavro::test {
namespace {

const QColor kRed(220, 30, 30), kBlue(30, 30, 220), kGreen(30, 200, 30), kMagenta(200, 30, 200);
const QColor kYellow(230, 220, 20), kCyan(20, 200, 220), kOrange(240, 140, 20), kNavy(20, 20, 60);

// Points inside the 240 px card, clear of its rounded edge: centre, left, right, top, bottom.
const QPoint kCentre(120, 120), kLeft(28, 120), kRight(212, 120), kTop(120, 28), kBottom(120, 212);

QColor At(const QImage& face, const QPoint& point) {
    return face.pixelColor(point);
}

void ExpectCardBitmap(const QString& fileName) {
    const QByteArray bytes = ReadAll(fileName);
    ASSERT_EQ(CheckBitmapHeader(bytes), QString()) << fileName.toStdString();
    const BitmapHeader header = ParseBitmapHeader(bytes);
    EXPECT_EQ(header.bitCount, 24) << fileName.toStdString();
    EXPECT_EQ(header.compression, kBiRgb);
    EXPECT_EQ(header.width, 240);
    EXPECT_EQ(header.height, 240);
    // The game reads it reduced to its 60 px tile as it is read, keeping the middle's colour.
    const QImage tile = ReadBitmapScaled(fileName, QSize(60, 60));
    EXPECT_EQ(tile.size(), QSize(60, 60));
    EXPECT_TRUE(Near(tile.pixelColor(30, 30), QImage(fileName).pixelColor(kCentre), 8))
        << fileName.toStdString();
}

void ExpectAllNear(const QImage& face, const QColor& colour, const char* what) {
    for (const QPoint& point : {kCentre, kLeft, kRight, kTop, kBottom}) {
        EXPECT_TRUE(Near(At(face, point), colour))
            << what << " at " << point.x() << "," << point.y() << ": "
            << At(face, point).name().toStdString();
    }
}

class CommandLine : public MakerFixture {};

TEST_F(CommandLine, PhotosBecomeASetOfMiddleSquares) {
    QStringList files;
    files << AddPicture("wide.png", Encode(MiddleSquarePicture(300, 100, kRed, kBlue), "PNG"));
    // A tall picture's square starts in its top third, where heads are: rows 5 to 95 of 150.
    QImage tall(90, 150, QImage::Format_RGB32);
    tall.fill(kMagenta);
    QPainter(&tall).fillRect(0, 5, 90, 90, kGreen);
    files << AddPicture("tall.png", Encode(tall, "PNG"));
    // Stored wide with a yellow left and a cyan right half; shown turned clockwise, so the
    // yellow half is on top.
    QImage stored(300, 200, QImage::Format_RGB32);
    stored.fill(kCyan);
    QPainter(&stored).fillRect(0, 0, 150, 200, kYellow);
    files << AddPicture("turned.jpg", JpegWithOrientation(stored, 6));
    files << AddPicture("big photo.jpg",
                        Encode(MiddleSquarePicture(6000, 4000, kOrange, kNavy), "JPG"));
    files << PlainPictures(14, 5);

    const MakerRun run = Make(QStringList{"--name", "Family", "--back", "green"} + files);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString setFolder = PlayerSets() + QStringLiteral("Family/");
    EXPECT_EQ(run.out.trimmed(), QDir::toNativeSeparators(setFolder));
    EXPECT_EQ(run.err, QString());

    EXPECT_EQ(Sorted(TreeOf(PlayerSets())), SavedSetTree("Family"));
    for (const QString& name : SetFileNames()) {
        if (name.endsWith(u".bmp")) {
            ExpectCardBitmap(setFolder + name);
        }
    }

    ExpectAllNear(QImage(setFolder + "1.bmp"), kRed, "wide picture");
    ExpectAllNear(QImage(setFolder + "2.bmp"), kGreen, "tall picture");
    const QImage turned(setFolder + "3.bmp");
    EXPECT_TRUE(Near(At(turned, kTop), kYellow)) << At(turned, kTop).name().toStdString();
    EXPECT_TRUE(Near(At(turned, kBottom), kCyan)) << At(turned, kBottom).name().toStdString();
    ExpectAllNear(QImage(setFolder + "4.bmp"), kOrange, "big photo");
    ExpectAllNear(QImage(setFolder + "5.bmp"), PlainColour(5), "plain picture");

    QByteArray metadata =
        "[Tavro Memory Card Set]\nName=Family\nPicture1=wide\nPicture2=tall\n"
        "Picture3=turned\nPicture4=big photo\n";
    for (int n = 5; n <= 18; ++n) {
        metadata += QStringLiteral("Picture%1=plain%1\n").arg(n).toUtf8();
    }
    EXPECT_EQ(ReadAll(setFolder + "set.desktop"), metadata);
}

TEST_F(CommandLine, BackFromAPictureAndReadyMadeBacksDiffer) {
    const QStringList faces = PlainPictures(18);
    const QString backFile =
        AddPicture("back.png", Encode(MiddleSquarePicture(200, 100, kMagenta, kGreen), "PNG"));
    ASSERT_EQ(Make(QStringList{"--name", "Own back", "--back", backFile} + faces).exitCode, 0);
    ExpectAllNear(QImage(PlayerSets() + "Own back/space.bmp"), kMagenta, "picture back");
    ExpectCardBitmap(PlayerSets() + "Own back/space.bmp");

    ASSERT_EQ(Make(QStringList{"--name", "Blue", "--back", "blue"} + faces).exitCode, 0);
    ASSERT_EQ(Make(QStringList{"--name", "Red", "--back", "red"} + faces).exitCode, 0);
    ASSERT_EQ(Make(QStringList{"--name", "Default"} + faces).exitCode, 0);
    const QImage blue(PlayerSets() + "Blue/space.bmp");
    EXPECT_NE(blue, QImage(PlayerSets() + "Red/space.bmp"));
    EXPECT_EQ(blue, QImage(PlayerSets() + "Default/space.bmp"));
}

TEST_F(CommandLine, HelpVersionAndUsageErrors) {
    const MakerRun help = Make({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--name")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--back"));
    const MakerRun version = Make({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.contains("tavro-memory-cards 1.")) << version.out.toStdString();

    const MakerRun unknown = Make({"--colour", "x"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("colour")) << unknown.err.toStdString();
    const MakerRun noName = Make(PlainPictures(18));
    EXPECT_EQ(noName.exitCode, 2);
    EXPECT_TRUE(noName.err.contains("--name")) << noName.err.toStdString();
    ExpectNothingWritten();
}

TEST_F(CommandLine, MessagesInThePlayersLanguage) {
    const MakerRun german =
        RunMaker(TAVRO_MAKER, DataHome(), QStringList{"--name", "Satz"} + PlainPictures(17), "de");
    EXPECT_EQ(german.exitCode, 1);
    EXPECT_TRUE(german.err.contains(QString::fromUtf8("F\xc3\xbcgen Sie noch 1 Bild hinzu.")))
        << german.err.toStdString();
    const MakerRun french =
        RunMaker(TAVRO_MAKER, DataHome(), QStringList{"--name", "a/b"} + PlainPictures(18), "fr");
    EXPECT_EQ(french.exitCode, 1);
    EXPECT_TRUE(french.err.contains("Le nom du jeu doit")) << french.err.toStdString();
    ExpectNothingWritten();
}

}  // namespace
}  // namespace tavro::test
