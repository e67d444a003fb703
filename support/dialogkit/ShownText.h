// SPDX-License-Identifier: GPL-3.0-or-later
// Text the program did not write itself - names from the Leads file, card set and picture names,
// card set folder names - as it goes on screen: one line, every character seen, nothing that
// reorders or hides the text around it. Such text is always shown as plain text as well, never as
// markup.
#pragma once

#include <QString>

namespace tavro {

// The text with every character shown as "?" that would break the line, draw nothing or change
// how its neighbours are drawn: control characters, line and paragraph separators, and the
// format characters (Unicode category Cf), among them the bidirectional controls that could make
// "slamina" show as "animals" (U+202A..U+202E, U+2066..U+2069, U+200E, U+200F, U+061C). The
// zero-width joiner and non-joiner stay: emoji sequences and several scripts need them, and they
// move no text.
QString ShownText(const QString& text);
// The same for a window caption, where "[*]" would otherwise be taken for the place of the
// window's modified mark and vanish.
QString ShownCaption(const QString& text);

}  // namespace tavro
