// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's own settings: the folder its file dialogs last took pictures from, so that they
// open there again, and in the desktop's pictures folder the first time. They are kept in a small
// file of their own beside the game's settings ("Tavro/tavro-memory-cards.conf" in the per-user
// settings folder), in the key file syntax of set.desktop:
//     [Tavro Memory Card Maker]
//     LastFolder=/home/kim/Pictures/Summer
// The file is read as the hostile input any file may be: a regular file of at most 4 KiB, or
// nothing; anything else in it is ignored. It is replaced whole when it is written, never
// written through something that is not a regular file, and a failed write loses only the
// folder.
#pragma once

#include <QString>

namespace tavro::cardmaker {

// Where the maker keeps its settings.
QString MakerSettingsFile();
// The folder a file dialog for pictures starts in: the one remembered in the settings file
// where it is still a folder, otherwise the desktop's pictures folder, otherwise the home folder.
QString PictureStartFolder(const QString& settingsFile);
// Remembers the folder for the next file dialog. Never throws; false when it was not kept.
bool RememberPictureFolder(const QString& settingsFile, const QString& folder);

}  // namespace tavro::cardmaker
