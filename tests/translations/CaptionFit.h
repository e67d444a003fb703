// SPDX-License-Identifier: GPL-3.0-or-later
// Checks of a window's captions that hold in every language: each caption fits its control, and
// no two access keys clash within one menu or one window. The caption check here also finds
// captions that run into a neighbour; the shared check (look/DrawnTexts.h) measures each text
// against its own control the way the control lays it out.
#pragma once

#include <QStringList>

class QWidget;

namespace tavro::test {

// The captions of the window's visible labels, buttons, group boxes and menu bar that their
// controls cut off or that run into a neighbour, one line each ("QLabel Label2 'Dauer': ...").
QStringList ClippedCaptions(QWidget* window);

// The access keys (the letter after '&') used twice within the window's own controls and menu
// bar, or within one of its menus.
QStringList AccessKeyClashes(QWidget* window);

// The letter after the single '&' of a caption, lower case; null when there is none.
QChar AccessKey(const QString& caption);

}  // namespace tavro::test
