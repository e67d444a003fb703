// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing key files (set.desktop, squares.conf, the maker's settings) as untrusted text.
#include "settings/KeyFile.h"

#include <QStringDecoder>
#include <QStringList>
#include <QStringTokenizer>

#include "files/SafeFile.h"

namespace tavro {
namespace {

// A value with its escapes turned into the characters they stand for.
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

// The key's name without its locale: "Name" of "Name[de]".
QStringView KeyName(QStringView key) {
    const qsizetype bracket = key.indexOf(u'[');
    return bracket < 0 ? key : key.left(bracket).trimmed();
}

// The keys to try for `key` in `locale`, best match first.
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

KeyFileGroup::Status StatusOf(BoundedRead::Status status) {
    switch (status) {
        case BoundedRead::Status::Ok:
            return KeyFileGroup::Status::Ok;
        case BoundedRead::Status::Missing:
            return KeyFileGroup::Status::Missing;
        case BoundedRead::Status::NotRegular:
            return KeyFileGroup::Status::NotRegular;
        case BoundedRead::Status::TooLarge:
            return KeyFileGroup::Status::TooLarge;
        case BoundedRead::Status::Failed:
            break;
    }
    return KeyFileGroup::Status::Failed;
}

}  // namespace

KeyFileGroup KeyFileGroup::Parse(const QByteArray& contents, const QString& group, qint64 maxBytes,
                                 QStringView onlyKey) {
    KeyFileGroup parsed;
    if (contents.size() > maxBytes) {
        parsed.status_ = Status::TooLarge;
        return parsed;
    }
    if (contents.contains('\0')) {
        parsed.status_ = Status::NotText;
        return parsed;
    }
    // Stateless, so that a character cut off at the end is an error too.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(contents);
    if (decoder.hasError()) {
        parsed.status_ = Status::NotText;
        return parsed;
    }
    parsed.status_ = Status::Ok;
    const QString groupLine = u'[' + group + u']';
    bool inGroup = false;
    for (const QStringView line : QStringView(text).tokenize(u'\n')) {
        const QStringView trimmed = line.trimmed();  // a "\r" before the "\n" goes too
        if (trimmed.isEmpty() || trimmed.startsWith(u'#')) {
            continue;
        }
        if (trimmed.startsWith(u'[')) {
            inGroup = trimmed == groupLine;
            continue;
        }
        if (!inGroup || (!onlyKey.isEmpty() && !trimmed.startsWith(onlyKey))) {
            continue;  // cheaply, before the line is looked into
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        if (equals <= 0) {
            continue;
        }
        const QStringView key = trimmed.left(equals).trimmed();
        if (!onlyKey.isEmpty() && KeyName(key) != onlyKey) {
            continue;
        }
        const QString keyText = key.toString();
        if (!parsed.index_.contains(keyText)) {
            QString value = Unescaped(trimmed.mid(equals + 1).trimmed());
            parsed.index_.insert(keyText, value);
            parsed.entries_.append({keyText, std::move(value)});
        }
    }
    return parsed;
}

KeyFileGroup KeyFileGroup::Read(const QString& path, const QString& group, qint64 maxBytes,
                                QStringView onlyKey) {
    const BoundedRead read = ReadRegularFile(path, maxBytes);
    if (read.status != BoundedRead::Status::Ok) {
        KeyFileGroup unread;
        unread.status_ = StatusOf(read.status);
        return unread;
    }
    return Parse(read.bytes, group, maxBytes, onlyKey);
}

QString KeyFileGroup::localised(const QString& key, const QString& locale) const {
    for (const QString& candidate : LocalisedKeys(key, locale)) {
        if (const auto found = index_.constFind(candidate); found != index_.cend()) {
            return found.value();
        }
    }
    return {};
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
