// The main window: its layout and menu, the input gate on every command but Exit, Exit saving
// the settings, the first deal at start-up (also when the Leads file cannot be made), and the
// missing card back.
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "controls/PictureBox.h"
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

struct CapturedBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

void AnswerMessageBox(std::shared_ptr<CapturedBox> into) {
    WhenModal<QMessageBox>([into](QMessageBox* box) {
        into->title = box->windowTitle();
        into->text = box->text();
        into->icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ModalFailures().clear(); }
    void cleanup() { QVERIFY2(ModalFailures().isEmpty(), qPrintable(ModalFailures().join("; "))); }

    void layoutOfTheBoard() {
        Sandbox sandbox;
        ProgramUnderTest program(sandbox);
        TForm1& form = program.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: animals"));
        const int menuHeight = form.menuBar()->height();
        QCOMPARE(form.centralWidget(), form.Panel1);
        QCOMPARE(form.Panel1->geometry(), QRect(0, menuHeight, 500, 505));
        QCOMPARE(form.size(), QSize(500, 505 + menuHeight));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);

        QCOMPARE(form.Frame(1)->geometry(), QRect(32, 24, 70, 70));
        QCOMPARE(form.Frame(6)->geometry(), QRect(32 + 5 * 72, 24, 70, 70));
        QCOMPARE(form.Frame(7)->geometry(), QRect(32, 96, 70, 70));
        QCOMPARE(form.Frame(36)->geometry(), QRect(392, 384, 70, 70));
        QCOMPARE(form.Frame(36)->objectName(), QStringLiteral("p36"));
        QCOMPARE(form.Frame(20)->palette().color(QPalette::Window), QColor(0xA0, 0xA0, 0xA4));
        for (const int tile : {1, 17, 36}) {
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
        QCOMPARE(bar.size(), 3);
        QCOMPARE(bar[0]->text(), QStringLiteral("&Game"));
        QCOMPARE(bar[1], form.Options1);
        QCOMPARE(form.Options1->text(), QStringLiteral("&Options"));
        QVERIFY(form.Options1->menu() == nullptr);  // triggers directly
        QCOMPARE(bar[2]->text(), QStringLiteral("&Help"));

        const QList<QAction*> game = form.Game1->actions();
        QCOMPARE(game.size(), 6);
        QCOMPARE(game[0]->text(), QStringLiteral("&New"));
        QCOMPARE(game[0]->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(game[1]->text(), QStringLiteral("&Leads"));
        QCOMPARE(game[1]->shortcut(), QKeySequence(Qt::Key_F3));
        QVERIFY(game[2]->isSeparator());
        QCOMPARE(game[2]->objectName(), QStringLiteral("N2"));
        QCOMPARE(game[3]->text(), QStringLiteral("&Show!"));
        QCOMPARE(game[3]->shortcut(), QKeySequence(Qt::Key_F4));
        QVERIFY(game[4]->isSeparator());
        QCOMPARE(game[5]->text(), QStringLiteral("E&xit"));
        QCOMPARE(game[5]->shortcut(), QKeySequence(Qt::Key_F10));
        QCOMPARE(form.Help1->actions().size(), 1);
        QCOMPARE(form.About1->text(), QStringLiteral("&About"));
        QVERIFY(form.Options1->isEnabled() && form.About1->isEnabled());
    }

    void startUpDealsTheFirstGame() {
        Sandbox sandbox;
        ProgramUnderTest program(sandbox);
        const SharedState& state = program.form1.state();
        QCOMPARE(state.InputState, kInputReady);
        QCOMPARE(state.Game.HintsLeft, kHintsPerGame);
        QCOMPARE(state.Game.MatchedCount, 0);
        for (int face = 1; face <= kFaceCount; ++face) {
            QCOMPARE(
                std::count(state.Game.BoardFaces.begin() + 1, state.Game.BoardFaces.end(), face),
                2);
        }
        QCOMPARE(QFile(sandbox.leadsFile()).size(), 152);  // created with the default table
        QVERIFY(program.exitCodes.empty());
    }

    void commandsWaitForTheGateButExitDoesNot() {
        Sandbox sandbox;
        ProgramUnderTest program(sandbox);
        TForm1& form = program.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        SharedState& state = form.state();
        const auto faces = state.Game.BoardFaces;
        state.Game.Points = 42;
        state.InputState = kInputBusy;

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
        Sandbox sandbox;
        ProgramUnderTest program(sandbox);
        TForm1& form = program.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

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
        QVERIFY(!program.form4.isVisible() && !program.form5.isVisible());
    }

    void startUpWithoutAWritableLeadsFileStillDeals() {
        Sandbox sandbox;
        // A folder in the way: the file can neither be opened nor created, also as root.
        QVERIFY(QDir(sandbox.workFolder()).mkdir(QStringLiteral("leads.dat")));
        auto box = std::make_shared<CapturedBox>();
        AnswerMessageBox(box);
        ProgramUnderTest program(sandbox);
        QCOMPARE(box->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QVERIFY(!box->text.isEmpty());
        QCOMPARE(program.form1.state().InputState, kInputReady);
        QCOMPARE(program.form1.Label2->text(), QStringLiteral("0"));
        QCOMPARE(program.form1.Image(36)->picture().pixelColor(0, 0), CardBackColour());
    }

    void missingCardBackEndsTheProgramWithCode1() {
        Sandbox sandbox;
        QVERIFY(QFile::remove(sandbox.cardFolder() + QStringLiteral("space.bmp")));
        auto box = std::make_shared<CapturedBox>();
        AnswerMessageBox(box);
        ProgramUnderTest program(sandbox);
        QCOMPARE(box->title, QStringLiteral("Tavro Memory: Error!"));
        QCOMPARE(box->text, QStringLiteral("Please reinstall Tavro Memory"));
        QCOMPARE(box->icon, QMessageBox::Critical);
        QCOMPARE(program.exitCodes, std::vector<int>{1});
        QCOMPARE(program.form1.state().InputState, kInputBusy);  // nothing was dealt
    }
};

TAVRO_WIDGET_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
