// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a card set through a temporary folder, putting it in place, and removing only the
// maker's own files of what it replaces.
#include "cardmaker/SetWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>

#include "cardart/CardBitmap.h"
#include "cardmaker/SetMetadata.h"
#include "cardmaker/SetSources.h"
#include "files/Descriptor.h"
#include "game/CardSetLayout.h"

namespace tavro::cardmaker {
namespace {

struct WriteText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

const QString kNewPrefix = QStringLiteral(".tavro-new-");
const QString kOldPrefix = QStringLiteral(".tavro-old-");
// A temporary folder this old was left by a run that crashed or lost its power: no save takes
// anywhere near this long, so no running copy still writes into it.
constexpr qint64 kStaleSeconds = qint64{24} * 60 * 60;

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString SystemError(int error) {
    if (error == ENOSPC || error == EDQUOT) {
        return WriteText::tr("no space left on the device");
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void Fail(const QString& setsFolder, const QString& reason) {
    throw SetWriteError(WriteText::tr("Cannot save the set in %1: %2")
                            .arg(QDir::toNativeSeparators(setsFolder), reason)
                            .toStdString());
}

enum class Kind { Missing, File, Link, Folder, Other };

// What the name in the folder is, never following a link.
Kind KindAt(int folder, const QString& name, struct stat* status = nullptr) {
    struct stat own;
    struct stat& found = status ? *status : own;
    if (::fstatat(folder, Native(name).constData(), &found, AT_SYMLINK_NOFOLLOW) != 0) {
        return Kind::Missing;
    }
    if (S_ISLNK(found.st_mode)) {
        return Kind::Link;
    }
    if (S_ISREG(found.st_mode)) {
        return Kind::File;
    }
    return S_ISDIR(found.st_mode) ? Kind::Folder : Kind::Other;
}

// Opens a folder in the folder, failing (not following) where the name is a link.
int OpenFolderAt(int folder, const QString& name) {
    return ::openat(folder, Native(name).constData(),
                    O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The names in an open folder, "." and ".." left out.
QStringList NamesIn(int folder) {
    QStringList names;
    DIR* listing = ::fdopendir(::dup(folder));
    if (listing == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name != u"." && name != u"..") {
            names << name;
        }
    }
    ::closedir(listing);
    return names;
}

void SyncFolderAt(int folder, const QString& name) {
    const Descriptor opened(OpenFolderAt(folder, name));
    if (opened.IsOpen()) {
        ::fsync(opened.Get());
    }
}

// Removes the named files of the folder where they are files or links, and nothing else.
void RemoveFilesAt(int folder, const QStringList& names) {
    for (const QString& name : names) {
        const Kind kind = KindAt(folder, name);
        if (kind == Kind::File || kind == Kind::Link) {
            ::unlinkat(folder, Native(name).constData(), 0);
        }
    }
}

// Removes what is left of a set or temporary folder `name` in the sets folder: a link or file
// of that name as itself; a folder's own set files and maker's files, then the folder where
// that emptied it. Whatever else it holds stays, and with it the folder.
void RemoveOwnFiles(int sets, const QString& name) {
    switch (KindAt(sets, name)) {
        case Kind::File:
        case Kind::Link:
            ::unlinkat(sets, Native(name).constData(), 0);
            return;
        case Kind::Folder:
            break;
        case Kind::Missing:
        case Kind::Other:
            return;
    }
    {
        const Descriptor folder(OpenFolderAt(sets, name));
        if (!folder.IsOpen()) {
            return;
        }
        RemoveFilesAt(folder.Get(), SetFileNames());
        if (KindAt(folder.Get(), kMakerFolder) == Kind::Link) {
            ::unlinkat(folder.Get(), Native(kMakerFolder).constData(), 0);
        } else {
            const Descriptor maker(OpenFolderAt(folder.Get(), kMakerFolder));
            if (maker.IsOpen()) {
                RemoveFilesAt(maker.Get(), MakerFileNames());
                ::unlinkat(folder.Get(), Native(kMakerFolder).constData(), AT_REMOVEDIR);
            }
        }
    }
    ::unlinkat(sets, Native(name).constData(), AT_REMOVEDIR);
}

// Clears the temporary folders that runs which never finished left in the sets folder.
void RemoveStaleWork(int sets) {
    const qint64 staleBefore = QDateTime::currentSecsSinceEpoch() - kStaleSeconds;
    for (const QString& name : NamesIn(sets)) {
        struct stat status;
        if ((name.startsWith(kNewPrefix) || name.startsWith(kOldPrefix)) &&
            KindAt(sets, name, &status) != Kind::Missing && status.st_mtime < staleBefore) {
            RemoveOwnFiles(sets, name);
        }
    }
}

// What an old set's folder holds besides the set's own files.
struct OldSetContents {
    QStringList others;   // the player's files: they move into the new set's folder
    QStringList clashes;  // the player's, under a name of the set's own files
};

OldSetContents InspectOldSet(int folder) {
    OldSetContents contents;
    const QStringList setFiles = SetFileNames();
    for (const QString& name : NamesIn(folder)) {
        const Kind kind = KindAt(folder, name);
        const bool ownKind = name == kMakerFolder ? kind == Kind::Folder || kind == Kind::Link
                                                  : kind == Kind::File || kind == Kind::Link;
        if (setFiles.contains(name) || name == kMakerFolder) {
            if (!ownKind) {
                contents.clashes << name;
            }
        } else {
            contents.others << name;
        }
    }
    return contents;
}

bool Rename(int sets, const QString& from, const QString& to, unsigned int flags) {
    return ::renameat2(sets, Native(from).constData(), sets, Native(to).constData(), flags) == 0;
}

// Renames the entry to a new hidden name of its own; returns that name, or empty (with errno).
QString PutAside(int sets, const QString& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString aside =
            kOldPrefix + QString::number(QRandomGenerator::global()->generate(), 36);
        if (Rename(sets, name, aside, RENAME_NOREPLACE)) {
            return aside;
        }
        if (errno != EEXIST) {
            break;
        }
    }
    return {};
}

// Moves the named entries from one folder of the sets folder into another. An entry that can't
// be moved (a mount point, say) stays where it is, hidden but never removed.
void MoveEntries(int sets, const QString& from, const QString& to, const QStringList& names) {
    const Descriptor source(OpenFolderAt(sets, from));
    const Descriptor target(OpenFolderAt(sets, to));
    if (!source.IsOpen() || !target.IsOpen()) {
        return;
    }
    for (const QString& name : names) {
        const QByteArray native = Native(name);
        ::renameat2(source.Get(), native.constData(), target.Get(), native.constData(),
                    RENAME_NOREPLACE);
    }
    ::fsync(target.Get());
}

void WriteSources(const CardSetFiles& files, const QString& folder) {
    if (files.sources.empty()) {
        return;
    }
    const QString maker = folder + kMakerFolder + u'/';
    if (::mkdir(Native(maker).constData(), 0777) != 0) {
        throw cardsets::CardBitmapError(QDir::toNativeSeparators(maker),
                                        QString::fromLocal8Bit(std::strerror(errno)), errno);
    }
    for (size_t n = 1; n <= files.sources.size(); ++n) {
        cardsets::WriteFileDurably(maker + FaceCopyName(static_cast<int>(n)),
                                   files.sources[n - 1].file);
    }
    if (files.backSource) {
        cardsets::WriteFileDurably(maker + kBackCopy, files.backSource->file);
    }
    cardsets::WriteFileDurably(maker + kSquaresFile, SquaresText(files));
    SyncFolderAt(AT_FDCWD, maker);
}

void WriteSetFiles(const CardSetFiles& files, const QString& folder) {
    for (size_t n = 1; n <= files.faces.size(); ++n) {
        cardsets::WriteCardBitmap(
            files.faces[n - 1],
            folder + QString::fromStdString(CardPictureFileName(static_cast<std::int32_t>(n))));
    }
    cardsets::WriteCardBitmap(files.back,
                              folder + QString::fromStdString(CardPictureFileName(kCardBack)));
    cardsets::WriteFileDurably(folder + QString::fromLatin1(kCardSetInfoFileName),
                               SetMetadataText(files.name, files.pictureNames));
    WriteSources(files, folder);
    SyncFolderAt(AT_FDCWD, folder);
}

// The set folder's permissions as for any new folder: everything the umask allows.
void OpenUpFolder(const QString& folder) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(Native(folder).constData(), 0777 & ~mask);
}

// Makes the hidden temporary folder in the sets folder and returns its name.
QString MakeWorkFolder(const QString& setsFolder) {
    QByteArray pattern = Native(setsFolder + kNewPrefix + QStringLiteral("XXXXXX"));
    if (::mkdtemp(pattern.data()) == nullptr) {
        Fail(setsFolder, SystemError(errno));
    }
    return QFile::decodeName(pattern).mid(setsFolder.size());
}

// Puts the written set `work` in the place of the player's set `replacing`, under `name`.
void ReplaceSet(int sets, const QString& setsFolder, const QString& work, const QString& name,
                const QString& replacing) {
    const Kind oldKind = KindAt(sets, replacing);
    QStringList others;
    if (oldKind == Kind::Folder) {
        const Descriptor old(OpenFolderAt(sets, replacing));
        const OldSetContents contents = InspectOldSet(old.Get());
        if (!contents.clashes.isEmpty()) {
            RemoveOwnFiles(sets, work);
            Fail(setsFolder,
                 WriteText::tr("the set's folder \"%1\" holds %2 of your own under the name "
                               "of a file of the set: move it away first")
                     .arg(replacing, contents.clashes.join(QStringLiteral(", "))));
        }
        others = contents.others;
    }
    QString aside;
    if (oldKind != Kind::Missing && replacing == name &&
        Rename(sets, work, name, RENAME_EXCHANGE)) {
        aside = work;  // now holding the old set
    } else {
        aside = oldKind == Kind::Missing ? QString() : PutAside(sets, replacing);
        if (oldKind != Kind::Missing && aside.isEmpty()) {
            const int error = errno;
            RemoveOwnFiles(sets, work);
            Fail(setsFolder, SystemError(error));
        }
        if (!Rename(sets, work, name, RENAME_NOREPLACE)) {
            const int error = errno;
            if (!aside.isEmpty()) {
                Rename(sets, aside, replacing, RENAME_NOREPLACE);
            }
            RemoveOwnFiles(sets, work);
            Fail(setsFolder, SystemError(error));
        }
    }
    if (aside.isEmpty()) {
        return;
    }
    if (oldKind == Kind::Folder) {
        MoveEntries(sets, aside, name, others);
    }
    RemoveOwnFiles(sets, aside);
}

}  // namespace

QString WriteCardSet(const CardSetFiles& files, const QString& setsFolder,
                     const QString& replacing) {
    if (!QDir().mkpath(setsFolder)) {
        Fail(setsFolder, WriteText::tr("the folder cannot be made"));
    }
    const Descriptor sets(
        ::open(Native(setsFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!sets.IsOpen()) {
        Fail(setsFolder, SystemError(errno));
    }
    RemoveStaleWork(sets.Get());
    // Hidden, so that the game never lists the half-written set; removed on every failure.
    const QString work = MakeWorkFolder(setsFolder);
    try {
        WriteSetFiles(files, setsFolder + work + u'/');
    } catch (const cardsets::CardBitmapError& error) {
        RemoveOwnFiles(sets.Get(), work);
        Fail(setsFolder,
             WriteText::tr("cannot write %1: %2")
                 .arg(error.fileName(), error.systemError() != 0 ? SystemError(error.systemError())
                                                                 : error.reason()));
    }
    OpenUpFolder(setsFolder + work);

    if (replacing.isEmpty()) {
        if (!Rename(sets.Get(), work, files.name, RENAME_NOREPLACE)) {
            const int error = errno;
            RemoveOwnFiles(sets.Get(), work);
            Fail(setsFolder,
                 error == EEXIST || error == ENOTEMPTY
                     ? WriteText::tr("a set named \"%1\" appeared meanwhile").arg(files.name)
                     : SystemError(error));
        }
    } else {
        ReplaceSet(sets.Get(), setsFolder, work, files.name, replacing);
    }
    ::fsync(sets.Get());
    return setsFolder + files.name + u'/';
}

}  // namespace tavro::cardmaker
