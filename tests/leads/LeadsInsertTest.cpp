// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a score into the Leads table: the place it takes, ties, what drops out, names, and
// that the file is re-read first and rewritten (or left untouched) afterwards.
#include <sys/stat.h>

#include <vector>

#include "leads/LeadsTestSupport.h"

namespace tavro::test {
namespace {

using LeadsInsert = LeadsFileTest;

std::vector<int> Points(const LeadsTable& table) {
    return {table.LeadPoints.begin(), table.LeadPoints.end()};
}

QStringList Names(const LeadsTable& table) {
    QStringList names;
    for (int place = 0; place < kLeadPlaces; ++place) {
        names << LeadNameText(table, place);
    }
    return names;
}

ino_t Inode(const QString& name) {
    struct stat info {};
    return stat(name.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
}

TEST_F(LeadsInsert, TieGoesBelowEqualScoresAndPlaceTenDropsOut) {
    WriteFile(LeadsFile(), ImageOf(Lettered({1000, 800, 800, 500, 0, 0, 0, 0, 0, 0})));
    LeadsTable table{};
    InsertLead(table, QStringLiteral("New"), 800);
    EXPECT_EQ(Points(table), (std::vector<int>{1000, 800, 800, 800, 500, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Names(table), (QStringList{"A", "B", "C", "New", "D", "E", "F", "G", "H", "I"}));
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(table));
}

TEST_F(LeadsInsert, ScoreEqualToPlaceTenChangesAndWritesNothing) {
    // A longer-than-record file would be cut to 152 bytes by any rewrite.
    const QByteArray bytes =
        ImageOf(Lettered({90, 80, 70, 60, 50, 40, 30, 20, 10, 5})) + QByteArray(10, 'x');
    WriteFile(LeadsFile(), bytes);
    const ino_t before = Inode(LeadsFile());
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Same"), 5);
    InsertLead(table, QStringLiteral("Less"), 4);
    EXPECT_EQ(ReadFile(LeadsFile()), bytes);
    EXPECT_EQ(Inode(LeadsFile()), before);
    EXPECT_EQ(Names(table).last(), QStringLiteral("J"));
}

TEST_F(LeadsInsert, OnTheDefaultTableOneEntersFirstAndZeroDoesNot) {
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Zero"), 0);
    InsertLead(table, QStringLiteral("Minus"), -20);
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());

    InsertLead(table, QStringLiteral("One"), 1);
    EXPECT_EQ(Points(table), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    QStringList expected{"One"};
    for (int i = 0; i < 9; ++i) {
        expected << QStringLiteral("none");
    }
    EXPECT_EQ(Names(table), expected);
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(table));
}

TEST_F(LeadsInsert, ReloadsTheFileBeforeInserting) {
    LeadsTable table = LoadedLeads();
    // Another copy of the game wrote meanwhile: the insertion builds on the file, not on memory.
    WriteFile(LeadsFile(), ImageOf(MakeTable({{"Other", 500}})));
    InsertLead(table, QStringLiteral("Me"), 100);
    EXPECT_EQ(Names(table).mid(0, 3), (QStringList{"Other", "Me", "none"}));
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(table));
}

TEST_F(LeadsInsert, NamesAreCutToTenAndMayBeEmpty) {
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Maximilianus"), 30);
    InsertLead(table, QString(), 20);
    EXPECT_EQ(LeadNameText(table, 0), QStringLiteral("Maximilian"));
    EXPECT_EQ(table.LeadNames[0].Length, 10);
    EXPECT_EQ(LeadNameText(table, 1), QString());
    EXPECT_EQ(table.LeadNames[1].Length, 0);
    EXPECT_EQ(Names(LoadedLeads()), Names(table));
}

TEST_F(LeadsInsert, ShorterNameOverLongerReadsAsTheShorterOne) {
    WriteFile(LeadsFile(), ImageOf(MakeTable({{"Alexandra", 1000}, {"Bo", 500}})));
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Cy"), 700);   // "Bo" moves over "none"
    InsertLead(table, QStringLiteral("Di"), 2000);  // "Di" at place 1, "Alexandra" below
    InsertLead(table, QStringLiteral("E"), 1500);   // "E" over "Alexandra"
    EXPECT_EQ(Names(table).mid(0, 6), (QStringList{"Di", "E", "Alexandra", "Cy", "Bo", "none"}));
    EXPECT_EQ(Names(LoadedLeads()), Names(table));
}

TEST_F(LeadsInsert, HandMadeTablesTakeTheFirstLowerPlace) {
    WriteFile(LeadsFile(), ImageOf(Lettered({5, 100, -3, 50, -10, -20, -30, -40, -50, -60})));
    LeadsTable table{};
    InsertLead(table, QStringLiteral("New"), 20);
    EXPECT_EQ(Points(table), (std::vector<int>{20, 5, 100, -3, 50, -10, -20, -30, -40, -50}));

    WriteFile(LeadsFile(), ImageOf(Lettered({-1, -2, -3, -4, -5, -6, -7, -8, -9, -10})));
    InsertLead(table, QStringLiteral("Neg"), -5);
    EXPECT_EQ(Points(table), (std::vector<int>{-1, -2, -3, -4, -5, -5, -6, -7, -8, -9}));
    EXPECT_EQ(LeadNameText(table, 5), QStringLiteral("Neg"));
}

TEST_F(LeadsInsert, OverlongLengthBytesAreClampedWhenMovedDown) {
    LeadsTable stored = MakeTable({{"Top", 100}});
    stored.LeadNames[0].Length = 255;
    stored.LeadNames[0].Chars = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    WriteFile(LeadsFile(), ImageOf(stored));
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Best"), 200);
    EXPECT_EQ(table.LeadNames[1].Length, 10);
    EXPECT_EQ(LeadNameText(table, 1), QStringLiteral("0123456789"));
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(table));
}

TEST_F(LeadsInsert, ExtremeScoresKeepTheirValue) {
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Max"), std::numeric_limits<std::int32_t>::max());
    InsertLead(table, QStringLiteral("Also"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(table.LeadPoints[0], std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(Names(table).mid(0, 2), (QStringList{"Max", "Also"}));
    const QByteArray file = ReadFile(LeadsFile());
    EXPECT_EQ(file.mid(112, 4), QByteArray::fromHex("FFFFFF7F")) << "little-endian on disk";
}

}  // namespace
}  // namespace tavro::test
