// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's command line refuses what would not make a good set, and says why on stderr with a
// non-zero exit: a wrong number of pictures, pictures it can't read or that repeat, a name that
// is no folder name or is taken, a data folder it may not write to and a disk that fills up.
// In every case nothing is left behind: no set, no temporary folder, an old set unchanged.
#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>

#include <QDir>
#include <QFile>

#include "cardmaker/ChildRun.h"
#include "cardmaker/MakerFixture.h"

namespace tavro::test {
namespace {

class BadInput : public MakerFixture {
protected:
    void ExpectRefused(const MakerRun& run, const QString& text) const {
        EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(text)) << "missing \"" << text.toStdString() << "\" in\n"
                                            << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
    }
};

TEST_F(BadInput, WrongNumberOfPictures) {
    ExpectRefused(Make(QStringList{"--name", "Few"} + PlainPictures(17)), "Add 1 more picture.");
    ExpectRefused(Make(QStringList{"--name", "Few"} + PlainPictures(12)), "Add 6 more pictures.");
    ExpectRefused(Make(QStringList{"--name", "Many"} + PlainPictures(20)),
                  "Remove 2 pictures: a set has exactly 18.");
    ExpectNothingWritten();
}

TEST_F(BadInput, UnreadablePicturesAreNamedOneByOne) {
    QStringList files = PlainPictures(15);
    files << AddPicture("notes.png", "these are words, not pixels");
    files << Pictures() + "missing.jpg";
    ASSERT_EQ(mkfifo(QFile::encodeName(Pictures() + "pipe.png").constData(), 0600), 0);
    files << Pictures() + "pipe.png";
    const MakerRun run = Make(QStringList{"--name", "Broken"} + files);
    ExpectRefused(run, Pictures() +
                           "notes.png: it is not a picture in a format this program "
                           "can read");
    ExpectRefused(run, Pictures() + "missing.jpg: the file does not exist");
    ExpectRefused(run, Pictures() + "pipe.png: it is not a file");
    ExpectRefused(run, "Add 3 more pictures.");
    ExpectNothingWritten();
}

TEST_F(BadInput, RepeatedPictures) {
    QStringList files = PlainPictures(17);
    files << files.first();
    ExpectRefused(Make(QStringList{"--name", "Twice"} + files),
                  Pictures() + "plain1.png is already in the set.");
    // The same picture in another file and another format.
    files.last() = AddPicture("copy.bmp", Encode(QImage(files.first()), "BMP"));
    ExpectRefused(Make(QStringList{"--name", "Twice"} + files),
                  Pictures() + "copy.bmp shows the same picture as " + Pictures() + "plain1.png.");
    ExpectNothingWritten();
}

TEST_F(BadInput, NamesThatAreNoFolderName) {
    const QStringList files = PlainPictures(18);
    for (const QString name : {"a/b", "a\\b", "..", "."}) {
        const MakerRun run = Make(QStringList{"--name", name} + files);
        EXPECT_EQ(run.exitCode, 1) << name.toStdString();
        EXPECT_TRUE(run.err.contains("The set name")) << run.err.toStdString();
    }
    ExpectRefused(Make(QStringList{"--name", ""} + files), "Give the set a name.");
    ExpectRefused(Make(QStringList{"--name", ".hidden"} + files), "cannot begin with \".\"");
    ExpectNothingWritten();
}

TEST_F(BadInput, TakenNamesAndReplacingTheirOwnSet) {
    const QStringList files = PlainPictures(18);
    // The build tree's "gfx" beside the maker holds the sets that come with the game.
    ExpectRefused(Make(QStringList{"--name", "animals"} + files), "comes with the game");
    ExpectRefused(Make(QStringList{"--name", "Animals"} + files), "comes with the game");
    ExpectNothingWritten();

    const QString old = PlayerSets() + "Family/";
    ASSERT_TRUE(QDir().mkpath(old));
    ASSERT_TRUE(SaveFile(old + "marker", "the old set"));
    ExpectRefused(Make(QStringList{"--name", "Family"} + files), "--replace");
    ExpectRefused(Make(QStringList{"--name", "FAMILY"} + files), "already have a card set");
    EXPECT_EQ(TreeOf(PlayerSets()).join(u' '), "Family Family/marker");

    // The player's own file in the set's folder stays.
    const MakerRun replaced = Make(QStringList{"--name", "Family", "--replace"} + files);
    ASSERT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(Sorted(TreeOf(PlayerSets())), SavedSetTree("Family", {"marker"}));

    // Replacing a set whose name differs in letter case takes the new spelling.
    const MakerRun renamed = Make(QStringList{"--name", "FAMILY", "--replace"} + files);
    ASSERT_EQ(renamed.exitCode, 0) << renamed.err.toStdString();
    EXPECT_EQ(Sorted(TreeOf(PlayerSets())), SavedSetTree("FAMILY", {"marker"}));
}

TEST_F(BadInput, TemporaryFoldersOfACrashAreRemovedOnceStale) {
    // What a run that crashed while writing, and one that is writing now, leave behind.
    for (const QString name : {".tavro-new-crashed", ".tavro-old-crashed", ".tavro-new-running"}) {
        ASSERT_TRUE(QDir().mkpath(PlayerSets() + name));
        ASSERT_TRUE(SaveFile(PlayerSets() + name + "/1.bmp", "cut off"));
    }
    const timespec twoDaysAgo{time(nullptr) - 2 * 24 * 60 * 60, 0};
    const timespec times[2] = {twoDaysAgo, twoDaysAgo};
    for (const QString name : {".tavro-new-crashed", ".tavro-old-crashed"}) {
        const QByteArray path = QFile::encodeName(PlayerSets() + name);
        ASSERT_EQ(utimensat(AT_FDCWD, path.constData(), times, 0), 0);
    }
    ASSERT_EQ(Make(QStringList{"--name", "Family"} + PlainPictures(18)).exitCode, 0);
    EXPECT_EQ(Sorted(TreeOf(PlayerSets())),
              Sorted(SavedSetTree("Family") +
                     QStringList{".tavro-new-running", ".tavro-new-running/1.bmp"}));
}

class BadPlace : public MakerFixture {
protected:
    void SetUp() override {
        MakerFixture::SetUp();
        // The child may run as "nobody": it must reach the root, the pictures and its own copy
        // of the maker, which lies outside the build tree (that may sit in a private folder).
        ASSERT_TRUE(GiveTo(Root(), 0755, false));
        ASSERT_TRUE(GiveTo(Pictures(), 0755, false));
        files_ = PlainPictures(18);
        ASSERT_TRUE(QDir().mkpath(Root() + "bin"));
        maker_ = Root() + "bin/tavro-memory-cards";
        ASSERT_TRUE(QFile::copy(TAVRO_MAKER, maker_));
        ASSERT_TRUE(GiveTo(maker_, 0755, false));
        ASSERT_TRUE(GiveTo(Root() + "bin", 0755, false));
    }

