// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's command line on what a player may give it, case by case: a folder of pictures,
// pictures that look alike (refused unless meant), damaged and too large pictures (refused with
// the reason), blank and padded names, a wrong card back, a saved set changed with --edit, sets
// listed and moved to the trash, and a file name holding "%1 %2". A successful run prints
// nothing but where its set went.
#include <QDir>
#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>
#include <functional>

#include "cardmaker/MakerFixture.h"

namespace tavro::test {
namespace {

const QColor kLeft(200, 40, 40), kMiddle(40, 200, 40), kRight(40, 40, 200);

// A wide picture in three squares of their own colours.
QImage ThreeSquares() {
    QImage image(300, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 100, 100, kLeft);
    painter.fillRect(100, 0, 100, 100, kMiddle);
    painter.fillRect(200, 0, 100, 100, kRight);
    return image;
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

// Noise, so that JPEG has plenty of data to decode.
QImage Noise(int width, int height, quint32 seed) {
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = qRgb(random.bounded(256), (x + y) % 256, 128);
        }
    }
    return image;
}

// A PNG with a colour profile chunk that libpng warns of (a wrong checksum, a profile that is
// no profile): the picture itself reads well.
QByteArray PngThatWarns(const QImage& image) {
    const QByteArray png = Encode(image, "PNG");
    const QByteArray data = QByteArray("bad\0\0", 5) + qCompress(QByteArray(200, 'x')).mid(4);
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), chunk.data());
    chunk += "iCCP" + data + QByteArray(4, '\0');
    return png.left(33) + chunk + png.mid(33);
}

// The start of a PNG of 16-bit colour at 6000 x 4000 pixels: 192 MB once decoded.
QByteArray Deep16BitPng() {
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(6000, header.data());
    qToBigEndian<quint32>(4000, header.data() + 4);
    header[8] = 16;  // bits per sample
    header[9] = 2;   // colour
    return png + header + QByteArray(4, '\0') + QByteArray(1000, 'x');
}

class CommandLineCases : public MakerFixture {
public:
    using MakerFixture::AddPicture;
    using MakerFixture::DataHome;
    using MakerFixture::ExpectNothingWritten;
    using MakerFixture::Make;
    using MakerFixture::Pictures;
    using MakerFixture::PlainPictures;
    using MakerFixture::PlayerSets;
    QString Set(const QString& name) const { return PlayerSets() + name + u'/'; }
};

struct Case {
    const char* what;
    // Makes the pictures and earlier sets it needs and returns the arguments.
    std::function<QStringList(CommandLineCases&)> arrange;
    int exitCode;
    const char* said;  // part of stderr, or of stdout where the run succeeds; "" for nothing
    // Checks what is on disk afterwards, and what the run said.
    std::function<void(CommandLineCases&, const MakerRun&)> check;
};

void Made(CommandLineCases& test, const QStringList& args) {
    const MakerRun run = test.Make(args);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
}

