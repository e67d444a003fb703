// SPDX-License-Identifier: GPL-3.0-or-later
// When games can't be recorded the game goes on, and the player is told once, not once a game:
// a data folder that can't be written, a record that can't be written, and a disk that fills up
// after the first game. What was recorded before stays whole. Each case runs in a child that
// cannot bypass permissions (as "nobody" when the test runs as root), writing five games.
#include <signal.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <functional>

#include "leads/Unprivileged.h"
#include "records/RecordWriter.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsTestSupport.h"

namespace tavro::test {
namespace {

void MakeRecord(const QString& path, int games) {
    RecordsDatabase db(QStringLiteral("faults-maker"));
    ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
    for (int n = 1; n <= games; ++n) {
        db.Insert(SampleGame(n));
    }
}

struct FaultCase {
    const char* name;
    // Arranges the data folder (as the test's own user) before the child runs.
    std::function<void(const RecordsFolder&)> arrange;
    // Called in the child after its first game, to make the fault then.
    bool fillTheDiskAfterTheFirstGame;
    int writtenByTheChild;  // games the child gets into the record
    int recordedAfter;      // games in the record afterwards (-1: no record)
};

const FaultCase kFaults[] = {
    {"a data folder that can't be written",
     [](const RecordsFolder& folder) { ASSERT_TRUE(GiveTo(folder.Folder(), 0555, false)); }, false,
     0, -1},
    {"a record that can't be written",
     [](const RecordsFolder& folder) {
         MakeRecord(folder.Records(), 2);
         ASSERT_TRUE(GiveTo(folder.Records(), 0444, false));
         ASSERT_TRUE(GiveTo(folder.Folder(), 0555, false));
     },
     false, 0, 2},
    {"a disk that fills up after the first game",
     [](const RecordsFolder& folder) { ASSERT_TRUE(GiveTo(folder.Folder(), 0755, true)); }, true, 1,
     1},
};

// In the child: five games, the disk filled after the first when the case says so. 0 when
// exactly one notice came and the expected number of games got in.
int FiveGames(const QString& path, const FaultCase& c) {
    int notices = 0;
    int written = 0;
    RecordWriter writer(QStringLiteral("faults"), [&notices](const QString&) { ++notices; });
    for (int n = 1; n <= 5; ++n) {
        if (writer.Write(path, SampleGame(100 + n)) > 0) {
            ++written;
        }
        if (n == 1 && c.fillTheDiskAfterTheFirstGame) {
            // No file may grow any more; the signal that would end the process is ignored, so
            // the writes fail as on a full disk.
            ::signal(SIGXFSZ, SIG_IGN);
            const rlimit none{1, 1};
            ::setrlimit(RLIMIT_FSIZE, &none);
        }
    }
    if (notices != 1) {
        return 10 + notices;
    }
    return written == c.writtenByTheChild ? 0 : 20 + written;
}

TEST(RecordsFaults, GamesThatCantBeRecordedAreToldOnceAndTheGameGoesOn) {
    for (const FaultCase& c : kFaults) {
        SCOPED_TRACE(c.name);
        RecordsFolder folder;
        folder.OpenToOthers();
        c.arrange(folder);
        EXPECT_EQ(RunUnprivileged([&] { return FiveGames(folder.Records(), c); }), 0);
        GiveTo(folder.Folder(), 0700, false);  // so the test can look and clean up
        if (c.recordedAfter < 0) {
            EXPECT_FALSE(QFileInfo::exists(folder.Records()));
            continue;
        }
        EXPECT_EQ(Value(folder.Records(), QStringLiteral("PRAGMA integrity_check")),
                  QStringLiteral("ok"));
        EXPECT_EQ(Value(folder.Records(), QStringLiteral("SELECT count(*) FROM games")).toInt(),
                  c.recordedAfter);
    }
}

}  // namespace
}  // namespace tavro::test
