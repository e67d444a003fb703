// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files that are not regular files: a FIFO, a link to /dev/zero, a folder or a link to
// nothing, as the per-user or the per-machine file, count as absent when loading and are never
// written when saving; the same holds for the lock file QSettings takes beside the file it
// writes. A link to a regular file is read and written through. A hang is the failure here, so
// every load and save runs in a process of its own with a time limit.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <functional>

#include "settings/SettingsTestSupport.h"

namespace tavro::test {
namespace {

constexpr int kTimeLimitSeconds = 10;

struct OddKind {
    const char* Name;
    std::function<bool(const QString& path)> Make;
};

std::vector<OddKind> OddKinds() {
    const auto native = [](const QString& path) { return QFile::encodeName(path); };
    return {
        {"FIFO",
         [=](const QString& path) {
             return ::mkfifo(native(path).constData(), 0666) == 0 &&
                    ::chmod(native(path).constData(), 0666) == 0;
         }},
        {"link to /dev/zero",
         [=](const QString& path) {
             return ::symlink("/dev/zero", native(path).constData()) == 0;
         }},
        {"folder",
         [=](const QString& path) {
             return ::mkdir(native(path).constData(), 0777) == 0 &&
                    ::chmod(native(path).constData(), 0777) == 0;
         }},
        {"link to nothing",
         [=](const QString& path) {
             return ::symlink((native(path) + ".nothing").constData(), native(path).constData()) ==
                    0;
         }},
    };
}

// What the path is, to tell that it stayed as it was, and that a link to nothing still leads
// to nothing.
std::string Describe(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return "(nothing)";
    }
    return std::to_string(status.st_mode) + ' ' + std::to_string(status.st_ino) + ' ' +
           QFileInfo(path).symLinkTarget().toStdString() + ' ' +
           (QFileInfo::exists(path + QStringLiteral(".nothing")) ? "target made" : "");
}

void RemovePath(const QString& path) {
    if (!QFile::remove(path)) {
        QDir(path).removeRecursively();
    }
}

class SettingsFileKind : public SettingsStoreTest {
protected:
    Loaded LoadWithin() const { return LoadInFreshProcess(kTimeLimitSeconds); }
    // Also cannot write to /dev through a link.
    int SaveWithin(const QString& cards, int delay) const {
        return SaveAsUnprivileged(cards, delay, kTimeLimitSeconds);
    }

    // Both store folders belong to the saving process's user.
    void OpenStores() {
        ASSERT_TRUE(GiveStore(UserFolder(), 0755, true));
        ASSERT_TRUE(GiveStore(MachineFolder(), 0755, true));
    }
};

TEST_F(SettingsFileKind, OddUserFileCountsAsAbsentWhenLoading) {
    WriteStore(MachineFile(), {"cards=machine", "delay=800"});
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make(UserFile()));
        const std::string before = Describe(UserFile());
        EXPECT_EQ(LoadWithin(), (Loaded{"machine", 800}));
        EXPECT_EQ(Describe(UserFile()), before);
        RemovePath(UserFile());
    }
}

TEST_F(SettingsFileKind, OddMachineFileCountsAsAbsentWhenLoading) {
    WriteStore(UserFile(), {"cards=user"});
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make(MachineFile()));
        const std::string before = Describe(MachineFile());
        EXPECT_EQ(LoadWithin(), (Loaded{"user", 500}));
        EXPECT_EQ(Describe(MachineFile()), before);
        RemovePath(MachineFile());
    }
}

TEST_F(SettingsFileKind, OddMachineFileIsNeverWrittenAndTheSaveGoesPerUser) {
    OpenStores();
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make(MachineFile()));
        const std::string before = Describe(MachineFile());
        EXPECT_EQ(SaveWithin(QStringLiteral("player"), 250), 0);
        EXPECT_EQ(Describe(MachineFile()), before);
        EXPECT_TRUE(ReadText(UserFile()).contains(QStringLiteral("cards=player")));
        EXPECT_EQ(LoadWithin(), (Loaded{"player", 250}));
        RemovePath(MachineFile());
        RemovePath(UserFile());
    }
}

