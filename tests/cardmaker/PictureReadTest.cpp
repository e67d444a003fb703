// SPDX-License-Identifier: GPL-3.0-or-later
// Reading pictures within the maker's bounds: each file is read reduced where its format allows
// it, and refused with a reason the player understands, before it is decoded, where it is too
// large, cut off or damaged: JPEG, progressive JPEG, WebP, GIF and files past the size bound.
#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>
#include <future>

#include "cardmaker/MakerPicture.h"
#include "cardmaker/MakerTestSupport.h"

namespace tavro::test {
namespace {

QImage Gradient(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = qRgb(x * 255 / width, y * 255 / height, (x / 40 + y / 40) % 2 * 200);
        }
    }
    return image;
}

QByteArray Written(const QImage& image, const char* format, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.setQuality(85);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

QByteArray Segment(quint8 marker, const QByteArray& body) {
    const int length = int(body.size()) + 2;
    return QByteArray("\xFF", 1) + char(marker) + char(length >> 8) + char(length & 0xFF) + body;
}

// A progressive JPEG's markers for a picture of the size, without its picture data.
QByteArray ProgressiveJpegHeader(int width, int height, const QByteArray& before = {}) {
    const QByteArray frame = QByteArray("\x08", 1) + char(height >> 8) + char(height & 0xFF) +
                             char(width >> 8) + char(width & 0xFF) +
                             QByteArray("\x03\x01\x22\x00\x02\x11\x00\x03\x11\x00", 10);
    return QByteArray("\xFF\xD8", 2) + before + Segment(0xC2, frame) +
           Segment(0xDA, QByteArray("\x01\x01\x00\x00\x00\x00", 6)) + QByteArray(64, '\x11') +
           QByteArray("\xFF\xD9", 2);
}

// 9 MB of comment segments, as text a file may carry besides its picture.
QByteArray Comments() {
    QByteArray comments;
    for (int n = 0; n < 140; ++n) {
        comments += Segment(0xFE, QByteArray(65533, 'c'));
    }
    return comments;
}

// A GIF of one pixel, whole.
const QByteArray kGif(
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\xFF\xFF\xFF\x00\x00\x00!\xF9\x04\x01\x00\x00\x00\x00,"
    "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
    43);

struct ReadCase {
    const char* what;
    QByteArray bytes;
    QSize kept;           // the size the picture is kept at, when it is read
    QSize source;         // the picture's own size, when it is read
    const char* problem;  // part of the reason it is refused; "" when it is read
};

TEST(PictureRead, BoundedAndChecked) {
    const QByteArray jpeg = Written(Gradient(600, 400), "JPG");
    const QByteArray webp = Written(Gradient(3000, 2000), "WEBP");
    const std::vector<ReadCase> cases{
        {"a progressive JPEG is kept reduced",
         Written(Gradient(2400, 1800), "JPG", true),
         {1600, 1200},
         {2400, 1800},
         ""},
        {"a WebP is kept reduced", webp, {1600, 1067}, {3000, 2000}, ""},
        {"a whole GIF", kGif, {1, 1}, {1, 1}, ""},
        {"a progressive JPEG whose coefficients take 330 MB",
         ProgressiveJpegHeader(12000, 9000),
         {},
         {},
         "the picture is too large to read: its 12000 x 9000 pixels would take 3"},
        {"a JPEG with 9 MB of other data",
         ProgressiveJpegHeader(60, 40, Comments()),
         {},
         {},
         "holds more than 8 MB of text and other data"},
        {"a cut-off JPEG", jpeg.left(jpeg.size() - 300), {}, {}, "the picture is cut off"},
        {"a cut-off WebP", webp.left(webp.size() / 2), {}, {}, "the picture is cut off"},
        {"a cut-off GIF", kGif.chopped(1), {}, {}, "the picture is cut off"},
    };
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = folder.filePath("picture");
        ASSERT_TRUE(SaveFile(file, c.bytes));
        const cardmaker::PictureRead read = cardmaker::ReadPicture(file);
        if (*c.problem == '\0') {
            EXPECT_EQ(read.problem, QString());
            EXPECT_EQ(read.picture.size, c.kept);
            EXPECT_EQ(read.picture.image.size(), c.kept);
            EXPECT_EQ(read.picture.sourceSize, c.source);
        } else {
            EXPECT_TRUE(read.problem.contains(c.problem)) << read.problem.toStdString();
        }
    }

    // Read on several threads at once, as a window reads them off its own thread, the pictures
    // and the reasons come out the same (and the damaged JPEG's reason is its own).
    std::vector<QString> files;
    std::vector<cardmaker::PictureRead> alone;
    for (const QByteArray& bytes : {jpeg, webp, jpeg.left(jpeg.size() / 2) + "\xFF\xD9"}) {
        files.push_back(folder.filePath(QStringLiteral("alone%1").arg(files.size())));
        ASSERT_TRUE(SaveFile(files.back(), bytes));
        alone.push_back(cardmaker::ReadPicture(files.back()));
    }
    std::vector<std::future<cardmaker::PictureRead>> together;
    for (int n = 0; n < 12; ++n) {
        together.push_back(std::async(std::launch::async, cardmaker::ReadPicture, files[n % 3]));
    }
    for (int n = 0; n < 12; ++n) {
        const cardmaker::PictureRead read = together[n].get();
        EXPECT_EQ(read.problem, alone[n % 3].problem);
        EXPECT_EQ(read.picture.image, alone[n % 3].picture.image);
    }
    EXPECT_TRUE(alone[2].problem.contains("damaged (Corrupt JPEG data"))
        << alone[2].problem.toStdString();

    // A picture Qt reads at full size (a palette PNG) is reduced band by band as smoothly as in
    // one piece: no seams between the bands.
    const QImage palette = Gradient(2003, 1507).convertToFormat(QImage::Format_Indexed8);
    const QString paletteFile = folder.filePath("palette.png");
    ASSERT_TRUE(SaveFile(paletteFile, Written(palette, "PNG")));
    const QImage reduced = cardmaker::ReadPicture(paletteFile).picture.image;
    const QImage whole = palette.convertToFormat(QImage::Format_RGB32)
                             .scaled(1600, 1204, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(reduced.size(), whole.size());
    int largest = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const QRgb a = reduced.pixel(x, y);
            const QRgb b = whole.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(a) - qRed(b)),
                                std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
        }
    }
    EXPECT_LE(largest, 8);

    // Larger files are refused before they are read (this one takes no room on the disk).
    QFile large(folder.filePath("large.jpg"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.write(jpeg) == jpeg.size() &&
                large.resize(cardmaker::kMaxPictureFileSize + 1));
    large.close();
    EXPECT_TRUE(cardmaker::ReadPicture(large.fileName())
                    .problem.contains("the file is too large for a picture"));
}

}  // namespace
}  // namespace tavro::test
