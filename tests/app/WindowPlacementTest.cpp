// SPDX-License-Identifier: GPL-3.0-or-later
// Where the main window first appears: centred on the screen's available area where it fits,
// else at that area's top left; a window grown past the area is moved back within it. The real
// window is placed at a scale of 2 on an offscreen screen of 1280 x 1024 device pixels, where
// even the designed card size is too large: the board shrinks to fit.
#include <QFile>
#include <QScreen>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "app/WindowPlacement.h"

using namespace tavro;
using namespace tavro::test;

class WindowPlacementTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void centredWhereTheFrameFits() {
        QCOMPARE(FirstWindowPosition(QSize(500, 524), QRect(0, 0, 1280, 1024)), QPoint(390, 250));
        QCOMPARE(FirstWindowPosition(QSize(500, 524), QRect(100, 30, 1180, 994)), QPoint(440, 265));
        // Exactly as large as the area: the area itself.
        QCOMPARE(FirstWindowPosition(QSize(640, 484), QRect(0, 28, 640, 484)), QPoint(0, 28));
    }

    void topLeftWhereTheFrameDoesNotFit() {
        // Too tall (a scale of 2 on a 1280 x 1024 screen), too wide, or both; the area may
        // start past a panel at the top or the left of the screen.
        QCOMPARE(FirstWindowPosition(QSize(500, 524), QRect(0, 0, 640, 512)), QPoint(0, 0));
        QCOMPARE(FirstWindowPosition(QSize(500, 524), QRect(0, 14, 640, 498)), QPoint(0, 14));
        QCOMPARE(FirstWindowPosition(QSize(660, 300), QRect(24, 0, 616, 512)), QPoint(24, 0));
        QCOMPARE(FirstWindowPosition(QSize(700, 600), QRect(10, 20, 640, 480)), QPoint(10, 20));
    }

    void keptWithinTheArea() {
        const QRect area(0, 20, 1000, 700);
        QCOMPARE(KeptWithin(QRect(100, 100, 500, 500), area), QPoint(100, 100));  // inside
        QCOMPARE(KeptWithin(QRect(700, 400, 500, 500), area), QPoint(500, 220));  // past the corner
        QCOMPARE(KeptWithin(QRect(-50, 0, 500, 500), area), QPoint(0, 20));
        QCOMPARE(KeptWithin(QRect(300, 300, 1200, 900), area), QPoint(0, 20));  // too large
    }

    void mainWindowShrinksToASmallScreenAtScaleTwo() {
        SandboxedProgram program;
        TForm1& form = program.form;
        const QScreen* screen = form.screen();
        QVERIFY(screen != nullptr);
        QCOMPARE(screen->devicePixelRatio(), 2.0);
        const QRect available = screen->availableGeometry();
        QCOMPARE(available.size(), QSize(640, 512));

        PlaceOnItsScreen(form);
        QVERIFY2(form.BoardScale() < 1.0, "the designed size does not fit this screen");
        QVERIFY(program.show());
        QVERIFY(available.contains(form.frameGeometry()));
        QVERIFY(available.contains(form.mapToGlobal(QPoint(0, 0))));  // the menu bar's corner
    }
};

int main(int argc, char** argv) {
    // One offscreen screen of 1280 x 1024 device pixels, shown at a scale of 2.
    QTemporaryDir folder;
    if (!UseOffscreenScreen(folder.path(), 1280, 1024)) {
        return 2;
    }
    qputenv("QT_SCALE_FACTOR", "2");
    RedirectSettingsStore(folder.filePath(QStringLiteral("settings")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro Memory"));
    RedirectSettingsStore(folder.filePath(QStringLiteral("settings")));
    StartModalWatchdog();
    WindowPlacementTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "WindowPlacementTest.moc"
