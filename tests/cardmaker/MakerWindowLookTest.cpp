// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's window follows the desktop's palette whole: with three pictures, two of them
// look-alikes (flagged in the list and told below it), every text, list entry and field reads
// at 4.5:1 or better under Fusion's light palette and a dark one (look/TextContrast.h).
#include <QListWidget>
#include <QTest>

#include "cardmaker/MakerFixture.h"
#include "cardmaker/MakerWindow.h"
#include "look/TextContrast.h"

namespace tavro::test {
namespace {

using cardmaker::MakerWindow;

class MakerWindowLookTest : public MakerFixture {};

TEST_F(MakerWindowLookTest, TextsReadUnderALightAndADarkPalette) {
    QStringList files = PlainPictures(2);
    QImage twin(44, 33, QImage::Format_RGB32);  // another file, the same look
    twin.fill(PlainColour(1));
    files << AddPicture(QStringLiteral("twin.png"), Encode(twin, "PNG"));
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        DesktopLook look(QStringLiteral("Fusion"),
                         dark ? DarkFusionPalette() : LightFusionPalette());
        MakerWindow window(cardmaker::SetFolders{Root() + "builtin/", PlayerSets()},
                           Root() + "maker.conf");
        window.resize(1000, 700);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.addFiles(files);
        ASSERT_TRUE(QTest::qWaitFor([&window] { return !window.isLoading(); }, 20000));
        auto* faces = window.findChild<QListWidget*>(QStringLiteral("faces"));
        ASSERT_EQ(faces->count(), 3);
        faces->setCurrentRow(2);  // the twin: its look-alike is told below the list
        ASSERT_TRUE(faces->item(2)->text().contains(QStringLiteral("looks like")));
        const QStringList unreadable = TextsHardToRead(window, 4.5);
        EXPECT_TRUE(unreadable.isEmpty()) << unreadable.join(QStringLiteral("; ")).toStdString();
    }
}

}  // namespace
}  // namespace tavro::test
