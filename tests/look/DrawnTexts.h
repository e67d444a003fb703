// The texts a window's controls draw, each with the room its control gives it, found the way the
// control itself lays the text out (its font, its style's margins and sub-rectangles). Two
// checks build on it: texts cut off by their control, and texts that hardly stand out from the
// background they are drawn on. Both can run on any top-level widget, in any language.
#pragma once

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QAbstractItemView;
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

// The contrast ratio of two colours as text guidelines define it: 1 (equal) to 21.
double ContrastRatio(const QColor& first, const QColor& second);

// Looks at a rendering of the window: within each text's ink box the background is the colour
// most pixels have, the text's colour the one that differs most from it. Lists
// "name: text (contrast R:1 of #text on #background)" for each text whose contrast is below
// the minimum, or below what its own colour gives on white where the window was made to draw
// it in one of the colours in fixedColours.
QStringList TextsHardToRead(QWidget& window, double minimumRatio,
                            const QList<QColor>& fixedColours = {});
// The same for the entries of a list (the drop-down list of a combo box, say), each in its row.
QStringList EntriesHardToRead(QAbstractItemView& view, double minimumRatio);

}  // namespace tavro::test
