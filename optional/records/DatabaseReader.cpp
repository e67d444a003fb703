// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, exporting and clearing the record for the statistics window; see DatabaseReader.h.
// Every call catches what the record throws and hands it back as a fault, so no exception leaves
// the records module.
#include "records/DatabaseReader.h"

#include <QCoreApplication>
#include <atomic>
#include <exception>
#include <type_traits>
#include <utility>

#include "records/CsvExport.h"
#include "records/RecordsDatabase.h"
#include "records/RecordsFile.h"
#include "records/RecordsMessages.h"
#include "records/RecordsQueries.h"
#include "records/RecordsSql.h"

namespace tavro {
namespace {

QString UniqueConnectionName() {
    static std::atomic<int> count{0};
    return QStringLiteral("tavro-reading-%1").arg(++count);
}

QString PathOrDefault(const QString& path) {
    return path.isEmpty() ? RecordsFilePath() : path;
}

// Runs the body; what it throws becomes `fault` (a sentence naming `path`) and an empty result.
template <class Body>
auto Guarded(const QString& path, RecordsFault& fault, Body&& body) -> decltype(body()) {
    using Result = decltype(body());
    fault = RecordsFault{};
    try {
        return body();
    } catch (const RecordsError& error) {
        fault.kind = error.kind() == RecordsError::Kind::Busy ? RecordsFault::Kind::Locked
                                                              : RecordsFault::Kind::Failed;
        fault.text = RecordsMessages::FailureText(error, path);
    } catch (const std::exception& error) {
        fault.kind = RecordsFault::Kind::Failed;
        fault.text = QString::fromUtf8(error.what());
    } catch (...) {
        fault.kind = RecordsFault::Kind::Failed;
        fault.text = QCoreApplication::translate("tavro::ErrorReport", "Unknown error");
    }
    if constexpr (!std::is_void_v<Result>) {
        return Result{};
    }
}

class DatabaseView : public RecordsView {
public:
    DatabaseView() : db_(UniqueConnectionName()) {}

    RecordsDatabase& Db() { return db_; }
    void SetReadOnlyReason(QString why) { readOnly_ = std::move(why); }

    QString Path() const override { return db_.Path(); }
    QString ReadOnlyReason() const override { return readOnly_; }
    std::vector<SetModeSummary> Summaries(RecordsFault& fault) override {
        return Guarded(db_.Path(), fault, [this] { return ReadSummaries(db_.Db()); });
    }
    std::vector<StoredGame> RecentGames(int limit, RecordsFault& fault) override {
        return Guarded(db_.Path(), fault, [&] { return ReadRecentGames(db_.Db(), limit); });
    }
    std::vector<ScorePoint> Scores(const QString& setFolder, PlayMode mode, int limit,
                                   const std::optional<ComputerStrength>& strength,
                                   RecordsFault& fault) override {
        return Guarded(db_.Path(), fault,
                       [&] { return ReadScores(db_.Db(), setFolder, mode, limit, strength); });
    }

private:
    RecordsDatabase db_;
    QString readOnly_;
};

}  // namespace

QString DatabaseReader::DefaultPath() const {
    return RecordsFilePath();
}

QString DatabaseReader::LockedText(const QString& path) const {
    return RecordsMessages::LockedText(PathOrDefault(path));
}

std::unique_ptr<RecordsView> DatabaseReader::Read(const QString& path, int lockWaitMs,
                                                  QString& notice, RecordsFault& fault) {
    notice.clear();
    const QString records = PathOrDefault(path);
    return Guarded(records, fault, [&]() -> std::unique_ptr<RecordsView> {
        auto view = std::make_unique<DatabaseView>();
        view->Db().SetBusyTimeout(lockWaitMs);
        const RecordsDatabase::Opening opening =
            view->Db().Open(records, RecordsDatabase::Purpose::Reading);
        notice = opening.notice;
        if (!opening.open) {
            return nullptr;
        }
        view->SetReadOnlyReason(RecordsMessages::ReadOnlyText(opening.readOnly, view->Path()));
        return view;
    });
}

std::optional<int> DatabaseReader::ExportCsv(const QString& path, const QString& csvPath,
                                             const std::function<bool(int written)>& goOn,
                                             RecordsFault& fault) {
    const QString records = PathOrDefault(path);
    return Guarded(records, fault, [&]() -> std::optional<int> {
        RecordsDatabase db(UniqueConnectionName());
        if (!db.Open(records, RecordsDatabase::Purpose::Reading).open) {
            fault.kind = RecordsFault::Kind::Missing;
            return std::nullopt;
        }
        return ExportGamesCsv(db.Db(), csvPath, goOn);
    });
}

void DatabaseReader::Clear(const QString& path, RecordsFault& fault) {
    const QString records = PathOrDefault(path);
    Guarded(records, fault, [&] {
        RecordsDatabase db(UniqueConnectionName());
        if (db.Open(records, RecordsDatabase::Purpose::Changing).open) {
            db.Clear();
        }
    });
}

}  // namespace tavro
