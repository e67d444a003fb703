// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: the defaults and validation of stored values, values of the wrong type,
// saving read back by a fresh process and from the file itself, and which of the per-user and
// per-machine files is read first and which is written.
#include <QCoreApplication>
#include <QFileInfo>

#include "settings/PlaySettingsTable.h"
#include "settings/SettingsTestSupport.h"

namespace tavro::test {
namespace {

struct StoredCase {
    QStringList Lines;
    Loaded Expected;
};

// Each case gets its own store folders, so no cached value from an earlier case can answer.
TEST(SettingsValidation, StoredValuesAreCheckedAndDefaulted) {
    const std::vector<StoredCase> cases = {
        {{"cards=birds", "delay=75"}, {"birds", 500}},  // not a multiple of 50
        {{"cards=birds", "delay=2050"}, {"birds", 500}},
        {{"cards=birds", "delay=-50"}, {"birds", 500}},
        {{"cards=birds", "delay=0"}, {"birds", 0}},
        {{"cards=birds", "delay=2000"}, {"birds", 2000}},
        {{"cards=birds", "delay=1000"}, {"birds", 1000}},
        {{"cards=", "delay=300"}, {"animals", 300}},
        {{"delay=300"}, {"animals", 300}},
        {{"cards=birds"}, {"birds", 500}},
        {{"cards=Vögel und Fische"}, {"Vögel und Fische", 500}},
        {{}, {"animals", 500}},
        // Wrong types count as absent.
        {{"cards=birds", "delay=abc"}, {"birds", 500}},
        {{"cards=birds", "delay=1.5"}, {"birds", 500}},
        {{"cards=birds", "delay=99999999999"}, {"birds", 500}},
        {{"cards=birds", "delay=4294967296"}, {"birds", 500}},
        {{"cards=birds", "delay=100, 200"}, {"birds", 500}},  // a list
        {{"cards=birds", "delay=@Point(1 2)"}, {"birds", 500}},
        {{"cards=birds, fish", "delay=100"}, {"animals", 100}},  // a list
        {{"cards=@Point(1 2)", "delay=100"}, {"animals", 100}},
        {{"cards=42", "delay=100"}, {"42", 100}},  // a number in a text file is text
    };
    for (const StoredCase& stored : cases) {
        SCOPED_TRACE(stored.Lines.join(QStringLiteral("; ")).toStdString());
        QTemporaryDir root;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root.path() + "/u");
        QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, root.path() + "/m");
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("m/Tavro")));
        WriteStore(root.path() + QStringLiteral("/m/Tavro/Tavro Memory.ini"), stored.Lines);
        EXPECT_EQ(LoadHere(), stored.Expected);
    }
}

using SettingsSave = SettingsStoreTest;

TEST_F(SettingsSave, SavedValuesReachTheFileAndAFreshProcess) {
    const Settings chosen{"birds", 1000, {}, {}};
    SaveSettings(chosen);

    const QString text = ReadText(MachineFile());
    EXPECT_TRUE(text.contains(QStringLiteral("cards=birds"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("delay=1000"))) << text.toStdString();
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    EXPECT_TRUE(text.contains(QStringLiteral("path=") + folder)) << text.toStdString();
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"birds", 1000}));
}

TEST_F(SettingsSave, SaveInOneProcessLoadsInAnother) {
    QProcess probe;
    probe.start(QStringLiteral(TAVRO_SETTINGS_PROBE), ProbeArguments({"save", "Fische", "150"}));
    ASSERT_TRUE(probe.waitForFinished(60000));
    ASSERT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"Fische", 150}));
    const QString probeFolder = QFileInfo(QStringLiteral(TAVRO_SETTINGS_PROBE)).canonicalPath();
    EXPECT_TRUE(ReadText(MachineFile()).contains(QStringLiteral("path=") + probeFolder + '/'));
}

