// SPDX-License-Identifier: GPL-3.0-or-later
// The card sets the maker can open, in a box of the window: the player's own sets, which can be
// opened to be changed and removed (to the desktop's trash), and then the sets that come with the
// game, marked as such, which can be opened only as a starting point for a set of the player's
// own. Says what the player asked for; the window does it.
#pragma once

#include <QGroupBox>
#include <vector>

#include "cardmaker/SavedSets.h"

class QListWidget;
class QPushButton;

namespace tavro::cardmaker {

class SetList : public QGroupBox {
    Q_OBJECT
public:
    explicit SetList(QWidget* parent = nullptr);

    // Lists the sets anew, keeping the one of the folder name (or else the one chosen) chosen.
    void showSets(std::vector<SavedSet> sets, const QString& chosenFolder = {});
    // The chosen set, or null.
    const SavedSet* chosen() const;
    // Whether the buttons that open and remove sets may be used (not while pictures load).
    void setActionsEnabled(bool enabled);
    // Room for the names in the list, as far as they are not very long.
    QSize sizeHint() const override;

signals:
    void openRequested(const tavro::cardmaker::SavedSet& set);
    void removeRequested(const tavro::cardmaker::SavedSet& set);
    void newRequested();

private:
    void refreshButtons();

    std::vector<SavedSet> sets_;
    QListWidget* list_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* new_ = nullptr;
    bool actionsEnabled_ = true;
};

}  // namespace tavro::cardmaker
