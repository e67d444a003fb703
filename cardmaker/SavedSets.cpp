// SPDX-License-Identifier: GPL-3.0-or-later
// Listing, opening and removing saved card sets.
#include "cardmaker/SavedSets.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>

#include "cardart/CardDrawing.h"
#include "cardmaker/FaceMaker.h"
#include "cardmaker/SetSources.h"
#include "files/SafeFile.h"
#include "game/CardSetLayout.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"

namespace tavro::cardmaker {
namespace {

struct SavedText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

// The set's squares.conf, or nothing for a set without the maker's copies.
SavedSquares ReadSquares(const SavedSet& set) {
    const BoundedRead read =
        ReadRegularFile(set.folder + kMakerFolder + u'/' + kSquaresFile, kSquaresMaxBytes);
    return ParseSquares(read.status == BoundedRead::Status::Ok ? read.bytes : QByteArray());
}

// The kept copy's file as it is, so that saving the set again doesn't compress it again: only
// where it was read unchanged (no larger than a kept copy, upright, opaque).
void KeepFileAsItIs(Picture& picture) {
    if (picture.sourceSize != picture.size) {
        return;
    }
    const BoundedRead read = ReadRegularFile(picture.file, kMaxPictureFileSize);
    if (read.status == BoundedRead::Status::Ok && read.bytes.startsWith("\xFF\xD8\xFF")) {
        picture.keptFile = read.bytes;
    }
}

}  // namespace

std::vector<SavedSet> ListSavedSets(const SetFolders& folders) {
    std::vector<CardSetFolderEntry> found = ListCardSetFolders(folders.builtIn, folders.player);
    SortCardSetFoldersByName(found);
    // The player's own first. A set beside the program is left out also where one of the player's
    // differs from it only in letter case: the maker saves and finds sets by name letter case
    // aside, so it would open as the player's.
    std::stable_partition(found.begin(), found.end(),
                          [](const auto& set) { return set.playersOwn; });
    QSet<QString> ownNames;
    for (const CardSetFolderEntry& entry : found) {
        if (entry.playersOwn) {
            ownNames.insert(entry.name.toCaseFolded());
        }
    }
    std::vector<SavedSet> sets;
    for (const CardSetFolderEntry& entry : found) {
        if (!entry.playersOwn && ownNames.contains(entry.name.toCaseFolded())) {
            continue;
        }
        SavedSet set;
        set.folderName = entry.name;
        set.folder = entry.folder;
        set.shownName = CardSetShownName(ReadCardSetInfo(set.folder), set.folderName);
        set.playersOwn = entry.playersOwn;
        set.keepsCopies =
            KindOfFile(set.folder + kMakerFolder + u'/' + kSquaresFile) == FileKind::Regular;
        sets.push_back(set);
    }
    return sets;
}

std::optional<SavedSet> FindSavedSet(const SetFolders& folders, const QString& name) {
    const std::vector<SavedSet> sets = ListSavedSets(folders);
    for (const bool exact : {true, false}) {
        for (const SavedSet& set : sets) {
            if (exact ? set.folderName == name
                      : set.folderName.compare(name, Qt::CaseInsensitive) == 0) {
                return set;
            }
        }
    }
    return std::nullopt;
}

SetOpening PlanOpening(const SavedSet& set) {
    SetOpening opening;
    opening.draft.name = set.folderName;
    opening.draft.editing = set.playersOwn ? set.folderName : QString();
    // The names as the maker writes them, without translations.
    const CardSetInfo info = ReadCardSetInfo(set.folder, QStringLiteral("C"));
    const SavedSquares squares = set.keepsCopies ? ReadSquares(set) : SavedSquares{};
    const QString makerFolder = set.folder + kMakerFolder + u'/';
    for (int face = 1; face <= kPicturesPerSet; ++face) {
        SavedPicture picture;
        picture.keptCopy = set.keepsCopies;
        picture.file = set.keepsCopies
                           ? makerFolder + FaceCopyName(face)
                           : set.folder + QString::fromStdString(CardPictureFileName(face));
        if (set.keepsCopies) {
            picture.square = squares.faces[face - 1];
            picture.origin = squares.origins[face - 1];
        }
        picture.name = info.pictures.value(face - 1);
        opening.pictures.push_back(picture);
    }
    if (squares.back == kPictureBack) {
        opening.back =
            SavedPicture{makerFolder + kBackCopy, true, squares.backSquare, {}, squares.backOrigin};
    } else if (const QString ready = ReadyBackId(squares.back); !ready.isEmpty()) {
        opening.draft.readyBack = ready;
    } else {
        opening.back = SavedPicture{
            set.folder + QString::fromStdString(CardPictureFileName(kCardBack)), false, {}, {}, {}};
    }
    return opening;
}

PictureRead ReadSavedPicture(const SavedPicture& saved) {
    PictureRead read = ReadPicture(saved.file);
    if (!read.problem.isEmpty()) {
        return read;
    }
    Picture& picture = read.picture;
    if (saved.keptCopy) {
        KeepFileAsItIs(picture);
    }
    // Known by the file it was made from: as the player added it, and the name it falls back to.
    if (!saved.origin.isEmpty()) {
        picture.file = saved.origin;
        picture.canonicalFile.clear();
        picture.name = QFileInfo(saved.origin).completeBaseName();
    }
    if (!saved.name.trimmed().isEmpty()) {
        picture.name = saved.name;
    }
    SetCrop(picture,
            saved.square ? CropOfSquare(picture.size, *saved.square) : ClampCrop(picture.size, {}));
    return read;
}

void UseSavedBack(CardSetDraft& draft, const SavedPicture& saved, const Picture& picture) {
    if (saved.keptCopy) {
        draft.backPicture = picture;
        return;
    }
    const int side = cardsets::kCardSize;
    draft.finishedBack =
        KeptImage(picture).scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

OpenedSet OpenSavedSet(const SavedSet& set) {
    OpenedSet opened;
    SetOpening opening = PlanOpening(set);
    opened.draft = std::move(opening.draft);
    const auto read = [&](const SavedPicture& saved) -> std::optional<Picture> {
        PictureRead picture = ReadSavedPicture(saved);
        if (!picture.problem.isEmpty()) {
            opened.problems << SavedText::tr("%1: %2").arg(QDir::toNativeSeparators(saved.file),
                                                           picture.problem);
            return std::nullopt;
        }
        DropImage(picture.picture);
        return std::move(picture.picture);
    };
    for (const SavedPicture& saved : opening.pictures) {
        if (std::optional<Picture> picture = read(saved)) {
            opened.draft.pictures.push_back(std::move(*picture));
        }
    }
    if (opening.back) {
        if (const std::optional<Picture> back = read(*opening.back)) {
            UseSavedBack(opened.draft, *opening.back, *back);
        }
    }
    return opened;
}

TrashMove MoveSetToTrash(const SavedSet& set) {
    TrashMove move;
    if (!set.playersOwn) {
        move.problem = SavedText::tr(
                           "The card set \"%1\" comes with the game and cannot be "
                           "removed.")
                           .arg(set.folderName);
        return move;
    }
    QString folder = set.folder;
    if (folder.endsWith(u'/')) {
        folder.chop(1);
    }
    if (!QFile::moveToTrash(folder, &move.inTrash)) {
        move.problem =
            SavedText::tr("The card set \"%1\" cannot be moved to the trash.").arg(set.folderName);
    }
    return move;
}

}  // namespace tavro::cardmaker
