// Failures of the Leads file that must never cost stored scores: a write-protected file or
// folder, and a rewrite cut short by the file size limit. Each case runs in a child that cannot
// bypass permission bits (see Unprivileged.h); the parent then checks the file on disk.
#include <sys/resource.h>

#include <csignal>
#include <cstring>

#include "leads/LeadsTestSupport.h"
#include "leads/Unprivileged.h"

namespace tavro::test {
namespace {

class LeadsPermission : public LeadsFileTest {
protected:
    void TearDown() override {
        GiveTo(Folder(), 0700, false);  // so the temporary folder can be removed
        LeadsFileTest::TearDown();
    }

    // The folder: writable by the child (open) or by nobody but root (closed).
    void SetFolder(bool writableByChild) {
        ASSERT_TRUE(GiveTo(Folder(), writableByChild ? 0755 : 0555, writableByChild));
    }
    // leads.dat with the given bytes, belonging to the child's user with the given mode.
    void PlaceFile(const QByteArray& bytes, mode_t mode) {
        WriteFile(LeadsFile(), bytes);
        ASSERT_TRUE(GiveTo(LeadsFile(), mode, true));
    }

    const LeadsTable stored_ = MakeTable({{"Stored", 900}, {"Scores", 400}});
};

// 0 when call throws a LeadsFileError carrying the platform's text for errorNumber.
template <typename Call>
int ExpectFileError(Call call, int errorNumber) {
    try {
        call();
    } catch (const LeadsFileError& error) {
        return std::strstr(error.what(), std::strerror(errorNumber)) ? 0 : 11;
    }
    return 10;
}

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

TEST_F(LeadsPermission, FailedRewriteInProtectedFolderLeavesTheOldFileWhole) {
    PlaceFile(ImageOf(stored_), 0644);
    SetFolder(false);
    const int code = RunUnprivileged([] {
        LeadsTable table{};
        if (int failed = ExpectFileError([&] { InsertLead(table, "Winner", 5000); }, EACCES)) {
            return failed;
        }
        // The entry is in memory; only the file could not take it.
        return LeadNameText(table, 0) == "Winner" && table.LeadPoints[1] == 900 ? 0 : 20;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(stored_));
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()});
}

TEST_F(LeadsPermission, ShortFileInProtectedFolderStaysAndIsReported) {
    PlaceFile(QByteArray(50, '\x11'), 0644);
    SetFolder(false);
    const int code = RunUnprivileged([] {
        LeadsTable table{};
        if (int failed = ExpectFileError([&] { LoadLeads(table); }, EACCES)) {
            return failed;
        }
        // The bytes the short read delivered stay; nothing was set to the defaults.
        const bool delivered = table.LeadNames[0].Length == 0x11 && table.LeadNames[5].Length == 0;
        return delivered && table.LeadPoints[9] == 0 ? 0 : 20;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), QByteArray(50, '\x11'));
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