TEST_F(SettingsFileKind, OddUserFileIsNeverWritten) {
    OpenStores();
    WriteStore(MachineFile(), {"cards=machine", "delay=800"});
    ASSERT_TRUE(GiveTo(MachineFile(), 0644, true));
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make(UserFile()));
        const std::string before = Describe(UserFile());
        // The save goes to the per-machine file, and the per-user values it would remove are
        // in no file.
        EXPECT_EQ(SaveWithin(QStringLiteral("player"), 300), 0);
        EXPECT_EQ(Describe(UserFile()), before);
        EXPECT_EQ(LoadWithin(), (Loaded{"player", 300}));
        RemovePath(UserFile());
    }
}

TEST_F(SettingsFileKind, OddUserFileAndLockedMachineFolderSaveNothing) {
    ASSERT_TRUE(GiveStore(UserFolder(), 0755, true));
    ASSERT_TRUE(GiveStore(MachineFolder(), 0555, false));
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make(UserFile()));
        const std::string before = Describe(UserFile());
        EXPECT_EQ(SaveWithin(QStringLiteral("player"), 300), kProbeNotSaved);
        EXPECT_EQ(Describe(UserFile()), before);
        EXPECT_FALSE(QFileInfo::exists(MachineFile()));
        EXPECT_EQ(QDir(UserFolder() + QStringLiteral("/Tavro"))
                      .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                  QStringList{QFileInfo(UserFile()).fileName()});
        EXPECT_EQ(LoadWithin(), (Loaded{"animals", 500}));
        RemovePath(UserFile());
    }
}

TEST_F(SettingsFileKind, OddLockFileIsNotWaitedFor) {
    OpenStores();
    WriteStore(MachineFile(), {"cards=machine", "delay=800"});
    ASSERT_TRUE(GiveTo(MachineFile(), 0644, true));
    const QString lock = MachineFile() + QStringLiteral(".lock");
    for (const OddKind& kind : OddKinds()) {
        SCOPED_TRACE(kind.Name);
        ASSERT_TRUE(kind.Make(lock));
        const std::string before = Describe(lock);
        EXPECT_EQ(SaveWithin(QStringLiteral("player"), 350), 0);
        EXPECT_EQ(Describe(lock), before);
        EXPECT_TRUE(ReadText(MachineFile()).contains(QStringLiteral("cards=machine")));
        EXPECT_EQ(LoadWithin(), (Loaded{"player", 350}));
        RemovePath(lock);
        RemovePath(UserFile());
    }
}

TEST_F(SettingsFileKind, LinksToRegularFilesAreReadAndWrittenThrough) {
    OpenStores();
    const QString elsewhere = MachineFolder() + QStringLiteral("/elsewhere.ini");
    WriteStore(elsewhere, {"cards=linked", "delay=150"});
    ASSERT_TRUE(GiveTo(elsewhere, 0644, true));
    ASSERT_TRUE(QFile::link(elsewhere, MachineFile()));
    EXPECT_EQ(LoadWithin(), (Loaded{"linked", 150}));

    EXPECT_EQ(SaveWithin(QStringLiteral("player"), 450), 0);
    EXPECT_TRUE(QFileInfo(MachineFile()).isSymLink());
    EXPECT_TRUE(ReadText(elsewhere).contains(QStringLiteral("cards=player")));
    EXPECT_EQ(LoadWithin(), (Loaded{"player", 450}));
}

TEST_F(SettingsFileKind, NewMachineFileIsReadableByEveryoneWhateverTheUmask) {
    const mode_t previous = ::umask(077);
    SaveSettings(Settings{"birds", 100, {}, {}});
    ::umask(previous);
    const QFileDevice::Permissions permissions = QFileInfo(MachineFile()).permissions();
    EXPECT_TRUE(permissions.testFlag(QFileDevice::ReadGroup));
    EXPECT_TRUE(permissions.testFlag(QFileDevice::ReadOther));
}

}  // namespace
}  // namespace tavro::test
