// SPDX-License-Identifier: GPL-3.0-or-later
// A card set being made: its name, its pictures and its card back, and the rules it must meet
// before it can be saved: exactly 18 different pictures and a set name that is one folder name
// and not taken.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "cardmaker/MakerPicture.h"
#include "game/CardSetLayout.h"

namespace tavro::cardmaker {

inline constexpr int kPicturesPerSet = kFaceCount;

struct CardSetDraft {
    QString name;
    std::vector<Picture> pictures;
    QString readyBack = QStringLiteral("blue");  // used when there is no backPicture
    std::optional<Picture> backPicture;
};

// Where set names are taken: the sets beside the game and the player's own.
struct SetFolders {
    QString builtIn;  // the game's "gfx" folder, with a trailing '/'
    QString player;   // the player's card sets folder, with a trailing '/'
};

enum class NameUse {
    Free,
    PlayersOwn,  // the player's own set of that name (letter case aside) may be replaced
    Refused,     // not a folder name, or a set that comes with the game
};

struct NameCheck {
    NameUse use = NameUse::Refused;
    QString problem;         // for PlayersOwn and Refused
    QString existingFolder;  // for PlayersOwn: the folder's name as spelt on disk
};

// Whether the set name can be used.
NameCheck CheckSetName(const QString& name, const SetFolders& folders);
// What is wrong with the pictures, one text each: their number, and pictures that repeat one
// added before them (the same file, or the same picture in another file).
QStringList PictureProblems(const std::vector<Picture>& pictures);
// The text asking for more or fewer pictures; empty with exactly 18.
QString PictureCountProblem(int count);
// Whether the picture repeats one of the pictures; the text saying so when it does.
QString RepeatProblem(const Picture& picture, const std::vector<Picture>& pictures);

// The 18 faces, the back and the metadata of a draft that meets the rules.
struct CardSetFiles {
    QString name;
    std::vector<QImage> faces;
    QImage back;
    QStringList pictureNames;
};
CardSetFiles RenderCardSet(const CardSetDraft& draft);

}  // namespace tavro::cardmaker
