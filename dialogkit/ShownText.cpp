// SPDX-License-Identifier: GPL-3.0-or-later
// Making foreign text safe to show: controls as "?", and captions with "[*]" kept literally.
#include "dialogkit/ShownText.h"

namespace tavro {
namespace {

bool BreaksTheLine(QChar character) {
    switch (character.category()) {
        case QChar::Other_Control:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            return false;
    }
}

}  // namespace

QString ShownText(const QString& text) {
    QString shown = text;
    for (QChar& character : shown) {
        if (BreaksTheLine(character)) {
            character = u'?';
        }
    }
    return shown;
}

QString ShownCaption(const QString& text) {
    // A caption shows "[*][*]" as one literal "[*]".
    return ShownText(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

}  // namespace tavro
