// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's settings file: the folder its file dialogs last took pictures from.
#include "cardmaker/MakerSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include "files/SafeFile.h"
#include "settings/KeyFile.h"

namespace tavro::cardmaker {
namespace {

constexpr qint64 kSettingsMaxBytes = 4 * 1024;
const QString kGroup = QStringLiteral("Tavro Memory Card Maker");
const QString kLastFolderKey = QStringLiteral("LastFolder");

QString RememberedFolder(const QString& settingsFile) {
    const KeyFileGroup entries = KeyFileGroup::Read(settingsFile, kGroup, kSettingsMaxBytes);
    return QUrl::fromPercentEncoding(entries.value(kLastFolderKey).toLatin1());
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
        (u'[' + kGroup + QStringLiteral("]\n") + kLastFolderKey + u'=').toUtf8() +
        QUrl::toPercentEncoding(folder, "/") + '\n';
    QSaveFile file(settingsFile);
    return text.size() <= kSettingsMaxBytes && file.open(QIODevice::WriteOnly) &&
           file.write(text) == text.size() && file.commit();
}

}  // namespace tavro::cardmaker
