// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: QSettings ini files, one per user and one per machine, both holding the
// group "Software/Tavro/Tavro Memory". An ordinary player cannot write the per-machine file, and
// settings that silently never persist would be lost, so:
// - a value is read from the per-user file first and, where that lacks it, from the per-machine
//   file (value by value); a per-user value of the wrong type is read as empty, which gives the
//   default, rather than letting the per-machine value show through;
// - saving goes to the per-machine file where it can be written (as for an administrator), and
//   otherwise to the per-user file.
// A file that is there but is not a regular file (a FIFO, a device, a folder, a link to one of
// them or to nothing) counts as absent and is never written: QSettings would block on a FIFO, or
// write through a link to nothing.
// The files are hostile input like any other: each is read by us, on its own handle, up to a
// bound far above what the game writes, and QSettings parses and edits a private copy of the
// bytes, since it would otherwise open the file again by its name and read all of it. A file
// above the bound, or one that QSettings can't parse (random bytes, a line that is neither a
// group, a value nor a ";" comment, such as a "#" one), is damaged: it holds no values, as one that
// cannot be read, and a save rewrites it whole (QSettings itself would refuse to write over it).
// Every save replaces the file at once, under the lock file QSettings itself takes beside it.
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>
#include <functional>
#include <limits>

#include "files/SafeFile.h"
#include "settings/KeyValueStore.h"
#include "tavro/ProgramInfo.h"

namespace tavro {
namespace {

const QString kOrganisationName = QStringLiteral(TAVRO_ORGANISATION);
const QString kApplication = QStringLiteral(TAVRO_PROGRAM_NAME);
const QString kKeyPath = QStringLiteral("Software/" TAVRO_ORGANISATION "/" TAVRO_PROGRAM_NAME);
const QString kCards = QStringLiteral("cards");
const QString kDelay = QStringLiteral("delay");
const QString kPath = QStringLiteral("path");

// The game writes a few hundred bytes; anything far beyond that is no settings file of ours.
constexpr qint64 kMaxFileSize = 64 * 1024;

// The scope's ini file, as QSettings names it. A QSettings reads its files as soon as it is made,
// so the name is asked of one whose organisation is a folder that does not exist: it reads
// nothing, and it names its file in the scope's folder (the XDG folders, or those set with
// QSettings::setPath).
QString ScopeFileName(QSettings::Scope scope) {
    const QString probe = QStringLiteral("tavro-no-such-folder/probe");
    const QString tail = probe + QLatin1Char('/') + kApplication + QStringLiteral(".ini");
    QString name = QSettings(QSettings::IniFormat, scope, probe, kApplication).fileName();
    if (!name.endsWith(tail)) {
        return {};
    }
    name.chop(tail.size());
    return name + kOrganisationName + QLatin1Char('/') + kApplication + QStringLiteral(".ini");
}

// A regular file (or a link to one), or nothing at all under that name.
bool RegularOrAbsent(const QString& name) {
    switch (KindOfFile(name)) {
        case FileKind::Regular:
            return true;
        case FileKind::Other:
            return false;
        case FileKind::Missing: {
            struct stat status {};  // a link to nothing is no absent file
            return ::lstat(QFile::encodeName(name).constData(), &status) != 0;
        }
    }
    return false;
}

// QSettings over a private copy of a store file's bytes, in the key's group: what it parses is
// what was read and checked, and what it writes can be checked before it replaces the file.
class IniCopy {
public:
    explicit IniCopy(const QByteArray& bytes) {
        if (file_.open() && file_.write(bytes) == bytes.size() && file_.flush()) {
            settings_ = std::make_unique<QSettings>(file_.fileName(), QSettings::IniFormat);
            // QSettings parses a group's lines only when a key of it is asked for: all of them
            // now, so that a line it can't parse anywhere is found before anything is read.
            settings_->allKeys();
            damaged_ = settings_->status() == QSettings::FormatError;
            settings_->beginGroup(kKeyPath);
        }
    }
    IniCopy(const IniCopy&) = delete;
    IniCopy& operator=(const IniCopy&) = delete;

