// SPDX-License-Identifier: GPL-3.0-or-later
// The card-set maker's entry: with arguments it works on the command line and touches no window
// system, so it runs without a display; without arguments it opens its window.
#include <QApplication>
#include <QCoreApplication>

#include "cardmaker/CommandLine.h"
#include "cardmaker/MakerIcon.h"
#include "cardmaker/MakerWindow.h"
#include "settings/CardSet.h"
#include "settings/PlayerSets.h"
#include "tavro/ProgramInfo.h"
#include "translations/Translations.h"

namespace {

tavro::cardmaker::SetFolders DefaultFolders() {
    return {tavro::CardSetsFolder(), tavro::PlayerCardSetsFolder()};
}

void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("tavro-memory-cards"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TAVRO_PROGRAM_VERSION));
}

int RunCommandLine(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    NameApplication();
    tavro::InstallTranslations();
    return tavro::cardmaker::RunCommandLine(QCoreApplication::arguments(), DefaultFolders());
}

int RunWindow(int argc, char* argv[]) {
    QApplication app(argc, argv);
    NameApplication();
    QApplication::setWindowIcon(tavro::cardmaker::MakerIcon());
    QApplication::setDesktopFileName(QString::fromLatin1(tavro::cardmaker::kMakerDesktopId));
    tavro::InstallTranslations();
    tavro::cardmaker::MakerWindow window(DefaultFolders());
    window.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char* argv[]) {
    return argc > 1 ? RunCommandLine(argc, argv) : RunWindow(argc, argv);
}
