// SPDX-License-Identifier: GPL-3.0-or-later
// Settings files of hostile size or content: a file far larger than any the game writes, or one
// that can't be parsed, of any size, holds no values for the game, costs no more memory to load
// or save than a small one, and the next save replaces it with a small good file; a file at the
// size bound still loads. Files written by earlier versions load, and a save writes the same
// text they did. A lock another copy never lets go of delays a save only briefly.
#include <sys/stat.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

#include "settings/SettingsTestSupport.h"

namespace tavro::test {
namespace {

constexpr qint64 kBound = 64 * 1024;
constexpr qint64 kHugeSize = qint64{100} * 1024 * 1024;
// More memory than a load or save of a small file takes is a sign the whole file was read.
constexpr long kMaxExtraPeakKiB = 8 * 1024;

// Store text with the given values, padded with a comment line to exactly `size` bytes. QSettings
// takes ";" for a comment, and a "#" line for a line it can't parse.
QByteArray PaddedStore(const QByteArray& values, qint64 size, char comment = ';') {
    QByteArray text = "[Software]\n" + values + comment;
    text += QByteArray(size - text.size() - 1, 'x');
    text += '\n';
    return text;
}

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A store file whose values are followed by a hole up to `size` bytes: it takes no disk space.
void WriteSparseStore(const QString& fileName, const QByteArray& values, qint64 size) {
    WriteBytes(fileName, "[Software]\n" + values);
    ASSERT_TRUE(QFile::resize(fileName, size));
}

ino_t Inode(const QString& fileName) {
    struct stat status {};
    return ::stat(QFile::encodeName(fileName).constData(), &status) == 0 ? status.st_ino : 0;
}

class SettingsFileSize : public SettingsStoreTest {
protected:
    // Runs the probe with the command; its output, which ends in "peak=<KiB>".
    QString Probe(const QStringList& command) const {
        QProcess probe;
        probe.start(QStringLiteral(TAVRO_SETTINGS_PROBE), ProbeArguments(command));
        if (!probe.waitForFinished(120000) || probe.exitCode() != 0) {
            probe.kill();
            probe.waitForFinished();
            return {};
        }
        return QString::fromUtf8(probe.readAllStandardOutput());
    }
    static long PeakOf(const QString& output) {
        const qsizetype at = output.lastIndexOf(QStringLiteral("peak="));
        return at < 0 ? -1 : output.mid(at + 5).trimmed().toLong();
    }
    // The machine store's file is a folder, so every save goes to the per-user file.
    void SavesGoPerUser() { ASSERT_TRUE(QDir().mkpath(MachineFile())); }
};

TEST_F(SettingsFileSize, HugeUserFileGivesTheDefaultsAndTheNextSaveReplacesIt) {
    SavesGoPerUser();
    const QByteArray values =
        "Tavro\\Tavro%20Memory\\cards=huge\nTavro\\Tavro%20Memory\\delay=100\n";
    WriteBytes(UserFile(), "[Software]\n" + values);
    const long smallLoadPeak = PeakOf(Probe({"load"}));
    const long smallSavePeak = PeakOf(Probe({"save", "small", "150"}));
    ASSERT_GT(smallLoadPeak, 0);
    ASSERT_GT(smallSavePeak, 0);

    WriteSparseStore(UserFile(), values, kHugeSize);
    const QString loaded = Probe({"load"});
    EXPECT_TRUE(loaded.startsWith(QStringLiteral("cards=animals\ndelay=500\n")))
        << loaded.toStdString();
    EXPECT_LT(PeakOf(loaded), smallLoadPeak + kMaxExtraPeakKiB) << "small: " << smallLoadPeak;

    const ino_t hugeInode = Inode(UserFile());
    const QString saved = Probe({"save", "player", "250"});
    EXPECT_LT(PeakOf(saved), smallSavePeak + kMaxExtraPeakKiB) << "small: " << smallSavePeak;
    // Replaced by a new file, not cut down in place.
    EXPECT_NE(Inode(UserFile()), hugeInode);
    EXPECT_LT(QFileInfo(UserFile()).size(), 1024);
    const QString text = ReadText(UserFile());
    EXPECT_TRUE(
        text.startsWith(QStringLiteral("[Software]\nTavro\\Tavro%20Memory\\cards=player\n")))
        << text.toStdString();
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"player", 250}));
}

// A file just over the bound holds no values, as an unreadable one: the other file's values
// show through, or the defaults. One at the bound loads.
TEST_F(SettingsFileSize, TheBoundHoldsInBothFiles) {
    const QByteArray user = "Tavro\\Tavro%20Memory\\cards=user\nTavro\\Tavro%20Memory\\delay=100\n";
    const QByteArray machine =
        "Tavro\\Tavro%20Memory\\cards=machine\nTavro\\Tavro%20Memory\\delay=800\n";

    WriteBytes(MachineFile(), PaddedStore(machine, kBound));
    WriteBytes(UserFile(), PaddedStore(user, kBound));
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"user", 100}));
    WriteBytes(UserFile(), PaddedStore(user, kBound + 1));
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"machine", 800}));
    WriteBytes(MachineFile(), PaddedStore(machine, kBound + 1));
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"animals", 500}));
}

