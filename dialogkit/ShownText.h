// SPDX-License-Identifier: GPL-3.0-or-later
// Text the program did not write itself - names from the Leads file, card set folder names -
// as it goes on screen: one line, every character seen. Such text is always shown as plain text
// as well, never as markup.
#pragma once

#include <QString>

namespace tavro {

// The text with every control character (and line or paragraph separator), which would break
// the line or draw nothing, shown as "?".
QString ShownText(const QString& text);
// The same for a window caption, where "[*]" would otherwise be taken for the place of the
// window's modified mark and vanish.
QString ShownCaption(const QString& text);

}  // namespace tavro
