// SPDX-License-Identifier: GPL-3.0-or-later
// The name box's filter, walking the composed text one code point at a time so that a character
// outside the Basic Multilingual Plane (two UTF-16 units) is dropped whole.
#include "scores/LeadNameValidator.h"

#include <utility>

#include "scores/LeadsText.h"

namespace tavro {

FilteredName KeepStorableCharacters(const QString& text, int cursor) {
    // Composing the part before the cursor apart keeps the cursor behind what was just typed.
    const QString before = text.left(cursor).normalized(QString::NormalizationForm_C);
    const QString composed = before + text.mid(cursor).normalized(QString::NormalizationForm_C);
    FilteredName result;
    result.Cursor = static_cast<int>(before.size());
    qsizetype at = 0;
    while (at < composed.size()) {
        const qsizetype length = composed[at].isHighSurrogate() && at + 1 < composed.size() ? 2 : 1;
        const QString character = composed.mid(at, length);
        if (FitsLeadName(character.toUcs4().value(0))) {
            result.Kept += character;
        } else {
            if (!result.Refused.contains(character)) {
                result.Refused.append(character);
            }
            if (at < before.size()) {
                result.Cursor -= static_cast<int>(length);
            }
        }
        at += length;
    }
    return result;
}

LeadNameValidator::LeadNameValidator(RefusedHandler onRefused, QObject* parent)
    : QValidator(parent), onRefused_(std::move(onRefused)) {}

QValidator::State LeadNameValidator::validate(QString& input, int& pos) const {
    FilteredName filtered = KeepStorableCharacters(input, pos);
    input = std::move(filtered.Kept);
    pos = filtered.Cursor;
    if (!filtered.Refused.isEmpty() && onRefused_) {
        onRefused_(filtered.Refused);
    }
    return Acceptable;
}

}  // namespace tavro
