// SPDX-License-Identifier: GPL-3.0-or-later
// The player's language: installs Qt's own translations (the standard buttons' Yes, No and OK)
// from Qt's translations folder and the game's own, which are built into the program as
// resources, for a locale. The program entry and the translation tests both call this.
#pragma once

#include <QLocale>

namespace tavro {

// Installs the translators for the locale's user-interface languages, first match wins (so
// LANGUAGE and LANG choose as in every Qt program), and removes the ones an earlier call
// installed. True when the game's own translation was found; English needs none.
bool InstallTranslations(const QLocale& locale = QLocale::system());

}  // namespace tavro
