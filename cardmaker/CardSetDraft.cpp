// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a card set meets before it is saved, and rendering its pictures.
#include "cardmaker/CardSetDraft.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "cardmaker/FaceMaker.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"

namespace tavro::cardmaker {
namespace {

struct RuleText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

// The name of a folder in `folder` equal to `name` but for letter case; empty when there is none.
QString FolderLike(const QString& folder, const QString& name) {
    const QString found = FolderNameIgnoringCase(folder, name);
    return !name.isEmpty() && QFileInfo(folder + found).isDir() ? found : QString();
}

QString NameFormProblem(const QString& name) {
    if (name.isEmpty()) {
        return RuleText::tr("Give the set a name.");
    }
    if (name.size() > kCardSetNameMaxLength) {
        return RuleText::tr("The set name can have at most %1 characters.")
            .arg(kCardSetNameMaxLength);
    }
    if (name == u"." || name == u"..") {
        return RuleText::tr("The set name cannot be \"%1\".").arg(name);
    }
    if (name.startsWith(u'.')) {
        return RuleText::tr(
            "The set name cannot begin with \".\": the game does not list such "
            "sets.");
    }
    if (!IsCardSetName(name.toStdString())) {
        return RuleText::tr("The set name must be one folder name: leave out \"/\" and \"\\\".");
    }
    return {};
}

QString Where(const Picture& picture) {
    return QDir::toNativeSeparators(picture.file);
}

KeptSource SourceOf(const Picture& picture) {
    return {picture.keptFile, CropSquare(picture.size, picture.crop), picture.file};
}

}  // namespace

QString SetNameOf(const QString& text) {
    return text.trimmed();
}

QString PictureNameOf(const Picture& picture) {
    const QString name = picture.name.trimmed();
    return name.isEmpty() ? QFileInfo(picture.file).completeBaseName() : name;
}

NameCheck CheckSetName(const QString& text, const SetFolders& folders) {
    const QString name = SetNameOf(text);
    NameCheck check;
    check.problem = NameFormProblem(name);
    if (!check.problem.isEmpty()) {
        return check;
    }
    if (!FolderLike(folders.builtIn, name).isEmpty()) {
        check.problem =
            RuleText::tr("A card set named \"%1\" comes with the game: choose another name.")
                .arg(name);
        return check;
    }
    check.existingFolder = FolderLike(folders.player, name);
    if (!check.existingFolder.isEmpty()) {
        check.use = NameUse::PlayersOwn;
        check.problem =
            RuleText::tr("You already have a card set named \"%1\".").arg(check.existingFolder);
        return check;
    }
    check.use = NameUse::Free;
    return check;
}

QString PictureCountProblem(int count) {
    if (count < kPicturesPerSet) {
        const int missing = kPicturesPerSet - count;
        return missing == 1 ? RuleText::tr("Add 1 more picture.")
                            : RuleText::tr("Add %1 more pictures.").arg(missing);
    }
    if (count > kPicturesPerSet) {
        const int extra = count - kPicturesPerSet;
        return extra == 1 ? RuleText::tr("Remove 1 picture: a set has exactly 18.")
                          : RuleText::tr("Remove %1 pictures: a set has exactly 18.").arg(extra);
    }
    return {};
}

QString RepeatProblem(const Picture& picture, const std::vector<Picture>& pictures) {
    for (const Picture& earlier : pictures) {
        if (&earlier == &picture) {
            break;
        }
        if (!picture.canonicalFile.isEmpty() && picture.canonicalFile == earlier.canonicalFile &&
            picture.crop == earlier.crop) {
            return RuleText::tr("%1 is already in the set.").arg(Where(picture));
        }
        if (SameFace(picture.fingerprint, earlier.fingerprint)) {
            return RuleText::tr("%1 shows the same picture as %2.")
                .arg(Where(picture), Where(earlier));
        }
    }
    return {};
}

int LookAlikeOf(const std::vector<Picture>& pictures, int index) {
    for (int other = 0; other < static_cast<int>(pictures.size()); ++other) {
        if (other != index &&
            LooksAlike(pictures[index].fingerprint, pictures[other].fingerprint)) {
            return other;
        }
    }
    return -1;
}

QStringList PictureProblems(const std::vector<Picture>& pictures, LookAlikes lookAlikes) {
    QStringList problems;
    const QString count = PictureCountProblem(static_cast<int>(pictures.size()));
    if (!count.isEmpty()) {
        problems << count;
    }
    for (int index = 0; index < static_cast<int>(pictures.size()); ++index) {
        const Picture& picture = pictures[index];
        const QString repeat = RepeatProblem(picture, pictures);
        if (!repeat.isEmpty()) {
            problems << repeat;
            continue;
        }
        const int alike = LookAlikeOf(pictures, index);
        if (lookAlikes == LookAlikes::Refused && alike >= 0 && alike < index) {
            problems << RuleText::tr("%1 looks like %2: the cards would be hard to tell apart.")
                            .arg(Where(picture), Where(pictures[alike]));
        }
    }
    return problems;
}

QImage RenderBack(const CardSetDraft& draft) {
    if (draft.backPicture) {
        return MakeBack(*draft.backPicture);
    }
    if (!draft.finishedBack.isNull()) {
        return draft.finishedBack;
    }
    return ReadyBack(draft.readyBack);
}

CardSetFiles RenderCardSet(const CardSetDraft& draft) {
    CardSetFiles files;
    files.name = SetNameOf(draft.name);
    for (const Picture& picture : draft.pictures) {
        files.faces.push_back(MakeFace(picture));
        files.pictureNames << PictureNameOf(picture);
        files.sources.push_back(SourceOf(picture));
    }
    files.back = RenderBack(draft);
    if (draft.backPicture) {
        files.backSource = SourceOf(*draft.backPicture);
    } else if (draft.finishedBack.isNull()) {
        files.readyBack = draft.readyBack;
    }
    return files;
}

}  // namespace tavro::cardmaker
