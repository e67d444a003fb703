// SPDX-License-Identifier: GPL-3.0-or-later
// What the whole-process benchmarks share: a temporary folder that stands in for the player's
// home, settings and data, and the median of a run's timings.
#pragma once

#include <QDir>
#include <QSettings>
#include <QString>
#include <algorithm>
#include <vector>

namespace tavro::bench {

// Keeps the settings store, leads.dat and the player's card sets in a temporary folder.
inline void Sandbox(const QString& folder) {
    qputenv("HOME", folder.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (folder + QStringLiteral("/user")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (folder + QStringLiteral("/system")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (folder + QStringLiteral("/data")).toLocal8Bit());
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, folder + QStringLiteral("/system"));
    }
    QDir::setCurrent(folder);
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace tavro::bench
