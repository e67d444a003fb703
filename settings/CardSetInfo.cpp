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
#include <QStringDecoder>
#include <QStringTokenizer>
#include <optional>

#include "files/SafeFile.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tavro {
namespace {

const QString kGroupLine = u'[' + QString::fromLatin1(kCardSetInfoGroup) + u']';

// A key file value with its escapes (\s \n \t \r \\) turned into the characters they stand for;
// any other backslash stays as it is.
QString Unescaped(QStringView value) {
    QString text;
    text.reserve(value.size());
    for (qsizetype at = 0; at < value.size(); ++at) {
        const QChar c = value[at];
        if (c != u'\\' || at + 1 == value.size()) {
            text.append(c);
            continue;
        }
        switch (value[at + 1].unicode()) {
            case u's':
                text.append(u' ');
                break;
            case u'n':
                text.append(u'\n');
                break;
            case u't':
                text.append(u'\t');
                break;
            case u'r':
                text.append(u'\r');
                break;
            case u'\\':
                text.append(u'\\');
                break;
            default:
                text.append(c);
                continue;  // the next character is taken as it is
        }
        ++at;
    }
    return text;
}

QString Shortened(QString text, int maxLength) {
    if (text.size() > maxLength) {
        text.truncate(maxLength);
        if (text.back().isHighSurrogate()) {
            text.chop(1);  // never half a character
        }
    }
    return text;
}

// The key's name without its locale: "Name" of "Name[de]".
QStringView KeyName(QStringView key) {
    const qsizetype bracket = key.indexOf(u'[');
    return bracket < 0 ? key : key.left(bracket).trimmed();
}

// The entries of the card set group, by key as written ("Name[de]"); the first of two equal
// keys wins. Other groups are skipped, and with `onlyName` given, every key of another name.
QHash<QString, QString> GroupEntries(const QString& text, QStringView onlyName = {}) {
    QHash<QString, QString> entries;
    bool inGroup = false;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
            continue;
        }
        if (trimmed.startsWith(u'[')) {
            inGroup = trimmed == kGroupLine;
            continue;
        }
        if (!inGroup || (!onlyName.isEmpty() && !trimmed.startsWith(onlyName))) {
            continue;  // cheaply, before the line is looked into
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) {
            continue;
        }
        const QStringView keyText = line.left(equals).trimmed();
        if (!onlyName.isEmpty() && KeyName(keyText) != onlyName) {
            continue;
        }
        const QString key = keyText.toString();
        if (!entries.contains(key)) {
            entries.insert(key, Unescaped(line.mid(equals + 1).trimmed()));
        }
    }
    return entries;
}

// The keys to try for `key` in `locale` ("de_DE.UTF-8@euro"), best match first.
QStringList LocalisedKeys(const QString& key, const QString& locale) {
    QString rest = locale;
    QString modifier;
    if (const qsizetype at = rest.indexOf(u'@'); at >= 0) {
        modifier = rest.mid(at + 1);
        rest.truncate(at);
    }
    if (const qsizetype dot = rest.indexOf(u'.'); dot >= 0) {
        rest.truncate(dot);  // the encoding plays no part
    }
    const QStringList parts = rest.split(u'_', Qt::SkipEmptyParts);
    QStringList keys;
    const auto add = [&](const QString& name) { keys.append(key + u'[' + name + u']'); };
    if (!parts.isEmpty() && parts.front() != QStringLiteral("C")) {
        const QString lang = parts.front();
        const QString country = parts.size() > 1 ? parts.back() : QString();
        if (!country.isEmpty() && !modifier.isEmpty()) {
            add(lang + u'_' + country + u'@' + modifier);
        }
        if (!country.isEmpty()) {
            add(lang + u'_' + country);
        }
        if (!modifier.isEmpty()) {
            add(lang + u'@' + modifier);
        }
        add(lang);
    }
    keys.append(key);
    return keys;
}

QString Localised(const QHash<QString, QString>& entries, const QString& key,
                  const QString& locale) {
    for (const QString& candidate : LocalisedKeys(key, locale)) {
        if (const auto found = entries.constFind(candidate); found != entries.cend()) {
            return found.value();
        }
    }
    return {};
}

// The file's text; none when it is too large or is no UTF-8 text.
std::optional<QString> KeyFileText(const QByteArray& contents) {
    if (contents.size() > kCardSetInfoMaxBytes || contents.contains('\0')) {
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(contents);
    if (decoder.hasError()) {
        return std::nullopt;
    }
    return text;
}

QString SetName(const QHash<QString, QString>& entries, const QString& locale) {
    return Shortened(Localised(entries, QStringLiteral("Name"), locale), kCardSetNameMaxLength);
}

BoundedRead ReadKeyFile(const QString& folder) {
    return ReadRegularFile(QDir(folder).filePath(QLatin1String(kCardSetInfoFileName)),
                           kCardSetInfoMaxBytes);
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
    const QString path = QDir(folder).filePath(QLatin1String(kCardSetInfoFileName));
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
    CardSetInfo info;
    info.pictures = QStringList(kNamedPictures);
    const std::optional<QString> text = KeyFileText(contents);
    if (!text) {
        return info;
    }
    const QHash<QString, QString> entries = GroupEntries(*text);
    info.name = SetName(entries, locale);
    for (int picture = 1; picture <= kNamedPictures; ++picture) {
        info.pictures[picture - 1] =
            Shortened(Localised(entries, QStringLiteral("Picture%1").arg(picture), locale),
                      kCardNameMaxLength);
    }
    return info;
}

CardSetInfo ReadCardSetInfo(const QString& folder, const QString& locale) {
    const BoundedRead read = ReadKeyFile(folder);
    // A file that is missing, no regular file or too large gives no names at all.
    return ParseCardSetInfo(read.status == BoundedRead::Status::Ok ? read.bytes : QByteArray(),
                            locale);
}

QString ParseCardSetName(const QByteArray& contents, const QString& locale) {
    const std::optional<QString> text = KeyFileText(contents);
    return text ? SetName(GroupEntries(*text, u"Name"), locale) : QString();
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
        const BoundedRead read = ReadKeyFile(folder);
        if (known.size() >= kMostKnown) {
            known.clear();
        }
        found = known.insert(key, {stamp, read.status == BoundedRead::Status::Ok
                                              ? ParseCardSetName(read.bytes, locale)
                                              : QString()});
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

QString EscapeKeyFileValue(const QString& value) {
    QString escaped;
    escaped.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\') {
            escaped += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            escaped += QStringLiteral("\\n");
        } else if (c == u'\t') {
            escaped += QStringLiteral("\\t");
        } else if (c == u'\r') {
            escaped += QStringLiteral("\\r");
        } else if (c == u' ' && i == 0) {
            escaped += QStringLiteral("\\s");
        } else {
            escaped += c;
        }
    }
    return escaped;
}

}  // namespace tavro
