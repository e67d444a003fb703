// SPDX-License-Identifier: GPL-3.0-or-later
// The state of a card set in the window, for telling whether it has unsaved changes.
#include "cardmaker/DraftState.h"

namespace tavro::cardmaker {
namespace {

DraftState::PictureState StateOf(const Picture& picture) {
    return {picture.keptFile, PictureNameOf(picture), picture.crop};
}

}  // namespace

bool DraftState::PictureState::operator==(const PictureState& other) const {
    // The same kept copy is almost always the very same bytes, shared: compared at once.
    const bool samePicture = (keptFile.constData() == other.keptFile.constData() &&
                              keptFile.size() == other.keptFile.size()) ||
                             keptFile == other.keptFile;
    return samePicture && name == other.name && crop == other.crop;
}

DraftState StateOf(const CardSetDraft& draft, const QString& typedName) {
    DraftState state;
    state.name = SetNameOf(typedName);
    for (const Picture& picture : draft.pictures) {
        state.pictures.push_back(StateOf(picture));
    }
    if (draft.backPicture) {
        state.backPicture = StateOf(*draft.backPicture);
    } else if (!draft.finishedBack.isNull()) {
        state.finishedBack = draft.finishedBack.cacheKey();
    } else {
        state.readyBack = draft.readyBack;
    }
    return state;
}

}  // namespace tavro::cardmaker
