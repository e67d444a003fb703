// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog: the logo, the program's name with its version, and two links, one to the
// homepage and one starting a mail to the authors. It holds the input gate closed while shown
// (ToolDialog).
#pragma once

#include <QString>

#include "dialogkit/ToolDialog.h"

class QLabel;
class QToolButton;

namespace tavro {

class PictureBox;

// The program's own placeholder addresses (".example" names are reserved and never resolve).
inline const QString kHomepageAddress = QStringLiteral("https://tavro-memory.example.org/");
inline const QString kAuthorsMailAddress =
    QStringLiteral("mailto:authors@tavro-memory.example.org");

class TForm5 : public ToolDialog {
    Q_OBJECT
public:
    TForm5(InputGate& gate, QWidget* mainWindow);

    // The controls (and the logo picture) are built on first use (at the latest when the dialog
    // is first shown), which keeps them off the program's start-up time.
    PictureBox* Image1() { return Built().logo; }
    QLabel* Label1() { return Built().title; }
    QToolButton* SpeedButton2() { return Built().ok; }
    QToolButton* SpeedButton3() { return Built().homepage; }  // "Visit Tavro Memory Homepage"
    QToolButton* SpeedButton4() { return Built().mail; }      // "Mail To Tavro Memory Autors"

private:
    struct Controls {
        PictureBox* logo = nullptr;
        QLabel* title = nullptr;
        QToolButton* ok = nullptr;
        QToolButton* homepage = nullptr;
        QToolButton* mail = nullptr;
    };

    const Controls& Built() {
        EnsureBuilt();
        return controls_;
    }
    void BuildControls() override;
    void FormShow() override;
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    Controls controls_;
};

}  // namespace tavro
