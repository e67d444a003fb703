// SPDX-License-Identifier: GPL-3.0-or-later
// The card sets the build draws: every set under the build's gfx folder is complete, stored as
// uncompressed 24-bit square bitmaps of at least 60 pixels, and its pictures are easy to tell
// apart at the 60 x 60 tile size.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QtEndian>

#include "settings/CardSet.h"

namespace tavro {
namespace {

const QString kGfxFolder = QStringLiteral(TAVRO_GFX_DIR);
constexpr int kTileSide = 60;
// Mean absolute difference per colour channel (0..255) two pictures must at least have. Two
// figures that differ only in a detail score far less than clearly different pictures.
constexpr double kMinDifference = 12.0;

QStringList SetFolders() {
    return QDir(kGfxFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList PictureNames() {
    QStringList names{QStringLiteral("space.bmp")};
    for (int face = 1; face <= 18; ++face) {
        names << QString::number(face) + QStringLiteral(".bmp");
    }
    return names;
}

QString PicturePath(const QString& set, const QString& name) {
    return kGfxFolder + u'/' + set + u'/' + name;
}

void ExpectUncompressed24BitSquare(const QString& fileName) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    const QByteArray header = file.read(54);
    ASSERT_EQ(header.size(), 54);
    const char* bytes = header.constData();
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 2), file.size());
    EXPECT_GE(qFromLittleEndian<quint32>(bytes + 14), 40u);
    const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint32 height = qFromLittleEndian<qint32>(bytes + 22);
    EXPECT_EQ(width, height < 0 ? -height : height);
    EXPECT_GE(width, kTileSide);
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes + 30), 0u);
}

QImage AtTileSize(const QString& fileName) {
    return ReadBitmap(fileName)
        .scaled(kTileSide, kTileSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB888);
}

double MeanDifference(const QImage& a, const QImage& b) {
    long long total = 0;
    for (int y = 0; y < kTileSide; ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (int i = 0; i < kTileSide * 3; ++i) {
            total += std::abs(rowA[i] - rowB[i]);
        }
    }
    return static_cast<double>(total) / (kTileSide * kTileSide * 3);
}

TEST(BuiltSets, DefaultAndSecondSetExist) {
    const QStringList sets = SetFolders();
    EXPECT_TRUE(sets.contains("animals"));
    EXPECT_GE(sets.size(), 2);
}

TEST(BuiltSets, EverySetIsCompleteAndStoredPlainly) {
    for (const QString& set : SetFolders()) {
        for (const QString& name : PictureNames()) {
            const QString fileName = PicturePath(set, name);
            SCOPED_TRACE(fileName.toStdString());
            ASSERT_TRUE(QFile::exists(fileName));
            ExpectUncompressed24BitSquare(fileName);
            EXPECT_NO_THROW(ReadBitmap(fileName));
        }
    }
}

TEST(BuiltSets, PicturesOfASetAreClearlyDifferent) {
    for (const QString& set : SetFolders()) {
        std::vector<QImage> pictures;
        for (const QString& name : PictureNames()) {
            pictures.push_back(AtTileSize(PicturePath(set, name)));
        }
        double closest = 255;
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            for (std::size_t j = i + 1; j < pictures.size(); ++j) {
                const double difference = MeanDifference(pictures[i], pictures[j]);
                closest = std::min(closest, difference);
                EXPECT_GT(difference, kMinDifference)
                    << set.toStdString() << ": " << PictureNames()[i].toStdString() << " and "
                    << PictureNames()[j].toStdString();
            }
        }
        std::printf("%s: smallest difference %.1f\n", qPrintable(set), closest);
    }
}

TEST(BuiltSets, CardBacksTellTheSetsApart) {
    const QStringList sets = SetFolders();
    for (int i = 0; i < sets.size(); ++i) {
        for (int j = i + 1; j < sets.size(); ++j) {
            const QImage a = AtTileSize(PicturePath(sets[i], "space.bmp"));
            const QImage b = AtTileSize(PicturePath(sets[j], "space.bmp"));
            EXPECT_GT(MeanDifference(a, b), kMinDifference) << sets[i].toStdString();
        }
    }
}

}  // namespace
}  // namespace tavro
