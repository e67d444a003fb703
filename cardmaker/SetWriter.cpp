// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a card set through a temporary folder and renaming it into place.
#include "cardmaker/SetWriter.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "cardart/CardBitmap.h"
#include "cardmaker/SetMetadata.h"
#include "game/CardSetLayout.h"

namespace tavro::cardmaker {
namespace {

struct WriteText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

const QString kMetadataFile = QStringLiteral("set.desktop");
const QString kNewPrefix = QStringLiteral(".tavro-new-");
const QString kOldPrefix = QStringLiteral(".tavro-old-");
// A temporary folder this old was left by a run that crashed or lost its power: no save takes
// anywhere near this long, so no running copy still writes into it.
constexpr qint64 kStaleSeconds = qint64{24} * 60 * 60;

[[noreturn]] void Fail(const QString& setsFolder, const QString& reason) {
    throw SetWriteError(WriteText::tr("Cannot save the set in %1: %2")
                            .arg(QDir::toNativeSeparators(setsFolder), reason)
                            .toStdString());
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

// Makes the written files reach the disk before the folder is renamed into place.
void SyncFolder(const QString& folder) {
    const int descriptor = ::open(Native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

void WriteMetadata(const CardSetFiles& files, const QString& fileName) {
    const QByteArray text = SetMetadataText(files.name, files.pictureNames);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() ||
        !file.flush() || ::fsync(file.handle()) != 0) {
        throw cardsets::CardBitmapError(QDir::toNativeSeparators(fileName), file.errorString());
    }
}

void WriteSetFiles(const CardSetFiles& files, const QString& folder) {
    for (size_t n = 1; n <= files.faces.size(); ++n) {
        cardsets::WriteCardBitmap(
            files.faces[n - 1],
            folder + QString::fromStdString(CardPictureFileName(static_cast<std::int32_t>(n))));
    }
    cardsets::WriteCardBitmap(files.back,
                              folder + QString::fromStdString(CardPictureFileName(kCardBack)));
    WriteMetadata(files, folder + kMetadataFile);
    SyncFolder(folder);
}

// The set folder's permissions as for any new folder: everything the umask allows.
void OpenUpFolder(const QString& folder) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(Native(folder).constData(), 0777 & ~mask);
}

bool RenameNoReplace(const QString& from, const QString& to) {
    return ::renameat2(AT_FDCWD, Native(from).constData(), AT_FDCWD, Native(to).constData(),
                       RENAME_NOREPLACE) == 0;
}

// Puts the new folder in place of the old one: swapped in one step where the file system can,
// otherwise the old one is renamed aside first. The old set ends up in `newFolder`'s place.
void ReplaceFolder(const QString& newFolder, const QString& oldFolder, const QString& target,
                   const QString& setsFolder) {
    if (oldFolder == target && ::renameat2(AT_FDCWD, Native(newFolder).constData(), AT_FDCWD,
                                           Native(target).constData(), RENAME_EXCHANGE) == 0) {
        return;
    }
    QTemporaryDir aside(setsFolder + kOldPrefix + QStringLiteral("XXXXXX"));
    if (!aside.isValid()) {
        Fail(setsFolder, aside.errorString());
    }
    const QString asideSet = aside.path() + QStringLiteral("/set");
    if (::rename(Native(oldFolder).constData(), Native(asideSet).constData()) != 0) {
        Fail(setsFolder, SystemError(errno));
    }
    if (!RenameNoReplace(newFolder, target)) {
        const int error = errno;
        ::rename(Native(asideSet).constData(), Native(oldFolder).constData());
        Fail(setsFolder, SystemError(error));
    }
    // The old set is removed with `aside`.
}

// Removes the temporary folders that runs which never finished left in the sets folder.
void RemoveStaleWork(const QString& setsFolder) {
    const QDateTime staleBefore = QDateTime::currentDateTimeUtc().addSecs(-kStaleSeconds);
    const QFileInfoList entries = QDir(setsFolder)
                                      .entryInfoList({kNewPrefix + u'*', kOldPrefix + u'*'},
                                                     QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (entry.lastModified().toUTC() < staleBefore) {
            QDir(entry.filePath()).removeRecursively();
        }
    }
}

}  // namespace

QString WriteCardSet(const CardSetFiles& files, const QString& setsFolder,
                     const QString& replacing) {
    if (!QDir().mkpath(setsFolder)) {
        Fail(setsFolder, WriteText::tr("the folder cannot be made"));
    }
    RemoveStaleWork(setsFolder);
    // Hidden, so that the game never lists the half-written set; removed on every failure.
    QTemporaryDir work(setsFolder + kNewPrefix + QStringLiteral("XXXXXX"));
    if (!work.isValid()) {
        Fail(setsFolder, work.errorString());
    }
    const QString workFolder = work.path() + u'/';
    try {
        WriteSetFiles(files, workFolder);
    } catch (const cardsets::CardBitmapError& error) {
        Fail(setsFolder,
             WriteText::tr("cannot write %1: %2").arg(error.fileName(), error.reason()));
    }
    OpenUpFolder(work.path());

    const QString target = setsFolder + files.name;
    if (replacing.isEmpty()) {
        if (!RenameNoReplace(work.path(), target)) {
            const int error = errno;
            Fail(setsFolder,
                 error == EEXIST || error == ENOTEMPTY
                     ? WriteText::tr("a set named \"%1\" appeared meanwhile").arg(files.name)
                     : SystemError(error));
        }
    } else {
        ReplaceFolder(work.path(), setsFolder + replacing, target, setsFolder);
    }
    SyncFolder(setsFolder);
    return target + u'/';
}

}  // namespace tavro::cardmaker
