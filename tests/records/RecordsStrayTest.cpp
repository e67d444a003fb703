// SPDX-License-Identifier: GPL-3.0-or-later
// What lies beside the record is never let into it before the record is judged: a log or a
// rollback journal of another database beside a good record gets the record moved aside with
// every game in it, by the game's writer and by the statistics window alike. What a copy killed
// while making a record left (".records-new-*") goes at the next start, and only that. And the
// faults SQLite and the system report are told apart: a full disk, a lock, damage.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <cerrno>

#include "records/RecordWriter.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsMessages.h"
#include "records/RecordsSql.h"
#include "records/RecordsTestSupport.h"

namespace tavro::test {
namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

void MakeRecord(const QString& path, int games) {
    RecordsDatabase db(QStringLiteral("stray-maker"));
    ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
    std::vector<GameRecord> records;
    for (int n = 0; n < games; ++n) {
        records.push_back(SampleGame(n));
    }
    db.Insert(records);
}

// A journal of another program's database, taken while that database is open: its write-ahead
// log, or the rollback journal of a transaction half-way.
QByteArray AnotherDatabasesJournal(const QString& folder, const char* suffix) {
    const QString other = folder + QStringLiteral("/other.sqlite");
    const bool log = QLatin1String(suffix) == QLatin1String("-wal");
    QByteArray journal;
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other-journal"));
        db.setDatabaseName(other);
        EXPECT_TRUE(db.open());
        const auto run = [&db](const QString& sql) { EXPECT_TRUE(QSqlQuery(db).exec(sql)); };
        run(log ? QStringLiteral("PRAGMA journal_mode = WAL")
                : QStringLiteral("PRAGMA journal_mode = DELETE"));
        run(QStringLiteral("PRAGMA wal_autocheckpoint = 0"));
        run(QStringLiteral("PRAGMA cache_size = 1"));  // pages spill: the journal is written
        run(QStringLiteral("CREATE TABLE notes (text TEXT)"));
        run(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 500) INSERT INTO notes SELECT printf('%0200d', i) FROM n"));
        if (!log) {
            run(QStringLiteral("BEGIN"));
            run(QStringLiteral("UPDATE notes SET text = 'mine'"));
        }
        journal = ReadBytes(other + QLatin1String(suffix));
        if (!log) {
            run(QStringLiteral("ROLLBACK"));
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other-journal"));
    QFile::remove(other);
    return journal;
}

QString MovedAside(const RecordsFolder& folder) {
    for (const QString& entry : folder.Entries()) {
        if (entry.startsWith(QStringLiteral("records-damaged-")) &&
            entry.endsWith(QStringLiteral(".sqlite"))) {
            return folder.Folder() + QLatin1Char('/') + entry;
        }
    }
    return {};
}

struct StrayCase {
    const char* name;
    const char* suffix;  // the stray journal's
    RecordsDatabase::Purpose purpose;
};

const StrayCase kStray[] = {
    {"a log, by the game's writer", "-wal", RecordsDatabase::Purpose::Writing},
    {"a log, by the statistics window", "-wal", RecordsDatabase::Purpose::Reading},
    {"a log, by clearing", "-wal", RecordsDatabase::Purpose::Changing},
    {"a rollback journal, by the game's writer", "-journal", RecordsDatabase::Purpose::Writing},
    {"a rollback journal, by the statistics window", "-journal", RecordsDatabase::Purpose::Reading},
};

TEST(RecordsStray, AStrayJournalBesideAGoodRecordGetsItMovedAsideWithEveryGame) {
    for (const StrayCase& c : kStray) {
        SCOPED_TRACE(c.name);
        RecordsFolder folder;
        MakeRecord(folder.Records(), 40);
        const QByteArray record = ReadBytes(folder.Records());
        const QString suffix = QLatin1String(c.suffix);
        const QByteArray journal = AnotherDatabasesJournal(folder.Folder(), c.suffix);
        ASSERT_FALSE(journal.isEmpty());
        WriteBytes(folder.Records() + suffix, journal);

        RecordsDatabase db(QStringLiteral("stray-opener"));
        const RecordsDatabase::Opening opening = db.Open(folder.Records(), c.purpose);
        db.Close();
        const QString movedTo = MovedAside(folder);
        ASSERT_FALSE(movedTo.isEmpty()) << folder.Entries().join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(opening.notice.contains(movedTo)) << opening.notice.toStdString();
        // The record as it was, the stray journal beside it; without it the record holds every
        // game.
        EXPECT_TRUE(ReadBytes(movedTo) == record) << "the record was changed before it was moved";
        EXPECT_TRUE(ReadBytes(movedTo + suffix) == journal);
        QFile::remove(movedTo + suffix);
        QFile::remove(movedTo + QStringLiteral("-shm"));
        EXPECT_EQ(Value(movedTo, QStringLiteral("SELECT count(*) FROM games")),
                  QStringLiteral("40"));
        EXPECT_FALSE(QFileInfo::exists(folder.Records() + suffix));
    }
}

// An entry in the data folder and whether the next start removes it.
struct LeftoverCase {
    const char* name;
    const char* entry;
    std::function<bool(const QString& path)> make;  // false: can't be made here (skipped)
    bool removed;
};

bool MakeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("SQLite format 3", 16) == 16;
}

const LeftoverCase kLeftovers[] = {
    {"a half-made record", ".records-new-Ab12Cd", MakeFile, true},
    {"its log", ".records-new-Ab12Cd-wal", MakeFile, true},
    {"its index", ".records-new-Ab12Cd-shm", MakeFile, true},
    {"its rollback journal", ".records-new-Ab12Cd-journal", MakeFile, true},
    {"another name", ".records-new-Ab12C", MakeFile, false},
    {"a longer name", ".records-new-Ab12Cde", MakeFile, false},
    {"another suffix", ".records-new-Ab12Cd-old", MakeFile, false},
    {"a folder", ".records-new-Xy34Zw", [](const QString& path) { return QDir().mkdir(path); },
     false},
    {"a link to a file of the player's", ".records-new-Lk78Mn",
     [](const QString& path) {
         const QString target = QFileInfo(path).path() + QStringLiteral("/../keep.txt");
         return MakeFile(target) && QFile::link(target, path);
     },
     false},
    {"another user's file", ".records-new-Qr56St",
     [](const QString& path) {
         // Only root can give a file away; as anyone else the case can't be made.
         return ::geteuid() == 0 && MakeFile(path) &&
                ::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
     },
     false},
};

TEST(RecordsStray, WhatAKilledCopyLeftWhileMakingARecordGoesAtTheNextStart) {
    RecordsFolder folder;
    std::vector<const LeftoverCase*> made;
    for (const LeftoverCase& c : kLeftovers) {
        const QString entry = QString::fromLatin1(c.entry);
        if (c.make(folder.Folder() + QLatin1Char('/') + entry)) {
            made.push_back(&c);
        }
    }
    ASSERT_GE(made.size(), std::size(kLeftovers) - 1);
    RecordWriter writer(QStringLiteral("leftovers-writer"), {});
    ASSERT_GT(writer.Write(folder.Records(), SampleGame(1)), 0);
    const QStringList entries = folder.Entries();
    for (const LeftoverCase* c : made) {
        SCOPED_TRACE(c->name);
        EXPECT_EQ(!entries.contains(QString::fromLatin1(c->entry)), c->removed);
    }
    EXPECT_TRUE(QFileInfo::exists(folder.Folder() + QStringLiteral("/../keep.txt")));
    EXPECT_EQ(Value(folder.Records(), QStringLiteral("SELECT count(*) FROM games")),
              QStringLiteral("1"));
}

// SQLite's result codes (as Qt's driver gives them) and system errors, by the kind they are.
struct KindCase {
    const char* name;
    const char* sqliteCode;  // nullptr: the errno below
    int error;
    RecordsError::Kind kind;
};

const KindCase kKinds[] = {
    {"SQLITE_FULL", "13", 0, RecordsError::Kind::NoSpace},
    {"ENOSPC", nullptr, ENOSPC, RecordsError::Kind::NoSpace},
    {"EDQUOT", nullptr, EDQUOT, RecordsError::Kind::NoSpace},
    {"SQLITE_BUSY", "5", 0, RecordsError::Kind::Busy},
    {"SQLITE_BUSY_SNAPSHOT", "517", 0, RecordsError::Kind::Busy},
    {"SQLITE_LOCKED", "6", 0, RecordsError::Kind::Busy},
    {"SQLITE_CORRUPT", "11", 0, RecordsError::Kind::Damaged},
    {"SQLITE_NOTADB", "26", 0, RecordsError::Kind::Damaged},
    {"SQLITE_IOERR_WRITE", "778", 0, RecordsError::Kind::Other},
    {"EACCES", nullptr, EACCES, RecordsError::Kind::Other},
};

TEST(RecordsStray, FaultsAreToldApartAndAFullDiskIsSaidSo) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.name);
        const RecordsError::Kind kind =
            c.sqliteCode == nullptr
                ? KindOfErrno(c.error)
                : KindOf(QSqlError(QStringLiteral("driver"), QStringLiteral("database text"),
                                   QSqlError::StatementError, QString::fromLatin1(c.sqliteCode)));
        EXPECT_EQ(kind, c.kind);
        const QString text =
            RecordsMessages::FailureText(RecordsError(kind, QStringLiteral("disk I/O error")),
                                         QStringLiteral("/data/records.sqlite"));
        EXPECT_TRUE(text.contains(QStringLiteral("/data/records.sqlite")));
        EXPECT_EQ(text.contains(QStringLiteral("no space left")),
                  c.kind == RecordsError::Kind::NoSpace)
            << text.toStdString();
    }

    // A record that can grow no more gives SQLite's "full", the kind said as no space left.
    RecordsFolder folder;
    MakeRecord(folder.Records(), 1);
    RecordsDatabase db(QStringLiteral("full-disk"));
    ASSERT_TRUE(db.Open(folder.Records(), RecordsDatabase::Purpose::Writing).open);
    const int pages = SqlValue(db.Db(), QStringLiteral("PRAGMA page_count")).toInt();
    SqlValue(db.Db(), QStringLiteral("PRAGMA max_page_count = %1").arg(pages));
    std::vector<GameRecord> many;
    for (int n = 0; n < 2000; ++n) {
        many.push_back(SampleGame(n));
    }
    try {
        db.Insert(many);
        ADD_FAILURE() << "the record grew beyond its pages";
    } catch (const RecordsError& error) {
        EXPECT_EQ(error.kind(), RecordsError::Kind::NoSpace) << error.what();
    }
}

}  // namespace
}  // namespace tavro::test
