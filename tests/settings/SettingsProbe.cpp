// SPDX-License-Identifier: GPL-3.0-or-later
// A helper the settings tests run as a fresh process, so that what was saved is read back
// without this process's QSettings cache. Both store scopes are redirected to the given folders.
//   settings_probe USER_FOLDER MACHINE_FOLDER load          prints "cards=...", "delay=..."
//   settings_probe USER_FOLDER MACHINE_FOLDER save CARDS DELAY
// Both print "peak=..." last: the process's peak resident memory in KiB (0 where unknown). A
// save that no store took prints what the player is told and ends with kNotSaved.
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QString>
#include <cstdio>

#include "settings/SettingsStore.h"

namespace {

constexpr int kNotSaved = 3;

// VmHWM of /proc/self/status.
long PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

}  // namespace

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
        std::printf("peak=%ld\n", PeakKiB());
        return 0;
    }
    if (arguments[3] == QStringLiteral("save") && arguments.size() == 6) {
        settings.CardSetName = arguments[4].toStdString();
        settings.FlipDelay = arguments[5].toInt();
        const QString failure = tavro::SaveSettings(settings);
        if (!failure.isEmpty()) {
            std::printf("%s\n", qPrintable(failure));
        }
        std::printf("peak=%ld\n", PeakKiB());
        return failure.isEmpty() ? 0 : kNotSaved;
    }
    return 2;
}