TEST_F(SettingsFileSize, OversizedMachineFileIsReplacedBySave) {
    WriteSparseStore(MachineFile(), "Tavro\\Tavro%20Memory\\cards=huge\n", kBound + 1);
    SaveSettings(Settings{"birds", 300, {}, {}});
    EXPECT_LT(QFileInfo(MachineFile()).size(), 1024);
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"birds", 300}));
}

QByteArray RandomBytes(qsizetype size) {
    QRandomGenerator random(23);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random.bounded(256));
    }
    return bytes;
}

// Files QSettings can't parse, under the size bound and over it, while the per-machine folder
// can't be written: no values are read from them, and the next save, and every one after it,
// replaces the per-user file whole.
TEST_F(SettingsFileSize, DamagedFilesOfEitherSizeAreReplacedWhole) {
    const QByteArray values =
        "Tavro\\Tavro%20Memory\\cards=damaged\nTavro\\Tavro%20Memory\\delay=100\n";
    const std::pair<const char*, QByteArray> damaged[] = {
        {"60 000 random bytes", RandomBytes(60'000)},
        {"65 534 bytes with a long # line", PaddedStore(values, 65'534, '#')},
        {"100 000 random bytes", RandomBytes(100'000)},
        {"70 000 bytes with a long # line", PaddedStore(values, 70'000, '#')},
    };
    ASSERT_TRUE(GiveStore(MachineFolder(), 0555, false));
    ASSERT_TRUE(GiveStore(UserFolder(), 0755, true));
    for (const auto& [name, bytes] : damaged) {
        SCOPED_TRACE(name);
        WriteBytes(UserFile(), bytes);
        ASSERT_TRUE(GiveTo(UserFile(), 0644, true));
        EXPECT_EQ(LoadInFreshProcess(), (Loaded{"animals", 500}));

        const ino_t damagedInode = Inode(UserFile());
        EXPECT_EQ(SaveAsUnprivileged(QStringLiteral("player"), 250), 0);
        EXPECT_NE(Inode(UserFile()), damagedInode);
        EXPECT_LT(QFileInfo(UserFile()).size(), 1024);
        EXPECT_EQ(LoadInFreshProcess(), (Loaded{"player", 250}));
        EXPECT_EQ(SaveAsUnprivileged(QStringLiteral("again"), 300), 0);
        EXPECT_EQ(LoadInFreshProcess(), (Loaded{"again", 300}));
        EXPECT_FALSE(QFileInfo::exists(MachineFile()));
    }
}

// Texts a save wrote before the files were bounded: a new file, and one that held another group.
const QByteArray kEarlierValues =
    "[Software]\n"
    "Tavro\\Tavro%20Memory\\cards=V\xc3\xb6gel und Fische\n"
    "Tavro\\Tavro%20Memory\\delay=1000\n"
    "Tavro\\Tavro%20Memory\\path=/opt/tavro/\n";
const QByteArray kEarlierFiles[] = {kEarlierValues, "[Extra]\nx=1\n\n" + kEarlierValues};

TEST_F(SettingsFileSize, EarlierFilesLoadAndSavesWriteTheSameText) {
    for (const QByteArray& earlier : kEarlierFiles) {
        SCOPED_TRACE(earlier.toStdString());
        WriteBytes(MachineFile(), earlier);
        EXPECT_EQ(LoadInFreshProcess(), (Loaded{"Vögel und Fische", 1000}));

        SaveSettings(Settings{"Vögel und Fische", 1000, {}, {}});
        QByteArray expected = earlier;
        expected.replace("/opt/tavro/",
                         (QCoreApplication::applicationDirPath() + QLatin1Char('/')).toUtf8());
        EXPECT_EQ(ReadText(MachineFile()).toUtf8(), expected);
    }
}

// A copy stuck while it holds the per-machine file's lock: the save gives up on that file after
// a bounded wait and goes to the per-user file, instead of keeping the game from closing.
TEST_F(SettingsFileSize, AStuckLockHolderDelaysASaveOnlyBriefly) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(MachineFile()).absolutePath()));
    QLockFile stuck(MachineFile() + QStringLiteral(".lock"));
    stuck.setStaleLockTime(0);  // this process is alive: the lock is never taken as stale
    ASSERT_TRUE(stuck.tryLock(0));

    const QString saved = Probe({"save", "held", "350"});
    ASSERT_FALSE(saved.isEmpty()) << "the save did not come back";
    EXPECT_FALSE(QFileInfo::exists(MachineFile()));
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"held", 350}));
}

}  // namespace
}  // namespace tavro::test
