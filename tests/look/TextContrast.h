// SPDX-License-Identifier: GPL-3.0-or-later
// Whether the texts of a window stand out from the background they are drawn on, as text
// contrast guidelines measure it, judged from a rendering of the window.
#pragma once

#include <QColor>
#include <QList>
#include <QStringList>

class QAbstractItemView;
class QWidget;

namespace tavro::test {

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
