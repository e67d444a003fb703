// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog. The links go through the desktop's URL handlers; when none can open an
// address, nothing happens and the dialog stays as it was.
#include "dialogs/Unit5.h"

#include <QDesktopServices>
#include <QLabel>
#include <QToolButton>
#include <QUrl>

#include "controls/PictureBox.h"
#include "dialogkit/DialogLook.h"
#include "dialogkit/KeyboardReach.h"
#include "dialogs/AboutLogo.h"
#include "tavro/ProgramInfo.h"

namespace tavro {
namespace {

constexpr QSize kAboutClientSize{356, 178};

}  // namespace

TForm5::TForm5(InputGate& gate, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::CloseBox, gate) {
    setWindowTitle(tr("About Tavro Memory"));
    setFixedSize(kAboutClientSize);
}

void TForm5::BuildControls() {
    ApplyDialogLook(*this);

    controls_.logo = new PictureBox(this);
    controls_.logo->setGeometry(8, 8, kAboutLogoWidth, kAboutLogoHeight);
    controls_.logo->setPicture(DrawAboutLogo());
    controls_.logo->setAccessibleName(tr("Tavro Memory logo"));

    controls_.title =
        new QLabel(QStringLiteral(TAVRO_PROGRAM_NAME " " TAVRO_PROGRAM_VERSION), this);
    controls_.title->move(160, 8);
    controls_.title->adjustSize();

    controls_.homepage =
        MakeSpeedButton(this, tr("Visit Tavro Memory Homepage"), QRect(160, 40, 185, 25), Qt::blue);
    // "Autors" is the program's own spelling of this caption: keep it.
    controls_.mail =
        MakeSpeedButton(this, tr("Mail To Tavro Memory Autors"), QRect(160, 72, 185, 25), Qt::blue);
    controls_.ok = MakeSpeedButton(this, tr("OK"), QRect(272, 144, 73, 25), Qt::black);
    for (QToolButton* button : {controls_.homepage, controls_.mail, controls_.ok}) {
        ReachByKeyboard(button);
    }
    connect(controls_.ok, &QToolButton::clicked, this, &TForm5::SpeedButton2Click);
    connect(controls_.homepage, &QToolButton::clicked, this, &TForm5::SpeedButton3Click);
    connect(controls_.mail, &QToolButton::clicked, this, &TForm5::SpeedButton4Click);
}

void TForm5::FormShow() {
    // Drawn at the screen's pixel ratio, so that the logo is as sharp there as at 96 dpi.
    if (controls_.logo->picture().devicePixelRatio() != controls_.logo->devicePixelRatioF()) {
        controls_.logo->setPicture(DrawAboutLogo(controls_.logo->devicePixelRatioF()));
    }
    setFocus();  // the dialog itself takes the keys; Tab goes on to the buttons
}

void TForm5::SpeedButton2Click() {
    accept();
}

// openUrl's result is left alone on purpose: a desktop without a browser or mail program simply
// does nothing, as the player would expect from a link.
void TForm5::SpeedButton3Click() {
    QDesktopServices::openUrl(QUrl(kHomepageAddress));
}

void TForm5::SpeedButton4Click() {
    QDesktopServices::openUrl(QUrl(kAuthorsMailAddress));
}

}  // namespace tavro
