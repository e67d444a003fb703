// SPDX-License-Identifier: GPL-3.0-or-later
// A card set being made or changed: its name, its pictures and its card back, and the rules it
// must meet before it can be saved: exactly 18 different pictures (none that look like another,
// unless the player means them to) and a set name that is one folder name and not taken. Names
// are taken trimmed: a blank set name is refused, and a blank picture name falls back to the
// picture's file name.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "cardmaker/MakerPicture.h"
#include "game/CardSetLayout.h"

namespace tavro::cardmaker {

inline constexpr int kPicturesPerSet = kFaceCount;

struct CardSetDraft {
    QString name;  // as typed; the set's name is this trimmed
    std::vector<Picture> pictures;
    QString readyBack = QStringLiteral("blue");  // used when there is neither back below
    std::optional<Picture> backPicture;
    QImage
        finishedBack;  // a card back kept as it is: that of a set made without the maker's copies
    QString editing;   // the player's own set this draft was opened from (its folder name)
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

enum class LookAlikes {
    Refused,  // pictures that look like another are a problem
    Allowed,  // the player means them to look alike
};

// The set's name as it is saved: the text trimmed.
QString SetNameOf(const QString& text);
// The picture's name as it is saved: its name trimmed, or its file's base name where that is
// blank.
QString PictureNameOf(const Picture& picture);
// Whether the set name (trimmed) can be used.
NameCheck CheckSetName(const QString& name, const SetFolders& folders);
// What is wrong with the pictures, one text each: their number, pictures that repeat one before
// them (the same file with the same square, or the same face from another file), and, unless
// allowed, pictures whose faces look like one before them.
QStringList PictureProblems(const std::vector<Picture>& pictures,
                            LookAlikes lookAlikes = LookAlikes::Refused);
// The text asking for more or fewer pictures; empty with exactly 18.
QString PictureCountProblem(int count);
// Whether the picture repeats one of the pictures; the text saying so when it does.
QString RepeatProblem(const Picture& picture, const std::vector<Picture>& pictures);
// The other picture whose face the picture's face looks like (the first one), or -1: for flags
// such as "looks like 'Beach'" beside each of them.
int LookAlikeOf(const std::vector<Picture>& pictures, int index);

// A picture's kept copy and its square, as the set stores them.
struct KeptSource {
    QByteArray file;  // a JPEG file
    QRect square;     // in its pixels
    QString origin;   // the file it was made from, for the player's reference
};

// What a draft that meets the rules saves: the 18 faces, the back, the metadata, and the kept
// copies of the pictures with their squares, so that the set can be changed later.
struct CardSetFiles {
    QString name;
    std::vector<QImage> faces;
    QImage back;
    QStringList pictureNames;
    std::vector<KeptSource> sources;       // face n's at index n - 1
    std::optional<KeptSource> backSource;  // for a back made from a picture
    QString readyBack;                     // the ready-made back's id, for a ready-made back
};
CardSetFiles RenderCardSet(const CardSetDraft& draft);
// The card back of the draft, as it is saved.
QImage RenderBack(const CardSetDraft& draft);

}  // namespace tavro::cardmaker
