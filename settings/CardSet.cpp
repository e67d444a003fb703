// SPDX-License-Identifier: GPL-3.0-or-later
// Card sets: locating the current set's folder under "gfx" in the player's data folder or beside
// the executable, and reading the sets' Windows bitmap files into images (decoded by the picture
// library, pictures/).
#include "settings/CardSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <utility>

#include "files/SafeFile.h"
#include "game/CardSetLayout.h"
#include "pictures/BitmapDecode.h"
#include "pictures/BitmapStream.h"
#include "settings/PlayerSets.h"

namespace tavro {
namespace {

const QString kGfxFolderName = QStringLiteral("gfx");

// The translation context of the picture errors.
struct PictureText {
    Q_DECLARE_TR_FUNCTIONS(CardSet)
};

QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

[[noreturn]] void ThrowPictureError(const QString& fileName, const QString& reason) {
    throw PictureError(
        PictureText::tr("Cannot load the picture %1: %2").arg(fileName, reason).toStdString());
}

}  // namespace

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

bool IsCardSetName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") {
        return false;
    }
    const QString text = QString::fromStdString(name);
    if (text.toStdString() != name) {
        return false;  // not UTF-8: the bytes were replaced while decoding
    }
    // Any other character a folder name may hold is allowed, controls included: such a folder
    // is listed in Options and shown with "?" in their place, so it must stay usable.
    return !text.contains(u'/') && !text.contains(u'\\') && !text.contains(QChar(u'\0'));
}

QString CardSetFolder(const std::string& name, const QString& executableFolder) {
    if (!IsCardSetName(name)) {
        return {};
    }
    const QString wanted = QString::fromStdString(name);
    // The player's sets come first, as in every XDG data folder search; an exact name comes
    // before one that differs only in letter case.
    const QStringList places{PlayerCardSetsFolder(), CardSetsFolder(executableFolder)};
    for (const QString& place : places) {
        if (QFileInfo(place + wanted).isDir()) {
            return place + wanted + u'/';
        }
    }
    for (const QString& place : places) {
        const QString folderName = FolderNameIgnoringCase(place, wanted);
        if (QFileInfo(place + folderName).isDir()) {
            return place + folderName + u'/';
        }
    }
    return {};
}

namespace {

// The set folders directly in `place` (with a trailing '/'), in the order the file system lists
// them. An empty place holds none (QDir would take it for the current folder).
QStringList SetFolderNames(const QString& place) {
    QStringList names;
    if (place.isEmpty()) {
        return names;
    }
    // Without QDir::Hidden and QDir::System: no hidden entries and no dangling links; QDir::Dirs
    // takes links to folders and leaves files and links to them out.
    QDirIterator entries(place, QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (!name.isEmpty() && !name.startsWith(u'.')) {
            names.append(name);
        }
    }
    return names;
}

}  // namespace

std::vector<CardSetFolderEntry> ListCardSetFolders(const QString& programSets,
                                                   const QString& playerSets) {
    const QString program = programSets.isEmpty() ? programSets : WithTrailingSlash(programSets);
    const QString player = playerSets.isEmpty() ? playerSets : WithTrailingSlash(playerSets);
    const QStringList players = SetFolderNames(player);
    const QStringList programs = SetFolderNames(program);
    // Looked up by hash: a list of thousands of sets costs no more than its length.
    const QSet<QString> playersNames(players.begin(), players.end());
    const QSet<QString> programsNames(programs.begin(), programs.end());
    std::vector<CardSetFolderEntry> sets;
    sets.reserve(static_cast<size_t>(programs.size() + players.size()));
    for (const QString& name : programs) {
        const bool own = playersNames.contains(name);
        sets.push_back({name, (own ? player : program) + name + u'/', own});
    }
    for (const QString& name : players) {
        if (!programsNames.contains(name)) {
            sets.push_back({name, player + name + u'/', true});
        }
    }
    return sets;
}

std::vector<CardSetFolderEntry> ListCardSetFolders(const QString& executableFolder) {
    return ListCardSetFolders(CardSetsFolder(executableFolder), PlayerCardSetsFolder());
}

void SortCardSetFoldersByName(std::vector<CardSetFolderEntry>& sets) {
    std::sort(sets.begin(), sets.end(), [](const auto& a, const auto& b) {
        const int ignoringCase = a.name.compare(b.name, Qt::CaseInsensitive);
        return ignoringCase != 0 ? ignoringCase < 0 : a.name < b.name;
    });
}

bool CardSetExists(const std::string& name, const QString& executableFolder) {
    return !CardSetFolder(name, executableFolder).isEmpty();
}

void BuildCardFolder(Settings& settings, const QString& executableFolder) {
    const QString setsFolder = CardSetsFolder(executableFolder);
    const std::string& name = settings.CardSetName;
    if (const QString found = CardSetFolder(name, executableFolder); !found.isEmpty()) {
        settings.CardFolder = found.toStdString();
        return;
    }
    // Percent-encoding leaves only letters, digits and "-_~%": one plain folder name.
    const QString folderName =
        IsCardSetName(name)
            ? QString::fromStdString(name)
            : QString::fromLatin1(QByteArray::fromStdString(name).toPercentEncoding({}, "."));
    settings.CardFolder = (setsFolder + folderName + u'/').toStdString();
}

QString CardPictureFile(const QString& cardFolder, std::int32_t face) {
    return cardFolder + QString::fromStdString(CardPictureFileName(face));
}

QImage ReadBitmap(const QString& fileName) {
    return ReadBitmapScaled(fileName, QSize());
}

QImage ReadBitmapScaled(const QString& fileName, const QSize& shownPixels) {
    switch (KindOfFile(fileName)) {
        case FileKind::Missing:
            ThrowPictureError(fileName,
                              QCoreApplication::translate("SafeFile", "the file does not exist"));
        case FileKind::Other:
            ThrowPictureError(fileName, PictureText::tr("it is not a regular file"));
        case FileKind::Regular:
            break;
    }
    QFile file;
    QString problem;
    if (!OpenRegularFile(file, fileName, QIODevice::ReadOnly, problem)) {
        ThrowPictureError(fileName, problem == NotRegularFileText()
                                        ? PictureText::tr("it is not a regular file")
                                        : problem);
    }
    // Only the size the file had when opened is read, however it grows meanwhile, and only a
    // band of its rows at a time: a FIFO would block the game for good and a device could be
    // read without end, so nothing but a regular file is opened.
    const qint64 length = file.size();
    if (length > kMaxBitmapFileSize) {
        ThrowPictureError(fileName, PictureText::tr("the file is too large for a picture"));
    }
    QImage image = DecodeBitmapScaled(file, length, shownPixels, problem);
    if (image.isNull()) {
        ThrowPictureError(fileName, problem);
    }
    return image;
}

}  // namespace tavro