    // None when the copy could not be made.
    QSettings* Values() { return settings_.get(); }
    // QSettings could not parse the bytes: what it read of them is not to be trusted, and it
    // would write nothing back.
    bool Damaged() const { return damaged_; }

    // The text QSettings wrote for the edited values; none when it failed.
    std::optional<QByteArray> Text() {
        if (!settings_) {
            return std::nullopt;
        }
        settings_->sync();
        if (settings_->status() != QSettings::NoError) {
            return std::nullopt;
        }
        const BoundedRead written = ReadRegularFile(file_.fileName(), kMaxFileSize);
        if (written.status != BoundedRead::Status::Ok) {
            return std::nullopt;
        }
        return written.bytes;
    }

private:
    QTemporaryFile file_;
    std::unique_ptr<QSettings> settings_;  // made and gone while the copy is there
    bool damaged_ = false;
};

// The bytes of a scope's file that may be read: none when it is absent, is not a regular file,
// cannot be read or is too large.
std::optional<QByteArray> ReadableBytes(const QString& name) {
    BoundedRead read = ReadRegularFile(name, kMaxFileSize);
    if (read.status != BoundedRead::Status::Ok) {
        return std::nullopt;
    }
    return std::move(read.bytes);
}

// Ini files hold text, so plain text is a string; a list ("a, b") or another @Variant is not.
std::optional<std::string> TextValue(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

// A whole decimal number in the signed 32-bit range, as text in the file or as a number that
// this process wrote.
std::optional<std::int32_t> Int32Value(const QVariant& value) {
    bool ok = false;
    qlonglong number = 0;
    switch (value.typeId()) {
        case QMetaType::QString: {
            const int parsed = value.toString().toInt(&ok);  // rejects "1.5", "abc", overflow
            number = parsed;
            break;
        }
        case QMetaType::Int:
        case QMetaType::LongLong:
            number = value.toLongLong(&ok);
            break;
        case QMetaType::UInt:
        case QMetaType::ULongLong: {
            const qulonglong unsignedNumber = value.toULongLong(&ok);
            ok = ok && unsignedNumber <= qulonglong{std::numeric_limits<std::int32_t>::max()};
            number = ok ? static_cast<qlonglong>(unsignedNumber) : 0;
            break;
        }
        default:
            return std::nullopt;
    }
    if (!ok || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}

// How long a save waits for another copy's lock on the settings file.
constexpr int kLockWaitMs = 5000;

// Changes the values of a scope's file, as QSettings would, under its lock file. An edit that
// returns false leaves the file as it is. A file too large, unreadable or damaged is replaced by
// one holding only the edited values. False when the file could not be written.
bool EditScope(QSettings::Scope scope, const std::function<bool(QSettings&)>& edit, bool& created) {
    const QString name = ScopeFileName(scope);
    const QString lockName = name + QStringLiteral(".lock");
    if (name.isEmpty() || !RegularOrAbsent(name) || !RegularOrAbsent(lockName)) {
        return false;
    }
    // The folders are made as QSettings makes them, for a first save. Another copy holds the lock
    // only for its own save, a moment; the wait is bounded all the same, so that a stuck holder
    // can't keep the game from closing (the file then counts as not writable).
    QLockFile lock(lockName);
    if (!QDir().mkpath(QFileInfo(name).absolutePath()) || !lock.tryLock(kLockWaitMs)) {
        return false;
    }
    const BoundedRead current = ReadRegularFile(name, kMaxFileSize);
    if (current.status == BoundedRead::Status::NotRegular) {
        return false;  // swapped for something else since the check
    }
    created = current.status == BoundedRead::Status::Missing;
    auto copy = std::make_unique<IniCopy>(current.status == BoundedRead::Status::Ok ? current.bytes
                                                                                    : QByteArray());
    if (copy->Damaged()) {
        copy = std::make_unique<IniCopy>(QByteArray());
    }
    if (!copy->Values()) {
        return false;
    }
    if (!edit(*copy->Values())) {
        return true;
    }
    const std::optional<QByteArray> text = copy->Text();
    if (!text) {
        return false;
    }
    // Written beside the file and renamed over it (through a link, to what it names), so the
    // old file stays whole until the new one is.
    QSaveFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(*text) == text->size() && file.commit();
}

bool WriteScope(QSettings::Scope scope, const std::string& cards, std::int32_t delay,
                const std::string& path, const std::map<std::string, std::string>& added) {
    bool created = false;
    const bool written = EditScope(
        scope,
        [&](QSettings& values) {
            values.setValue(kCards, QString::fromStdString(cards));
            values.setValue(kDelay, delay);
            values.setValue(kPath, QString::fromStdString(path));
            // An added value that is not given is at its default and is not kept, so that a file
            // of a player who never changed one holds the three values it always held.
            for (const PlaySettingRow& row : PlaySettingRows()) {
                const QString name = QString::fromStdString(row.key);
                const auto value = added.find(row.key);
                if (value != added.end()) {
                    values.setValue(name, QString::fromStdString(value->second));
                } else {
                    values.remove(name);
                }
            }
            return true;
        },
        created);
    // Everyone may read a new per-machine file, as QSettings makes it for that scope.
    if (written && created && scope == QSettings::SystemScope) {
        const QString name = ScopeFileName(scope);
        QFile(name).setPermissions(QFileInfo(name).permissions() | QFileDevice::ReadGroup |
                                   QFileDevice::ReadOther);
    }
    return written;
}

// After a per-machine save, per-user values left from earlier runs would hide what was just
// saved, since they are read first; they are removed. A per-user file that holds no values the
// game reads (none, unreadable or too large) is left alone.
void RemoveUserValues() {
    if (!ReadableBytes(ScopeFileName(QSettings::UserScope))) {
        return;
    }
    bool created = false;
    EditScope(
        QSettings::UserScope,
        [](QSettings& values) {
            bool removed = false;
            QStringList names{kCards, kDelay, kPath};
            for (const PlaySettingRow& row : PlaySettingRows()) {
                names.append(QString::fromStdString(row.key));
            }
            for (const QString& name : names) {
                if (values.contains(name)) {
                    values.remove(name);
                    removed = true;
                }
            }
            return removed;
        },
        created);
}

class IniSettingsStore : public KeyValueStore {
public:
    StoredSettings Read() override {
        StoredSettings values;
        // The first file that holds a value decides it, whatever its type.
        bool cardsFound = false;
        bool delayFound = false;
        QSet<QString> addedFound;
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            const QString name = ScopeFileName(scope);
            const std::optional<QByteArray> bytes =
                name.isEmpty() ? std::nullopt : ReadableBytes(name);
            if (!bytes) {
                continue;  // as if absent
            }
            IniCopy copy(*bytes);
            QSettings* file = copy.Values();
            if (!file || copy.Damaged()) {
                continue;
            }
            if (!cardsFound && file->contains(kCards)) {
                cardsFound = true;
                values.Cards = TextValue(file->value(kCards));
            }
            if (!delayFound && file->contains(kDelay)) {
                delayFound = true;
                values.Delay = Int32Value(file->value(kDelay));
            }
            for (const PlaySettingRow& row : PlaySettingRows()) {
                const QString name = QString::fromStdString(row.key);
                if (!addedFound.contains(name) && file->contains(name)) {
                    addedFound.insert(name);
                    if (const std::optional<std::string> text = TextValue(file->value(name))) {
                        values.Added[row.key] = *text;
                    }
                }
            }
        }
        return values;
    }

    std::string SavePlace() const override {
        return ScopeFileName(QSettings::UserScope).toStdString();
    }

    bool Write(const std::string& cards, std::int32_t delay, const std::string& path,
               const std::map<std::string, std::string>& added) override {
        if (WriteScope(QSettings::SystemScope, cards, delay, path, added)) {
            RemoveUserValues();
            return true;
        }
        return WriteScope(QSettings::UserScope, cards, delay, path, added);
    }
};

}  // namespace

std::unique_ptr<KeyValueStore> OpenSettingsStore() {
    return std::make_unique<IniSettingsStore>();
}

}  // namespace tavro
