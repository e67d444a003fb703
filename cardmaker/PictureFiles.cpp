// SPDX-License-Identifier: GPL-3.0-or-later
// Expanding folders into the picture files in them.
#include "cardmaker/PictureFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

namespace tavro::cardmaker {
namespace {

bool HasPictureSuffix(const QString& file) {
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    return QImageReader::supportedImageFormats().contains(suffix);
}

}  // namespace

PictureFiles ExpandPictureFiles(const QStringList& paths) {
    PictureFiles found;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            found.files << path;
            continue;
        }
        const QDir folder(path);
        for (const QString& name :
             folder.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase)) {
            (HasPictureSuffix(name) ? found.files : found.skipped) << folder.filePath(name);
        }
    }
    return found;
}

}  // namespace tavro::cardmaker
