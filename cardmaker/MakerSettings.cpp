// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's settings file: the folder its file dialogs last took pictures from.
#include "cardmaker/MakerSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QUrl>

#include "files/SafeFile.h"

namespace tavro::cardmaker {
namespace {

constexpr qint64 kSettingsMaxBytes = 4 * 1024;
const QString kGroup = QStringLiteral("[Tavro Memory Card Maker]");
const QString kLastFolderKey = QStringLiteral("LastFolder=");

QString RememberedFolder(const QString& settingsFile) {
    const BoundedRead read = ReadRegularFile(settingsFile, kSettingsMaxBytes);
    if (read.status != BoundedRead::Status::Ok) {
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(read.bytes);
    if (utf8.hasError()) {
        return {};
    }
    bool inGroup = false;
    for (const QString& line : text.split(u'\n')) {
        if (line.startsWith(u'[')) {
            inGroup = line.trimmed() == kGroup;
        } else if (inGroup && line.startsWith(kLastFolderKey)) {
            return QUrl::fromPercentEncoding(line.mid(kLastFolderKey.size()).toLatin1());
        }
    }
    return {};
}

}  // namespace

QString MakerSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tavro/tavro-memory-cards.conf");
}

QString PictureStartFolder(const QString& settingsFile) {
    const QString remembered = RememberedFolder(settingsFile);
    if (!remembered.isEmpty() && QDir::isAbsolutePath(remembered) &&
        QFileInfo(remembered).isDir()) {
        return remembered;
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

bool RememberPictureFolder(const QString& settingsFile, const QString& folder) {
    if (folder.isEmpty() || KindOfFile(settingsFile) == FileKind::Other ||
        !QDir().mkpath(QFileInfo(settingsFile).absolutePath())) {
        return false;
    }
    // Percent-encoded, so that no folder name can start a line or a group of its own.
    const QByteArray text =
        (kGroup + u'\n' + kLastFolderKey).toUtf8() + QUrl::toPercentEncoding(folder, "/") + '\n';
    QSaveFile file(settingsFile);
    return text.size() <= kSettingsMaxBytes && file.open(QIODevice::WriteOnly) &&
           file.write(text) == text.size() && file.commit();
}

}  // namespace tavro::cardmaker
