// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the texts of a window stand out from the background they are drawn on, as text
// contrast guidelines measure it, judged from a rendering of the window; and the two desktop
// palettes the windows are checked under.
#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>
#include <QStringList>

class QAbstractItemView;
class QWidget;

namespace tavro::test {

// The contrast ratio of two colours as text guidelines define it: 1 (equal) to 21.
double ContrastRatio(const QColor& first, const QColor& second);

// Looks at a rendering of the window: within each text's ink box the background is the colour
// most pixels have, the text's colour the one that differs most from it. The texts are those of
// DrawnTexts (captions, labels, the menu bar), what the window's line edits hold and the cells
// and column headers its item views show. Lists "name: text (contrast R:1 of #text on
// #background)" for each text whose contrast is below the minimum, or below what its own colour
// gives on its background where the window was made to draw it in one of the colours in
// fixedColours. Left out: the texts of controls turned off, and texts drawn in the desktop's own
// selection colours (the application palette's highlight and highlighted text).
QStringList TextsHardToRead(QWidget& window, double minimumRatio,
                            const QList<QColor>& fixedColours = {});
// The same for the entries of a list (the drop-down list of a combo box, say), each in its row.
QStringList EntriesHardToRead(QAbstractItemView& view, double minimumRatio);

// The light palette the Fusion style comes with, and a dark one as desktops set it for Fusion
// (light text on dark windows, fields and buttons).
QPalette LightFusionPalette();
QPalette DarkFusionPalette();

// Sets the application's style and palette while it lives, and puts back the ones before.
class DesktopLook {
public:
    DesktopLook(const QString& style, const QPalette& palette);
    ~DesktopLook();
    DesktopLook(const DesktopLook&) = delete;
    DesktopLook& operator=(const DesktopLook&) = delete;

private:
    QString previousStyle_;
    QPalette previousPalette_;
};

}  // namespace tavro::test