TEST_F(SettingsSave, UnwritableMachineFileSavesPerUser) {
    WriteStore(MachineFile(), {"cards=machine", "delay=800"});
    ASSERT_TRUE(GiveStore(MachineFolder(), 0555, false));
    ASSERT_TRUE(GiveTo(MachineFile(), 0644, false));
    ASSERT_TRUE(GiveStore(UserFolder(), 0755, true));

    EXPECT_EQ(SaveAsUnprivileged(QStringLiteral("player"), 250), 0);
    EXPECT_EQ(QFileInfo(UserFile()).ownerId(), UnprivilegedIdentity().Uid);
    EXPECT_TRUE(ReadText(UserFile()).contains(QStringLiteral("cards=player")));
    EXPECT_TRUE(ReadText(UserFile()).contains(QStringLiteral("delay=250")));
    EXPECT_FALSE(ReadText(MachineFile()).contains(QStringLiteral("player")));
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"player", 250}));
}

TEST_F(SettingsSave, NoMachineFileAndUnwritableMachineFolderSavesPerUser) {
    ASSERT_TRUE(GiveTo(MachineFolder() + QStringLiteral("/Tavro"), 0555, false));
    ASSERT_TRUE(GiveStore(UserFolder(), 0755, true));

    EXPECT_EQ(SaveAsUnprivileged(QStringLiteral("player"), 350), 0);
    EXPECT_FALSE(QFile::exists(MachineFile()));
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"player", 350}));
}

// The settings of the run are lost, and the player is told where they could not be saved.
TEST_F(SettingsSave, NothingWritableLosesTheSettingsAndSaysSo) {
    ASSERT_TRUE(GiveStore(UserFolder(), 0555, false));
    ASSERT_TRUE(GiveStore(MachineFolder(), 0555, false));
    EXPECT_EQ(SaveAsUnprivileged(QStringLiteral("player"), 350), kProbeNotSaved);
    EXPECT_FALSE(QFile::exists(UserFile()));
    EXPECT_FALSE(QFile::exists(MachineFile()));

    // Folders in the files' places refuse root as well.
    ASSERT_TRUE(GiveStore(UserFolder(), 0700, false) && GiveStore(MachineFolder(), 0700, false));
    ASSERT_TRUE(QDir().mkpath(UserFile()) && QDir().mkpath(MachineFile()));
    EXPECT_EQ(SaveSettings(Settings{"player", 350, {}, {}}),
              QStringLiteral("The card set and the delay could not be saved to ") + UserFile());
}

TEST_F(SettingsSave, MachineSaveRemovesHidingUserValues) {
    WriteStore(UserFile(), {"cards=stale", "delay=100", "other=kept"});
    SaveSettings(Settings{"fresh", 700, {}, {}});
    EXPECT_TRUE(ReadText(MachineFile()).contains(QStringLiteral("cards=fresh")));
    const QString userText = ReadText(UserFile());
    EXPECT_FALSE(userText.contains(QStringLiteral("stale"))) << userText.toStdString();
    EXPECT_TRUE(userText.contains(QStringLiteral("other=kept"))) << userText.toStdString();
    EXPECT_EQ(LoadInFreshProcess(), (Loaded{"fresh", 700}));
}

using SettingsLoadOrder = SettingsStoreTest;

TEST_F(SettingsLoadOrder, PerUserValueWinsValueByValue) {
    WriteStore(MachineFile(), {"cards=machine", "delay=800"});
    WriteStore(UserFile(), {"cards=user"});
    EXPECT_EQ(LoadHere(), (Loaded{"user", 800}));
}

