// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1252 encoding and decoding, written out here because Qt 6 offers this code page only
// through ICU, which the game does not depend on. Bytes 0x00..0x7F and 0xA0..0xFF are the
// characters of the same number; only 0x80..0x9F need a table.
#include "scores/LeadsText.h"

#include <QList>
#include <array>

namespace tavro {
namespace {

// The characters of bytes 0x80..0x9F. The undefined bytes map to the C1 control character of
// the same number, so that every byte decodes to something.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80..0x87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88..0x8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90..0x97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98..0x9F
};
constexpr std::uint8_t kFirstTableByte = 0x80;
constexpr std::uint8_t kReplacement = '?';
constexpr std::uint8_t kControlReplacement = ' ';

char32_t DecodeByte(std::uint8_t byte) {
    if (byte >= kFirstTableByte && byte < kFirstTableByte + kHighControlRange.size()) {
        return kHighControlRange[byte - kFirstTableByte];
    }
    return byte;
}

std::uint8_t EncodeCharacter(char32_t character) {
    // A pasted tab, line break or other control would break the name's row in the Leads dialog.
    if (QChar::category(character) == QChar::Other_Control) {
        return kControlReplacement;
    }
    const bool sameNumber = character < 0x80 || (character >= 0xA0 && character <= 0xFF);
    if (sameNumber) {
        return static_cast<std::uint8_t>(character);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == character) {
            return static_cast<std::uint8_t>(kFirstTableByte + i);
        }
    }
    return kReplacement;
}

}  // namespace

bool FitsLeadName(char32_t character) {
    return character == kReplacement || EncodeCharacter(character) != kReplacement;
}

QByteArray EncodeWindows1252(const QString& text, int maxChars) {
    QByteArray bytes;
    // Composing first turns a letter followed by a combining accent into the one accented
    // letter the code page holds. toUcs4 keeps a character outside the BMP as one character.
    const QList<uint> characters = text.normalized(QString::NormalizationForm_C).toUcs4();
    for (const uint character : characters) {
        if (bytes.size() >= maxChars) {
            break;
        }
        bytes.append(static_cast<char>(EncodeCharacter(character)));
    }
    return bytes;
}

QString DecodeWindows1252(const std::uint8_t* bytes, std::size_t count) {
    QString text;
    text.reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i) {
        text.append(QChar(static_cast<char16_t>(DecodeByte(bytes[i]))));
    }
    return text;
}

}  // namespace tavro
