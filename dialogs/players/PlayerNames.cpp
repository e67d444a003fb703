// SPDX-License-Identifier: GPL-3.0-or-later
// The players' names: defaults in the player's language, and the plain-text filter of the boxes.
#include "players/PlayerNames.h"

#include <QCoreApplication>

namespace tavro {
namespace {

bool IsPlainText(QChar c) {
    const QChar::Category category = c.category();
    return category != QChar::Other_Control && category != QChar::Other_Format &&
           category != QChar::Separator_Line && category != QChar::Separator_Paragraph;
}

std::size_t Index(int player) {
    return player == 1 ? 1 : 0;
}

}  // namespace

QString DefaultPlayerName(int player) {
    return player == 1 ? QCoreApplication::translate("tavro::PlayerNames", "Player 2")
                       : QCoreApplication::translate("tavro::PlayerNames", "Player 1");
}

QString PlayerName(const PlaySettings& play, int player) {
    const std::string& stored = play.PlayerNames[Index(player)];
    return stored.empty() ? DefaultPlayerName(player) : QString::fromStdString(stored);
}

QString ComputerName() {
    return QCoreApplication::translate("tavro::PlayerNames", "Computer");
}

std::string StoredPlayerName(const QString& typed, int player) {
    const QString name = typed.trimmed();
    if (name.isEmpty() || name == DefaultPlayerName(player)) {
        return {};
    }
    QString kept = name.left(kMaxPlayerNameLength);
    if (!kept.isEmpty() && kept.back().isHighSurrogate()) {
        kept.chop(1);  // never half a character
    }
    return kept.toStdString();
}

PlayerNameValidator::PlayerNameValidator(QObject* parent) : QValidator(parent) {}

QValidator::State PlayerNameValidator::validate(QString& input, int& pos) const {
    QString kept;
    int cursor = 0;
    for (int i = 0; i < input.size(); ++i) {
        if (IsPlainText(input[i])) {
            kept += input[i];
        }
        if (i + 1 == pos) {
            cursor = static_cast<int>(kept.size());
        }
    }
    input = kept;
    pos = cursor;
    return Acceptable;
}

}  // namespace tavro
