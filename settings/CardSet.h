// SPDX-License-Identifier: GPL-3.0-or-later
// Card sets: folders of bitmap pictures under "gfx" beside the executable and under "gfx" in the
// player's data folder (PlayerCardSetsFolder), where a set of the same name wins. Derives the
// current set's folder and reads a picture file into an image, checking that it is a complete,
// readable Windows bitmap first (the decoding is the picture library's, pictures/).
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "settings/Settings.h"

namespace tavro {

// A picture file that is missing or not a complete, readable bitmap.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Larger picture files are refused before reading: no card picture comes near this size, and
// reading a huge file by mistake would only stall the game.
inline constexpr qint64 kMaxBitmapFileSize = qint64{256} * 1024 * 1024;

// The executable's folder with a trailing '/'.
QString ExecutableFolder();
// The "gfx" folder beside the executable, found without regard to letter case; with trailing '/'.
QString CardSetsFolder();
// The same for the given executable folder (with or without a trailing '/').
QString CardSetsFolder(const QString& executableFolder);
// The name of the sub-folder `name` of `folder` (with a trailing '/') as it is spelt on disk: the
// exact name when such a folder exists, otherwise the first folder (in name order) that differs
// only in letter case, otherwise `name` unchanged.
QString FolderNameIgnoringCase(const QString& folder, const QString& name);
// Whether the text can name a card set: one folder name directly under "gfx", valid UTF-8, not
// empty, not "." or "..", without '/', '\\' or NUL.
bool IsCardSetName(const std::string& name);
// The folder of the named set with a trailing '/': the player's set of that name, else the one
// beside the executable; an exact name before one that differs only in letter case. Empty when
// the name is no card set name or neither place holds such a folder.
QString CardSetFolder(const std::string& name, const QString& executableFolder);
// One card set folder of the two "gfx" folders.
struct CardSetFolderEntry {
    QString name;             // the folder's name as spelt on disk
    QString folder;           // its path, with a trailing '/'
    bool playersOwn = false;  // in the player's own "gfx" folder
};

// The set folders of both places, each folder name once: the program's sets (in `programSets`,
// with or without a trailing '/'; an empty place holds none) in the order the file system lists
// them (deliberately unsorted, as `ls -U` shows them), then the player's (in `playerSets`) that
// are not among them, in the same order. A player's set of the same folder name (letter case
// included, as CardSetFolder finds it first) takes the place of the program's, at the program's
// place in the list. Left out: hidden folders (".name", the maker's ".tavro-maker" among them),
// files, links to anything but a folder and dangling links; a link to a folder is a set. Places
// that show the sets in another order sort this list themselves.
std::vector<CardSetFolderEntry> ListCardSetFolders(const QString& programSets,
                                                   const QString& playerSets);
// The same for the "gfx" folder of the given executable folder and the player's own.
std::vector<CardSetFolderEntry> ListCardSetFolders(const QString& executableFolder);
// Sorts the sets into name order, letter case aside (names that differ only in case: as
// QString::compare orders them).
void SortCardSetFoldersByName(std::vector<CardSetFolderEntry>& sets);
// Whether the name is a card set name and one of the two "gfx" folders holds a folder of that
// name (found without regard to letter case).
bool CardSetExists(const std::string& name, const QString& executableFolder);
// Sets settings.CardFolder to CardSetFolder(CardSetName), or without such a folder to executable
// folder + "gfx/" + CardSetName + "/". A CardSetName that is no card set name is
// percent-encoded into a folder name of the executable's "gfx" instead, so that nothing outside
// "gfx" is ever read through it.
void BuildCardFolder(Settings& settings);
// The same with the given folder in place of the executable's (with or without a trailing '/').
void BuildCardFolder(Settings& settings, const QString& executableFolder);
// The file of a face id (kCardBack or 1..18, game/CardSetLayout.h) in the set folder cardFolder
// (with its trailing '/').
QString CardPictureFile(const QString& cardFolder, std::int32_t face);
// Reads a Windows bitmap file at full size. Throws PictureError for a missing, short or
// unreadable file.
QImage ReadBitmap(const QString& fileName);
// The same, reduced smoothly to at most `shownPixels` in each direction as it is read, so that
// neither the whole file nor the full-size picture is ever held in memory (see BitmapStream.h).
// An empty `shownPixels` reads the picture at full size.
QImage ReadBitmapScaled(const QString& fileName, const QSize& shownPixels);

}  // namespace tavro
