// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its layout and menu, the input gate on every command but Exit, Exit saving
// the settings, the first deal at start-up (also when the Leads file cannot be made), and the
// missing card back.
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolButton>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "dialogkit/ErrorReport.h"
#include "settings/SettingsStore.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// Records (and closes) any modal dialog that is open when the event loop next runs.
void ExpectNoModalSoon(const char* what) {
    QTimer::singleShot(30, qApp, [what] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ModalFailures() << QStringLiteral("%1 opened a dialog").arg(QLatin1String(what));
            modal->hide();
        }
    });
}

// A menu's entries as "text" or "text shortcut", a separator as "-".
QStringList MenuEntries(const QList<QAction*>& actions) {
    QStringList entries;
    for (const QAction* action : actions) {
        QString entry = action->isSeparator() ? QStringLiteral("-") : action->text();
        if (!action->shortcut().isEmpty()) {
            entry += u' ' + action->shortcut().toString();
        }
        entries << entry;
    }
    return entries;
}

}  // namespace

class MainWindowTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void layoutOfTheBoard() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;

        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: animals"));
        const int menuHeight = form.menuBar()->height();
        QCOMPARE(form.centralWidget(), form.Panel1);
        QCOMPARE(form.Panel1->geometry(), QRect(0, menuHeight, 500, 505));
        QCOMPARE(form.size(), QSize(500, 505 + menuHeight));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);

        // Six rows of six, 72 pixels apart, from (32, 24).
        for (int tile = 1; tile <= 36; ++tile) {
            QCOMPARE(form.Frame(tile)->geometry(),
                     QRect(32 + 72 * ((tile - 1) % 6), 24 + 72 * ((tile - 1) / 6), 70, 70));
            QCOMPARE(form.Frame(tile)->objectName(), QStringLiteral("p%1").arg(tile));
            QCOMPARE(form.Frame(tile)->palette().color(QPalette::Window), QColor(0xA0, 0xA0, 0xA4));
            PictureBox* picture = form.Image(tile);
            QCOMPARE(picture->parentWidget(), form.Frame(tile));
            QCOMPARE(picture->geometry(), QRect(5, 5, 60, 60));
            QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(picture->objectName(), QStringLiteral("Image%1").arg(tile));
            QCOMPARE(picture->picture().pixelColor(0, 0), CardBackColour());
        }

        QCOMPARE(form.Label1->text(), QStringLiteral("Points"));
        QCOMPARE(form.Label1->pos(), QPoint(248, 462));
        // 326, or further right where the substitute font makes "Points" wider: never overlapping.
        QCOMPARE(form.Label2->y(), 462);
        QCOMPARE(form.Label2->x(), std::max(326, form.Label1->geometry().right() + 1 + 8));
        QCOMPARE(form.Label2->text(), QStringLiteral("0"));
        QCOMPARE(form.Label2->height(), 29);
        QCOMPARE(form.Label2->font().pixelSize(), 24);
        QVERIFY(form.Label2->font().bold());
        QCOMPARE(form.Label2->palette().color(QPalette::WindowText), QColor(Qt::blue));

        const QList<QAction*> bar = form.menuBar()->actions();
        QCOMPARE(MenuEntries(bar), (QStringList{"&Game", "&Options", "&Play", "&Help"}));
        QCOMPARE(bar[1], form.Options1);
        QVERIFY(form.Options1->menu() == nullptr);  // triggers directly
        QCOMPARE(MenuEntries(form.Game1->actions()),
                 (QStringList{"&New F2", "&Leads F3", "-", "&Show! F4", "-", "E&xit F10"}));
        QCOMPARE(form.Game1->actions()[2]->objectName(), QStringLiteral("N2"));
        QCOMPARE(MenuEntries(form.Play1->actions()).mid(0, 3),
                 (QStringList{"&One player", "&Two players…", "Against the &computer…"}));
        QVERIFY(form.OnePlayer1->isChecked());
        QCOMPARE(MenuEntries(form.Help1->actions()), (QStringList{"How to &play F1", "&About"}));
        QCOMPARE(form.Help1->actions()[1], form.About1);
        QVERIFY(form.Options1->isEnabled() && form.About1->isEnabled());
    }

    void startUpDealsTheFirstGame() {
        SandboxedProgram program;
        const SharedState& state = program.form.state();
        QCOMPARE(state.InputState, kInputReady);
        QCOMPARE(state.Game.HintsLeft, kHintsPerGame);
        QCOMPARE(state.Game.MatchedCount, 0);
        for (int face = 1; face <= kFaceCount; ++face) {
            QCOMPARE(
                std::count(state.Game.BoardFaces.begin() + 1, state.Game.BoardFaces.end(), face),
                2);
        }
        QCOMPARE(QFile(program.sandbox.leadsFile()).size(), 152);  // the default table
        QVERIFY(program.windows.exitCodes.empty());
    }

    void commandsWaitForTheGateButExitDoesNot() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        const auto faces = state.Game.BoardFaces;
        state.Game.Points = 42;
        const InputGate::Hold closed(state.InputState);

        for (QAction* command :
             {form.new1, form.Leads1, form.Showmeplease1, form.Options1, form.About1}) {
            ExpectNoModalSoon(qPrintable(command->objectName()));
            command->trigger();
            QTest::qWait(60);
        }
        for (const Qt::Key key : {Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}) {
            ExpectNoModalSoon("a shortcut");
            QTest::keyClick(&form, key);
            QTest::qWait(60);
        }
        QTest::mouseClick(form.Image(3), Qt::LeftButton);
        QCOMPARE(state.Game.FirstPick, 0);
        QCOMPARE(state.Game.BoardFaces, faces);
        QCOMPARE(state.Game.Points, 42);
        QCOMPARE(state.Game.HintsLeft, kHintsPerGame);
        QCOMPARE(form.Frame(1)->palette().color(QPalette::Window), QColor(0xA0, 0xA0, 0xA4));

        // Exit works with the gate closed, and saves.
        state.Config.FlipDelay = 1250;
        QTest::keyClick(&form, Qt::Key_F10);
        QTRY_VERIFY(!form.isVisible());
        Settings stored;
        LoadSettings(stored);
        QCOMPARE(stored.FlipDelay, 1250);
        QCOMPARE(stored.CardSetName, std::string("animals"));
    }

    void commandsOpenTheirDialogsWithTheGateOpen() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;

        auto gateWhileOpen = std::make_shared<int>(-1);
        WhenModal<TForm3>([gateWhileOpen, &form](TForm3* dialog) {
            *gateWhileOpen = form.state().InputState;
            dialog->SpeedButton2()->click();
        });
        form.Leads1->trigger();
        QCOMPARE(*gateWhileOpen, int{kInputBusy});
        QCOMPARE(form.state().InputState, kInputReady);

        WhenModal<TForm5>([](TForm5* dialog) { dialog->reject(); });
        form.About1->trigger();
        WhenModal<TForm4>([](TForm4* dialog) { dialog->reject(); });
        form.Options1->trigger();
        QCOMPARE(form.state().InputState, kInputReady);
        QVERIFY(!program.windows.form4.isVisible() && !program.windows.form5.isVisible());
    }

    void startUpWithoutAWritableLeadsFileStillDeals() {
        Sandbox sandbox;
        // A folder in the way: the file can neither be opened nor created, also as root.
        QVERIFY(QDir(sandbox.workFolder()).mkdir(QStringLiteral("leads.dat")));
        const auto box = AnswerMessageBox();
        ProgramUnderTest program(sandbox);
        QCOMPARE(box->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QVERIFY(!box->text.isEmpty());
        QCOMPARE(program.form1.state().InputState, kInputReady);
        QCOMPARE(program.form1.Label2->text(), QStringLiteral("0"));
        QCOMPARE(program.form1.Image(36)->picture().pixelColor(0, 0), CardBackColour());
    }

    // The error box appends a full stop when the text ends in a character that comes after "."
    // in character-code order: letters, digits, "?" and ":" get one; ".", "!" and ")" do not.
    void errorTextsGetAFullStopByTheirLastCharacter() {
        const QList<QPair<QString, QString>> cases = {{"Disk full", "Disk full."},
                                                      {"Error 5", "Error 5."},
                                                      {"Why?", "Why?."},
                                                      {"Reason:", "Reason:."},
                                                      {"Done.", "Done."},
                                                      {"Stop!", "Stop!"},
                                                      {"(see above)", "(see above)"},
                                                      {"", ""}};
        for (const auto& [text, shown] : cases) {
            QCOMPARE(WithFullStop(text), shown);
        }
    }

    void missingCardBackEndsTheProgramWithCode1() {
        Sandbox sandbox;
        QVERIFY(QFile::remove(sandbox.cardFolder() + QStringLiteral("space.bmp")));
        const auto box = AnswerMessageBox();
        ProgramUnderTest program(sandbox);
        QCOMPARE(box->title, QStringLiteral("Tavro Memory: Error!"));
        QCOMPARE(box->text, QStringLiteral("Please reinstall Tavro Memory"));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QCOMPARE(program.exitCodes, std::vector<int>{1});
        QCOMPARE(program.form1.state().InputState, kInputBusy);  // nothing was dealt
    }
};

TAVRO_WIDGET_TEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
