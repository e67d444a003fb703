// The program entry: the application, its name and icon, the five windows created once in their
// order (main window, Leads, name entry, Options, About), and the event loop, which ends when the
// main window closes.
#include <QApplication>
#include <QScreen>

#include "app/AppIcon.h"
#include "app/FirstPaintProbe.h"
#include "app/Unit1.h"
#include "dialogs/Unit4.h"
#include "dialogs/Unit5.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Only the name: an explicit display name would be appended to every window caption.
    QApplication::setApplicationName(QStringLiteral("Tavro Memory"));
    QApplication::setWindowIcon(tavro::AppIcon());

    tavro::TForm1 form1;  // runs FormCreate: settings, caption, Leads file, the first deal
    tavro::TForm3 form3(form1.state(), &form1);
    tavro::TForm2 form2(form1.state(), form3, &form1);
    tavro::TForm4 form4(form1.state(), form1.engine(), &form1);
    tavro::TForm5 form5(form1.state(), &form1);
    form1.AttachDialogs(&form3, &form2, &form4, &form5);

    // Centred on the desktop when first shown.
    form1.adjustSize();
    if (const QScreen* screen = form1.screen()) {
        QRect frame = form1.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        form1.move(frame.topLeft());
    }
    tavro::ExitAfterFirstPaintIfAsked(form1);
    form1.show();
    return QApplication::exec();
}
