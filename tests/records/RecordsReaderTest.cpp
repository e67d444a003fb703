// SPDX-License-Identifier: GPL-3.0-or-later
// The reader the records module offers the statistics window, through the real module as the
// game loads it: the same root object records and reads; a record read, exported (and an export
// called off) and cleared; and each way the record can fail to be read comes back as a fault or
// a notice with the player's sentence, never as an exception out of the module.
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include "modules/ModuleLoader.h"
#include "records/GameRecorder.h"
#include "records/RecordReader.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsMessages.h"
#include "records/RecordsTestSupport.h"

namespace tavro::test {
namespace {

class RecordsReader : public ::testing::Test {
protected:
    void SetUp() override {
        SetModuleFolder(QStringLiteral(TAVRO_MODULE_DIR));
        QString error;
        reader_ = LoadModuleAs<RecordReader>(QStringLiteral("records"), &error);
        ASSERT_NE(reader_, nullptr) << error.toStdString();
    }
    void TearDown() override { SetModuleFolder(QString()); }
    RecordsFolder folder_;
    RecordReader* reader_ = nullptr;
};

TEST_F(RecordsReader, ReadsExportsAndClearsWhatTheSameModuleRecorded) {
    // One owner: the recorder and the reader are the module's one root object.
    auto* recorder = LoadModuleAs<GameRecorder>(QStringLiteral("records"));
    ASSERT_EQ(dynamic_cast<RecordReader*>(recorder), reader_);
    EXPECT_EQ(reader_->DefaultPath(), folder_.Records());
    for (int n = 0; n < 5; ++n) {
        recorder->Record(SampleGame(n, n == 2 ? GameEnd::LeftByNew : GameEnd::Finished));
    }
    ASSERT_TRUE(recorder->WaitForWrites(20000));

    QString notice;
    RecordsFault fault;
    std::unique_ptr<RecordsView> view = reader_->Read(QString(), 1000, notice, fault);
    ASSERT_NE(view, nullptr) << fault.text.toStdString();
    EXPECT_TRUE(notice.isEmpty());
    EXPECT_TRUE(view->ReadOnlyReason().isEmpty());
    const std::vector<SetModeSummary> summaries = view->Summaries(fault);
    ASSERT_EQ(summaries.size(), 1u);
    EXPECT_EQ(summaries[0].played, 5);
    EXPECT_EQ(summaries[0].finished, 4);
    const std::vector<StoredGame> recent = view->RecentGames(3, fault);
    ASSERT_EQ(recent.size(), 3u);
    EXPECT_EQ(recent[0].score, 1004);  // newest first
    EXPECT_EQ(view->Scores(QStringLiteral("animals"), PlayMode::OnePlayer, 10, {}, fault).size(),
              4u);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::None);

    const QString csv = folder_.Folder() + QStringLiteral("/games.csv");
    EXPECT_EQ(reader_->ExportCsv(
                  QString(), csv, [](int) { return false; }, fault),
              std::nullopt);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::None);
    EXPECT_FALSE(QFile::exists(csv));  // called off: nothing written
    EXPECT_EQ(reader_->ExportCsv(
                  QString(), csv, [](int) { return true; }, fault),
              5);
    reader_->Clear(QString(), fault);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::None);
    view = reader_->Read(QString(), 1000, notice, fault);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->Summaries(fault).empty());
}

TEST_F(RecordsReader, AFailedReadIsAFaultOrNoticeForThePlayer) {
    const QString path = folder_.Records();
    QString notice;
    RecordsFault fault;
    // Nothing recorded: no view and no fault; the export says it is missing, clearing is a no-op.
    EXPECT_EQ(reader_->Read(path, 100, notice, fault), nullptr);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::None);
    reader_->ExportCsv(path, path + QStringLiteral(".csv"), {}, fault);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::Missing);
    reader_->Clear(path, fault);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::None);

    // Damaged: moved aside with a notice, and nothing to show.
    {
        QFile garbage(path);
        ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, 'x'));
    }
    EXPECT_EQ(reader_->Read(path, 100, notice, fault), nullptr);
    EXPECT_EQ(fault.kind, RecordsFault::Kind::None);
    EXPECT_TRUE(notice.contains(QStringLiteral("records-damaged-"))) << notice.toStdString();
    EXPECT_FALSE(QFile::exists(path));

    // Another program holds the record: Locked, with the question the window asks.
    {
        RecordsDatabase db(QStringLiteral("reader-test"));
        ASSERT_TRUE(db.Open(path, RecordsDatabase::Purpose::Writing).open);
        db.Insert(SampleGame(1));
    }
    {
        QSqlDatabase holder =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(path);
        ASSERT_TRUE(holder.open());
        for (const char* sql :
             {"PRAGMA locking_mode = EXCLUSIVE", "BEGIN EXCLUSIVE", "DELETE FROM players"}) {
            ASSERT_TRUE(QSqlQuery(holder).exec(QString::fromLatin1(sql)));
        }
        EXPECT_EQ(reader_->Read(path, 50, notice, fault), nullptr);
        EXPECT_EQ(fault.kind, RecordsFault::Kind::Locked);
        EXPECT_EQ(fault.text, RecordsMessages::LockedText(path));
        EXPECT_EQ(fault.text, reader_->LockedText(path));
        QSqlQuery(holder).exec(QStringLiteral("ROLLBACK"));
        holder.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}

}  // namespace
}  // namespace tavro::test
