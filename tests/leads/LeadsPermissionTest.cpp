// SPDX-License-Identifier: GPL-3.0-or-later
// Failures of the Leads file that must never cost stored scores: a write-protected file, a
// folder without a file that the player may not write, and a rewrite cut short by the file size
// limit. Each case runs in a child that cannot
// bypass permission bits (see Unprivileged.h); the parent then checks the file on disk.
#include <sys/resource.h>

#include <csignal>

#include "leads/PermissionTestSupport.h"

namespace tavro::test {
namespace {

// In the child: 0 when loading is refused with EACCES and the table in memory stays as it was.
int LoadRefusedKeepingTable(LeadsTable& table) {
    const QByteArray before = ImageOf(table);
    if (int failed = ExpectFileError([&] { LoadLeads(table); }, EACCES)) {
        return failed;
    }
    return ImageOf(table) == before ? 0 : 20;
}

TEST_F(LeadsPermission, WriteProtectedFileIsReportedAndKept) {
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0444);
    const int code = RunUnprivileged([] {
        LeadsTable table = MakeTable({{"InMemory", 5}});
        const QByteArray before = ImageOf(table);
        if (int failed = LoadRefusedKeepingTable(table)) {
            return failed;
        }
        if (int failed = ExpectFileError([&] { InsertLead(table, "Winner", 5000); }, EACCES)) {
            return failed + 20;
        }
        return ImageOf(table) == before ? 0 : 40;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(stored_));
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()});
}

TEST_F(LeadsPermission, WriteProtectedFolderWithoutFileIsReported) {
    SetFolder(false);
    const int code = RunUnprivileged([] {
        LeadsTable table = MakeTable({{"InMemory", 5}});
        return LoadRefusedKeepingTable(table);
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(FolderEntries().isEmpty());
}

TEST_F(LeadsPermission, WriteProtectedFileInLockedFolderIsReportedAndKept) {
    PlaceFile(ImageOf(stored_), 0444);
    LockFolder();
    const int code = RunUnprivileged([] {
        LeadsTable table = MakeTable({{"InMemory", 5}});
        if (int failed = LoadRefusedKeepingTable(table)) {
            return failed;
        }
        return ExpectFileError([&] { InsertLead(table, "Winner", 5000); }, EACCES);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(stored_));
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()});
}

TEST_F(LeadsPermission, RewriteCutShortBySizeLimitLeavesTheOldFileWhole) {
    SetFolder(true);
    PlaceFile(ImageOf(stored_), 0644);
    const int code = RunUnprivileged([] {
        std::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG after 100 bytes
        const rlimit limit{100, 100};
        if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 30;
        }
        LeadsTable table{};
        return ExpectFileError([&] { InsertLead(table, "Winner", 5000); }, EFBIG);
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(stored_));
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()}) << "the temporary file is removed";
}

}  // namespace
}  // namespace tavro::test
