// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog: picks the card set (with a live preview of its pictures) and the delay for
// which a mismatched pair stays face up, writing both into the settings at once. It says what
// changed and leaves the rest to the main window: cardSetChanged at every pick (the caption
// follows), optionsApplied when it is hidden (a change deals a new game).
#pragma once

#include <QString>
#include <cstdint>
#include <string>

#include "dialogkit/ToolDialog.h"
#include "settings/Settings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QTimer;
class QToolButton;

namespace tavro {

class PictureBox;
class TRxSlider;

class TForm4 : public ToolDialog {
    Q_OBJECT
public:
    // settings: the card set and the delay the dialog edits. gate: held closed while the dialog
    // is shown. mainWindow: the dialog's parent, where a refused set is reported.
    TForm4(Settings& settings, InputGate& gate, QWidget* mainWindow);

    // The folder whose "gfx" sub-folder holds the card sets; the executable's folder unless a
    // test points the dialog elsewhere.
    void setExecutableFolder(const QString& folder);

    // The delay as the dialog writes it: seconds in their shortest form with the user's decimal
    // separator, then " sec" ("0.5 sec", "1 sec").
    static QString DelayText(std::int32_t flipDelay);

    // The dialog's controls, under the names the rest of the program and the tests know them by.
    // They are built on first use (at the latest when the dialog is first shown), which keeps
    // them off the program's start-up time.
    QGroupBox* GroupBox1() { return Built().groupBox; }
    QComboBox* ComboBox1() { return Built().comboBox; }
    QLabel* Panel1() { return Built().previewFrame; }
    PictureBox* Image1() { return Built().preview; }
    QLabel* Label2() { return Built().delayCaption; }  // "Delay"
    QLabel* Label3() { return Built().delayText; }
    TRxSlider* RxSlider1() { return Built().slider; }
    QToolButton* SpeedButton1() { return Built().ok; }
    QTimer* Timer1() { return Built().previewTimer; }

    // A set was picked or the delay moved since the dialog was shown (also when undone by hand).
    bool OptionsChanged() const { return setPicked_ || delayMoved_; }
    std::int32_t PreviewStep() const { return previewStep_; }

signals:
    // The settings name another card set (its name and folder changed): picked by the player, or
    // put back because the picked one has no card back.
    void cardSetChanged();
    // The dialog was hidden. setChanged: it leaves another card set picked; delayChanged: the
    // delay was moved. The game in progress belongs to the set and the delay it was dealt with.
    void optionsApplied(bool setChanged, bool delayChanged);

private:
    struct Controls {
        QGroupBox* groupBox = nullptr;
        QComboBox* comboBox = nullptr;
        QLabel* previewFrame = nullptr;
        PictureBox* preview = nullptr;
        QLabel* delayCaption = nullptr;
        QLabel* delayText = nullptr;
        TRxSlider* slider = nullptr;
        QToolButton* ok = nullptr;
        QTimer* previewTimer = nullptr;
    };

    const Controls& Built() {
        EnsureBuilt();
        return controls_;
    }
    void BuildControls() override;
    void FormCreate();
    void FormShow() override;
    void FormHide() override;
    void ComboBox1Change(int index);
    void RxSlider1Change();
    void Timer1Timer();
    void SpeedButton1Click();

    void FillCardSetList();
    void SelectCurrentCardSet();
    void SetDelayLabel();
    // Timer1 is "enabled" as a whole, and ticks only while enabled with an interval above 0:
    // QTimer would fire continuously with an interval of 0.
    void SetTimerEnabled(bool enabled);
    void SetTimerInterval(int milliseconds);
    void UpdateTimerRunning();
    void ShowPreviewPicture(std::int32_t face);
    bool SettleOnUsableCardSet();

    Settings& settings_;
    QWidget* mainWindow_;
    QString executableFolder_;
    Controls controls_;
    bool setPicked_ = false;
    bool delayMoved_ = false;
    std::int32_t previewStep_ = 0;  // the face id shown next: kCardBack, then 1..18
    bool timerEnabled_ = false;
    // The set, its folder and the delay as they were when the dialog was last shown.
    std::string shownCardSetName_;
    std::string shownCardFolder_;
    std::int32_t shownFlipDelay_ = 0;
};

}  // namespace tavro
