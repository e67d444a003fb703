// SPDX-License-Identifier: GPL-3.0-or-later
// The Leads dialog TForm3: the ten places of the high-score table with names and points, a
// Clear button that empties the table after asking, and an OK button. Every showing reloads the
// table from "leads.dat", so the dialog always shows what the file holds.
#pragma once

#include <QDialog>
#include <array>

#include "dialogkit/ToolDialog.h"
#include "scores/LeadsTable.h"

class QFrame;
class QLabel;
class QToolButton;

namespace tavro {

class TForm3 : public ToolDialog {
    Q_OBJECT
public:
    // gate: held closed while the dialog is shown.
    TForm3(LeadsTable& leads, InputGate& gate, QWidget* mainWindow);

    // The controls, built on first use (at the latest when the dialog is first shown).
    QFrame* Panel1() { return Built().panel; }
    QLabel* Label7() { return Built().nameHead; }    // "Name"
    QLabel* Label8() { return Built().pointsHead; }  // "Points"
    // Per place index 0..9 (places 1..10): Label9..Label17 with Label3 for "8"; Label18..Label27;
    // Label28..Label37.
    QLabel* RankLabel(int placeIndex) { return Built().ranks.at(Index(placeIndex)); }
    QLabel* NameLabel(int placeIndex) { return Built().names.at(Index(placeIndex)); }
    QLabel* PointsLabel(int placeIndex) { return Built().points.at(Index(placeIndex)); }
    QToolButton* SpeedButton1() { return Built().clear; }  // Clear
    QToolButton* SpeedButton2() { return Built().ok; }     // OK

    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void BuildControls() override;
    void FormShow() override;
    void keyPressEvent(QKeyEvent* event) override;  // FormKeyPress

private:
    struct Controls {
        QFrame* panel = nullptr;
        QLabel* nameHead = nullptr;
        QLabel* pointsHead = nullptr;
        std::array<QLabel*, kLeadPlaces> ranks{};
        std::array<QLabel*, kLeadPlaces> names{};
        std::array<QLabel*, kLeadPlaces> points{};
        QToolButton* clear = nullptr;
        QToolButton* ok = nullptr;
    };

    static std::size_t Index(int placeIndex) { return static_cast<std::size_t>(placeIndex); }
    const Controls& Built() {
        EnsureBuilt();
        return controls_;
    }
    void BuildRows();
    void FillRows();

    LeadsTable& leads_;
    Controls controls_;
};

}  // namespace tavro
