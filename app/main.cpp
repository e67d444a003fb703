// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, its name, icon and language, the five windows created once in
// their order (main window, Leads, name entry, Options, About), and the event loop, which ends when
// the main window closes.
#include <QApplication>

#include "app/ProgramWindows.h"
#include "app/WindowPlacement.h"
#include "translations/Translations.h"
#include "widgets/AppIcon.h"
#ifdef TAVRO_FIRST_PAINT_PROBE
#include "app/FirstPaintProbe.h"
#endif

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Only the name: an explicit display name would be appended to every window caption.
    QApplication::setApplicationName(QStringLiteral("Tavro Memory"));
    QApplication::setWindowIcon(tavro::AppIcon());
    QApplication::setDesktopFileName(QString::fromLatin1(tavro::kDesktopId));
    // The system locale's language (LANGUAGE, LANG), before any window makes its texts.
    tavro::InstallTranslations();

    tavro::ProgramWindows windows;
    tavro::TForm1& form1 = windows.form1;

    // Centred on the desktop when first shown (at its top left where it does not fit).
    tavro::PlaceOnItsScreen(form1);
#ifdef TAVRO_FIRST_PAINT_PROBE
    tavro::QuitAfterFirstPaint(form1);  // the start-up benchmark's build only
#endif
    form1.show();
    return QApplication::exec();
}
