// The About dialog. The links go through the desktop's URL handlers; when none can open an
// address, nothing happens and the dialog stays as it was.
#include "dialogs/Unit5.h"

#include <QDesktopServices>
#include <QLabel>
#include <QToolButton>
#include <QUrl>

#include "app/DialogLook.h"
#include "controls/PictureBox.h"
#include "dialogs/AboutLogo.h"

namespace tavro {
namespace {

constexpr QSize kClientSize{356, 178};

}  // namespace

TForm5::TForm5(SharedState& state, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::CloseBox), state_(state) {
    BuildControls();
}

void TForm5::BuildControls() {
    setWindowTitle(QStringLiteral("About Tavro Memory"));
    ApplyDialogLook(*this, kClientSize);

    Image1 = new PictureBox(this);
    Image1->setGeometry(8, 8, kAboutLogoWidth, kAboutLogoHeight);
    Image1->setPicture(DrawAboutLogo());

    Label1 = new QLabel(QStringLiteral("Tavro Memory 1.0"), this);
    Label1->move(160, 8);
    Label1->adjustSize();

    SpeedButton3 = MakeSpeedButton(this, QStringLiteral("Visit Tavro Memory Homepage"),
                                   QRect(160, 40, 185, 25), Qt::blue);
    SpeedButton4 = MakeSpeedButton(this, QStringLiteral("Mail To Tavro Memory Autors"),
                                   QRect(160, 72, 185, 25), Qt::blue);
    SpeedButton2 = MakeSpeedButton(this, QStringLiteral("OK"), QRect(272, 144, 73, 25), Qt::black);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm5::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm5::SpeedButton3Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm5::SpeedButton4Click);
}

void TForm5::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    const bool hiding = !visible && isVisible();
    if (showing) {
        FormShow();
    }
    ToolDialog::setVisible(visible);
    if (hiding) {
        FormHide();
    }
}

void TForm5::FormShow() {
    state_.InputState = kInputBusy;
}

void TForm5::FormHide() {
    state_.InputState = kInputReady;
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
