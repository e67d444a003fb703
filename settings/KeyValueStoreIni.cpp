// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on systems without a registry: QSettings ini files, one per user and one
// per machine, both holding the group "Software/Tavro/Tavro Memory". An ordinary player cannot
// write the per-machine file, and settings that silently never persist would be lost, so:
// - a value is read from the per-user file first and, where that lacks it, from the per-machine
//   file (value by value); a per-user value of the wrong type is read as empty, which gives the
//   default, rather than letting the per-machine value show through;
// - saving goes to the per-machine file where it can be written (as for an administrator), and
//   otherwise to the per-user file.
// A file that is there but is not a regular file (a FIFO, a device, a folder, a link to one of
// them or to nothing) counts as absent and is never written: QSettings would block on a FIFO, or
// write through a link to nothing. It is checked before QSettings opens anything.
#ifndef _WIN32

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QVariant>
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

enum class Use { Read, Write };

// One scope's file only, so that the order in which the two files are consulted is ours; none
// when the file is not a regular file (or, for writing, neither is the lock file QSettings
// takes beside it).
std::unique_ptr<QSettings> OpenFile(QSettings::Scope scope, Use use = Use::Read) {
    const QString name = ScopeFileName(scope);
    if (name.isEmpty() || !RegularOrAbsent(name) ||
        (use == Use::Write && !RegularOrAbsent(name + QStringLiteral(".lock")))) {
        return nullptr;
    }
    auto file = std::make_unique<QSettings>(name, QSettings::IniFormat);
    file->beginGroup(kKeyPath);
    return file;
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

bool WriteScope(QSettings::Scope scope, const std::string& cards, std::int32_t delay,
                const std::string& path) {
    const auto file = OpenFile(scope, Use::Write);
    // isWritable() opens an existing file for writing, or tries to create one.
    if (!file || !file->isWritable()) {
        return false;
    }
    const bool created = !QFileInfo::exists(file->fileName());
    file->setValue(kCards, QString::fromStdString(cards));
    file->setValue(kDelay, delay);
    file->setValue(kPath, QString::fromStdString(path));
    file->sync();
    if (file->status() != QSettings::NoError) {
        return false;
    }
    // Everyone may read a new per-machine file, as QSettings makes it for that scope.
    if (created && scope == QSettings::SystemScope) {
        QFile(file->fileName())
            .setPermissions(QFileInfo(file->fileName()).permissions() | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
    }
    return true;
}

// After a per-machine save, per-user values left from earlier runs would hide what was just
// saved, since they are read first; they are removed.
void RemoveUserValues() {
    const auto file = OpenFile(QSettings::UserScope, Use::Write);
    if (!file || !QFileInfo::exists(file->fileName())) {
        return;
    }
    bool removed = false;
    for (const QString& name : {kCards, kDelay, kPath}) {
        if (file->contains(name)) {
            file->remove(name);
            removed = true;
        }
    }
    if (removed) {
        file->sync();
    }
}

class IniSettingsStore : public KeyValueStore {
public:
    StoredSettings Read() override {
        StoredSettings values;
        // The first file that holds a value decides it, whatever its type.
        bool cardsFound = false;
        bool delayFound = false;
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            const auto file = OpenFile(scope);
            if (!file) {
                continue;  // not a regular file: as if absent
            }
            if (!cardsFound && file->contains(kCards)) {
                cardsFound = true;
                values.Cards = TextValue(file->value(kCards));
            }
            if (!delayFound && file->contains(kDelay)) {
                delayFound = true;
                values.Delay = Int32Value(file->value(kDelay));
            }
        }
        return values;
    }

    bool Write(const std::string& cards, std::int32_t delay, const std::string& path) override {
        if (WriteScope(QSettings::SystemScope, cards, delay, path)) {
            RemoveUserValues();
            return true;
        }
        return WriteScope(QSettings::UserScope, cards, delay, path);
    }
};

}  // namespace

std::unique_ptr<KeyValueStore> OpenSettingsStore() {
    return std::make_unique<IniSettingsStore>();
}

}  // namespace tavro

#endif  // !_WIN32
