// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, inserting into and clearing the Leads table's file "leads.dat" in the current working
// directory, each under the file's lock (LeadsFileLock.h). How the file is written is
// LeadsFileWrite's business; a file that cannot be opened for reading and writing, or that is
// not a regular file, is never replaced: that is reported.
#include "scores/LeadsFile.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "files/SafeFile.h"
#include "scores/LeadsFileLock.h"
#include "scores/LeadsFileWrite.h"
#include "scores/LeadsText.h"

namespace tavro {
namespace {

constexpr char kDefaultName[] = "none";
constexpr std::uint8_t kDefaultNameLength = sizeof(kDefaultName) - 1;
constexpr qint64 kRecordSize = static_cast<qint64>(kLeadsFileSize);

char* RecordBytes(LeadsTable& table) {
    return reinterpret_cast<char*>(&table);
}

// Sets the length byte and the first four characters to "none", leaving the other bytes.
void SetDefaultName(LeadName& slot) {
    slot.Length = kDefaultNameLength;
    std::memcpy(slot.Chars.data(), kDefaultName, kDefaultNameLength);
}

// The "none"/0 fields of every place; the bytes after each name and the filler stay as they are.
void ApplyDefaultFields(LeadsTable& table) {
    for (int place = kLeadPlaces - 1; place >= 0; --place) {
        SetDefaultName(table.LeadNames[place]);
        table.LeadPoints[place] = 0;
    }
}

// Opens the existing file for reading and writing (never creating it) and reads up to one
// record straight into the table. Bytes delivered by a short read stay in the table.
// Returns true when the whole record was read.
bool ReadRecord(LeadsTable& table) {
    QFile file;
    QString error;
    if (!OpenRegularFile(file, QString::fromLatin1(kLeadsFileName), QIODevice::ReadWrite, error)) {
        if (error == NotRegularFileText()) {
            ThrowLeadsFileError(error);  // it changed since it was checked
        }
        return false;
    }
    qint64 total = 0;
    while (total < kRecordSize) {
        const qint64 got = file.read(RecordBytes(table) + total, kRecordSize - total);
        if (got <= 0) {
            break;
        }
        total += got;
    }
    return total == kRecordSize;
}

// Copies a name with its length byte clamped to 10; the bytes after the name are cleared.
void CopyName(const LeadName& from, LeadName& to) {
    to.Length = std::min<std::uint8_t>(from.Length, kLeadNameLength);
    to.Chars.fill(0);
    std::copy_n(from.Chars.begin(), to.Length, to.Chars.begin());
}

// Whatever a load or a rewrite needs done first: the temporary files of rewrites cut short by a
// kill are removed, and anything but a regular file is refused before it is opened, and never
// replaced.
void PrepareForUse() {
    RemoveLeftoverTemporaries();
    CheckLeadsFileKind();
}

// LoadLeads' work under the lock: the table from the file, or, where the file is unreadable or
// short, the default table in a fresh file. The table in memory takes the default fields only
// once that file is in place. Under the lock, a short file is damaged, not being written.
void LoadLocked(LeadsTable& table) {
    if (ReadRecord(table)) {
        return;
    }
    WriteLeadsRecord(DefaultLeads());
    ApplyDefaultFields(table);
}

// Ends a wait for a file that is removed again and again before it can be locked.
void ThrowAfterDeadline(LeadsFileLock::Clock::time_point deadline) {
    if (LeadsFileLock::Clock::now() >= deadline) {
        ThrowLeadsLockTimeout();
    }
}

// The lock on "leads.dat", which is first made with the default table where it is missing.
LeadsFileLock LockExistingFile(std::chrono::milliseconds lockLimit) {
    const auto deadline = LeadsFileLock::Deadline(lockLimit);
    for (;;) {
        LeadsFileLock lock = LeadsFileLock::Acquire(deadline);
        if (!lock.FileMissing()) {
            return lock;
        }
        WriteNewLeadsFile(DefaultLeads());  // false: another copy made it meanwhile
        ThrowAfterDeadline(deadline);
    }
}

void SetName(LeadName& slot, const QString& name) {
    const QByteArray bytes = EncodeWindows1252(name, kLeadNameLength);
    slot.Length = static_cast<std::uint8_t>(bytes.size());
    slot.Chars.fill(0);
    std::memcpy(slot.Chars.data(), bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

LeadsTable DefaultLeads() {
    LeadsTable table{};
    ApplyDefaultFields(table);
    return table;
}

QString LeadNameText(const LeadsTable& table, int placeIndex) {
    const LeadName& slot = table.LeadNames.at(static_cast<std::size_t>(placeIndex));
    const std::size_t length = std::min<std::size_t>(slot.Length, kLeadNameLength);
    return DecodeWindows1252(slot.Chars.data(), length);
}

void LoadLeads(LeadsTable& table, std::chrono::milliseconds lockLimit) {
    PrepareForUse();
    const auto deadline = LeadsFileLock::Deadline(lockLimit);
    for (;;) {
        const LeadsFileLock lock = LeadsFileLock::Acquire(deadline);
        if (!lock.FileMissing()) {
            LoadLocked(table);
            return;
        }
        // Missing: a fresh file holds the default table. It comes into being whole, so no lock
        // is needed; when another copy made one meanwhile, that one is loaded under its lock.
        if (WriteNewLeadsFile(DefaultLeads())) {
            ApplyDefaultFields(table);
            return;
        }
        ThrowAfterDeadline(deadline);
    }
}

void InsertLead(LeadsTable& table, const QString& name, std::int32_t points,
                std::chrono::milliseconds lockLimit) {
    PrepareForUse();
    // One lock around the reload, the insertion and the write, so that no other copy's entry
    // made in between is written over.
    const LeadsFileLock lock = LockExistingFile(lockLimit);
    LoadLocked(table);
    auto& scores = table.LeadPoints;
    if (scores[kLeadPlaces - 1] >= points) {
        return;
    }
    // The first place with a lower score; a score equal to stored ones goes below all of them.
    const int place = static_cast<int>(
        std::find_if(scores.begin(), scores.end(), [&](std::int32_t s) { return s < points; }) -
        scores.begin());
    for (int k = kLeadPlaces - 1; k > place; --k) {
        CopyName(table.LeadNames[k - 1], table.LeadNames[k]);
        scores[k] = scores[k - 1];
    }
    SetName(table.LeadNames[place], name);
    scores[place] = points;
    WriteLeadsRecord(table);
}

void ClearLeads(std::chrono::milliseconds lockLimit) {
    const LeadsFileLock lock = LeadsFileLock::Acquire(LeadsFileLock::Deadline(lockLimit));
    // The same name LoadLeads reads, so a case-sensitive file system clears that very file.
    if (lock.FileMissing() || RemoveReplaceableLeadsFile()) {
        return;
    }
    // A link, a file with other names, another owner or extended attributes, or a folder that
    // keeps its files: the default table is written into the file, as a save would write a
    // table, so that the links and everything else about the file stay.
    try {
        WriteLeadsRecord(DefaultLeads());
        return;
    } catch (const LeadsFileError&) {
    }
    // A file that takes no writes (write-protected) is removed, unless the name is a link: that
    // would leave the table in the file it leads to and put a new file in the link's place.
    if (!LeadsFileIsLink()) {
        QFile::remove(QString::fromLatin1(kLeadsFileName));
    }
}

}  // namespace tavro
