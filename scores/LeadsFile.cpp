// Loading, inserting into and clearing the Leads table's file "leads.dat" in the current working
// directory. Every rewrite goes to a temporary file in the same folder that then replaces the old
// one (QSaveFile), so a failed or interrupted write leaves the previous file whole. A file that
// cannot be opened for reading and writing is never replaced: that is reported as an error.
#include "scores/LeadsFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstring>

#include "scores/LeadsText.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tavro {
namespace {

constexpr char kDefaultName[] = "none";
constexpr std::uint8_t kDefaultNameLength = sizeof(kDefaultName) - 1;
constexpr qint64 kRecordSize = static_cast<qint64>(kLeadsFileSize);

[[noreturn]] void ThrowFileError(const QString& platformText) {
    throw LeadsFileError(
        (QString::fromLatin1(kLeadsFileName) + QStringLiteral(": ") + platformText).toStdString());
}

char* RecordBytes(LeadsTable& table) {
    return reinterpret_cast<char*>(&table);
}
const char* RecordBytes(const LeadsTable& table) {
    return reinterpret_cast<const char*>(&table);
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
    QFile file(QString::fromLatin1(kLeadsFileName));
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
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

// An existing file is replaced only when it could be opened for reading and writing, as a file
// rewritten in place would have to be; a write-protected file thus stays as it is.
void CheckReplaceable(const QString& fileName) {
    QFile existing(fileName);
    if (!existing.exists()) {
        return;
    }
    if (!existing.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        ThrowFileError(existing.errorString());
    }
}

// A new file gets what an ordinarily created file gets: read and write for everyone, less the
// umask. QSaveFile (Qt 6.4) makes its temporary file, and so the new file, private to the owner.
void SetNewFilePermissions(QSaveFile& file) {
#ifdef Q_OS_UNIX
    const mode_t mask = umask(0);
    umask(mask);
    QFileDevice::Permissions permissions;
    const auto allow = [&](mode_t bit, QFileDevice::Permission permission) {
        if (!(mask & bit)) {
            permissions |= permission;
        }
    };
    allow(S_IRUSR, QFileDevice::ReadOwner);
    allow(S_IWUSR, QFileDevice::WriteOwner);
    allow(S_IRGRP, QFileDevice::ReadGroup);
    allow(S_IWGRP, QFileDevice::WriteGroup);
    allow(S_IROTH, QFileDevice::ReadOther);
    allow(S_IWOTH, QFileDevice::WriteOther);
    file.setPermissions(permissions);
#else
    Q_UNUSED(file);
#endif
}

// Replaces the file with the table's 152-byte image, or throws and leaves the old file whole.
void WriteRecord(const LeadsTable& table) {
    const QString fileName = QString::fromLatin1(kLeadsFileName);
    const bool isNew = !QFile::exists(fileName);
    CheckReplaceable(fileName);
    QSaveFile file(fileName);
    // Unbuffered, so that every failing write is seen here: a write error met only while the
    // buffer is flushed inside commit() goes unnoticed, and a short file would replace the old.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        ThrowFileError(file.errorString());
    }
    if (isNew) {
        SetNewFilePermissions(file);
    }
    // A write that stops part-way is continued, so that the failing call gives the error text.
    qint64 written = 0;
    while (written < kRecordSize) {
        const qint64 count = file.write(RecordBytes(table) + written, kRecordSize - written);
        if (count <= 0) {
            ThrowFileError(file.errorString());  // QSaveFile drops the temporary file
        }
        written += count;
    }
    if (!file.commit()) {
        ThrowFileError(file.errorString());
    }
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
    if (ReadRecord(table)) {
        return;
    }
    // Missing, unreadable or short: a fresh file holds the default table. The table in memory
    // takes the default fields only once that file is in place.
    WriteRecord(DefaultLeads());
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
    WriteRecord(table);
}

void ClearLeads() {
    // The same name LoadLeads reads, so a case-sensitive file system removes that very file.
    QFile::remove(QString::fromLatin1(kLeadsFileName));
}

}  // namespace tavro
