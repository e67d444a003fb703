// SPDX-License-Identifier: GPL-3.0-or-later
// Qt Multimedia stays out of the game's process until the sounds are on: a game played with the
// sounds off never maps it; a player's turn-on loads it at once; a stored "on" waits until the
// window has first been painted. Without a sound device (the tests have none) the sounds stay
// silent and nothing is reported. Each case needs a process of its own, where nothing loaded it
// before: ctest runs each as a test of its own (see CMakeLists.txt).
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTest>

#include "app/ProgramUnderTest.h"
#include "game/TileSlot.h"
#include "modules/ModuleLoader.h"
#include "settings/SettingsStore.h"

using namespace tavro;
using namespace tavro::test;

namespace {

bool MultimediaMapped() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// A mismatch and a match, as a player's clicks.
void PlayTwoTurns(TForm1& form) {
    const int partner = PartnerOf(form.state().Game, 1);
    form.ImageClick(1);
    form.ImageClick(partner == 2 ? 3 : 2);
    QTest::qWait(50);
    form.ImageClick(1);
    form.ImageClick(partner);
    QTest::qWait(50);
}

}  // namespace

class SoundsLoadingTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void initTestCase() {
        SetModuleFolder(QStringLiteral(TAVRO_MODULE_DIR));
        QVERIFY(!MultimediaMapped());
    }

    void offUntilAPlayerTurnsThemOn() {
        SandboxedProgram program;
        program.form.state().Config.FlipDelay = 0;
        QVERIFY(program.show());
        QVERIFY(!program.form.Sounds1->isChecked());
        PlayTwoTurns(program.form);
        QVERIFY(!MultimediaMapped());

        program.form.Sounds1->trigger();  // as a click on Play > Sounds
        QVERIFY(program.form.state().Config.Play.Sounds);
        QVERIFY(ModuleLoaded(QStringLiteral("sounds")));
        QVERIFY(MultimediaMapped());
        PlayTwoTurns(program.form);  // silent: no sound device, and no message about it
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void storedOnWaitsForTheFirstPaint() {
        Sandbox sandbox;
        Settings stored{kDefaultCardSet, 0, {}, {}};
        stored.Play.Sounds = true;
        SaveSettings(stored);
        ProgramUnderTest windows(sandbox);
        TForm1& form = windows.form1;
        QVERIFY(form.Sounds1->isChecked());
        QCoreApplication::processEvents();
        QVERIFY(!MultimediaMapped());
        form.show();
        QTRY_VERIFY(MultimediaMapped());
        PlayTwoTurns(form);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        SaveSettings(Settings{kDefaultCardSet, kDefaultFlipDelay, {}, {}});
    }
};

TAVRO_WIDGET_TEST_MAIN(SoundsLoadingTest)
#include "SoundsLoadingTest.moc"
