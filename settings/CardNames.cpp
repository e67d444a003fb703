// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a card set's picture names from "names.txt", with the file treated as untrusted.
#include "settings/CardNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tavro {
namespace {

bool IsDropped(QChar c) {
    switch (c.category()) {
        case QChar::Other_Control:  // C0 and C1 controls, tab and line ends among them
        case QChar::Other_Format:   // invisible format characters such as direction overrides
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            return false;
    }
}

QString CleanName(const QString& line) {
    QString name;
    for (const QChar c : line) {
        if (!IsDropped(c)) {
            name.append(c);
        }
    }
    name = name.simplified();
    if (name.size() > kCardNameMaxLength) {
        name.truncate(kCardNameMaxLength);
        if (name.back().isHighSurrogate()) {
            name.chop(1);
        }
    }
    return name;
}

// At most limit + 1 bytes of a regular file (one more than allowed tells that it was longer);
// an empty array for anything else. The type is checked on the opened file, so that a name
// swapped for a pipe or a device in between cannot make the read block or run on.
QByteArray ReadRegularFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        return {};
    }
    QFile file;
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
#else
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
#endif
    return file.read(limit + 1);
}

}  // namespace

QStringList ParseCardNames(const QByteArray& contents) {
    QStringList names(kNamedPictures);
    QByteArray text = contents.left(kCardNamesMaxBytes);
    if (contents.size() > kCardNamesMaxBytes) {
        // Cut off inside the file: the last, partial line is left out.
        const qsizetype lastEnd = text.lastIndexOf('\n');
        text.truncate(lastEnd < 0 ? 0 : lastEnd);
    }
    if (text.contains('\0')) {
        return names;  // not a text file
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(text);
    if (decoder.hasError()) {
        return names;  // not UTF-8 text
    }
    const QStringList lines = decoded.split(u'\n');
    for (int picture = 0; picture < kNamedPictures && picture < lines.size(); ++picture) {
        names[picture] = CleanName(lines[picture]);
    }
    return names;
}

QStringList ReadCardNames(const QString& folder) {
    return ParseCardNames(ReadRegularFile(QDir(folder).filePath(QLatin1String(kCardNamesFileName)),
                                          kCardNamesMaxBytes));
}

QString CardPictureName(const QStringList& names, int picture) {
    if (picture >= 1 && picture <= names.size() && !names[picture - 1].isEmpty()) {
        return names[picture - 1];
    }
    return QCoreApplication::translate("CardNames", "picture %1").arg(picture);
}

}  // namespace tavro
