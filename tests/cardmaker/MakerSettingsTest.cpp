// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's settings file, which keeps the folder its file dialogs last took pictures from:
// what it writes comes back, hand-written files in the key file syntax are read, and a file in
// another group, too large, not a regular file or naming a folder that is gone is passed over.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "cardmaker/MakerSettings.h"

namespace tavro::cardmaker {
namespace {

TEST(MakerSettings, TheLastPictureFolderComesBack) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString pictures = root.filePath(QStringLiteral("Summer 100% [x]=\\s"));
    ASSERT_TRUE(QDir().mkpath(pictures));
    const QByteArray encoded = QUrl::toPercentEncoding(pictures, "/");
    const QString file = root.filePath(QStringLiteral("Tavro/tavro-memory-cards.conf"));
    const auto write = [&](const QByteArray& contents) {
        QFile out(file);
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               out.write(contents) == contents.size();
    };

    ASSERT_TRUE(RememberPictureFolder(file, pictures));  // the folder "Tavro" made for it
    EXPECT_EQ(PictureStartFolder(file), pictures);

    const struct {
        const char* what;
        QByteArray contents;
        bool taken;
    } cases[] = {
        {"as written", "[Tavro Memory Card Maker]\nLastFolder=" + encoded + "\n", true},
        {"with a comment, CRLF and spaces",
         "# mine\r\n[Tavro Memory Card Maker]\r\nLastFolder = " + encoded + " \r\n", true},
        {"the first of two",
         "[Tavro Memory Card Maker]\nLastFolder=" + encoded + "\nLastFolder=/\n", true},
        {"in another group", "[Other]\nLastFolder=" + encoded + "\n", false},
        {"outside any group", "LastFolder=" + encoded + "\n", false},
        {"a folder that is gone", "[Tavro Memory Card Maker]\nLastFolder=" + encoded + "x\n",
         false},
        {"too large",
         "[Tavro Memory Card Maker]\nLastFolder=" + encoded + "\n#" + QByteArray(4096, 'x') + "\n",
         false},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(write(c.contents));
        EXPECT_EQ(PictureStartFolder(file) == pictures, c.taken) << c.what;
    }

    // A folder in the file's place is neither read nor written through.
    ASSERT_TRUE(QFile::remove(file) && QDir().mkpath(file));
    EXPECT_NE(PictureStartFolder(file), pictures);
    EXPECT_FALSE(RememberPictureFolder(file, pictures));
}

}  // namespace
}  // namespace tavro::cardmaker
