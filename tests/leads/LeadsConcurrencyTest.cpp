// SPDX-License-Identifier: GPL-3.0-or-later
// Running copies of the program on one Leads file, on every route by which "leads.dat" can lead
// to the table: two copies saving at the same instant both keep their entries, a copy that only
// loads never sees a cut table nor wipes one being written, and a Clear is never undone by a
// save that ran beside it. Each copy is a forked child without privileges, many times over.
#include <algorithm>
#include <random>

#include "leads/LeadsRoutes.h"

namespace tavro::test {
namespace {

using LeadsConcurrency = LeadsRoutes;

// Ten stored places, 1000 down to 550, named "A" to "J".
LeadsTable StoredTable() {
    return Lettered({1000, 950, 900, 850, 800, 750, 700, 650, 600, 550});
}

bool Holds(const LeadsTable& table, int points) {
    return std::find(table.LeadPoints.begin(), table.LeadPoints.end(), points) !=
           table.LeadPoints.end();
}

// In a child: waits at the gate, then enters the name with the points. 0 when that went well.
int InsertAfterGate(Gate& gate, const char* name, int points, int pauseMicroseconds = 0) {
    gate.Wait();
    if (pauseMicroseconds > 0) {
        ::usleep(static_cast<useconds_t>(pauseMicroseconds));
    }
    LeadsTable table{};
    InsertLead(table, QString::fromLatin1(name), points);
    return Holds(table, points) ? 0 : 30;
}

TEST_P(LeadsConcurrency, TwoSavesAtTheSameInstantKeepBothEntries) {
    Arrange(StoredTable());
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> pause(0, 3000);  // microseconds, for the second save
    int lost = 0;
    for (int run = 0; run < 100; ++run) {
        SCOPED_TRACE(run);
        Store(StoredTable());
        Gate gate;
        ASSERT_TRUE(gate.IsOpen());
        const int later = run % 2 == 0 ? 0 : pause(random);
        const pid_t first = StartUnprivileged([&] { return InsertAfterGate(gate, "First", 2000); });
        const pid_t second =
            StartUnprivileged([&] { return InsertAfterGate(gate, "Second", 1500, later); });
        gate.Release();
        ASSERT_EQ(ExitCodeOf(first), 0);
        ASSERT_EQ(ExitCodeOf(second), 0);

        const LeadsTable stored = TableFromImage(ReadFile(LeadsFile()));
        const bool whole = ImageOf(stored) == ImageOf(MakeTable({{"First", 2000},
                                                                 {"Second", 1500},
                                                                 {"A", 1000},
                                                                 {"B", 950},
                                                                 {"C", 900},
                                                                 {"D", 850},
                                                                 {"E", 800},
                                                                 {"F", 750},
                                                                 {"G", 700},
                                                                 {"H", 650}}));
        lost += whole ? 0 : 1;
        EXPECT_TRUE(whole) << "first " << Holds(stored, 2000) << ", second " << Holds(stored, 1500)
                           << ", stored " << Holds(stored, 650);
    }
    ExpectRouteKept();
    EXPECT_EQ(lost, 0);
}

// In a child: loads the table again and again, while another copy saves. 0 when every load saw
// the stored places (place "E" with 800 stays among the ten through five new entries).
int LoadAfterGate(Gate& gate) {
    gate.Wait();
    for (int load = 0; load < 20; ++load) {
        LeadsTable table{};
        LoadLeads(table);
        if (!Holds(table, 800)) {
            return 40;  // a cut or default table
        }
    }
    return 0;
}

TEST_P(LeadsConcurrency, LoadsBesideASaveNeverSeeOrLeaveACutTable) {
    Arrange(StoredTable());
    for (int run = 0; run < 50; ++run) {
        SCOPED_TRACE(run);
        Store(StoredTable());
        Gate gate;
        ASSERT_TRUE(gate.IsOpen());
        const pid_t writer = StartUnprivileged([&] {
            gate.Wait();
            for (int entry = 1; entry <= 5; ++entry) {
                LeadsTable table{};
                InsertLead(table, QStringLiteral("New"), 2000 + entry);
            }
            return 0;
        });
        const pid_t loader = StartUnprivileged([&] { return LoadAfterGate(gate); });
        gate.Release();
        EXPECT_EQ(ExitCodeOf(writer), 0);
        ASSERT_EQ(ExitCodeOf(loader), 0);

        const LeadsTable stored = TableFromImage(ReadFile(LeadsFile()));
        for (const int points : {2001, 2002, 2003, 2004, 2005, 1000, 800}) {
            ASSERT_TRUE(Holds(stored, points)) << points << " is gone";
        }
    }
    ExpectRouteKept();
}

// The writer's entries: 2001, 2002, ..., each on top of the last.
constexpr int kWriterEntries = 10;

// In a child: enters 2001 to 2010 one after another, counting each one done in done[0].
int WriteCounting(Gate& gate, SharedCounters& done) {
    gate.Wait();
    for (int entry = 1; entry <= kWriterEntries; ++entry) {
        LeadsTable table{};
        InsertLead(table, QStringLiteral("W%1").arg(entry), 2000 + entry);
        done[0] = entry;
    }
    return 0;
}

// In a child: clears the table after the pause, noting how many entries were done before the
// Clear began (done[1]) and after it ended (done[2]).
int ClearCounting(Gate& gate, SharedCounters& done, int pauseMicroseconds) {
    gate.Wait();
    ::usleep(static_cast<useconds_t>(pauseMicroseconds));
    done[1] = done[0].load();
    ClearLeads();
    done[2] = done[0].load();
    LeadsTable table{};
    LoadLeads(table);
    return 0;
}

TEST_P(LeadsConcurrency, ClearBesideASaveIsNeverUndone) {
    Arrange(StoredTable());
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pause(0, 20000);  // microseconds
    for (int run = 0; run < 50; ++run) {
        SCOPED_TRACE(run);
        Store(StoredTable());
        SharedCounters done(3);
        Gate gate;
        ASSERT_TRUE(gate.IsOpen());
        const int wait = pause(random);
        const pid_t writer = StartUnprivileged([&] { return WriteCounting(gate, done); });
        const pid_t clearer = StartUnprivileged([&] { return ClearCounting(gate, done, wait); });
        gate.Release();
        ASSERT_EQ(ExitCodeOf(writer), 0);
        ASSERT_EQ(ExitCodeOf(clearer), 0);

        // Entries done before the Clear began are gone with the stored ones; every entry begun
        // after it ended is there; the rest of the places hold "none".
        const LeadsTable stored = TableFromImage(ReadFile(LeadsFile()));
        EXPECT_FALSE(Holds(stored, 550)) << "the Clear was undone";
        for (int entry = 1; entry <= kWriterEntries; ++entry) {
            if (entry <= done[1]) {
                EXPECT_FALSE(Holds(stored, 2000 + entry)) << entry << " outlived the Clear";
            } else if (entry > done[2] + 1) {
                EXPECT_TRUE(Holds(stored, 2000 + entry)) << entry << " is lost";
            }
        }
        for (int place = 0; place < kLeadPlaces; ++place) {
            const int points = stored.LeadPoints[place];
            EXPECT_TRUE(points == 0 ? LeadNameText(stored, place) == "none" : points > 2000)
                << "place " << place + 1 << " holds " << points;
        }
        if (HasFailure()) {
            break;
        }
    }
    ExpectRouteKept();
}

INSTANTIATE_TEST_SUITE_P(Routes, LeadsConcurrency, kAllRoutes, RouteName);

}  // namespace
}  // namespace tavro::test
