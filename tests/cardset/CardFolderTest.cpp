// SPDX-License-Identifier: GPL-3.0-or-later
// Deriving the card folder: executable folder + "gfx/" + set + "/", with both folders looked up
// without regard to letter case on a file system that tells case apart; a set of the same name in
// the player's data folder ($XDG_DATA_HOME/tavro-memory/gfx/) wins.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFileInfo>

#include "cardset/TempFolder.h"
#include "settings/CardSet.h"
#include "settings/PlayerSets.h"

namespace tavro {
namespace {

using testing::PlayerDataHome;
using testing::TempFolder;

Settings WithSet(const std::string& name) {
    Settings settings;
    settings.CardSetName = name;
    return settings;
}

// The card folder derived for a set name under the given executable folder, as a QString.
QString FolderFor(const std::string& set, const QString& executableFolder) {
    Settings settings = WithSet(set);
    BuildCardFolder(settings, executableFolder);
    return QString::fromStdString(settings.CardFolder);
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
    root.makeFolder("gfx/animals");
    root.write("gfx/animals/space.bmp", "back");
    root.write("gfx/animals/12.bmp", "face");

    const QString folder = FolderFor("animals", root.path());
    EXPECT_EQ(folder, root.path() + "gfx/animals/");
    EXPECT_TRUE(QFileInfo(folder + "space.bmp").isFile());
    EXPECT_TRUE(QFileInfo(folder + QString::number(12) + ".bmp").isFile());
}

TEST(CardFolder, LooksUpBothFoldersIgnoringCase) {
    struct Case {
        const char* why;
        QStringList folders;  // made under the executable folder
        QString file;         // written there, to stand in for a folder
        std::string set;
        QString expected;  // relative to the executable folder
    };
    const Case cases[] = {
        {"case differs", {"GFX/Animals"}, {}, "animals", "GFX/Animals/"},
        {"exact spelling wins",
         {"gfx/Animals", "gfx/animals", "Gfx"},
         {},
         "animals",
         "gfx/animals/"},
        // With no exact match the first folder in name order is taken.
        {"first in name order",
         {"gfx/Animals", "gfx/animals", "Gfx"},
         {},
         "ANIMALS",
         "gfx/Animals/"},
        {"files are no folders", {"Gfx/Shapes"}, "GFX", "shapes", "Gfx/Shapes/"},
        {"missing set used as given", {"gfx/animals"}, {}, "no such set", "gfx/no such set/"},
        {"nothing there", {}, {}, "no such set", "gfx/no such set/"},
        {"non-ASCII stays UTF-8",
         {QString::fromUtf8("gfx/TIERE-ÄÖ")},
         {},
         "tiere-äö",
         QString::fromUtf8("gfx/TIERE-ÄÖ/")},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.why);
        TempFolder root;
        for (const QString& folder : test.folders) {
            root.makeFolder(folder);
        }
        if (!test.file.isEmpty()) {
            root.write(test.file, "not a folder");
        }
        EXPECT_EQ(FolderFor(test.set, root.path()), root.path() + test.expected);
    }
}

TEST(CardFolder, SetsFolderAndTrailingSlash) {
    TempFolder root;
    root.makeFolder("GFX/Animals");
    EXPECT_EQ(CardSetsFolder(root.path()), root.path() + "GFX/");
    EXPECT_TRUE(QFileInfo(FolderFor("animals", root.path())).isDir());
    // Without a trailing '/' on the executable folder the result is the same.
    EXPECT_EQ(FolderFor("ANIMALS", root.path().chopped(1)), FolderFor("animals", root.path()));
}

TEST(CardFolder, SetNameIsOneFolderNameUnderGfx) {
    EXPECT_TRUE(IsCardSetName("animals"));
    EXPECT_TRUE(IsCardSetName("My cards (2)"));
    EXPECT_TRUE(IsCardSetName("tiere-\xc3\xa4\xc3\xb6"));  // UTF-8
    // Folder names may hold controls and line breaks; they are shown with "?" in their place.
    EXPECT_TRUE(IsCardSetName("tab\there"));
    EXPECT_TRUE(IsCardSetName("line\xe2\x80\xa8sep"));
    for (const std::string& name :
         {std::string(), std::string("."), std::string(".."), std::string("../gfx/solid"),
          std::string("/tmp"), std::string("a\\b"), std::string("anim\xe4ls"),
          std::string("nul\0x", 5)}) {
        EXPECT_FALSE(IsCardSetName(name)) << name;
    }
}

TEST(CardFolder, NameThatIsNoSetNameNeverLeavesGfx) {
    TempFolder root;
    root.makeFolder("gfx/animals");
    root.makeFolder("elsewhere");
    for (const std::string name : {"..", ".", "../elsewhere", "../gfx/animals", "/",
                                   "animals/../../elsewhere", "x\ny", "\xff\xfe"}) {
        SCOPED_TRACE(name);
        const QString folder = FolderFor(name, root.path());
        ASSERT_TRUE(folder.endsWith(u'/'));
        // One plain folder name directly under gfx, and one that is not there.
        const QString inside = folder.mid(root.path().size());
        EXPECT_TRUE(inside.startsWith(QStringLiteral("gfx/")));
        EXPECT_EQ(inside.count(u'/'), 2) << inside.toStdString();
        EXPECT_FALSE(QFileInfo(folder).exists());
        EXPECT_FALSE(CardSetExists(name, root.path()));
    }
    EXPECT_TRUE(CardSetExists("animals", root.path()));
    EXPECT_TRUE(CardSetExists("ANIMALS", root.path()));
    EXPECT_FALSE(CardSetExists("reptiles", root.path()));
}

TEST(CardFolder, PlayersFolderFollowsXdgDataHome) {
    const PlayerDataHome home;
    EXPECT_EQ(PlayerCardSetsFolder(), home.sets());
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const QByteArray previousHome = qgetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", "/home/player");
    EXPECT_EQ(PlayerCardSetsFolder(),
              QStringLiteral("/home/player/.local/share/tavro-memory/gfx/"));
    qputenv("HOME", previousHome);
    qputenv("XDG_DATA_HOME", previous);
}

TEST(CardFolder, PlayersSetWinsOverTheProgramsOfTheSameName) {
    const PlayerDataHome home;
    TempFolder root;
    root.makeFolder("gfx/animals");
    root.makeFolder("gfx/shapes");
    root.makeFolder("gfx/Birds");
    const QString players = home.makeSet("animals");
    home.makeSet("mine");
    home.makeSet("Shapes");
    EXPECT_EQ(FolderFor("animals", root.path()), players);
    EXPECT_EQ(FolderFor("mine", root.path()), home.sets() + "mine/");
    EXPECT_TRUE(CardSetExists("mine", root.path()));
    // An exact name anywhere before one that differs in letter case, the player's first.
    EXPECT_EQ(FolderFor("shapes", root.path()), root.path() + "gfx/shapes/");
    EXPECT_EQ(FolderFor("SHAPES", root.path()), home.sets() + "Shapes/");
    EXPECT_EQ(FolderFor("birds", root.path()), root.path() + "gfx/Birds/");
    EXPECT_EQ(FolderFor("MINE", root.path()), home.sets() + "mine/");
    // A set in neither place is looked for beside the program, as ever.
    EXPECT_EQ(FolderFor("reptiles", root.path()), root.path() + "gfx/reptiles/");
    EXPECT_FALSE(CardSetExists("reptiles", root.path()));
    // A file of a set's name is no set.
    root.write("gfx/notes", "x");
    TempFolder other;
    QFile(other.write("file", "x")).copy(home.sets() + "notes");
    EXPECT_FALSE(CardSetExists("notes", root.path()));
}

TEST(CardFolder, NoSetNameNeverReachesThePlayersFolder) {
    const PlayerDataHome home;
    home.makeSet("mine");
    TempFolder root;
    root.makeFolder("gfx");
    for (const std::string name : {"..", "../gfx/mine", "mine/..", "/"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(CardSetExists(name, root.path()));
        EXPECT_TRUE(FolderFor(name, root.path()).startsWith(root.path() + "gfx/"));
    }
}

}  // namespace
}  // namespace tavro
