// SPDX-License-Identifier: GPL-3.0-or-later
// The record's sentences for the player, each in one place.
#include "records/RecordsMessages.h"

namespace tavro {

QString RecordsMessages::ReadOnlyText(ReadOnly why, const QString& path) {
    switch (why) {
        case ReadOnly::No:
            return {};
        case ReadOnly::Newer:
            return tr("The record of games in %1 was made by a newer version of Tavro Memory. It "
                      "is shown as far as this version can read it, and it can't be cleared here.")
                .arg(path);
        case ReadOnly::Folder:
            return tr("The record of games in %1 is shown read-only, as its folder can't be "
                      "written. It can't be cleared, and no games are recorded in it.")
                .arg(path);
        case ReadOnly::File:
            return tr("The record of games in %1 is shown read-only, as you may not change the "
                      "file (it belongs to another user, or it is write-protected). It can't be "
                      "cleared, and no games are recorded in it.")
                .arg(path);
    }
    return {};
}

QString RecordsMessages::FailureText(const RecordsError& error, const QString& path) {
    switch (error.kind()) {
        case RecordsError::Kind::Busy:
            return LockedText(path);
        case RecordsError::Kind::NoSpace:
            return NoSpaceText(path);
        case RecordsError::Kind::Newer:
            return ReadOnlyText(ReadOnly::Newer, path);
        case RecordsError::Kind::Damaged:
            return tr("The record of games in %1 is damaged (%2).").arg(path, error.text());
        case RecordsError::Kind::Other:
            break;
    }
    return tr("The record of games in %1 can't be read or changed (%2).").arg(path, error.text());
}

QString RecordsMessages::LockedText(const QString& path) {
    return tr("The record of games (%1) is locked by another program, perhaps another copy of "
              "Tavro Memory.")
        .arg(path);
}

QString RecordsMessages::NoSpaceText(const QString& path) {
    return tr("There is no space left on the disk for %1.").arg(path);
}

}  // namespace tavro
