// The About dialog: the logo, the program's name with its version, and two links, one to the
// homepage and one starting a mail to the authors. It holds the input gate closed while shown.
#pragma once

#include <QString>

#include "app/SharedState.h"
#include "app/ToolDialog.h"

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
    TForm5(SharedState& state, QWidget* mainWindow);

    void setVisible(bool visible) override;

    PictureBox* Image1;
    QLabel* Label1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;

private:
    void BuildControls();
    void FormShow();
    void FormHide();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

    SharedState& state_;
};

}  // namespace tavro
