// Names in the one-byte slots: Windows-1252 both ways, "?" for what it cannot hold, and the
// cut to ten characters, through the file as well.
#include "leads/LeadsTestSupport.h"
#include "scores/LeadsText.h"

namespace tavro::test {
namespace {

QByteArray Encode(const QString& text) {
    return EncodeWindows1252(text, kLeadNameLength);
}

TEST(LeadsText, EveryByteDecodesAndEncodesBackToItself) {
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);
        const QString text = DecodeWindows1252(&byte, 1);
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(Encode(text), QByteArray(1, static_cast<char>(byte))) << value;
    }
}

TEST(LeadsText, CharactersOnlyTheCodePageHas) {
    EXPECT_EQ(Encode(QStringLiteral("€")), QByteArray("\x80"));
    EXPECT_EQ(Encode(QStringLiteral("Œž“”")), QByteArray("\x8C\x9E\x93\x94"));
    const std::uint8_t undefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    EXPECT_EQ(DecodeWindows1252(undefined, 5), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
    // C1 characters that have another byte's place in the code page cannot be stored.
    EXPECT_EQ(Encode(QStringLiteral("\u0080\u0099")), QByteArray("??"));
}

TEST(LeadsText, UnsupportedCharactersBecomeOneQuestionMarkEach) {
    EXPECT_EQ(Encode(QStringLiteral("漢字")), QByteArray("??"));
    EXPECT_EQ(Encode(QStringLiteral("a😀b")), QByteArray("a?b")) << "outside the BMP";
    EXPECT_EQ(Encode(QStringLiteral("e\u0301")), QByteArray("\xE9")) << "accent composed";
}

TEST(LeadsText, CutToTenCharacters) {
    EXPECT_EQ(Encode(QStringLiteral("Zoë Åströmberg")), QByteArray("Zo\xEB \xC5str\xF6m"));
    EXPECT_EQ(Encode(QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀")), QByteArray(10, '?'));
}

using LeadsTextFile = LeadsFileTest;

TEST_F(LeadsTextFile, LatinNamesRoundTripThroughTheFile) {
    LeadsTable table{};
    InsertLead(table, QStringLiteral("Zoë Åströmberg"), 300);
    InsertLead(table, QStringLiteral("€ 漢"), 200);
    InsertLead(table, QStringLiteral("Šárka"), 100);
    LeadsTable reread = LoadedLeads();
    EXPECT_EQ(LeadNameText(reread, 0), QStringLiteral("Zoë Åström"));
    EXPECT_EQ(LeadNameText(reread, 1), QStringLiteral("€ ?"));
    EXPECT_EQ(LeadNameText(reread, 2), QStringLiteral("Šárka"));
    EXPECT_EQ(ReadFile(LeadsFile()).mid(0, 11), QByteArray("\x0AZo\xEB \xC5str\xF6m"));
}

}  // namespace
}  // namespace tavro::test
