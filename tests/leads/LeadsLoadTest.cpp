// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and clearing the Leads file: the default file image, short and long files, hand-made
// content, and which file clearing removes.
#include <sys/stat.h>

#include "leads/LeadsTestSupport.h"

namespace tavro::test {
namespace {

using LeadsLoad = LeadsFileTest;

TEST_F(LeadsLoad, MissingFileIsCreatedWithTheDefaultImage) {
    LeadsTable table = LoadedLeads();
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());
    EXPECT_EQ(ImageOf(table), DefaultFileImage());
    EXPECT_EQ(ImageOf(DefaultLeads()), DefaultFileImage());
    for (int place = 0; place < kLeadPlaces; ++place) {
        EXPECT_EQ(LeadNameText(table, place), QStringLiteral("none"));
    }
    EXPECT_EQ(FolderEntries(), QStringList{LeadsFile()}) << "no temporary file may be left";
}

TEST_F(LeadsLoad, NewFileFollowsTheUmaskAndARewriteKeepsItsMode) {
    const mode_t previous = umask(022);
    LeadsTable table = LoadedLeads();
    umask(previous);
    struct stat info {};
    ASSERT_EQ(stat(kLeadsFileName, &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    ASSERT_EQ(chmod(kLeadsFileName, 0664), 0);
    InsertLead(table, QStringLiteral("Again"), 10);
    ASSERT_EQ(stat(kLeadsFileName, &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0664u);
}

TEST_F(LeadsLoad, WholeFileIsTakenAsItStandsWithoutChecks) {
    // Out of order, negative, a length byte above 10 and odd filler bytes: all loaded as stored.
    LeadsTable stored = MakeTable({{"Ann", -5}, {"Bob", 300}, {"Cy", 7}});
    stored.LeadNames[3].Length = 200;
    stored.LeadNames[3].Chars = {'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j'};
    stored.Filler = {0xAB, 0xCD};
    WriteFile(LeadsFile(), ImageOf(stored));

    LeadsTable table = LoadedLeads();
    EXPECT_EQ(ImageOf(table), ImageOf(stored));
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(stored));
    EXPECT_EQ(table.LeadPoints[0], -5);
    EXPECT_EQ(table.LeadPoints[1], 300);
    EXPECT_EQ(LeadNameText(table, 1), QStringLiteral("Bob"));
    EXPECT_EQ(LeadNameText(table, 3), QStringLiteral("abcdefghij")) << "length read as 10";
}

TEST_F(LeadsLoad, LengthByteDecidesWhereTheNameEnds) {
    LeadsTable stored = MakeTable({{"Alexandra", 10}});
    stored.LeadNames[0].Length = 2;  // "Al" written over a longer name leaves its tail behind
    WriteFile(LeadsFile(), ImageOf(stored));
    LeadsTable table = LoadedLeads();
    EXPECT_EQ(LeadNameText(table, 0), QStringLiteral("Al"));
}

TEST_F(LeadsLoad, ShortFilesAreReplacedByTheDefaultImage) {
    for (const int size : {0, 1, 151}) {
        SCOPED_TRACE(size);
        WriteFile(LeadsFile(), QByteArray(size, '\xAB'));
        LeadsTable table = LoadedLeads();
        EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());
        // In memory the delivered bytes stay, except the "none"/0 fields.
        for (int place = 0; place < kLeadPlaces; ++place) {
            EXPECT_EQ(LeadNameText(table, place), QStringLiteral("none"));
            EXPECT_EQ(table.LeadPoints[place], 0);
        }
        const std::uint8_t firstTail = size > 5 ? 0xAB : 0x00;
        EXPECT_EQ(table.LeadNames[0].Chars[4], firstTail);
        const std::uint8_t filler = size > 110 ? 0xAB : 0x00;
        EXPECT_EQ(table.Filler[0], filler);
    }
}

TEST_F(LeadsLoad, LongFileLoadsItsFirstRecordAndIsLeftAlone) {
    const LeadsTable stored = MakeTable({{"Long", 900}, {"File", 800}});
    const QByteArray bytes = ImageOf(stored) + QByteArray(48, '\x5A');
    WriteFile(LeadsFile(), bytes);

    LeadsTable table = LoadedLeads();
    EXPECT_EQ(ImageOf(table), ImageOf(stored));
    EXPECT_EQ(ReadFile(LeadsFile()), bytes);

    InsertLead(table, QStringLiteral("New"), 1000);
    EXPECT_EQ(ReadFile(LeadsFile()).size(), 152);
    EXPECT_EQ(ReadFile(LeadsFile()), ImageOf(table));
}

TEST_F(LeadsLoad, ClearRemovesTheFileAndTheNextLoadRecreatesIt) {
    WriteFile(LeadsFile(), ImageOf(MakeTable({{"Kept", 500}})));
    ClearLeads();
    EXPECT_FALSE(QFile::exists(LeadsFile()));
    LeadsTable table = MakeTable({{"Old", 1}});
    LoadLeads(table);
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());
    EXPECT_EQ(table.LeadPoints[0], 0);

    ClearLeads();
    ClearLeads();  // without a file: passed over in silence
    LoadLeads(table);
    EXPECT_EQ(ReadFile(LeadsFile()), DefaultFileImage());
}

TEST_F(LeadsLoad, OnlyTheLowerCaseNameIsOurs) {
    const QByteArray other = ImageOf(MakeTable({{"Other", 42}}));
    const QByteArray ours = ImageOf(MakeTable({{"Ours", 7}}));
    WriteFile(QStringLiteral("Leads.dat"), other);

    LeadsTable table = LoadedLeads();  // "Leads.dat" is another file here: ours is created
    EXPECT_EQ(ImageOf(table), DefaultFileImage());
    WriteFile(LeadsFile(), ours);

    ClearLeads();  // removes the very file LoadLeads reads
    EXPECT_FALSE(QFile::exists(LeadsFile()));
    EXPECT_EQ(ReadFile(QStringLiteral("Leads.dat")), other);
}

TEST_F(LeadsLoad, FolderInPlaceOfTheFileIsAnError) {
    ASSERT_TRUE(QDir(Folder()).mkdir(LeadsFile()));
    LeadsTable table = MakeTable({{"Kept", 3}});
    const QByteArray before = ImageOf(table);
    EXPECT_THROW(LoadLeads(table), LeadsFileError);
    EXPECT_EQ(ImageOf(table), before);
    EXPECT_TRUE(QFileInfo(LeadsFile()).isDir());
}

}  // namespace
}  // namespace tavro::test
