// SPDX-License-Identifier: GPL-3.0-or-later
// Loading, inserting into and clearing the Leads table's file "leads.dat" in the current working
// directory. How the file is written is LeadsFileWrite's business; a file that cannot be opened
// for reading and writing, or that is not a regular file, is never replaced: that is reported.
#include "scores/LeadsFile.h"

#include <QFile>
#include <algorithm>
#include <cstring>

#include "files/SafeFile.h"
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

void LoadLeads(LeadsTable& table) {
    RemoveLeftoverTemporaries();
    // Anything but a regular file is refused before it is opened, and never replaced.
    CheckLeadsFileKind();
    if (ReadRecord(table)) {
        return;
    }
    // Missing, unreadable or short: a fresh file holds the default table. The table in memory
    // takes the default fields only once that file is in place.
    WriteLeadsRecord(DefaultLeads());
    ApplyDefaultFields(table);
}

void InsertLead(LeadsTable& table, const QString& name, std::int32_t points) {
    LoadLeads(table);
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

void ClearLeads() {
    // The same name LoadLeads reads, so a case-sensitive file system removes that very file.
    QFile::remove(QString::fromLatin1(kLeadsFileName));
}

}  // namespace tavro
