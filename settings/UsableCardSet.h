// SPDX-License-Identifier: GPL-3.0-or-later
// Which card set can be dealt: one whose card back and 18 faces are all there as complete
// bitmaps. A set that can't (a folder left empty, a picture deleted or cut off) must not stop the
// game when another one can be dealt instead, so the choice falls back from the wanted set to
// the default set and then to every other set, and says which set was passed over and why.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace tavro {

// Why the set in `folder` (with a trailing '/') can't be dealt, such as "7.bmp: the file does
// not exist"; empty when it can. Only each picture's headers (its first 2 KiB) are read, against
// the file's length: enough to find a missing, foreign, cut-off or unreadable picture at the
// cost of 19 small reads.
QString CardSetProblem(const QString& folder);

// Whether the set in `folder` has gone as a whole while it was in play: its folder is no
// folder any more, or its card back can't be read. A single broken face is not that: the game
// reports it and goes on.
bool CardSetVanished(const QString& folder);

struct CardSetChoice {
    std::string name;  // the set to deal; empty when no set at all can be dealt
    // Names the first set tried that has a folder but can't be dealt, the reason, and the set
    // dealt instead; empty when the first wanted set is dealt or is merely missing.
    QString notice;
};

// The first of the wanted sets that can be dealt; failing them, the default set, then every
// other set of both "gfx" folders in name order. Names are looked up as everywhere else
// (CardSetFolder): a player's set takes the place of the program's set of the same folder name,
// so a broken one of those is passed over for the next set, never for the program's set it
// hides. A wanted name that names no set folder (a typo, a removed set) is passed over without a
// notice, as the game always did.
CardSetChoice ChooseUsableCardSet(const std::vector<std::string>& wanted,
                                  const QString& executableFolder);

// The set to deal in place of `lost`, the set in play, whose pictures can no longer be read (it
// was removed, renamed or broken while the game ran): the default set, failing that every other
// set in name order, never `lost` itself. The notice always names the lost set (by the name the
// player saw, `lostShownName`) and the problem; the name is empty when no other set can be
// dealt.
CardSetChoice ChooseCardSetInPlaceOf(const std::string& lost, const QString& lostShownName,
                                     const QString& problem, const QString& executableFolder);

}  // namespace tavro
