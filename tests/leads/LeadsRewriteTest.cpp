// SPDX-License-Identifier: GPL-3.0-or-later
// Rewriting the Leads file keeps everything about it: a file the player may write takes a new
// entry even in a folder the player may not write; the owner, group and mode stay, and so do
// hard links and symbolic links (the file a link leads to is replaced beside itself where its
// folder allows). Each insertion runs in a child that cannot bypass permission
// bits (see Unprivileged.h), except where a run as root is the point.
#include <unistd.h>

#include "leads/PermissionTestSupport.h"

namespace tavro::test {
namespace {

using LeadsRewrite = LeadsPermission;

// In the child: 0 when "Winner" with 5000 enters on top of the stored table.
int InsertWinner() {
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Winner"), 5000);
    return LeadNameText(table, 0) == "Winner" && table.LeadPoints[1] == 900 ? 0 : 20;
}

QByteArray WithWinner() {
    return ImageOf(MakeTable({{"Winner", 5000}, {"Stored", 900}, {"Scores", 400}}));
}

// Owner, group, mode, file and link count: all that a rewrite must keep.
void ExpectSameFile(const struct stat& before, const struct stat& after) {
    EXPECT_EQ(after.st_ino, before.st_ino) << "the file was replaced";
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_nlink, before.st_nlink);
}

TEST_F(LeadsRewrite, SharedFileInLockedFolderTakesTheEntry) {
    WriteFile(LeadsFile(), ImageOf(stored_));
    ASSERT_TRUE(GiveTo(LeadsFile(), 0666, false));  // root's when run as root
    LockFolder();
    const struct stat before = StatusOf(LeadsFile());
    EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
    ExpectSameFile(before, StatusOf(LeadsFile()));
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()});
}

TEST_F(LeadsRewrite, PlayersOwnFileInLockedFolderTakesTheEntry) {
    PlaceFile(ImageOf(stored_), 0644);
    LockFolder();
    const struct stat before = StatusOf(LeadsFile());
    EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
    ExpectSameFile(before, StatusOf(LeadsFile()));
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()});
}

TEST_F(LeadsRewrite, ShortFileInLockedFolderIsRecreated) {
    PlaceFile(QByteArray(50, '\x11'), 0644);
    LockFolder();
    const int code = RunUnprivileged([] {
        LeadsTable table{};
        LoadLeads(table);
        return LeadNameText(table, 9) == "none" && table.LeadPoints[0] == 0 ? 0 : 20;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());
}

TEST_F(LeadsRewrite, RunAsRootKeepsThePlayerAsOwner) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root, to write another user's file";
    }
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0644);
    const struct stat before = StatusOf(LeadsFile());
    ASSERT_NE(before.st_uid, 0u);
    EXPECT_EQ(InsertWinner(), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
    ExpectSameFile(before, StatusOf(LeadsFile()));
}

TEST_F(LeadsRewrite, GroupThePlayerIsNoMemberOfIsKept) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root, to give the file a group its owner is no member of";
    }
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0664);
    ASSERT_EQ(::chown(kLeadsFileName, UnprivilegedIdentity().Uid, 0), 0);
    const struct stat before = StatusOf(LeadsFile());
    EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
    ExpectSameFile(before, StatusOf(LeadsFile()));
}

TEST_F(LeadsRewrite, HardLinksAllSeeTheNewTable) {
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0644);
    ASSERT_EQ(::link(kLeadsFileName, "second.dat"), 0);
    const struct stat before = StatusOf(LeadsFile());
    ASSERT_EQ(before.st_nlink, 2u);
    EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
    EXPECT_EQ(ReadFile(QStringLiteral("second.dat")), WithWinner());
    ExpectSameFile(before, StatusOf(LeadsFile()));
}

// Makes leads.dat a symbolic link to `target`, a table of the player's (mode 0640) in `folder`,
// which the player may write or not.
void LinkToTable(const QString& folder, const QString& target, const QByteArray& table,
                 bool lockedFolder) {
    ASSERT_TRUE(QDir().mkdir(folder));
    WriteFile(target, table);
    ASSERT_TRUE(GiveTo(target, 0640, true));
    ASSERT_TRUE(GiveTo(folder, lockedFolder ? 0555 : 0755, !lockedFolder));
    QFile::remove(QString::fromLatin1(kLeadsFileName));
    ASSERT_TRUE(QFile::link(target, QString::fromLatin1(kLeadsFileName)));
}

