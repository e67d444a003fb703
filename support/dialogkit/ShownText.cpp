// SPDX-License-Identifier: GPL-3.0-or-later
// Making foreign text safe to show: controls and format characters as "?", and captions with
// "[*]" kept literally.
#include "dialogkit/ShownText.h"

namespace tavro {
namespace {

constexpr char32_t kZeroWidthNonJoiner = 0x200C;
constexpr char32_t kZeroWidthJoiner = 0x200D;

bool HiddenOrDisruptive(char32_t character) {
    switch (QChar::category(character)) {
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        case QChar::Other_Format:
            return character != kZeroWidthJoiner && character != kZeroWidthNonJoiner;
        default:
            return false;
    }
}

}  // namespace

QString ShownText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    // By code point: the tag characters (U+E0001, U+E0020..U+E007F) are format characters too.
    for (qsizetype at = 0; at < text.size();) {
        const bool pair =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t character =
            pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : text[at].unicode();
        if (HiddenOrDisruptive(character)) {
            shown.append(u'?');
        } else {
            shown.append(QStringView(text).sliced(at, length));
        }
        at += length;
    }
    return shown;
}

QString ShownCaption(const QString& text) {
    // A caption shows "[*][*]" as one literal "[*]".
    return ShownText(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace tavro
