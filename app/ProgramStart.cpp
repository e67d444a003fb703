// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: application name, icon, desktop id and translations.
#include "app/ProgramStart.h"

#include <QApplication>

#include "dialogkit/AppIcon.h"
#include "tavro/ProgramInfo.h"
#include "translations/Translations.h"

namespace tavro {

void SetUpApplication() {
    // Only the name: an explicit display name would be appended to every window caption.
    QApplication::setApplicationName(QStringLiteral(TAVRO_PROGRAM_NAME));
    QApplication::setWindowIcon(AppIcon());
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    // The system locale's language (LANGUAGE, LANG), before any window makes its texts.
    InstallTranslations();
}

}  // namespace tavro