// The per-user file holds the value, so it decides: a wrong type there means the default, as
// it would in a store of one file, and the per-machine value stays hidden.
TEST_F(SettingsLoadOrder, WrongTypedUserValueTakesTheDefault) {
    const std::vector<StoredCase> cases = {
        {{"cards=a, b", "delay=abc"}, {"animals", 500}},
        {{"cards=@Point(1 2)", "delay=1.5"}, {"animals", 500}},
        {{"cards=user", "delay=99999999999"}, {"user", 500}},
        {{"cards=a, b", "delay=300"}, {"animals", 300}},
        {{"delay=100, 200"}, {"machine", 500}},
    };
    for (const StoredCase& stored : cases) {
        SCOPED_TRACE(stored.Lines.join(QStringLiteral("; ")).toStdString());
        WriteStore(MachineFile(), {"cards=machine", "delay=800"});
        WriteStore(UserFile(), stored.Lines);
        EXPECT_EQ(LoadInFreshProcess(), stored.Expected);
    }
}

TEST_F(SettingsLoadOrder, WrongTypedMachineValueUnderNoUserValueTakesTheDefault) {
    WriteStore(MachineFile(), {"cards=@Point(1 2)", "delay=abc"});
    WriteStore(UserFile(), {"other=1"});
    EXPECT_EQ(LoadHere(), (Loaded{"animals", 500}));
}

TEST_F(SettingsLoadOrder, ValidTypeButInvalidUserDelayTakesTheDefault) {
    WriteStore(MachineFile(), {"delay=800"});
    WriteStore(UserFile(), {"cards=", "delay=75"});
    EXPECT_EQ(LoadHere(), (Loaded{"animals", 500}));
}

TEST_F(SettingsLoadOrder, UnreadableFilesGiveTheDefaults) {
    WriteStore(UserFile(), {"cards=user", "delay=100"});
    ASSERT_TRUE(GiveTo(UserFile(), 0000, false));
    ASSERT_TRUE(GiveTo(UserFolder(), 0755, true));
    // Only an unprivileged process is refused: it loads the defaults and goes on.
    const int code = RunUnprivileged([] {
        Settings settings;
        LoadSettings(settings);
        return settings.CardSetName == "animals" && settings.FlipDelay == 500 ? 0 : 1;
    });
    EXPECT_EQ(code, 0);
}

// The "&Play" menu's settings: words of their own, anything else the default; a name that is
// too long, blank or not plain text is the default name.
TEST_F(SettingsLoadOrder, PlaySettingsAreCheckedAndDefaulted) {
    using Mode = PlayMode;
    using Strength = ComputerStrength;
    struct PlayCase {
        QStringList Lines;
        PlaySettings Expected;
    };
    const std::string twenty(kMaxPlayerNameLength, 'x');
    const std::vector<PlayCase> cases = {
        {{}, {}},
        {{"players=two", "player1=Anna", "player2=Ben", "sounds=on"},
         {Mode::TwoPlayers, {"Anna", "Ben"}, Strength::Fair, true}},
        {{"players=computer", "strength=perfect", "player1=Zoë"},
         {Mode::AgainstComputer, {"Zoë", ""}, Strength::PerfectMemory, false}},
        {{"players=computer", "starts=alternate"},
         {Mode::AgainstComputer, {}, Strength::Fair, false, false, StartRule::Alternate}},
        {{"players=computer", "starts=player"}, {Mode::AgainstComputer}},
        {{"cardsize=200"},
         {Mode::OnePlayer,
          {},
          Strength::Fair,
          false,
          false,
          StartRule::Player,
          CardSize::Large200}},
        {{"cardsize=fit"},
         {Mode::OnePlayer,
          {},
          Strength::Fair,
          false,
          false,
          StartRule::Player,
          CardSize::FitScreen}},
        {{"cardsize=100"}, {}},  // Normal is never stored, so no word names it
        {{"cardsize=250"}, {}},
        {{"cardsize=Fit"}, {}},
        {{"players=three", "strength=strong", "sounds=yes", "starts=computer"}, {}},
        {{"players=2", "strength=2", "sounds=1"}, {}},
        {{"players=two, computer", "sounds=on, off"}, {}},  // lists are no words
        {{"player1=" + QString::fromStdString(twenty),
          "player2=" + QString::fromStdString(twenty) + "y"},
         {Mode::OnePlayer, {twenty, ""}, Strength::Fair, false}},
        {{"player1=\"   \"", "player2=a\\tb"}, {}},  // blank; a tab
        {{"player1=\xe2\x80\xae"
          "CBA",
          "player2=@Point(1 2)"},
         {}},  // a bidi control; no text
    };
    for (const PlayCase& stored : cases) {
        SCOPED_TRACE(stored.Lines.join(QStringLiteral("; ")).toStdString());
        WriteStore(UserFile(), stored.Lines);
        Settings settings;
        LoadSettings(settings);
        EXPECT_EQ(settings.Play.Mode, stored.Expected.Mode);
        EXPECT_EQ(settings.Play.PlayerNames, stored.Expected.PlayerNames);
        EXPECT_EQ(settings.Play.Strength, stored.Expected.Strength);
        EXPECT_EQ(settings.Play.Sounds, stored.Expected.Sounds);
        EXPECT_EQ(settings.Play.Starts, stored.Expected.Starts);
        EXPECT_EQ(settings.Play.Size, stored.Expected.Size);
    }
}

