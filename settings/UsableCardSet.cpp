// SPDX-License-Identifier: GPL-3.0-or-later
// Checking that a card set can be dealt, and choosing the set to deal; see UsableCardSet.h.
#include "settings/UsableCardSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <optional>

#include "files/SafeFile.h"
#include "game/CardSetLayout.h"
#include "pictures/BitmapHeader.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"
#include "settings/PlayerSets.h"

namespace tavro {
namespace {

struct ChoiceText {
    Q_DECLARE_TR_FUNCTIONS(UsableCardSet)
};

// Why the picture file can't be read as a bitmap; empty when its headers are sound.
QString PictureProblem(const QString& fileName) {
    QFile file;
    QString problem;
    if (KindOfFile(fileName) == FileKind::Missing) {
        return QCoreApplication::translate("SafeFile", "the file does not exist");
    }
    if (!OpenRegularFile(file, fileName, QIODevice::ReadOnly, problem)) {
        return problem;
    }
    const qint64 length = file.size();
    if (length > kMaxBitmapFileSize) {
        return QCoreApplication::translate("CardSet", "the file is too large for a picture");
    }
    const QByteArray head = file.read(std::min(length, kBitmapHeadBytes));
    return CheckBitmapLayout(head, head.size() < kBitmapHeadBytes ? head.size() : length);
}

// The set folders of both "gfx" folders, each name once, in name order.
std::vector<std::string> AllSetNames(const QString& executableFolder) {
    QStringList names;
    for (const QString& place : {PlayerCardSetsFolder(), CardSetsFolder(executableFolder)}) {
        for (const QString& name : QDir(place).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            if (!name.startsWith(u'.') && !names.contains(name)) {
                names.append(name);
            }
        }
    }
    names.sort(Qt::CaseInsensitive);
    std::vector<std::string> result;
    for (const QString& name : names) {
        result.push_back(name.toStdString());
    }
    return result;
}

QString ShownName(const QString& folder, const std::string& name) {
    return CardSetShownName(ReadCardSetInfo(folder), QString::fromStdString(name));
}

}  // namespace

QString CardSetProblem(const QString& folder) {
    for (std::int32_t face = kCardBack; face <= kFaceCount; ++face) {
        const QString picture = QString::fromStdString(CardPictureFileName(face));
        if (const QString problem = PictureProblem(folder + picture); !problem.isEmpty()) {
            return picture + QStringLiteral(": ") + problem;
        }
    }
    return {};
}

CardSetChoice ChooseUsableCardSet(const std::vector<std::string>& wanted,
                                  const QString& executableFolder) {
    std::vector<std::string> tried;
    QString refused;  // what the notice says of the first set passed over
    // The choice of the set when it can be dealt.
    const auto dealable = [&](const std::string& name) -> std::optional<CardSetChoice> {
        if (std::find(tried.begin(), tried.end(), name) != tried.end()) {
            return std::nullopt;
        }
        tried.push_back(name);
        const QString folder = CardSetFolder(name, executableFolder);
        if (folder.isEmpty()) {
            return std::nullopt;
        }
        if (const QString problem = CardSetProblem(folder); !problem.isEmpty()) {
            if (refused.isEmpty()) {
                refused = ChoiceText::tr("The card set %1 can't be used (%2).")
                              .arg(ShownName(folder, name), problem);
            }
            return std::nullopt;
        }
        if (refused.isEmpty()) {
            return CardSetChoice{name, {}};
        }
        return CardSetChoice{
            name,
            refused + u' ' +
                ChoiceText::tr("The card set %1 is used instead.").arg(ShownName(folder, name))};
    };
    std::vector<std::string> first = wanted;
    first.emplace_back(kDefaultCardSet);
    for (const std::string& name : first) {
        if (auto choice = dealable(name)) {
            return *choice;
        }
    }
    // Listed only now: most starts find the wanted set whole.
    for (const std::string& name : AllSetNames(executableFolder)) {
        if (auto choice = dealable(name)) {
            return *choice;
        }
    }
    return {{}, refused};
}

}  // namespace tavro