    QStringList files_;
    QString maker_;
};

TEST_F(BadPlace, ReadOnlyDataFolder) {
    ASSERT_TRUE(QDir().mkpath(PlayerSets()));
    for (const QString& folder : {DataHome(), DataHome() + "/tavro-memory", PlayerSets()}) {
        ASSERT_TRUE(GiveTo(folder, 0755, true));
    }
    ASSERT_TRUE(GiveTo(PlayerSets(), 0555, true));
    const ChildResult run = RunMakerChild(maker_, QStringList{"--name", "Family"} + files_,
                                          DataHome(), {.unprivileged = true});
    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Cannot save the set in " + PlayerSets()))
        << run.output.toStdString();
    EXPECT_EQ(TreeOf(PlayerSets()), QStringList());

    // A data folder where even the sets folder can't be made.
    ASSERT_TRUE(GiveTo(PlayerSets(), 0755, true));
    ASSERT_TRUE(QDir(PlayerSets()).removeRecursively());
    ASSERT_TRUE(GiveTo(DataHome() + "/tavro-memory", 0555, true));
    const ChildResult noFolder = RunMakerChild(maker_, QStringList{"--name", "Family"} + files_,
                                               DataHome(), {.unprivileged = true});
    EXPECT_EQ(noFolder.exitCode, 1) << noFolder.output.toStdString();
    EXPECT_TRUE(noFolder.output.contains("the folder cannot be made"))
        << noFolder.output.toStdString();
    EXPECT_EQ(TreeOf(DataHome()), QStringList{"tavro-memory"});
}

TEST_F(BadPlace, FullDiskSaysSo) {
    const ChildResult run = RunMakerChild(maker_, QStringList{"--name", "Family"} + files_,
                                          DataHome(), {.smallDisk = DataHome()});
    if (run.exitCode == kChildNoSmallDisk) {
        GTEST_SKIP() << "the system gives the test no mount namespace for a small disk";
    }
    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(": no space left on the device")) << run.output.toStdString();
    ExpectNothingWritten();
}

TEST_F(BadPlace, FullDiskLeavesNothing) {
    // The limit is per file and smaller than a card bitmap: the first bitmap is cut off and
    // its write fails, as on a full disk.
    const ChildResult run = RunMakerChild(maker_, QStringList{"--name", "Family"} + files_,
                                          DataHome(), {.fileSizeLimit = 20000});
    EXPECT_EQ(run.exitCode, 1) << run.output.toStdString();
    EXPECT_TRUE(run.output.contains("Cannot save the set in")) << run.output.toStdString();
    ExpectNothingWritten();

    // An old set of the same name survives a replacement that fails.
    ASSERT_TRUE(QDir().mkpath(PlayerSets() + "Family"));
    ASSERT_TRUE(SaveFile(PlayerSets() + "Family/marker", "the old set"));
    const ChildResult replace =
        RunMakerChild(maker_, QStringList{"--name", "Family", "--replace"} + files_, DataHome(),
                      {.fileSizeLimit = 20000});
    EXPECT_EQ(replace.exitCode, 1) << replace.output.toStdString();
    EXPECT_EQ(TreeOf(PlayerSets()).join(u' '), "Family Family/marker");
}

}  // namespace
}  // namespace tavro::test
