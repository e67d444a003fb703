// SPDX-License-Identifier: GPL-3.0-or-later
// Names in the one-byte slots: Windows-1252 both ways, "?" for what it cannot hold, and the
// cut to ten characters, through the file as well.
#include "leads/LeadsTestSupport.h"
#include "scores/LeadsText.h"

namespace tavro::test {
namespace {

QByteArray Encode(const QString& text) {
    return EncodeWindows1252(text, kLeadNameLength);
}

// The bytes that decode to control characters: C0, DEL and the five the code page leaves
// undefined.
bool IsControlByte(int value) {
    return value < 0x20 || value == 0x7F || value == 0x81 || value == 0x8D || value == 0x8F ||
           value == 0x90 || value == 0x9D;
}

TEST(LeadsText, EveryByteDecodesAndEveryPrintableOneEncodesBackToItself) {
    for (int value = 0; value < 256; ++value) {
        const auto byte = static_cast<std::uint8_t>(value);
        const QString text = DecodeWindows1252(&byte, 1);
        ASSERT_EQ(text.size(), 1);
        const QByteArray expected(1, IsControlByte(value) ? ' ' : static_cast<char>(byte));
        EXPECT_EQ(Encode(text), expected) << value;
    }
}

TEST(LeadsText, CharactersOnlyTheCodePageHas) {
    EXPECT_EQ(Encode(QStringLiteral("€")), QByteArray("\x80"));
    EXPECT_EQ(Encode(QStringLiteral("Œž“”")), QByteArray("\x8C\x9E\x93\x94"));
    const std::uint8_t undefined[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
    EXPECT_EQ(DecodeWindows1252(undefined, 5), QStringLiteral("\u0081\u008D\u008F\u0090\u009D"));
}

// A pasted name keeps its length, but tabs, line breaks and other controls enter as spaces, so
// that the name keeps to its one row.
TEST(LeadsText, ControlCharactersEnterAsSpaces) {
    EXPECT_EQ(Encode(QStringLiteral("A\tB\x01"
                                    "C\nD")),
              QByteArray("A B C D"));
    EXPECT_EQ(Encode(QStringLiteral("\r\x1B[1m\x7F\u0085\u009D")), QByteArray("  [1m   "));
    // C1 controls, also those that share a number with a letter of the code page.
    EXPECT_EQ(Encode(QStringLiteral("\u0080\u0099")), QByteArray("  "));
    EXPECT_EQ(Encode(QString(QChar(0))), QByteArray(" "));
}

TEST(LeadsText, UnsupportedCharactersBecomeOneQuestionMarkEach) {
    EXPECT_EQ(Encode(QStringLiteral("漢字")), QByteArray("??"));
    EXPECT_EQ(Encode(QStringLiteral("a😀b")), QByteArray("a?b")) << "outside the BMP";
    EXPECT_EQ(Encode(QStringLiteral("e\u0301")), QByteArray("\xE9")) << "accent composed";
}

// The name box keeps exactly the characters that do not turn into "?": the ones the code page
// has, the controls (stored as spaces) and "?" itself.
TEST(LeadsText, WhatFitsIsWhatEncodesToItselfOrASpace) {
    for (char32_t character = 0; character < 0x3000; ++character) {
        const QString text = QString::fromUcs4(&character, 1);
        // The name box composes first; a character that composing replaces (the ångström sign
        // becomes Å) is asked about as what it becomes.
        if (QChar::isSurrogate(character) ||
            text.normalized(QString::NormalizationForm_C) != text) {
            continue;
        }
        const QByteArray bytes = Encode(text);
        const bool kept = bytes != "?" || character == U'?';
        EXPECT_EQ(FitsLeadName(character), kept) << static_cast<unsigned>(character);
    }
    EXPECT_TRUE(FitsLeadName(U'€'));
    EXPECT_FALSE(FitsLeadName(U'Ł'));
    EXPECT_FALSE(FitsLeadName(U'\U0001F600'));
    EXPECT_FALSE(FitsLeadName(U'\u0308'));  // a combining accent alone
}

TEST(LeadsText, CutToTenCharacters) {
    EXPECT_EQ(Encode(QStringLiteral("Zoë Åströmberg")), QByteArray("Zo\xEB \xC5str\xF6m"));
    EXPECT_EQ(Encode(QStringLiteral("😀😀😀😀😀😀😀😀😀😀😀😀")), QByteArray(10, '?'));
}

using LeadsTextFile = LeadsFileTest;

TEST_F(LeadsTextFile, ControlCharactersAreStoredAsSpaces) {
    LeadsTable table{};
    InsertLead(table,
               QStringLiteral("A\tB\x01"
                              "C\nD"),
               300);
    EXPECT_EQ(ReadFile(LeadsFile()).mid(0, 11), QByteArray("\x07"
                                                           "A B C D\0\0\0",
                                                           11));
    EXPECT_EQ(LeadNameText(LoadedLeads(), 0), QStringLiteral("A B C D"));
}

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
