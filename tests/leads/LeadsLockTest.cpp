// SPDX-License-Identifier: GPL-3.0-or-later
// The lock on the Leads file: a holder that never lets go costs a copy of the program a reported
// error within the time limit, never a hang, and nothing is written meanwhile; the lock is the
// one file's, whichever link or name leads to it. The holder is this test, holding the table's
// file under its own name; the copy is a child without privileges that reaches it by
// "leads.dat", with an alarm that ends a hang.
#include <fcntl.h>
#include <sys/file.h>

#include <chrono>

#include "leads/LeadsRoutes.h"
#include "scores/LeadsFileLock.h"

namespace tavro::test {
namespace {

using LeadsLock = LeadsRoutes;

const LeadsTable kStored = MakeTable({{"Stored", 900}, {"Scores", 400}});

// Holds the exclusive lock on a file until it goes out of scope.
class Holder {
public:
    explicit Holder(const QString& path)
        : fd_(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC)) {
        locked_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
    }
    ~Holder() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;
    bool Locked() const { return locked_; }

private:
    int fd_;
    bool locked_ = false;
};

// The name by which the holder reaches the table: never "leads.dat" where another name exists.
QString HolderPath(Route route, const QString& tableFile) {
    return route == Route::HardLink ? QStringLiteral("second.dat") : tableFile;
}

// In the child: 0 when loading, inserting and clearing each report the lock's time-out, and the
// table in memory stays as it was.
int EveryOperationTimesOut() {
    constexpr std::chrono::milliseconds kLimit(200);
    ::alarm(60);  // a hang ends the child, and the test fails
    const std::string text = "leads.dat: " + LeadsLockTimeoutText().toStdString();
    LeadsTable table = MakeTable({{"InMemory", 5}});
    const QByteArray before = ImageOf(table);
    if (int failed = ExpectFileErrorText([&] { LoadLeads(table, kLimit); }, text)) {
        return failed;
    }
    if (int failed =
            ExpectFileErrorText([&] { InsertLead(table, "Winner", 5000, kLimit); }, text)) {
        return failed + 20;
    }
    if (int failed = ExpectFileErrorText([&] { ClearLeads(kLimit); }, text)) {
        return failed + 40;
    }
    return ImageOf(table) == before ? 0 : 60;
}

TEST_P(LeadsLock, HolderThatNeverLetsGoCostsAReportedErrorNotAHang) {
    Arrange(kStored);
    {
        const Holder holder(HolderPath(GetParam(), TableFile()));
        ASSERT_TRUE(holder.Locked());
        EXPECT_EQ(RunUnprivileged(EveryOperationTimesOut), 0);
        EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(kStored)) << "written without the lock";
    }
    // Once the holder lets go, the same insertion goes through.
    EXPECT_EQ(RunUnprivileged([] {
                  LeadsTable table{};
                  InsertLead(table, QStringLiteral("Winner"), 5000);
                  return LeadNameText(table, 0) == "Winner" ? 0 : 20;
              }),
              0);
    EXPECT_EQ(ReadFile(LeadsFile()),
              ImageOf(MakeTable({{"Winner", 5000}, {"Stored", 900}, {"Scores", 400}})));
    ExpectRouteKept();
}

TEST_P(LeadsLock, ShortFileIsNotRepairedWhileAnotherHoldsTheLock) {
    Arrange(kStored);
    WriteFile(TableFile(), QByteArray(60, '\x11'));  // as a writer without the lock might leave it
    const Holder holder(HolderPath(GetParam(), TableFile()));
    ASSERT_TRUE(holder.Locked());
    const int code = RunUnprivileged([] {
        ::alarm(60);
        LeadsTable table{};
        return ExpectFileErrorText([&] { LoadLeads(table, std::chrono::milliseconds(100)); },
                                   "leads.dat: " + LeadsLockTimeoutText().toStdString());
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(ReadFile(LeadsFile()), QByteArray(60, '\x11'));
}

INSTANTIATE_TEST_SUITE_P(Routes, LeadsLock, kAllRoutes, RouteName);

}  // namespace
}  // namespace tavro::test
