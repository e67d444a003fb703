// SPDX-License-Identifier: GPL-3.0-or-later
// The one reader of the key file syntax of desktop entries, which the card sets' set.desktop,
// the card maker's squares.conf and the maker's own settings file are written in:
//     # a comment
//     [Group Name]
//     Key=value
//     Key[de_DE]=localised value
// The text is UTF-8 without NUL characters; lines end in "\n" or "\r\n"; blank lines and lines
// starting with '#' are skipped; a line starting with '[' opens a group (the whole trimmed line
// is its name in brackets); a line "Key=value" belongs to the group above it, and lines before
// any group belong to none. Keys and values are trimmed, and a value's escapes (\s \n \t \r \\)
// stand for a space, a newline, a tab, a carriage return and a backslash (any other backslash
// stays as written). Of two equal keys in a group the first counts; a group named twice is one.
// Files are hostile input: only a regular file of at most a given size is read, and a file that
// is too large or no UTF-8 text gives no entries at all.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <utility>

namespace tavro {

class KeyFileGroup {
public:
    enum class Status {
        Ok,          // read and parsed; the group may still be absent or empty
        Missing,     // no file
        NotRegular,  // a folder, pipe, device, ...
        TooLarge,    // more bytes than allowed
        NotText,     // not UTF-8, or a NUL character in it
        Failed,      // the file could not be read
    };

    // The entries of group `group` (the name without brackets) of `contents`. With `onlyKey`
    // given, only the entries of that key in any locale ("Name", "Name[de]") are kept, which
    // costs far less on a long file.
    static KeyFileGroup Parse(const QByteArray& contents, const QString& group, qint64 maxBytes,
                              QStringView onlyKey = {});
    // The same for the regular file at `path`, read up to maxBytes. Never blocks on a pipe or a
    // device, never throws.
    static KeyFileGroup Read(const QString& path, const QString& group, qint64 maxBytes,
                             QStringView onlyKey = {});

    Status status() const { return status_; }
    // The value of the key as written, locale included ("Name[de]"); null when there is none.
    QString value(const QString& key) const { return index_.value(key); }
    // The value of `key` for `locale` ("de_AT.UTF-8@euro"), chosen as desktop entries choose:
    // Key[lang_COUNTRY@MODIFIER], Key[lang_COUNTRY], Key[lang@MODIFIER], Key[lang], then Key.
    // Locale "C" or an empty one takes Key alone.
    QString localised(const QString& key, const QString& locale) const;
    // The entries in the order of the file, each key once; moved out of a group that is going,
    // so that a loop over Parse(...).entries() never reads a group already gone.
    const QList<std::pair<QString, QString>>& entries() const& { return entries_; }
    QList<std::pair<QString, QString>> entries() && { return std::move(entries_); }

private:
    Status status_ = Status::Failed;
    QList<std::pair<QString, QString>> entries_;
    QHash<QString, QString> index_;
};

// A value escaped as the reader above undoes it, for those who write one: "\s" for a leading
// space, "\n", "\t", "\r" and "\\".
QString EscapeKeyFileValue(const QString& value);

}  // namespace tavro
