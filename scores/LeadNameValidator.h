// SPDX-License-Identifier: GPL-3.0-or-later
// The name box's filter: keeps only the characters a Leads name slot can hold, typed or pasted,
// after composing each letter with the combining accents that follow it, and tells which
// characters it dropped, so that the player does not lose letters without a word.
#pragma once

#include <QString>
#include <QStringList>
#include <QValidator>
#include <functional>

namespace tavro {

struct FilteredName {
    QString Kept;         // the text, composed, without the characters the slot cannot hold
    int Cursor = 0;       // where the cursor stands in Kept
    QStringList Refused;  // each dropped character once, in the order of the text
};

// Filters text whose cursor stands at cursor.
FilteredName KeepStorableCharacters(const QString& text, int cursor);

class LeadNameValidator : public QValidator {
public:
    using RefusedHandler = std::function<void(const QStringList& refused)>;

    // onRefused is called whenever an edit loses characters.
    LeadNameValidator(RefusedHandler onRefused, QObject* parent);

    // Always acceptable: the text is changed to what the slot can hold.
    State validate(QString& input, int& pos) const override;

private:
    RefusedHandler onRefused_;
};

}  // namespace tavro