TEST_F(CommandLineCases, WhatAPlayerGives) {
    const std::vector<Case> cases{
        {"a folder stands for the pictures in it; a successful run says only where",
         [](CommandLineCases& test) {
             const QString folder = test.Pictures() + "folder/";
             EXPECT_TRUE(QDir().mkpath(folder));
             for (const QString& file : test.PlainPictures(17)) {
                 EXPECT_TRUE(QFile::rename(file, folder + QFileInfo(file).fileName()));
             }
             EXPECT_TRUE(SaveFile(folder + "zz warns.png", PngThatWarns(Noise(50, 40, 7))));
             EXPECT_TRUE(SaveFile(folder + "notes.txt", "no picture"));
             return QStringList{"--name", "Folder", folder};
         },
         0, "/gfx/Folder/",
         [](CommandLineCases& test, const MakerRun&) {
             EXPECT_EQ(Sorted(TreeOf(test.PlayerSets())), SavedSetTree("Folder"));
         }},
        {"a picture saved again and one at half size look like their originals",
         [](CommandLineCases& test) {
             QStringList files = test.PlainPictures(14);
             files << test.AddPicture("photo.png", Encode(Shapes(200, 160, 1), "PNG"));
             files << test.AddPicture("other.png", Encode(Shapes(200, 160, 2), "PNG"));
             files << test.AddPicture("photo again.jpg", Encode(Shapes(200, 160, 1), "JPG"));
             files << test.AddPicture("half.png", Encode(Shapes(200, 160, 2)
                                                             .scaled(100, 80, Qt::IgnoreAspectRatio,
                                                                     Qt::SmoothTransformation),
                                                         "PNG"));
             return QStringList{"--name", "Alike"} + files;
         },
         1, "photo again.jpg looks like ",
         [](CommandLineCases& test, const MakerRun& run) {
             EXPECT_TRUE(run.err.contains("half.png looks like ")) << run.err.toStdString();
             EXPECT_FALSE(run.err.contains("other.png looks like")) << run.err.toStdString();
             test.ExpectNothingWritten();
         }},
        {"pictures meant to look alike are taken with --allow-alike",
         [](CommandLineCases& test) {
             QStringList files = test.PlainPictures(17);
             files << test.AddPicture("again.jpg", Encode(QImage(files.first()), "JPG"));
             return QStringList{"--name", "Meant", "--allow-alike"} + files;
         },
         0, "/gfx/Meant/", [](CommandLineCases&, const MakerRun&) {}},
        {"a cut-off JPEG is refused with the reason",
         [](CommandLineCases& test) {
             const QByteArray jpeg = Encode(Noise(300, 200, 3), "JPG");
             QStringList files = test.PlainPictures(17);
             files << test.AddPicture("cut.jpg", jpeg.left(jpeg.size() * 2 / 3));
             return QStringList{"--name", "Cut"} + files;
         },
         1, "cut.jpg: the picture is cut off", [](CommandLineCases&, const MakerRun&) {}},
        {"a JPEG whose data is damaged is refused with libjpeg's reason",
         [](CommandLineCases& test) {
             // Half its picture data lost, then its end marker: no longer cut off, but damaged.
             const QByteArray whole = Encode(Noise(300, 200, 4), "JPG");
             const QByteArray jpeg = whole.left(whole.size() / 2) + "\xFF\xD9";
             QStringList files = test.PlainPictures(17);
             files << test.AddPicture("damaged.jpg", jpeg);
             return QStringList{"--name", "Damaged"} + files;
         },
         1, "damaged.jpg: the picture's data is damaged (Corrupt JPEG data",
         [](CommandLineCases&, const MakerRun&) {}},
        {"a picture too large to read is refused, naming its size",
         [](CommandLineCases& test) {
             QStringList files = test.PlainPictures(17);
             files << test.AddPicture("deep.png", Deep16BitPng());
             return QStringList{"--name", "Large"} + files;
         },
         1, "deep.png: the picture is too large to read: its 6000 x 4000 pixels",
         [](CommandLineCases&, const MakerRun&) {}},
        {"a blank set name is refused",
         [](CommandLineCases& test) {
             return QStringList{"--name", " \t "} + test.PlainPictures(18);
         },
         1, "Give the set a name.", [](CommandLineCases&, const MakerRun&) {}},
        {"names are trimmed, and a blank picture name is the file's",
         [](CommandLineCases& test) {
             return QStringList{"--name", "  Family ",      "--picture-name",
                                "1=   ",  "--picture-name", "2= Grandma "} +
                    test.PlainPictures(18);
         },
         0, "/gfx/Family/",
         [](CommandLineCases& test, const MakerRun&) {
             EXPECT_TRUE(ReadAll(test.Set("Family") + "set.desktop")
                             .startsWith("[Tavro Memory Card Set]\nName=Family\nPicture1=plain1\n"
                                         "Picture2=Grandma\n"));
         }},
        {"a card back that is neither a colour nor a file lists the colours",
         [](CommandLineCases& test) {
             return QStringList{"--name", "Back", "--back", "greenish"} + test.PlainPictures(18);
         },
         1, "The card backs are blue, red, green, purple, orange.",
         [](CommandLineCases&, const MakerRun&) {}},
        {"--edit changes a saved set's square and keeps the rest",
         [](CommandLineCases& test) {
             QStringList files{test.AddPicture("three.png", Encode(ThreeSquares(), "PNG"))};
             Made(test,
                  QStringList{"--name", "Edit", "--back", "red", "--picture-name", "2=Grandma"} +
                      files + test.PlainPictures(17, 2));
             // Pictures given in pixels of the picture: the right-hand square.
             return QStringList{"--edit", "edit", "--crop", "1=200,0,100"};
         },
         0, "/gfx/Edit/",
         [](CommandLineCases& test, const MakerRun&) {
             const QImage face(test.Set("Edit") + "1.bmp");
             EXPECT_TRUE(Near(face.pixelColor(120, 120), kRight))
                 << face.pixelColor(120, 120).name().toStdString();
             EXPECT_TRUE(
                 Near(QImage(test.Set("Edit") + "5.bmp").pixelColor(120, 120), PlainColour(5)));
             const QByteArray metadata = ReadAll(test.Set("Edit") + "set.desktop");
             EXPECT_TRUE(metadata.contains("Picture1=three\nPicture2=Grandma\n"))
                 << metadata.toStdString();
             const QByteArray squares = ReadAll(test.Set("Edit") + ".tavro-maker/squares.conf");
             EXPECT_TRUE(squares.contains("Back=red\nSquare1=200 0 100\n"))
                 << squares.toStdString();
         }},
        {"a picture whose name holds %1 and %2 is named as it is",
         [](CommandLineCases& test) {
             return QStringList{"--name", "Percent", "--crop", "1=0,0,500",
                                test.AddPicture("%1 %2.png", Encode(ThreeSquares(), "PNG"))} +
                    test.PlainPictures(17);
         },
         1, "/%1 %2.png: the square 0,0,500 does not fit in the picture of 300 x 100 pixels.",
         [](CommandLineCases&, const MakerRun&) {}},
        {"--remove moves the player's set to the trash, --list names their sets",
         [](CommandLineCases& test) {
             Made(test, QStringList{"--name", "Old"} + test.PlainPictures(18));
             Made(test, QStringList{"--name", "Kept"} + test.PlainPictures(18));
             return QStringList{"--remove", "Old"};
         },
         0, "/Trash/files/Old",
         [](CommandLineCases& test, const MakerRun&) {
             EXPECT_FALSE(QFileInfo::exists(test.Set("Old")));
             EXPECT_TRUE(QFileInfo(test.DataHome() + "/Trash/files/Old/18.bmp").isFile());
             EXPECT_TRUE(QFileInfo(test.DataHome() + "/Trash/info/Old.trashinfo").isFile());
             EXPECT_EQ(test.Make({"--list"}).out, "Kept\n");
             const MakerRun builtIn = test.Make({"--remove", "animals"});
             EXPECT_EQ(builtIn.exitCode, 1);
             EXPECT_TRUE(builtIn.err.contains("comes with the game")) << builtIn.err.toStdString();
         }},
    };
    for (const Case& given : cases) {
        SCOPED_TRACE(given.what);
        ASSERT_TRUE(QDir(DataHome()).removeRecursively() && QDir().mkpath(DataHome()));
        const QStringList args = given.arrange(*this);
        const MakerRun run = Make(args);
        EXPECT_EQ(run.exitCode, given.exitCode) << run.err.toStdString();
        if (given.exitCode == 0) {
            EXPECT_EQ(run.err, QString());
            EXPECT_TRUE(run.out.endsWith(QString::fromUtf8(given.said) + u'\n'))
                << run.out.toStdString();
        } else {
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(given.said))) << run.err.toStdString();
            EXPECT_EQ(run.out, QString());
        }
        given.check(*this, run);
    }
}

}  // namespace
}  // namespace tavro::test
