// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the tests in which several copies of the program work on one Leads file: the
// routes by which "leads.dat" can lead to the table (each rewritten its own way), a gate that
// starts children at the same instant, and counters the children share with the test.
#pragma once

#include <signal.h>
#include <sys/mman.h>

#include <QDir>
#include <atomic>
#include <cstddef>
#include <new>
#include <string>
#include <vector>

#include "leads/ForkedChildren.h"
#include "leads/PermissionTestSupport.h"

namespace tavro::test {

// How "leads.dat" leads to the table, and so how a rewrite goes.
enum class Route {
    Plain,         // the player's own file in the player's folder: replaced atomically
    LinkReplaced,  // a symbolic link to a file in a folder the player may write: that file is
                   // replaced atomically beside itself
    LinkInPlace,   // a symbolic link to a file in a folder the player may not write
    HardLink,      // a file with a second name: written over in place
    LockedFolder,  // the player's file in a folder the player may not write: in place
};

inline std::string RouteName(const ::testing::TestParamInfo<Route>& info) {
    switch (info.param) {
        case Route::Plain:
            return "Plain";
        case Route::LinkReplaced:
            return "LinkReplaced";
        case Route::LinkInPlace:
            return "LinkInPlace";
        case Route::HardLink:
            return "HardLink";
        case Route::LockedFolder:
            return "LockedFolder";
    }
    return "Unknown";
}

inline const auto kAllRoutes = ::testing::Values(
    Route::Plain, Route::LinkReplaced, Route::LinkInPlace, Route::HardLink, Route::LockedFolder);

// Waits for a child and gives its exit code (kChildCrashed when a signal ended it).
inline int ExitCodeOf(pid_t child) {
    int status = 0;
    if (child <= 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return kChildCrashed;
    }
    return WEXITSTATUS(status);
}

// A working folder with "leads.dat" on one of the routes; the children run without privileges.
// The folder is in memory where the system has one, as these tests write thousands of times.
class LeadsRoutes : public LeadsPermission, public ::testing::WithParamInterface<Route> {
protected:
    LeadsRoutes() : LeadsPermission(true) {}

    // Lays out the route with the table in the file.
    void Arrange(const LeadsTable& table) {
        const Route route = GetParam();
        if (route != Route::LockedFolder) {
            SetFolder(true);
        }
        if (route == Route::LinkReplaced || route == Route::LinkInPlace) {
            ASSERT_TRUE(QDir().mkdir(QStringLiteral("elsewhere")));
            ASSERT_TRUE(QFile::link(TableFile(), LeadsFile()));
        }
        Store(table);
        if (route == Route::HardLink) {
            ASSERT_EQ(::link(kLeadsFileName, "second.dat"), 0);
        }
        if (route == Route::LinkReplaced || route == Route::LinkInPlace) {
            const bool open = route == Route::LinkReplaced;
            ASSERT_TRUE(GiveTo(QStringLiteral("elsewhere"), open ? 0755 : 0555, open));
        }
        if (route == Route::LockedFolder) {
            LockFolder();
        }
    }

    // Puts the table into the file the route leads to, in place, as the player's file.
    void Store(const LeadsTable& table) {
        WriteFile(TableFile(), ImageOf(table));
        ASSERT_TRUE(GiveTo(TableFile(), 0644, true));
    }

    // The file that holds the table on this route.
    QString TableFile() const {
        const Route route = GetParam();
        return route == Route::LinkReplaced || route == Route::LinkInPlace
                   ? QStringLiteral("elsewhere/table.dat")
                   : LeadsFile();
    }

    // What the route must still be after any number of rewrites and clears.
    void ExpectRouteKept() {
        const Route route = GetParam();
        if (route == Route::LinkReplaced || route == Route::LinkInPlace) {
            EXPECT_TRUE(S_ISLNK(StatusOf(LeadsFile(), false).st_mode)) << "the link is gone";
        }
        if (route == Route::HardLink) {
            const struct stat first = StatusOf(LeadsFile());
            const struct stat second = StatusOf(QStringLiteral("second.dat"));
            EXPECT_EQ(first.st_ino, second.st_ino) << "the second name lost the table";
        }
    }

    void TearDown() override {
        GiveTo(QStringLiteral("elsewhere"), 0755, false);
        LeadsPermission::TearDown();
    }
};

}  // namespace tavro::test
