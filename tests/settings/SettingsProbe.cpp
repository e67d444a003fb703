// SPDX-License-Identifier: GPL-3.0-or-later
// A helper the settings tests run as a fresh process, so that what was saved is read back
// without this process's QSettings cache. Both store scopes are redirected to the given folders.
//   settings_probe USER_FOLDER MACHINE_FOLDER load          prints "cards=...", "delay=..."
//   settings_probe USER_FOLDER MACHINE_FOLDER save CARDS DELAY
#include <QCoreApplication>
#include <QSettings>
#include <QString>
#include <cstdio>

#include "settings/SettingsStore.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        return 2;
    }
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, arguments[1]);
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, arguments[2]);
    tavro::Settings settings;
    if (arguments[3] == QStringLiteral("load")) {
        tavro::LoadSettings(settings);
        std::printf("cards=%s\ndelay=%d\n", settings.CardSetName.c_str(),
                    static_cast<int>(settings.FlipDelay));
        return 0;
    }
    if (arguments[3] == QStringLiteral("save") && arguments.size() == 6) {
        settings.CardSetName = arguments[4].toStdString();
        settings.FlipDelay = arguments[5].toInt();
        tavro::SaveSettings(settings);
        return 0;
    }
    return 2;
}
