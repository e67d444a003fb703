// SPDX-License-Identifier: GPL-3.0-or-later
// The records module's RecordReader: each look at the record is a read-only RecordsDatabase
// connection of its own, the export and the clearing open theirs on the thread that calls them,
// and every RecordsError becomes a RecordsFault with the sentence RecordsMessages has for it.
#pragma once

#include "records/RecordReader.h"

namespace tavro {

class DatabaseReader : public RecordReader {
public:
    QString DefaultPath() const override;
    QString LockedText(const QString& path) const override;
    std::unique_ptr<RecordsView> Read(const QString& path, int lockWaitMs, QString& notice,
                                      RecordsFault& fault) override;
    std::optional<int> ExportCsv(const QString& path, const QString& csvPath,
                                 const std::function<bool(int written)>& goOn,
                                 RecordsFault& fault) override;
    void Clear(const QString& path, RecordsFault& fault) override;
};

}  // namespace tavro