// Only what differs from the defaults is stored, so a file of a player who never changed them
// holds just "cards", "delay" and "path"; going back to a default removes its value.
TEST_F(SettingsSave, PlaySettingsAreKeptOnlyWhereChanged) {
    Settings chosen{
        "birds", 1000, {}, {PlayMode::TwoPlayers, {"Anna", ""}, ComputerStrength::Fair, true}};
    ASSERT_TRUE(SaveSettings(chosen).isEmpty());
    QString text = ReadText(MachineFile());
    for (const char* line : {"players=two", "player1=Anna", "sounds=on"}) {
        EXPECT_TRUE(text.contains(QLatin1String(line))) << text.toStdString();
    }
    EXPECT_FALSE(text.contains(QStringLiteral("player2"))) << text.toStdString();
    Settings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.Play.Mode, PlayMode::TwoPlayers);
    EXPECT_EQ(loaded.Play.PlayerNames[0], "Anna");
    EXPECT_TRUE(loaded.Play.Sounds);

    chosen.Play = {};
    ASSERT_TRUE(SaveSettings(chosen).isEmpty());
    text = ReadText(MachineFile());
    for (const char* name : {"players", "player1", "player2", "strength", "sounds"}) {
        EXPECT_FALSE(text.contains(QLatin1String(name))) << text.toStdString();
    }
}

// Every row of the Play settings' table is written, read back and removed at its default by the
// store: a setting added to the table needs nothing else to be kept.
TEST_F(SettingsSave, EveryPlaySettingRowIsKeptAndRemoved) {
    Settings chosen{"birds",
                    1000,
                    {},
                    {PlayMode::AgainstComputer,
                     {"Anna", "Ben"},
                     ComputerStrength::PerfectMemory,
                     true,
                     true,
                     StartRule::Alternate,
                     CardSize::Large300,
                     true}};
    ASSERT_TRUE(SaveSettings(chosen).isEmpty());
    QString text = ReadText(MachineFile());
    for (const PlaySettingRow& row : PlaySettingRows()) {
        EXPECT_FALSE(row.give(chosen.Play).empty()) << row.key;
        EXPECT_TRUE(text.contains(QString::fromStdString(row.key + '=' + row.give(chosen.Play))))
            << text.toStdString();
    }
    Settings loaded;
    LoadSettings(loaded);
    for (const PlaySettingRow& row : PlaySettingRows()) {
        EXPECT_EQ(row.give(loaded.Play), row.give(chosen.Play)) << row.key;
    }

    chosen.Play = {};
    ASSERT_TRUE(SaveSettings(chosen).isEmpty());
    text = ReadText(MachineFile());
    for (const PlaySettingRow& row : PlaySettingRows()) {
        EXPECT_FALSE(text.contains(QString::fromStdString(row.key + '='))) << text.toStdString();
    }
}

}  // namespace
}  // namespace tavro::test
