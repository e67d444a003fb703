// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a window's controls draw, each with the room its control gives it, found the way the
// control itself lays the text out (its font, its style's margins and sub-rectangles), and the
// check for texts cut off by their control, which can run on any top-level widget, in any
// language. TextContrast.h checks the same texts' contrast.
#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace tavro::test {

struct DrawnText {
    const QWidget* control = nullptr;
    QString name;  // the control's object name, or the window's and the control's class names
    QString text;  // as shown: mnemonic markers removed
    QRect room;    // where the control lets the text go, in window coordinates, cut to what the
                   // parents show
    QRect ink;     // the part of the room the text covers (its line box, aligned as drawn)
    int needsWidth = 0;
    int needsHeight = 0;
};

// Every caption of the window's visible buttons, labels, group boxes, check boxes, radio
// buttons and combo boxes (every entry of a combo box, since any may be picked), and of its
// menu bar. Menus themselves are left out: they take the width their entries need.
QList<DrawnText> DrawnTexts(const QWidget& window);

// "name: text (needs N px, has M px)" for every text wider (or, with " high", taller) than its
// room; empty when all fit.
QStringList TextsThatDoNotFit(const QWidget& window);

}  // namespace tavro::test
