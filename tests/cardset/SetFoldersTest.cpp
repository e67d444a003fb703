// SPDX-License-Identifier: GPL-3.0-or-later
// The list of card set folders that Options, the fallback at start and the maker all read: both
// "gfx" folders, each name once with the player's set in place of the program's, only folders
// and links to folders, no hidden ones, the program's place first and each place in the order the
// file system lists it (checked against readdir itself, which is what `ls -U` shows).
#include <dirent.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <memory>

#include "cardset/TempFolder.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::PlayerDataHome;
using testing::TempFolder;

// The names in `folder` in the order readdir gives them.
QStringList ReaddirOrder(const QString& folder) {
    QStringList names;
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(QFile::encodeName(folder).constData()),
                                                  &::closedir);
    if (dir) {
        while (const dirent* entry = ::readdir(dir.get())) {
            names << QFile::decodeName(entry->d_name);
        }
    }
    return names;
}

// An entry made in a place: "name/" a folder, "name" a file, "name->target" a link to `target`
// in a folder outside both places ("dir" a folder there, "file" a file, "gone" nothing).
void MakeEntry(const TempFolder& root, const QString& place, const QString& entry) {
    if (const qsizetype arrow = entry.indexOf("->"); arrow >= 0) {
        ASSERT_TRUE(QFile::link(root.path() + "outside/" + entry.mid(arrow + 2),
                                place + entry.left(arrow)));
    } else if (entry.endsWith(u'/')) {
        ASSERT_TRUE(QDir().mkpath(place + entry));
    } else {
        QFile file(place + entry);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}

TEST(SetFolders, BothPlacesEachNameOnceFoldersOnly) {
    struct Case {
        const char* why;
        QStringList program;  // entries of the "gfx" beside the program
        QStringList player;   // entries of the player's "gfx"
        // What is listed, "name" from the program's place and "name*" the player's own: first
        // those of names in the program's place, then those only the player has.
        QStringList programsPlace;
        QStringList playersOnly;
    };
    const Case cases[] = {
        {"a player's set takes the place of the program's",
         {"animals/", "beta/", "shapes/"},
         {"beta/", "mine/", "yours/"},
         {"animals", "beta*", "shapes"},
         {"mine*", "yours*"}},
        {"hidden folders and the maker's are left out",
         {".hidden/", "animals/"},
         {".tavro-maker/", ".tavro-new-mine/", "mine/", "mine/.tavro-maker/"},
         {"animals"},
         {"mine*"}},
        {"files and links to files are no sets",
         {"readme.txt", ".dotfile", "animals/", "file->file"},
         {"notes", "tofile->file"},
         {"animals"},
         {}},
        {"a link to a folder is a set, a dangling link none",
         {"linked->dir", "gone->gone"},
         {"mine->dir", "lost->gone", "beta/"},
         {"linked"},
         {"beta*", "mine*"}},
        {"names with spaces and %1 as they are",
         {"my set/", "%1/"},
         {"%1 %2/", "my set/"},
         {"%1", "my set*"},
         {"%1 %2*"}},
        {"names that differ in letter case are two sets",
         {"Animals/"},
         {"animals/", "ANIMALS/"},
         {"Animals"},
         {"ANIMALS*", "animals*"}},
        {"only the player's sets", {}, {"mine/"}, {}, {"mine*"}},
        {"no sets at all", {}, {}, {}, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.why);
        const PlayerDataHome home;
        TempFolder root;
        root.makeFolder("outside/dir");
        root.write("outside/file", "x");
        const QString program = root.makeFolder("Gfx");  // found letter case aside
        home.makeSet({});
        const QString player = home.sets();
        for (const QString& entry : test.program) {
            MakeEntry(root, program, entry);
        }
        for (const QString& entry : test.player) {
            MakeEntry(root, player, entry);
        }

        const std::vector<CardSetFolderEntry> sets = ListCardSetFolders(root.path());
        QStringList listed;
        for (const CardSetFolderEntry& set : sets) {
            EXPECT_EQ(set.folder, (set.playersOwn ? player : program) + set.name + u'/');
            listed << set.name + (set.playersOwn ? "*" : "");
        }
        const qsizetype first = test.programsPlace.size();
        ASSERT_EQ(listed.size(), first + test.playersOnly.size())
            << listed.join(u'|').toStdString();
        // Each part in the order of its place's readdir.
        const auto inReaddirOrder = [](QStringList expected, const QString& place) {
            const QStringList order = ReaddirOrder(place);
            std::sort(expected.begin(), expected.end(), [&](const QString& a, const QString& b) {
                return order.indexOf(QString(a).remove(u'*')) <
                       order.indexOf(QString(b).remove(u'*'));
            });
            return expected;
        };
        EXPECT_EQ(listed.mid(0, first), inReaddirOrder(test.programsPlace, program));
        EXPECT_EQ(listed.mid(first), inReaddirOrder(test.playersOnly, player));
    }
}

TEST(SetFolders, MissingOrUnnamedPlacesHoldNoSets) {
    TempFolder root;
    root.makeFolder("gfx/animals");
    // An empty place is not the current folder.
    EXPECT_TRUE(ListCardSetFolders(QString(), QString()).empty());
    const std::vector<CardSetFolderEntry> sets =
        ListCardSetFolders(root.path() + "gfx", root.path() + "no such folder/");
    ASSERT_EQ(sets.size(), 1U);
    EXPECT_EQ(sets[0].folder, root.path() + "gfx/animals/");
    EXPECT_FALSE(sets[0].playersOwn);
}

TEST(SetFolders, NameOrderLeavesLetterCaseAside) {
    std::vector<CardSetFolderEntry> sets{{"beta", {}, false},
                                         {"Alpha", {}, true},
                                         {"alpha", {}, false},
                                         {"%1", {}, false},
                                         {"Beta 2", {}, false}};
    SortCardSetFoldersByName(sets);
    QStringList names;
    for (const CardSetFolderEntry& set : sets) {
        names << set.name;
    }
    EXPECT_EQ(names, (QStringList{"%1", "Alpha", "alpha", "beta", "Beta 2"}));
}

}  // namespace
}  // namespace tavro
