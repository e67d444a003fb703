// SPDX-License-Identifier: GPL-3.0-or-later
// A rewrite of the Leads file killed at any moment leaves the old table or the new one, never a
// torn, short or empty file, on every route by which "leads.dat" can lead to the table; and the
// next load removes the temporary file a killed replace left behind. A child without privileges
// inserts one entry after another until it is killed at a random moment, many times over.
#include <signal.h>

#include <chrono>
#include <random>
#include <thread>

#include "leads/LeadsRoutes.h"

namespace tavro::test {
namespace {

using LeadsKill = LeadsRoutes;

// The table after the scores 1, 2, ..., top, each named by its number, entered into the default
// table; every one enters on top.
QByteArray AfterInsertions(int top) {
    LeadsTable table = DefaultLeads();
    for (int place = 0; place < kLeadPlaces && top - place >= 1; ++place) {
        SetPlace(table, place, QByteArray::number(top - place).constData(), top - place);
    }
    return ImageOf(table);
}

[[noreturn]] int InsertForever() {
    for (;;) {
        LeadsTable table{};
        LoadLeads(table);
        const int next = table.LeadPoints[0] + 1;
        InsertLead(table, QString::number(next), next);
    }
}

int LoadAsPlayer() {
    return RunUnprivileged([] {
        LeadsTable table{};
        LoadLeads(table);
        return 0;
    });
}

// The folders where temporary files of a replace would lie.
QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST_P(LeadsKill, KillDuringARewriteLeavesTheOldOrTheNewTable) {
    Arrange(DefaultLeads());
    const Route route = GetParam();
    const bool replaced = route == Route::Plain || route == Route::LinkReplaced;
    const QString tableFolder = QFileInfo(TableFile()).path();
    const QStringList entries = Entries(tableFolder);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> delay(300, 6000);  // microseconds
    int top = 0;
    int leftovers = 0;
    for (int round = 0; round < (replaced ? 200 : 100); ++round) {
        SCOPED_TRACE(round);
        const pid_t child = StartUnprivileged(InsertForever);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status))
            << "the inserting child stopped with " << WEXITSTATUS(status);

        const QByteArray image = ReadFile(LeadsFile());
        ASSERT_EQ(image.size(), 152);
        const int stored = TableFromImage(image).LeadPoints[0];
        ASSERT_EQ(image, AfterInsertions(stored)) << "a torn table, top score " << stored;
        ASSERT_GE(stored, top);
        top = stored;

        leftovers += Entries(tableFolder).size() > entries.size() ? 1 : 0;
        ASSERT_EQ(LoadAsPlayer(), 0);
        ASSERT_EQ(Entries(tableFolder), entries);
    }
    ExpectRouteKept();
    EXPECT_GT(top, 0);
    if (replaced) {
        // Otherwise no kill fell inside a replace, and the test proved little.
        EXPECT_GT(leftovers, 0);
    }
    std::printf("%d kills left a temporary file; %d entries were made\n", leftovers, top);
}

INSTANTIATE_TEST_SUITE_P(Routes, LeadsKill, kAllRoutes, RouteName);

}  // namespace
}  // namespace tavro::test
