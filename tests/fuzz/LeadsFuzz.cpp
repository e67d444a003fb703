// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the Leads file: arbitrary bytes as "leads.dat" go through LoadLeads and then
// InsertLead, with the score and the name also taken from the input. It aborts when the file
// is not what it must be afterwards, when a well-ordered table loses its order, or when anything
// named like the file but the file is left in the folder.
// Input: 4 bytes score (little-endian), 1 byte name length n, n bytes UTF-8 name, the file.
// Runs in the current working folder, which tools/fuzz.sh makes a temporary one.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scores/LeadsFile.h"
#include "scores/LeadsText.h"

namespace {

using tavro::LeadsTable;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "leads fuzz check failed: %s\n", what);
        std::abort();
    }
}

QByteArray Image(const LeadsTable& table) {
    return QByteArray(reinterpret_cast<const char*>(&table), sizeof table);
}

QByteArray FileBytes() {
    QFile file(QString::fromLatin1(tavro::kLeadsFileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool WellOrdered(const LeadsTable& table) {
    for (int place = 0; place < tavro::kLeadPlaces; ++place) {
        if (table.LeadNames[place].Length > tavro::kLeadNameLength) {
            return false;
        }
        if (place > 0 && table.LeadPoints[place] > table.LeadPoints[place - 1]) {
            return false;
        }
    }
    return true;
}

struct Input {
    std::int32_t Points = 0;
    QString Name;
    QByteArray File;
};

Input Split(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bytes.append(QByteArray(std::max<qsizetype>(0, 5 - bytes.size()), '\0'));
    Input input;
    std::memcpy(&input.Points, bytes.constData(), sizeof input.Points);
    const qsizetype nameLength =
        std::min<qsizetype>(static_cast<std::uint8_t>(bytes[4]), bytes.size() - 5);
    input.Name = QString::fromUtf8(bytes.mid(5, nameLength));
    input.File = bytes.mid(5 + nameLength);
    return input;
}

void CheckLoad(const Input& input, const LeadsTable& table) {
    if (input.File.size() >= static_cast<qsizetype>(tavro::kLeadsFileSize)) {
        Check(Image(table) == input.File.left(tavro::kLeadsFileSize), "whole record loaded");
        Check(FileBytes() == input.File, "a whole file is left as it is");
        return;
    }
    Check(FileBytes() == Image(tavro::DefaultLeads()), "a short file becomes the default");
    for (int place = 0; place < tavro::kLeadPlaces; ++place) {
        Check(tavro::LeadNameText(table, place) == QStringLiteral("none"), "default name");
        Check(table.LeadPoints[place] == 0, "default score");
    }
}

void CheckInsert(const Input& input, const LeadsTable& before, const LeadsTable& after,
                 const QByteArray& fileBefore) {
    // InsertLead reloads first; the loaded scores are those of the file.
    if (before.LeadPoints[tavro::kLeadPlaces - 1] >= input.Points) {
        // The table was reloaded, so it holds the file's record, and nothing else changed.
        Check(Image(after) == fileBefore.left(tavro::kLeadsFileSize), "no entry, table reloaded");
        Check(FileBytes() == fileBefore, "no entry, nothing written");
        return;
    }
    Check(FileBytes() == Image(after), "the file holds the new table, 152 bytes");
    // The entry goes before the first lower score; the places above keep theirs, those below
    // move down one.
    const auto lower = std::find_if(before.LeadPoints.begin(), before.LeadPoints.end(),
                                    [&](std::int32_t points) { return points < input.Points; });
    const int entered = static_cast<int>(lower - before.LeadPoints.begin());
    const QByteArray stored = tavro::EncodeWindows1252(input.Name, tavro::kLeadNameLength);
    Check(tavro::LeadNameText(after, entered) ==
              tavro::DecodeWindows1252(reinterpret_cast<const std::uint8_t*>(stored.constData()),
                                       static_cast<std::size_t>(stored.size())),
          "the name entered");
    Check(after.LeadPoints[entered] == input.Points, "the score entered");
    for (int place = 0; place < tavro::kLeadPlaces; ++place) {
        if (place == entered) {
            continue;
        }
        const int from = place < entered ? place : place - 1;
        Check(after.LeadPoints[place] == before.LeadPoints[from], "other scores kept or moved");
        Check(tavro::LeadNameText(after, place) == tavro::LeadNameText(before, from),
              "other names kept or moved");
    }
    if (WellOrdered(before)) {
        Check(WellOrdered(after), "a well-ordered table stays well-ordered");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Input input = Split(data, size);
    {
        QFile file(QString::fromLatin1(tavro::kLeadsFileName));
        Check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "test file opened");
        Check(file.write(input.File) == input.File.size(), "test file written");
    }
    LeadsTable table;
    std::memset(&table, 0xC3, sizeof table);  // earlier content the load must replace
    try {
        tavro::LoadLeads(table);
        CheckLoad(input, table);
        const LeadsTable before = table;
        const QByteArray fileBefore = FileBytes();
        tavro::InsertLead(table, input.Name, input.Points);
        CheckInsert(input, before, table, fileBefore);
        const QStringList left = QDir().entryList({QStringLiteral("leads.dat*")},
                                                  QDir::AllEntries | QDir::Hidden | QDir::System);
        Check(left == QStringList{QString::fromLatin1(tavro::kLeadsFileName)},
              "no temporary file is left");
    } catch (const tavro::LeadsFileError& error) {
        std::fprintf(stderr, "unexpected file error: %s\n", error.what());
        std::abort();
    }
    return 0;
}
