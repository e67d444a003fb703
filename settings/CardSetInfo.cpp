// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a card set's "set.desktop" key file, with the file treated as untrusted.
#include "settings/CardSetInfo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>

#include "settings/KeyFile.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tavro {
namespace {

QString Shortened(QString text, int maxLength) {
    if (text.size() > maxLength) {
        text.truncate(maxLength);
        if (text.back().isHighSurrogate()) {
            text.chop(1);  // never half a character
        }
    }
    return text;
}

const QString kGroup = QString::fromLatin1(kCardSetInfoGroup);

QString SetInfoPath(const QString& folder) {
    return QDir(folder).filePath(QLatin1String(kCardSetInfoFileName));
}

QString SetName(const KeyFileGroup& entries, const QString& locale) {
    return Shortened(entries.localised(QStringLiteral("Name"), locale), kCardSetNameMaxLength);
}

// The names the file gives; none at all for a file that is missing, no regular file, too large
// or no UTF-8 text.
CardSetInfo InfoOf(const KeyFileGroup& entries, const QString& locale) {
    CardSetInfo info;
    info.pictures = QStringList(kNamedPictures);
    if (entries.status() != KeyFileGroup::Status::Ok) {
        return info;
    }
    info.name = SetName(entries, locale);
    for (int picture = 1; picture <= kNamedPictures; ++picture) {
        info.pictures[picture - 1] =
            Shortened(entries.localised(QStringLiteral("Picture%1").arg(picture), locale),
                      kCardNameMaxLength);
    }
    return info;
}

// What tells one version of a set.desktop file from another, cheaply: which file it is, its size
// and its times. Nothing at all for a missing file.
struct FileStamp {
    qint64 file = -1;
    qint64 size = -1;
    qint64 modified = 0;  // nanoseconds where the system tells them
    qint64 changed = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& folder) {
    const QString path = SetInfoPath(folder);
#ifdef Q_OS_UNIX
    // stat itself: QFileInfo's times cost four times the call, turned into local time.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return {};
    }
    constexpr qint64 kNano = 1'000'000'000;
    return {static_cast<qint64>(status.st_ino), static_cast<qint64>(status.st_size),
            status.st_mtim.tv_sec * kNano + status.st_mtim.tv_nsec,
            status.st_ctim.tv_sec * kNano + status.st_ctim.tv_nsec};
#else
    const QFileInfo file(path);
    if (!file.exists()) {
        return {};
    }
    return {0, file.size(), file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(),
            file.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch()};
#endif
}

}  // namespace

QString CardSetLocale() {
    const QLocale locale;
    const QStringList languages = locale.uiLanguages();
    QString name = languages.isEmpty() ? locale.name() : languages.front();
    return name.replace(u'-', u'_');
}

CardSetInfo ParseCardSetInfo(const QByteArray& contents, const QString& locale) {
    return InfoOf(KeyFileGroup::Parse(contents, kGroup, kCardSetInfoMaxBytes), locale);
}

CardSetInfo ReadCardSetInfo(const QString& folder, const QString& locale) {
    return InfoOf(KeyFileGroup::Read(SetInfoPath(folder), kGroup, kCardSetInfoMaxBytes), locale);
}

QString ParseCardSetName(const QByteArray& contents, const QString& locale) {
    return SetName(KeyFileGroup::Parse(contents, kGroup, kCardSetInfoMaxBytes, u"Name"), locale);
}

QString CardSetListName(const QString& folder, const QString& folderName, const QString& locale) {
    struct Known {
        FileStamp stamp;
        QString name;
    };
    // By folder and locale. Far more sets than anyone keeps start it afresh.
    static QHash<QString, Known> known;
    constexpr qsizetype kMostKnown = 100'000;
    const QString key = folder + u'\n' + locale;
    const FileStamp stamp = StampOf(folder);
    auto found = known.find(key);
    if (found == known.end() || !(found->stamp == stamp)) {
        const QString name = SetName(
            KeyFileGroup::Read(SetInfoPath(folder), kGroup, kCardSetInfoMaxBytes, u"Name"), locale);
        if (known.size() >= kMostKnown) {
            known.clear();
        }
        found = known.insert(key, {stamp, name});
    }
    return found->name.trimmed().isEmpty() ? folderName : found->name;
}

QString CardPictureName(const CardSetInfo& info, int picture) {
    if (picture >= 1 && picture <= info.pictures.size() &&
        !info.pictures[picture - 1].trimmed().isEmpty()) {
        return info.pictures[picture - 1];
    }
    return QCoreApplication::translate("CardNames", "picture %1").arg(picture);
}

QString CardSetShownName(const CardSetInfo& info, const QString& folderName) {
    return info.name.trimmed().isEmpty() ? folderName : info.name;
}

}  // namespace tavro
