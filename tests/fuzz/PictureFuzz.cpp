// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the card pictures: arbitrary bytes as a bitmap file go the whole way a tile's
// picture goes: the header check, the decoding, the colour table made whole, the scaling to the
// shown size and the smooth drawing onto a 60 x 60 tile. It aborts when a picture that was
// accepted is not what the game can show.
// With TAVRO_PICTURE_SEEDS set to a folder it writes its seed files there and ends instead;
// tools/fuzz.sh starts it that way first.
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "cardset/BmpWriter.h"
#include "pictures/BitmapDecode.h"
#include "pictures/BitmapHeader.h"
#include "pictures/BitmapStream.h"

namespace {

using namespace tavro::testing;

// Bigger pictures are refused by the target before decoding: they only slow the runs down, and
// the tests cover them.
constexpr qint64 kFuzzMaxPixels = 256 * 256;
constexpr int kTileSize = 60;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "picture fuzz check failed: %s\n", what);
        std::abort();
    }
}

const std::vector<QRgb> kPalette = {qRgb(200, 0, 0),   qRgb(0, 150, 0),   qRgb(0, 0, 220),
                                    qRgb(250, 250, 0), qRgb(0, 0, 0),     qRgb(255, 255, 255),
                                    qRgb(90, 60, 30),  qRgb(10, 200, 200)};

std::vector<std::vector<int>> Rows(int width, int height, int colours) {
    std::vector<std::vector<int>> rows(static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rows[static_cast<std::size_t>(y)].push_back(x < width / 2 ? y % colours
                                                                      : (x + y) % colours);
        }
    }
    return rows;
}

std::vector<std::pair<const char*, QByteArray>> Seeds() {
    const auto index = [](int x, int y) { return static_cast<quint32>((x + 2 * y) % 8); };
    const auto colour = [](int x, int y) { return qRgb(x * 30, y * 40, 128); };
    std::vector<std::pair<const char*, QByteArray>> seeds = {
        {"1bit", MakeBmp({9, 5, 1, {kPalette[0], kPalette[5]}},
                         [](int x, int y) { return static_cast<quint32>((x + y) % 2); })},
        {"4bit", MakeBmp({7, 4, 4, kPalette}, index)},
        {"8bit_topdown", MakeBmp({6, -3, 8, kPalette}, index)},
        {"8bit_core", MakeBmp({4, 3, 8, std::vector<QRgb>(256, kPalette[2]), true}, index)},
        {"24bit", MakeBmp({5, 4, 24, {}}, colour)},
        {"32bit", MakeBmp({3, 3, 32, {}}, colour)},
        {"rle8", MakeRleBmp(10, 4, 8, kPalette, RleEncode(Rows(10, 4, 8), 8))},
        {"rle4", MakeRleBmp(11, 3, 4, kPalette, RleEncode(Rows(11, 3, 8), 4))},
        {"rle8_delta", MakeRleBmp(6, 4, 8, kPalette,
                                  QByteArray("\x02\x01\x00\x02\x02\x01\x02\x03\x00\x00"
                                             "\x00\x03\x04\x05\x06\x00\x00\x00\x00\x01",
                                             20))},
        {"bitfields565",
         MakeBitfieldsBmp(5, 3, 16, {0xF800, 0x07E0, 0x001F, 0},
                          [](int x, int y) { return static_cast<quint32>(x * 0x1234 + y * 77); })},
        {"bitfields101110",
         MakeBitfieldsBmp(
             4, 4, 32, {0xFFC00000, 0x003FF800, 0x000007FF, 0},
             [](int x, int y) { return static_cast<quint32>(x * 0x1357913 + y * 0x2468A); })},
        {"bitfields_v4_alpha",
         MakeBitfieldsBmp(
             3, 2, 32, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000},
             [](int x, int y) { return static_cast<quint32>(0x80402010u * (x + y)); }, 108)},
    };
    // A short colour table: one entry, pixels up to 63.
    QByteArray shortTable = MakeBmp({8, 8, 8, {kPalette[1]}}, [](int x, int y) {
        return static_cast<quint32>((x * 8 + y) % 64);
    });
    seeds.emplace_back("short_table", shortTable);
    // Long and thin.
    seeds.emplace_back("wide", MakeBmp({200, 1, 8, kPalette}, index));
    seeds.emplace_back("tall", MakeBmp({1, 200, 4, kPalette}, index));
    return seeds;
}

void WriteSeeds(const QString& folder) {
    QDir().mkpath(folder);
    for (const auto& [name, bytes] : Seeds()) {
        QFile file(folder + u'/' + QLatin1String(name) + QStringLiteral(".bmp"));
        Check(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "seed written");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    if (const char* seeds = std::getenv("TAVRO_PICTURE_SEEDS"); seeds != nullptr) {
        WriteSeeds(QString::fromLocal8Bit(seeds));
        std::exit(0);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!tavro::CheckBitmapHeader(bytes).isEmpty()) {
        return 0;
    }
    const tavro::BitmapHeader header = tavro::ParseBitmapHeader(bytes);
    const qint64 rows = header.height < 0 ? -header.height : header.height;
    if (header.width * rows > kFuzzMaxPixels) {
        return 0;
    }
    QString problem;
    const QImage picture = tavro::DecodeBitmap(bytes, problem);
    if (picture.isNull()) {
        Check(!problem.isEmpty(), "a refused picture says why");
        return 0;
    }
    Check(picture.width() == header.width && picture.height() == rows, "the stated size");
    Check(picture.colorCount() == 0, "no colour table left to read past");

    // Every other run as on a screen with twice the pixels.
    const int shown = size % 2 == 0 ? kTileSize : 2 * kTileSize;
    // Read band by band and reduced as it is read, as the game loads pictures.
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QString streamProblem;
    const QImage reduced =
        tavro::DecodeBitmapScaled(buffer, copy.size(), QSize(shown, shown), streamProblem);
    Check(!reduced.isNull(), "read band by band as well as at once");
    Check(reduced.width() == std::min<int>(picture.width(), shown) &&
              reduced.height() == std::min<int>(picture.height(), shown),
          "reduced to the shown size as it is read");
    const QImage scaled = tavro::ScaleToShownSize(picture, QSize(shown, shown));
    Check(scaled.width() <= shown && scaled.height() <= shown, "scaled to the shown size");
    Check(scaled.width() == std::min<int>(picture.width(), shown) &&
              scaled.height() == std::min<int>(picture.height(), shown),
          "scaled in each direction alone");

    QImage tile(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::gray);
    {
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, kTileSize, kTileSize), scaled);
    }
    return 0;
}
