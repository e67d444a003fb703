// The Leads dialog TForm3: the ten places of the high-score table with names and points, a
// Clear button that empties the table after asking, and an OK button. Every showing reloads the
// table from "leads.dat", so the dialog always shows what the file holds.
#pragma once

#include <QDialog>
#include <array>

#include "app/SharedState.h"
#include "app/ToolDialog.h"

class QFrame;
class QLabel;
class QToolButton;

namespace tavro {

class TForm3 : public ToolDialog {
    Q_OBJECT
public:
    TForm3(SharedState& state, QWidget* mainWindow);

    QFrame* Panel1 = nullptr;
    QLabel* Label7 = nullptr;  // "Name"
    QLabel* Label8 = nullptr;  // "Points"
    // Per place 1..10 (index 0..9): Label9..Label17 with Label3 for "8"; Label18..Label27;
    // Label28..Label37.
    std::array<QLabel*, kLeadPlaces> RankLabels{};
    std::array<QLabel*, kLeadPlaces> NameLabels{};
    std::array<QLabel*, kLeadPlaces> PointsLabels{};
    QToolButton* SpeedButton1 = nullptr;  // Clear
    QToolButton* SpeedButton2 = nullptr;  // OK

    void SpeedButton1Click();
    void SpeedButton2Click();

protected:
    void showEvent(QShowEvent* event) override;     // FormShow
    void hideEvent(QHideEvent* event) override;     // FormHide
    void keyPressEvent(QKeyEvent* event) override;  // FormKeyPress

private:
    void BuildRows();
    void FillRows();

    SharedState& state_;
};

}  // namespace tavro
