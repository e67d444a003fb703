// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the Leads file tests: a fixture that runs each test in a fresh temporary
// working folder, byte-level file helpers, and builders for hand-made tables.
#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "scores/LeadsFile.h"

namespace tavro::test {

// The 152 bytes of a fresh default file, spelled out byte by byte.
inline QByteArray DefaultFileImage() {
    QByteArray image;
    for (int place = 0; place < 10; ++place) {
        image.append(QByteArray::fromHex("046E6F6E65000000000000"));
    }
    image.append(QByteArray(2 + 40, '\0'));
    return image;
}

inline QByteArray ImageOf(const LeadsTable& table) {
    return QByteArray(reinterpret_cast<const char*>(&table), sizeof table);
}

inline LeadsTable TableFromImage(const QByteArray& image) {
    LeadsTable table{};
    std::memcpy(&table, image.constData(), sizeof table);
    return table;
}

// Puts a Latin-1 name and a score into one place of the table.
inline void SetPlace(LeadsTable& table, int place, const char* name, int points) {
    LeadName& slot = table.LeadNames[place];
    slot.Chars.fill(0);
    slot.Length = static_cast<std::uint8_t>(std::strlen(name));
    std::memcpy(slot.Chars.data(), name, slot.Length);
    table.LeadPoints[place] = points;
}

// A table whose places hold the given names and scores, in order; places not given hold
// "none" and 0.
inline LeadsTable MakeTable(std::initializer_list<std::pair<const char*, int>> places) {
    LeadsTable table = DefaultLeads();
    int place = 0;
    for (const auto& [name, points] : places) {
        SetPlace(table, place++, name, points);
    }
    return table;
}

// A full table with the given scores, its places named "A" to "J" in order.
inline LeadsTable Lettered(const std::array<int, kLeadPlaces>& points) {
    LeadsTable table = DefaultLeads();
    for (int place = 0; place < kLeadPlaces; ++place) {
        const char name[] = {static_cast<char>('A' + place), '\0'};
        SetPlace(table, place, name, points[place]);
    }
    return table;
}

// The table as LoadLeads reads it into a zeroed record.
inline LeadsTable LoadedLeads() {
    LeadsTable table{};
    LoadLeads(table);
    return table;
}

inline void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

inline QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each test runs in its own empty working folder, and the previous one is restored afterwards.
class LeadsFileTest : public ::testing::Test {
protected:
    LeadsFileTest() = default;
    // Tests that write the file thousands of times may ask for a folder in memory (a tmpfs),
    // where flushing to disk costs nothing; without one, they work where the others do.
    explicit LeadsFileTest(bool inMemory) : inMemory_(inMemory) {}

    void SetUp() override {
        const QFileInfo memory(QStringLiteral("/dev/shm"));
        if (inMemory_ && memory.isDir() && memory.isWritable()) {
            folder_.emplace(QStringLiteral("/dev/shm/tavro-leads-XXXXXX"));
        } else {
            folder_.emplace();
        }
        ASSERT_TRUE(folder_->isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_->path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString Folder() const { return folder_->path(); }
    static QString LeadsFile() { return QString::fromLatin1(kLeadsFileName); }
    QStringList FolderEntries() const {
        return QDir(folder_->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    bool inMemory_ = false;
    std::optional<QTemporaryDir> folder_;
    QString previous_;
};

}  // namespace tavro::test
