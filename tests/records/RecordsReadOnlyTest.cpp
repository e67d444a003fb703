// SPDX-License-Identifier: GPL-3.0-or-later
// A record the player may read but not change is read, and said to be read-only with the
// reason: one in a folder that can't be written, another user's file, a write-protected file,
// and one made by a newer version of the game. Each case is read in a child that cannot bypass
// permissions (as "nobody" when the test runs as root); clearing it fails, and the file stays as
// it was.
#include <QCoreApplication>
#include <QFile>
#include <functional>

#include "leads/Unprivileged.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsQueries.h"
#include "records/RecordsSql.h"
#include "records/RecordsTestSupport.h"

namespace tavro::test {
namespace {

constexpr int kGames = 12;

void MakeRecord(const QString& path) {
    RecordsDatabase db(QStringLiteral("read-only-maker"));
    ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
    for (int n = 1; n <= kGames; ++n) {
        db.Insert(SampleGame(n));
    }
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetSchemaVersion(const QString& path, int version) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version"));
}

struct ReadOnlyCase {
    const char* name;
    // Arranges the data folder and its record (as the test's own user) before the child runs.
    std::function<void(const RecordsFolder&)> arrange;
    RecordsMessages::ReadOnly why;
};

const ReadOnlyCase kReadOnly[] = {
    {"a folder that can't be written",
     [](const RecordsFolder& folder) {
         ASSERT_TRUE(GiveTo(folder.Records(), 0644, false));
         ASSERT_TRUE(GiveTo(folder.Folder(), 0555, false));
     },
     RecordsMessages::ReadOnly::Folder},
    {"a write-protected file",
     [](const RecordsFolder& folder) {
         ASSERT_TRUE(GiveTo(folder.Records(), 0444, true));
         ASSERT_TRUE(GiveTo(folder.Folder(), 0755, true));
     },
     RecordsMessages::ReadOnly::File},
    {"another user's file",
     [](const RecordsFolder& folder) {
         // The record stays the test's own user's (root's, when run as root); the child only
         // reads it.
         ASSERT_TRUE(GiveTo(folder.Records(), 0644, false));
         if (::geteuid() == 0) {
             ASSERT_TRUE(GiveTo(folder.Folder(), 0755, true));
         } else {
             ASSERT_TRUE(GiveTo(folder.Records(), 0444, false));
         }
     },
     RecordsMessages::ReadOnly::File},
    {"a newer version's record",
     [](const RecordsFolder& folder) {
         SetSchemaVersion(folder.Records(), 7);
         ASSERT_TRUE(GiveTo(folder.Records(), 0600, true));
         ASSERT_TRUE(GiveTo(folder.Folder(), 0755, true));
     },
     RecordsMessages::ReadOnly::Newer},
    {"a newer version's record in a folder that can't be written",
     [](const RecordsFolder& folder) {
         SetSchemaVersion(folder.Records(), 7);
         ASSERT_TRUE(GiveTo(folder.Records(), 0644, false));
         ASSERT_TRUE(GiveTo(folder.Folder(), 0555, false));
     },
     RecordsMessages::ReadOnly::Newer},
};

// In the child: 0 when the record reads whole and says why it is read-only, and clearing it
// fails without damage being claimed.
int ReadAndTryToClear(const QString& path, RecordsMessages::ReadOnly why) {
    {
        RecordsDatabase db(QStringLiteral("read-only-reader"));
        const RecordsDatabase::Opening opening = db.Open(path, RecordsDatabase::Purpose::Reading);
        if (!opening.open) {
            return 10;
        }
        if (opening.readOnly != why) {
            return 20 + static_cast<int>(opening.readOnly);
        }
        if (ReadRecentGames(db.Db(), 100).size() != static_cast<std::size_t>(kGames) ||
            ReadSummaries(db.Db()).size() != 1) {
            return 30;
        }
    }
    try {
        RecordsDatabase db(QStringLiteral("read-only-clearer"));
        if (db.Open(path, RecordsDatabase::Purpose::Changing).open) {
            db.Clear();
        }
        return 40;
    } catch (const RecordsError& error) {
        return error.kind() == RecordsError::Kind::Damaged ? 50 : 0;
    }
}

TEST(RecordsReadOnly, ARecordThatCantBeChangedIsReadAndSaysWhy) {
    for (const ReadOnlyCase& c : kReadOnly) {
        SCOPED_TRACE(c.name);
        RecordsFolder folder;
        folder.OpenToOthers();
        MakeRecord(folder.Records());
        c.arrange(folder);
        const QByteArray before = Bytes(folder.Records());
        EXPECT_EQ(RunUnprivileged([&] { return ReadAndTryToClear(folder.Records(), c.why); }), 0);
        GiveTo(folder.Folder(), 0700, false);  // so the test can look and clean up
        EXPECT_TRUE(Bytes(folder.Records()) == before);
        EXPECT_EQ(folder.Entries().filter(QStringLiteral("damaged")), QStringList());
        EXPECT_EQ(Value(folder.Records(), QStringLiteral("SELECT count(*) FROM games")).toInt(),
                  kGames);
    }
}

}  // namespace
}  // namespace tavro::test
