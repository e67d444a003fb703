// SPDX-License-Identifier: GPL-3.0-or-later
// The one-byte text of the Leads table's name slots: Windows-1252, the single-byte code page the
// file has always used, so that ASCII and Latin letters round-trip exactly.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace tavro {

// The first maxChars characters of text (after composing accents with their letters) as
// Windows-1252 bytes; a control character (tab, line break, ...) becomes a space, and a character
// the code page cannot hold becomes '?'.
QByteArray EncodeWindows1252(const QString& text, int maxChars);
// Whether the name slot can hold the character: one the code page has, or a control character
// (which is kept as a space). A letter with a combining accent must be composed first.
bool FitsLeadName(char32_t character);
// The bytes decoded as Windows-1252. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) decode as the C1 control characters of the same number.
QString DecodeWindows1252(const std::uint8_t* bytes, std::size_t count);

}  // namespace tavro
