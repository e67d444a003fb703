// SPDX-License-Identifier: GPL-3.0-or-later
// A card set's names in the player's language: the set's own name and the names of its 18
// pictures (for screen readers), from the optional key file "set.desktop" in the set's folder,
// written in the syntax of desktop entries:
//     [Tavro Memory Card Set]
//     Name=animals
//     Name[de]=Tiere
//     Picture1=cat
//     Picture1[de]=Katze
// The file is untrusted: only a regular file of at most 16 KiB is read (a larger one is ignored
// as a whole), it must be UTF-8 text, and each name is kept short. Names are returned as written
// (control characters included); whoever shows one shows it as plain text with ShownText.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "game/CardSetLayout.h"
#include "settings/KeyFile.h"  // EscapeKeyFileValue, for those who write the file

namespace tavro {

inline constexpr const char* kCardSetInfoFileName = "set.desktop";
// The group of set.desktop that holds a set's names (read here, written by the card maker).
inline constexpr const char* kCardSetInfoGroup = "Tavro Memory Card Set";
inline constexpr int kNamedPictures = kFaceCount;
inline constexpr qint64 kCardSetInfoMaxBytes = 16 * 1024;
inline constexpr int kCardSetNameMaxLength = 64;
inline constexpr int kCardNameMaxLength = 40;

struct CardSetInfo {
    QString name;          // the set's name; empty when the file gives none
    QStringList pictures;  // pictures 1..18 at index n - 1; empty where the file names none
};

// The locale the names are chosen for, as desktop entries spell it ("de_DE", "fr"): the
// player's first user-interface language, the one the program's translations are loaded for.
QString CardSetLocale();
// Reads folder/set.desktop. Never throws: an unreadable or unsuitable file gives no names.
// `locale` chooses among localised keys as desktop entries do: Key[lang_COUNTRY@MODIFIER],
// Key[lang_COUNTRY], Key[lang@MODIFIER], Key[lang], then the plain Key.
CardSetInfo ReadCardSetInfo(const QString& folder, const QString& locale = CardSetLocale());
// The same for file contents already read; contents longer than kCardSetInfoMaxBytes give no
// names.
CardSetInfo ParseCardSetInfo(const QByteArray& contents, const QString& locale);
// The set's Name alone, as ParseCardSetInfo gives it: only the Name keys are decoded.
QString ParseCardSetName(const QByteArray& contents, const QString& locale);
// The name a set shows in a list of sets: CardSetShownName of folder/set.desktop's Name, read
// as ReadCardSetInfo reads it but only the Name keys, and kept from one call to the next for as
// long as the file's size and times stay the same, so that a list of thousands of sets does not
// read thousands of files each time it is filled.
QString CardSetListName(const QString& folder, const QString& folderName,
                        const QString& locale = CardSetLocale());
// Picture n's name, or "picture n" where the set names none.
QString CardPictureName(const CardSetInfo& info, int picture);
// The set's name to show: its Name, or the folder name without one.
QString CardSetShownName(const CardSetInfo& info, const QString& folderName);
}  // namespace tavro
