// SPDX-License-Identifier: GPL-3.0-or-later
// The rules a card set meets before it is saved, and rendering its pictures.
#include "cardmaker/CardSetDraft.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "cardmaker/FaceMaker.h"
#include "settings/CardSet.h"

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

}  // namespace

NameCheck CheckSetName(const QString& name, const SetFolders& folders) {
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
        if (!picture.canonicalFile.isEmpty() && picture.canonicalFile == earlier.canonicalFile) {
            return RuleText::tr("%1 is already in the set.")
                .arg(QDir::toNativeSeparators(picture.file));
        }
        if (picture.pixelHash == earlier.pixelHash) {
            return RuleText::tr("%1 shows the same picture as %2.")
                .arg(QDir::toNativeSeparators(picture.file),
                     QDir::toNativeSeparators(earlier.file));
        }
    }
    return {};
}

QStringList PictureProblems(const std::vector<Picture>& pictures) {
    QStringList problems;
    const QString count = PictureCountProblem(static_cast<int>(pictures.size()));
    if (!count.isEmpty()) {
        problems << count;
    }
    for (const Picture& picture : pictures) {
        const QString repeat = RepeatProblem(picture, pictures);
        if (!repeat.isEmpty()) {
            problems << repeat;
        }
    }
    return problems;
}

CardSetFiles RenderCardSet(const CardSetDraft& draft) {
    CardSetFiles files;
    files.name = draft.name;
    for (const Picture& picture : draft.pictures) {
        files.faces.push_back(MakeFace(picture));
        files.pictureNames << picture.name;
    }
    files.back = draft.backPicture ? MakeFace(*draft.backPicture) : ReadyBack(draft.readyBack);
    return files;
}

}  // namespace tavro::cardmaker
