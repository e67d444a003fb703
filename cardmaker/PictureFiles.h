// SPDX-License-Identifier: GPL-3.0-or-later
// The picture files that paths given to the maker stand for: a file for itself, a folder for
// the files in it (not in its sub-folders) whose names end as the picture formats Qt reads here
// do, in name order. The window and the command line take folders alike; the files of a folder
// that are left out are named, so that the window can say which.
#pragma once

#include <QStringList>

namespace tavro::cardmaker {

struct PictureFiles {
    QStringList files;    // to be read, in order
    QStringList skipped;  // files in the folders that are no pictures by their names
};

PictureFiles ExpandPictureFiles(const QStringList& paths);

}  // namespace tavro::cardmaker
