// SPDX-License-Identifier: GPL-3.0-or-later
// What a card set in the window holds as it would be saved: its name, each picture with its
// name and square, and its back. The window keeps the state it had when the set was opened or
// saved, and the set has unsaved changes exactly when its state now differs from that one; so a
// square dragged away and back again, or a name typed and deleted again, is no change.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

#include "cardmaker/CardSetDraft.h"

namespace tavro::cardmaker {

struct DraftState {
    struct PictureState {
        QByteArray keptFile;  // the picture itself: its kept copy's file
        QString name;         // as saved: trimmed, or the file's name where blank
        Crop crop;
        bool operator==(const PictureState& other) const;
    };
    QString name;  // as saved: trimmed
    std::vector<PictureState> pictures;
    QString readyBack;  // for a ready-made back
    std::optional<PictureState> backPicture;
    qint64 finishedBack = 0;  // the cache key of a back kept as it is, or 0
    bool operator==(const DraftState& other) const = default;
};

// The state of the draft, with the set's name as typed in the window.
DraftState StateOf(const CardSetDraft& draft, const QString& typedName);

}  // namespace tavro::cardmaker
