// SPDX-License-Identifier: GPL-3.0-or-later
// Checking that a card set can be dealt, and choosing the set to deal; see UsableCardSet.h.
#include "settings/UsableCardSet.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

#include "files/SafeFile.h"
#include "game/CardSetLayout.h"
#include "pictures/BitmapHeader.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"

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
    std::vector<CardSetFolderEntry> sets = ListCardSetFolders(executableFolder);
    SortCardSetFoldersByName(sets);
    std::vector<std::string> names;
    names.reserve(sets.size());
    for (const CardSetFolderEntry& set : sets) {
        names.push_back(set.name.toStdString());
    }
    return names;
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

namespace {

// Tries sets one after the other, each at most once, and remembers what the notice says of the
// first one passed over.
class SetChooser {
public:
    explicit SetChooser(const QString& executableFolder) : executableFolder_(executableFolder) {}

    // Marks a set as passed over already, for the reason given.
    void PassOver(const std::string& name, const QString& shownName, const QString& problem) {
        tried_.push_back(name);
        Refuse(shownName, problem);
    }

    // The choice of the set when it can be dealt.
    std::optional<CardSetChoice> Try(const std::string& name) {
        if (std::find(tried_.begin(), tried_.end(), name) != tried_.end()) {
            return std::nullopt;
        }
        tried_.push_back(name);
        const QString folder = CardSetFolder(name, executableFolder_);
        if (folder.isEmpty()) {
            return std::nullopt;
        }
        if (const QString problem = CardSetProblem(folder); !problem.isEmpty()) {
            Refuse(ShownName(folder, name), problem);
            return std::nullopt;
        }
        if (refused_.isEmpty()) {
            return CardSetChoice{name, {}};
        }
        return CardSetChoice{
            name,
            refused_ + u' ' +
                ChoiceText::tr("The card set %1 is used instead.").arg(ShownName(folder, name))};
    }

    // The wanted sets, then the default set, then every other set in name order.
    CardSetChoice Choose(const std::vector<std::string>& wanted) {
        std::vector<std::string> first = wanted;
        first.emplace_back(kDefaultCardSet);
        for (const std::string& name : first) {
            if (auto choice = Try(name)) {
                return *choice;
            }
        }
        // Listed only now: most starts find the wanted set whole.
        for (const std::string& name : AllSetNames(executableFolder_)) {
            if (auto choice = Try(name)) {
                return *choice;
            }
        }
        return {{}, refused_};
    }

private:
    void Refuse(const QString& shownName, const QString& problem) {
        if (refused_.isEmpty()) {
            refused_ =
                ChoiceText::tr("The card set %1 can't be used (%2).").arg(shownName, problem);
        }
    }

    QString executableFolder_;
    std::vector<std::string> tried_;
    QString refused_;  // what the notice says of the first set passed over
};

}  // namespace

bool CardSetVanished(const QString& folder) {
    return !QFileInfo(folder).isDir() ||
           !PictureProblem(folder + QString::fromStdString(CardPictureFileName(kCardBack)))
                .isEmpty();
}

CardSetChoice ChooseUsableCardSet(const std::vector<std::string>& wanted,
                                  const QString& executableFolder) {
    return SetChooser(executableFolder).Choose(wanted);
}

CardSetChoice ChooseCardSetInPlaceOf(const std::string& lost, const QString& lostShownName,
                                     const QString& problem, const QString& executableFolder) {
    SetChooser chooser(executableFolder);
    chooser.PassOver(lost, lostShownName, problem);
    return chooser.Choose({});
}

}  // namespace tavro
