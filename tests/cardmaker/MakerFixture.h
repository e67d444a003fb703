// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary root for one maker test: a folder of pictures, the player's data folder and the
// card sets folder the maker writes to.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cardmaker/MakerTestSupport.h"

namespace tavro::test {

class MakerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir().mkpath(Pictures()));
        ASSERT_TRUE(QDir().mkpath(DataHome()));
    }

    QString Root() const { return root_.path() + u'/'; }
    QString Pictures() const { return Root() + QStringLiteral("pictures/"); }
    QString DataHome() const { return Root() + QStringLiteral("data"); }
    QString PlayerSets() const { return DataHome() + QStringLiteral("/tavro-memory/gfx/"); }

    // Writes a picture file into the pictures folder and returns its path.
    QString AddPicture(const QString& name, const QByteArray& bytes) const {
        const QString path = Pictures() + name;
        EXPECT_TRUE(SaveFile(path, bytes)) << path.toStdString();
        return path;
    }
    // `count` small plain pictures of different colours, named plain<n>.png from `first` on.
    QStringList PlainPictures(int count, int first = 1) const {
        QStringList files;
        for (int n = first; n < first + count; ++n) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(PlainColour(n));
            files << AddPicture(QStringLiteral("plain%1.png").arg(n), Encode(image, "PNG"));
        }
        return files;
    }
    MakerRun Make(const QStringList& args) const { return RunMaker(TAVRO_MAKER, DataHome(), args); }
    // Nothing was written into the data folder: no set, no temporary folder.
    void ExpectNothingWritten() const {
        const QStringList tree = TreeOf(DataHome());
        EXPECT_TRUE((tree.isEmpty() || tree == QStringList{"tavro-memory", "tavro-memory/gfx"}))
            << tree.join(u' ').toStdString();
    }

private:
    QTemporaryDir root_;
};

}  // namespace tavro::test