TEST_F(LeadsRewrite, SymbolicLinkStaysALinkToTheUpdatedFile) {
    SetFolder(true);
    // The table lives in another folder, writable by the player or not.
    for (const bool lockedTarget : {false, true}) {
        SCOPED_TRACE(lockedTarget ? "target folder locked" : "target folder open");
        const QString folder = QStringLiteral("elsewhere%1").arg(int{lockedTarget});
        const QString target = folder + QStringLiteral("/table.dat");
        ASSERT_NO_FATAL_FAILURE(LinkToTable(folder, target, ImageOf(stored_), lockedTarget));
        const struct stat before = StatusOf(target);

        EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
        EXPECT_EQ(ReadFile(target), WithWinner());
        EXPECT_TRUE(S_ISLNK(StatusOf(LeadsFile(), false).st_mode));
        EXPECT_EQ(QFileInfo(LeadsFile()).symLinkTarget(), QFileInfo(target).absoluteFilePath());
        const struct stat after = StatusOf(target);
        if (lockedTarget) {
            ExpectSameFile(before, after);  // written over in place
        } else {
            // Replaced whole beside itself, so no kill could have left a torn table.
            EXPECT_NE(after.st_ino, before.st_ino);
            EXPECT_EQ(after.st_uid, before.st_uid);
            EXPECT_EQ(after.st_gid, before.st_gid);
            EXPECT_EQ(after.st_mode, before.st_mode);
        }
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("table.dat")});
        GiveTo(folder, 0755, false);
    }
}

TEST_F(LeadsRewrite, LongFileInLockedFolderIsCutAfterTheNewTableIsIn) {
    PlaceFile(ImageOf(stored_) + QByteArray(48, '\x5A'), 0644);
    LockFolder();
    EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
}

// In the child: 0 when a Clear followed by a load gives the default table.
int ClearAndLoad() {
    ClearLeads();
    LeadsTable table{};
    LoadLeads(table);
    return ImageOf(table) == DefaultFileImage() ? 0 : 20;
}

TEST_F(LeadsRewrite, ClearResetsTheFileALinkLeadsToAndKeepsTheLink) {
    SetFolder(true);
    for (const bool lockedTarget : {false, true}) {
        SCOPED_TRACE(lockedTarget ? "target folder locked" : "target folder open");
        const QString folder = QStringLiteral("elsewhere%1").arg(int{lockedTarget});
        const QString target = folder + QStringLiteral("/table.dat");
        ASSERT_NO_FATAL_FAILURE(LinkToTable(folder, target, ImageOf(stored_), lockedTarget));

        EXPECT_EQ(RunUnprivileged(ClearAndLoad), 0);
        EXPECT_TRUE(S_ISLNK(StatusOf(LeadsFile(), false).st_mode)) << "the link is gone";
        EXPECT_EQ(ReadFile(target), DefaultFileImage());
        EXPECT_EQ(StatusOf(target).st_mode & 07777, 0640u);
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("table.dat")});
        GiveTo(folder, 0755, false);
    }
}

TEST_F(LeadsRewrite, ClearResetsEveryNameOfAHardLinkedFile) {
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0644);
    ASSERT_EQ(::link(kLeadsFileName, "second.dat"), 0);
    const struct stat before = StatusOf(LeadsFile());
    EXPECT_EQ(RunUnprivileged(ClearAndLoad), 0);
    EXPECT_EQ(ReadFile(QStringLiteral("second.dat")), DefaultFileImage());
    ExpectSameFile(before, StatusOf(LeadsFile()));
}

TEST_F(LeadsRewrite, ClearInLockedFolderResetsTheFileInPlace) {
    PlaceFile(ImageOf(stored_), 0644);
    LockFolder();
    const struct stat before = StatusOf(LeadsFile());
    EXPECT_EQ(RunUnprivileged(ClearAndLoad), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());
    ExpectSameFile(before, StatusOf(LeadsFile()));
}

TEST_F(LeadsRewrite, ClearRemovesAWriteProtectedFileButNoLink) {
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0444);
    EXPECT_EQ(RunUnprivileged(ClearAndLoad), 0);  // removed, and made anew by the load
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());

    // Behind a link, the write-protected file and the link both stay: the load then reports.
    ASSERT_TRUE(QFile::remove(LeadsFile()));
    WriteFile(QStringLiteral("table.dat"), ImageOf(stored_));
    ASSERT_TRUE(GiveTo(QStringLiteral("table.dat"), 0444, true));
    ASSERT_TRUE(QFile::link(QStringLiteral("table.dat"), LeadsFile()));
    EXPECT_EQ(RunUnprivileged([] {
                  ClearLeads();
                  LeadsTable table{};
                  return ExpectFileError([&] { LoadLeads(table); }, EACCES);
              }),
              0);
    EXPECT_TRUE(S_ISLNK(StatusOf(LeadsFile(), false).st_mode));
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(stored_));
}

TEST_F(LeadsRewrite, OwnFileInOwnFolderIsReplacedWholeWithItsMode) {
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0640);
    const struct stat before = StatusOf(LeadsFile());
    EXPECT_EQ(RunUnprivileged(InsertWinner), 0);
    EXPECT_EQ(ReadFile(LeadsFile()), WithWinner());
    const struct stat after = StatusOf(LeadsFile());
    // A new file took the old one's place, so no kill could have left a torn table.
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()});
}

}  // namespace
}  // namespace tavro::test
