// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's list of sets, read from the common list of set folders: the player's own first,
// then the program's, each in name order letter case aside; a program's set that one of the
// player's names in any letter case is left out, as the maker finds sets by name that way.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cardmaker/SavedSets.h"

namespace tavro::cardmaker {
namespace {

TEST(SavedSetsList, PlayersOwnFirstEachInNameOrder) {
    QTemporaryDir root;
    const SetFolders folders{root.path() + "/builtin/", root.path() + "/own/"};
    for (const char* set : {"zoo", "Shapes", "animals", "birds", ".hidden"}) {
        ASSERT_TRUE(QDir().mkpath(folders.builtIn + set));
    }
    for (const char* set : {"shapes", "Beta", "animals", ".tavro-new-x", "%1 mine"}) {
        ASSERT_TRUE(QDir().mkpath(folders.player + set));
    }
    QStringList listed;
    for (const SavedSet& set : ListSavedSets(folders)) {
        listed << set.folderName + (set.playersOwn ? "*" : "");
        EXPECT_EQ(set.folder,
                  (set.playersOwn ? folders.player : folders.builtIn) + set.folderName + '/');
    }
    EXPECT_EQ(listed, (QStringList{"%1 mine*", "animals*", "Beta*", "shapes*", "birds", "zoo"}));
}

}  // namespace
}  // namespace tavro::cardmaker
