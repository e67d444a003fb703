// SPDX-License-Identifier: GPL-3.0-or-later
// A damaged record is moved aside and a new one started, losing nothing: garbage, a file cut
// off, an empty file, a folder, a link to a device, a FIFO, a link that leads nowhere, another
// program's database and a database with a damaged page. The game's writer puts its game into a
// new record and tells the player once where the old one went; what was there lies under the
// dated name as it was. The statistics window, which only reads, moves aside what it can tell
// without reading every page. A record of a newer version is no damage:
// it stays where it is, untouched, and the player is told once that games are not recorded.
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <functional>

#include "records/RecordWriter.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsSql.h"
#include "records/RecordsTestSupport.h"

namespace tavro::test {
namespace {

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A good record of `games` games, closed (its journal written back into it).
void MakeRecord(const QString& path, int games) {
    RecordsDatabase db(QStringLiteral("damaged-maker"));
    ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
    std::vector<GameRecord> records;
    for (int n = 0; n < games; ++n) {
        records.push_back(SampleGame(n));
    }
    db.Insert(records);
}

struct DamageCase {
    const char* name;
    std::function<void(const QString& path)> make;
    bool seenByReading;  // told without reading every page
};

const DamageCase kDamage[] = {
    {"garbage", [](const QString& path) { WriteBytes(path, QByteArray(8192, 'x')); }, true},
    {"cut off",
     [](const QString& path) {
         MakeRecord(path, 400);
         const QByteArray whole = ReadBytes(path);
         ASSERT_GT(whole.size(), 16384);
         WriteBytes(path, whole.left(whole.size() / 2));
     },
     true},
    {"an empty file", [](const QString& path) { WriteBytes(path, {}); }, true},
    {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }, true},
    {"a link to a device",
     [](const QString& path) {
         ASSERT_EQ(::symlink("/dev/zero", QFile::encodeName(path).constData()), 0);
     },
     true},
    {"a FIFO",
     [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
     true},
    {"a link that leads nowhere",
     [](const QString& path) {
         ASSERT_EQ(::symlink("gone.sqlite", QFile::encodeName(path).constData()), 0);
     },
     true},
    {"another program's database",
     [](const QString& path) {
         {
             QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"),
                                                         QStringLiteral("other-program"));
             db.setDatabaseName(path);
             ASSERT_TRUE(db.open());
             QSqlQuery(db).exec(QStringLiteral("CREATE TABLE notes (text TEXT)"));
             QSqlQuery(db).exec(QStringLiteral("INSERT INTO notes VALUES ('mine')"));
         }
         QSqlDatabase::removeDatabase(QStringLiteral("other-program"));
     },
     true},
    {"a damaged page",
     [](const QString& path) {
         MakeRecord(path, 400);
         QByteArray bytes = ReadBytes(path);
         const int pageSize = 4096;
         ASSERT_GT(bytes.size(), 8 * pageSize);
         bytes.replace(3 * pageSize, pageSize, QByteArray(pageSize, '\x5a'));
         WriteBytes(path, bytes);
     },
     false},
};

// What the damaged path was, to compare with what lies under the dated name.
struct Kept {
    bool link = false;
    QString linkTarget;
    bool folder = false;
    bool fifo = false;
    QByteArray bytes;
};

Kept KeepOf(const QString& path) {
    struct stat status {};
    Kept kept;
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return kept;
    }
    kept.link = S_ISLNK(status.st_mode);
    kept.linkTarget = kept.link ? QFile::symLinkTarget(path) : QString();
    kept.folder = S_ISDIR(status.st_mode);
    kept.fifo = S_ISFIFO(status.st_mode);
    if (S_ISREG(status.st_mode)) {
        kept.bytes = ReadBytes(path);
    }
    return kept;
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

void ExpectKept(const Kept& before, const QString& movedTo) {
    const Kept after = KeepOf(movedTo);
    EXPECT_EQ(after.link, before.link);
    EXPECT_EQ(after.linkTarget, before.linkTarget);
    EXPECT_EQ(after.folder, before.folder);
    EXPECT_EQ(after.fifo, before.fifo);
    EXPECT_TRUE(after.bytes == before.bytes) << "the damaged file's bytes changed";
}

TEST(RecordsDamaged, TheGameMovesADamagedRecordAsideAndStartsANewOne) {
    for (const DamageCase& c : kDamage) {
        SCOPED_TRACE(c.name);
        RecordsFolder folder;
        c.make(folder.Records());
        const Kept before = KeepOf(folder.Records());
        QStringList notices;
        {
            RecordWriter writer(QStringLiteral("damaged-writer"),
                                [&notices](const QString& text) { notices << text; });
            EXPECT_GT(writer.Write(folder.Records(), SampleGame(1)), 0);
            EXPECT_GT(writer.Write(folder.Records(), SampleGame(2)), 0);
        }
        const QString movedTo = MovedAside(folder);
        ASSERT_FALSE(movedTo.isEmpty()) << folder.Entries().join(QLatin1Char(' ')).toStdString();
        ASSERT_EQ(notices.size(), 1) << notices.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(notices.front().contains(movedTo)) << notices.front().toStdString();
        ExpectKept(before, movedTo);
        EXPECT_EQ(Value(folder.Records(), QStringLiteral("PRAGMA integrity_check")),
                  QStringLiteral("ok"));
        EXPECT_EQ(Value(folder.Records(), QStringLiteral("SELECT count(*) FROM games")),
                  QStringLiteral("2"));
        EXPECT_EQ(ModeOf(folder.Records()), 0600u);
    }
}

TEST(RecordsDamaged, TheStatisticsWindowMovesAsideWhatItSeesWithoutReadingEveryPage) {
    for (const DamageCase& c : kDamage) {
        SCOPED_TRACE(c.name);
        RecordsFolder folder;
        c.make(folder.Records());
        const Kept before = KeepOf(folder.Records());
        RecordsDatabase db(QStringLiteral("damaged-reader"));
        const RecordsDatabase::Opening opening =
            db.Open(folder.Records(), RecordsDatabase::Purpose::Reading);
        if (!c.seenByReading) {
            EXPECT_TRUE(opening.open);  // the writer's full check finds it
            continue;
        }
        EXPECT_FALSE(opening.open);
        const QString movedTo = MovedAside(folder);
        ASSERT_FALSE(movedTo.isEmpty());
        EXPECT_TRUE(opening.notice.contains(movedTo)) << opening.notice.toStdString();
        ExpectKept(before, movedTo);
        // Reading makes no new record; the next game does.
        EXPECT_FALSE(QFileInfo::exists(folder.Records()));
    }
}

TEST(RecordsDamaged, ARecordOfANewerVersionIsLeftAloneWithOneNotice) {
    RecordsFolder folder;
    MakeRecord(folder.Records(), 3);
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(folder.Records());
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    QStringList notices;
    {
        RecordWriter writer(QStringLiteral("newer-writer"),
                            [&notices](const QString& text) { notices << text; });
        for (int n = 0; n < 3; ++n) {
            EXPECT_EQ(writer.Write(folder.Records(), SampleGame(n)), 0);
        }
    }
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices.front().contains(QStringLiteral("newer version")));
    EXPECT_TRUE(MovedAside(folder).isEmpty());
    EXPECT_EQ(Value(folder.Records(), QStringLiteral("SELECT count(*) FROM games")),
              QStringLiteral("3"));
    EXPECT_EQ(Value(folder.Records(), QStringLiteral("PRAGMA user_version")), QStringLiteral("99"));
}

}  // namespace
}  // namespace tavro::test
