// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the settings tests: a fixture whose per-user and per-machine stores are
// folders of a fresh temporary folder, hand-written store files, and the probe process.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "leads/Unprivileged.h"
#include "settings/SettingsStore.h"

namespace tavro::test {

// The probe's exit code for a save that no store took (kNotSaved in SettingsProbe.cpp).
inline constexpr int kProbeNotSaved = 3;

struct Loaded {
    std::string CardSetName;
    int FlipDelay = -1;
    bool operator==(const Loaded&) const = default;
};

inline void PrintTo(const Loaded& loaded, std::ostream* out) {
    *out << '{' << loaded.CardSetName << ", " << loaded.FlipDelay << '}';
}

// Writes a store file as QSettings does, with the given "name=value" lines in the group.
inline void WriteStore(const QString& fileName, const QStringList& lines) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray text = "[Software]\n";
    for (const QString& line : lines) {
        text += "Tavro\\Tavro%20Memory\\" + line.toUtf8() + '\n';
    }
    file.write(text);
}

// Loads the settings in this process.
inline Loaded LoadHere() {
    Settings settings;
    LoadSettings(settings);
    return {settings.CardSetName, settings.FlipDelay};
}

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("user/Tavro")));
        ASSERT_TRUE(QDir(root_.path()).mkpath(QStringLiteral("machine/Tavro")));
        ASSERT_TRUE(GiveTo(root_.path(), 0755, false));  // a dropped child may look inside
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, UserFolder());
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, MachineFolder());
    }
    void TearDown() override {
        // Hand everything back so that the temporary folder can be removed.
        GiveStore(UserFolder(), 0700, false);
        GiveStore(MachineFolder(), 0700, false);
    }

    // Sets the owner and mode of a store folder and of the Tavro folder in it.
    static bool GiveStore(const QString& folder, mode_t mode, bool toUnprivileged) {
        const bool outer = GiveTo(folder, mode, toUnprivileged);
        const bool inner = GiveTo(folder + QStringLiteral("/Tavro"), mode, toUnprivileged);
        return outer && inner;
    }

    QString UserFolder() const { return root_.path() + QStringLiteral("/user"); }
    QString MachineFolder() const { return root_.path() + QStringLiteral("/machine"); }
    QString UserFile() const { return UserFolder() + QStringLiteral("/Tavro/Tavro Memory.ini"); }
    QString MachineFile() const {
        return MachineFolder() + QStringLiteral("/Tavro/Tavro Memory.ini");
    }

    static QString ReadText(const QString& fileName) {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QStringList ProbeArguments(const QStringList& command) const {
        return QStringList{UserFolder(), MachineFolder()} + command;
    }

    // Loads the settings in a fresh process; "(hung)" when it does not end within the limit.
    Loaded LoadInFreshProcess(int timeLimitSeconds = 60) const {
        QProcess probe;
        probe.start(QStringLiteral(TAVRO_SETTINGS_PROBE), ProbeArguments({"load"}));
        if (!probe.waitForFinished(timeLimitSeconds * 1000)) {
            probe.kill();
            probe.waitForFinished();
            return {"(hung)", -1};
        }
        if (probe.exitCode() != 0) {
            return {"(probe failed)", -1};
        }
        Loaded loaded;
        for (const QString& line : QString::fromUtf8(probe.readAllStandardOutput()).split('\n')) {
            if (line.startsWith(QStringLiteral("cards="))) {
                loaded.CardSetName = line.mid(6).toStdString();
            } else if (line.startsWith(QStringLiteral("delay="))) {
                loaded.FlipDelay = line.mid(6).toInt();
            }
        }
        return loaded;
    }

    // A copy of the probe in the temporary folder, which the unprivileged user may enter: the
    // build tree may lie in a folder only its owner can enter (a checkout in root's home). The
    // probe needs nothing else from the build tree, only the system's libraries. Empty on failure.
    QString UnprivilegedProbe() const {
        const QString copy = root_.path() + QStringLiteral("/settings_probe");
        if (!QFile::exists(copy) && !QFile::copy(QStringLiteral(TAVRO_SETTINGS_PROBE), copy)) {
            return {};
        }
        return GiveTo(copy, 0755, false) ? copy : QString();
    }

    // Saves in a fresh process that cannot bypass permission bits; returns its exit code. With a
    // time limit, an alarm ends the process when it hangs (the result is then kChildCrashed).
    int SaveAsUnprivileged(const QString& cards, int delay, unsigned timeLimitSeconds = 0) const {
        const QString probe = UnprivilegedProbe();
        if (probe.isEmpty()) {
            ADD_FAILURE() << "cannot copy the settings probe into " << root_.path().toStdString();
            return kChildDropFailed;
        }
        const QStringList arguments =
            QStringList{probe} + ProbeArguments({"save", cards, QString::number(delay)});
        std::vector<QByteArray> bytes;
        for (const QString& argument : arguments) {
            bytes.push_back(argument.toLocal8Bit());
        }
        std::vector<char*> argv;
        for (QByteArray& argument : bytes) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        return RunUnprivileged([&] {
            if (timeLimitSeconds > 0) {
                ::alarm(timeLimitSeconds);  // kept across exec
            }
            execv(argv[0], argv.data());
            return 126;
        });
    }

private:
    QTemporaryDir root_;
};

}  // namespace tavro::test
