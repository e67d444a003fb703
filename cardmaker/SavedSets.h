// SPDX-License-Identifier: GPL-3.0-or-later
// The sets a player can open in the maker: their own, in their card sets folder, which can be
// changed and removed; and the sets beside the program, which can be opened as a starting point
// for a set of their own but not changed there. Opening a set gives back its name, pictures,
// picture names, squares and back as saved: the kept copies the maker saved with their squares,
// or, for a set made without them, the card pictures themselves. Its pictures are read one per
// call, so that a window can read them off its own thread, show each as it arrives and stop
// between two. Removing a set moves it to the desktop's trash, where it can be restored from.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "cardmaker/CardSetDraft.h"

namespace tavro::cardmaker {

struct SavedSet {
    QString folderName;        // as spelt on disk
    QString shownName;         // its name in the player's language, or the folder name
    QString folder;            // with a trailing '/'
    bool playersOwn = false;   // in the player's own folder: may be changed and removed
    bool keepsCopies = false;  // holds the maker's kept copies and squares
};

// The player's own sets, then those beside the program that none of them hides, each in name
// order (letter case aside). Hidden folders are left out.
std::vector<SavedSet> ListSavedSets(const SetFolders& folders);
// The set of the name (letter case aside), the player's own before one beside the program.
std::optional<SavedSet> FindSavedSet(const SetFolders& folders, const QString& name);

// One picture of a set being opened.
struct SavedPicture {
    QString file;                 // the kept copy, or the card picture of a set without copies
    bool keptCopy = false;        // the maker's kept copy, whose file is kept as it is
    std::optional<QRect> square;  // where its square lay
    QString name;                 // its name in set.desktop
    QString origin;               // the file the kept copy was made from, where known
};

// What opening a set reads. The draft holds the set's name (its folder's), its back where that
// is ready-made, and `editing` for the player's own set; its pictures are still to be read.
struct SetOpening {
    CardSetDraft draft;
    std::vector<SavedPicture> pictures;  // face n's at index n - 1
    std::optional<SavedPicture> back;    // a back made from a picture, or kept as it is
};
SetOpening PlanOpening(const SavedSet& set);
// Reads one picture of a set being opened, with its square and name. Safe to call on several
// threads at once.
PictureRead ReadSavedPicture(const SavedPicture& saved);
// Puts the read back into the draft: a back made from a picture, or (for a set made without the
// maker's copies) the card back as it is.
void UseSavedBack(CardSetDraft& draft, const SavedPicture& saved, const Picture& picture);

struct OpenedSet {
    CardSetDraft draft;  // with all its pictures, when there are no problems
    QStringList problems;
};
// Opens a set at once, as the command line does: the pictures are read one after another, each
// kept as its JPEG file only, to keep memory low.
OpenedSet OpenSavedSet(const SavedSet& set);

struct TrashMove {
    QString inTrash;  // where the set went, when it was moved
    QString problem;
};
// Moves the player's own set to the desktop's trash (a set that is a symbolic link goes as the
// link). Sets beside the program are refused.
TrashMove MoveSetToTrash(const SavedSet& set);

}  // namespace tavro::cardmaker
