// Deriving the card folder: executable folder + "gfx/" + set + "/", with both folders looked up
// without regard to letter case on a file system that tells case apart.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFileInfo>

#include "cardset/TempFolder.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::TempFolder;

Settings WithSet(const std::string& name) {
    Settings settings;
    settings.CardSetName = name;
    return settings;
}

TEST(CardFolder, ExecutableFolderIsTheApplicationFolderWithSlash) {
    EXPECT_EQ(ExecutableFolder(), QCoreApplication::applicationDirPath() + u'/');
}

TEST(CardFolder, DefaultFolderIsBesideTheExecutable) {
    Settings settings = WithSet("animals");
    BuildCardFolder(settings);
    // The test binary has no gfx folder beside it, so the names are used as given.
    EXPECT_EQ(settings.CardFolder, (ExecutableFolder() + "gfx/animals/").toStdString());
    EXPECT_EQ(CardSetsFolder(), ExecutableFolder() + "gfx/");
}

TEST(CardFolder, BackAndFaceFilesAreAppendedDirectly) {
    TempFolder root;
    const QString set = root.makeFolder("gfx/animals");
    root.write("gfx/animals/space.bmp", "back");
    root.write("gfx/animals/12.bmp", "face");

    Settings settings = WithSet("animals");
    BuildCardFolder(settings, root.path());
    const QString folder = QString::fromStdString(settings.CardFolder);
    EXPECT_EQ(folder, root.path() + "gfx/animals/");
    EXPECT_TRUE(QFileInfo(folder + "space.bmp").isFile());
    EXPECT_TRUE(QFileInfo(folder + QString::number(12) + ".bmp").isFile());
}

TEST(CardFolder, FindsFoldersWhoseCaseDiffers) {
    TempFolder root;
    root.makeFolder("GFX/Animals");
    Settings settings = WithSet("animals");
    BuildCardFolder(settings, root.path());
    EXPECT_EQ(settings.CardFolder, (root.path() + "GFX/Animals/").toStdString());
    EXPECT_EQ(CardSetsFolder(root.path()), root.path() + "GFX/");

    // Without a trailing '/' on the executable folder the result is the same.
    QString withoutSlash = root.path();
    withoutSlash.chop(1);
    Settings again = WithSet("ANIMALS");
    BuildCardFolder(again, withoutSlash);
    EXPECT_EQ(again.CardFolder, settings.CardFolder);
}

TEST(CardFolder, ExactSpellingWinsOverOtherCases) {
    TempFolder root;
    root.makeFolder("gfx/Animals");
    root.makeFolder("gfx/animals");
    root.makeFolder("Gfx");

    Settings exact = WithSet("animals");
    BuildCardFolder(exact, root.path());
    EXPECT_EQ(exact.CardFolder, (root.path() + "gfx/animals/").toStdString());

    // With no exact match the first folder in name order is taken.
    Settings other = WithSet("ANIMALS");
    BuildCardFolder(other, root.path());
    EXPECT_EQ(other.CardFolder, (root.path() + "gfx/Animals/").toStdString());
}

TEST(CardFolder, FilesDoNotCountAsFolders) {
    TempFolder root;
    root.write("GFX", "not a folder");
    root.makeFolder("Gfx/Shapes");
    Settings settings = WithSet("shapes");
    BuildCardFolder(settings, root.path());
    EXPECT_EQ(settings.CardFolder, (root.path() + "Gfx/Shapes/").toStdString());
}

TEST(CardFolder, MissingSetIsUsedAsGiven) {
    TempFolder root;
    root.makeFolder("gfx/animals");
    Settings settings = WithSet("no such set");
    BuildCardFolder(settings, root.path());
    EXPECT_EQ(settings.CardFolder, (root.path() + "gfx/no such set/").toStdString());

    TempFolder empty;
    BuildCardFolder(settings, empty.path());
    EXPECT_EQ(settings.CardFolder, (empty.path() + "gfx/no such set/").toStdString());
}

TEST(CardFolder, NonAsciiNamesStayUtf8AndMatchIgnoringCase) {
    TempFolder root;
    root.makeFolder(QString::fromUtf8("gfx/TIERE-ÄÖ"));
    Settings settings = WithSet("tiere-äö");
    BuildCardFolder(settings, root.path());
    EXPECT_EQ(settings.CardFolder,
              (root.path() + QString::fromUtf8("gfx/TIERE-ÄÖ/")).toStdString());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(settings.CardFolder)).isDir());
}

}  // namespace
}  // namespace tavro
