// SPDX-License-Identifier: GPL-3.0-or-later
// "leads.dat" that is not a regular file (a FIFO, a link to a device, a folder, a link to
// nothing) is reported as an error before it is opened, and nothing is created or replaced. A
// hang is the failure here: the child that loads has an alarm set. A link to a regular file is
// read and written through.
#include <unistd.h>

#include <functional>

#include "leads/PermissionTestSupport.h"

namespace tavro::test {
namespace {

using LeadsFileKind = LeadsPermission;

constexpr unsigned kTimeLimitSeconds = 10;

struct OddKind {
    const char* Name;
    std::function<bool()> Make;  // makes "leads.dat" that kind of thing
    std::string Error;
};

std::vector<OddKind> OddKinds() {
    const std::string notRegular = "leads.dat: not a regular file";
    return {
        {"FIFO",
         [] { return ::mkfifo(kLeadsFileName, 0666) == 0 && ::chmod(kLeadsFileName, 0666) == 0; },
         notRegular},
        {"link to /dev/zero", [] { return ::symlink("/dev/zero", kLeadsFileName) == 0; },
         notRegular},
        {"folder",
         [] { return ::mkdir(kLeadsFileName, 0777) == 0 && ::chmod(kLeadsFileName, 0777) == 0; },
         notRegular},
        {"link to nothing", [] { return ::symlink("nothing.dat", kLeadsFileName) == 0; },
         "leads.dat: a link to a file that does not exist"},
    };
}

// What "leads.dat" is, to tell that it stayed as it was.
std::string Describe() {
    const QFileInfo info(QString::fromLatin1(kLeadsFileName));
    struct stat status {};
    ::lstat(kLeadsFileName, &status);
    return std::to_string(status.st_mode) + ' ' + std::to_string(status.st_ino) + ' ' +
           info.symLinkTarget().toStdString();
}

TEST_F(LeadsFileKind, WhatIsNoRegularFileIsReportedAndLeftAlone) {
    SetFolder(true);
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make());
        const std::string before = Describe();
        const std::string expected = kind.Error;
        const int code = RunUnprivileged([&] {
            ::alarm(kTimeLimitSeconds);
            LeadsTable table = MakeTable({{"InMemory", 5}});
            const QByteArray image = ImageOf(table);
            if (int failed = ExpectFileErrorText([&] { LoadLeads(table); }, expected)) {
                return failed;
            }
            if (int failed =
                    ExpectFileErrorText([&] { InsertLead(table, "Winner", 50); }, expected)) {
                return failed + 10;
            }
            return ImageOf(table) == image ? 0 : 30;
        });
        EXPECT_EQ(code, 0) << (code == kChildCrashed ? "it hung" : "");
        EXPECT_EQ(Describe(), before);
        EXPECT_EQ(
            QDir().entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{LeadsFile()});
        ASSERT_TRUE(QFile::remove(LeadsFile()) || QDir().rmdir(LeadsFile()));
    }
}

TEST_F(LeadsFileKind, LinkToARegularFileIsReadThrough) {
    SetFolder(true);
    WriteFile(QStringLiteral("table.dat"), ImageOf(stored_));
    ASSERT_TRUE(GiveTo(QStringLiteral("table.dat"), 0644, true));
    ASSERT_TRUE(QFile::link(QStringLiteral("table.dat"), LeadsFile()));
    const QByteArray stored = ImageOf(stored_);
    const int code = RunUnprivileged([&] {
        ::alarm(kTimeLimitSeconds);
        return ImageOf(LoadedLeads()) == stored ? 0 : 20;
    });
    EXPECT_EQ(code, 0);
}

}  // namespace
}  // namespace tavro::test
