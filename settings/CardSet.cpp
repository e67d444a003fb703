// Card sets: locating the current set's folder under "gfx" beside the executable, and reading
// the sets' Windows bitmap files into picture controls.
#include "settings/CardSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "controls/PictureBox.h"
#include "settings/BitmapHeader.h"

namespace tavro {
namespace {

const QString kGfxFolderName = QStringLiteral("gfx");

// The translation context of the picture errors.
struct PictureText {
    Q_DECLARE_TR_FUNCTIONS(CardSet)
};

// Larger files are refused before reading: no card picture comes near this size, and reading a
// huge file by mistake would only stall the game.
constexpr qint64 kMaxBitmapFileSize = qint64{256} * 1024 * 1024;

QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The name of the sub-folder `name` of `folder` as it is spelt on disk: the exact name when such
// a folder exists, otherwise the first folder (in name order) that differs only in letter case,
// otherwise `name` unchanged. On a file system that ignores case the exact check already finds
// it.
QString FolderNameIgnoringCase(const QString& folder, const QString& name) {
    if (name.isEmpty() || QFileInfo(folder + name).isDir()) {
        return name;
    }
    const QStringList entries =
        QDir(folder).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

[[noreturn]] void ThrowPictureError(const QString& fileName, const QString& reason) {
    throw PictureError(
        PictureText::tr("Cannot load the picture %1: %2").arg(fileName, reason).toStdString());
}

QByteArray ReadWholeFile(const QString& fileName) {
    QFile file(fileName);
    if (!file.exists()) {
        ThrowPictureError(fileName, PictureText::tr("the file does not exist"));
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ThrowPictureError(fileName, file.errorString());
    }
    if (file.size() > kMaxBitmapFileSize) {
        ThrowPictureError(fileName, PictureText::tr("the file is too large for a picture"));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ThrowPictureError(fileName, file.errorString());
    }
    return bytes;
}

}  // namespace

QString ExecutableFolder() {
    return WithTrailingSlash(QCoreApplication::applicationDirPath());
}

QString CardSetsFolder() {
    return CardSetsFolder(ExecutableFolder());
}

QString CardSetsFolder(const QString& executableFolder) {
    const QString base = WithTrailingSlash(executableFolder);
    return base + FolderNameIgnoringCase(base, kGfxFolderName) + u'/';
}

void BuildCardFolder(Settings& settings) {
    BuildCardFolder(settings, ExecutableFolder());
}

void BuildCardFolder(Settings& settings, const QString& executableFolder) {
    const QString setsFolder = CardSetsFolder(executableFolder);
    const QString setName = QString::fromStdString(settings.CardSetName);
    settings.CardFolder =
        (setsFolder + FolderNameIgnoringCase(setsFolder, setName) + u'/').toStdString();
}

QImage ReadBitmap(const QString& fileName) {
    const QByteArray bytes = ReadWholeFile(fileName);
    // Qt's reader accepts a cut-off file and fills the missing rows with whatever memory held,
    // so the header is checked against the file's real length before decoding.
    const QString problem = CheckBitmapHeader(bytes);
    if (!problem.isEmpty()) {
        ThrowPictureError(fileName, problem);
    }
    QImage image;
    if (!image.loadFromData(bytes, "BMP") || image.isNull()) {
        ThrowPictureError(fileName, PictureText::tr("the bitmap cannot be decoded"));
    }
    return image;
}

void LoadPicture(PictureBox& target, const QString& fileName) {
    target.setPicture(ReadBitmap(fileName));
}

}  // namespace tavro
