// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog on the offscreen platform: controls built at the first showing, what it says
// when it is hidden (a new deal) and while a set is picked (the caption), how the card folder
// follows the picked set, the preview's
// speed and its stop at a missing picture, the card set list (the player's own sets among the
// program's, each under its name in the player's language), the kept set name, and the delay
// text in two locales.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "CardSetTree.h"
#include "FakeBoardView.h"
#include "app/SharedState.h"
#include "app/Unit1.h"
#include "controls/PictureBox.h"
#include "controls/RXSlider.h"
#include "dialogs/Unit4.h"
#include "game/GameEngine.h"
#include "settings/CardSet.h"

using namespace tavro;
using tavro::test::CardSetTree;
using tavro::test::FakeBoardView;
using tavro::test::PictureColour;

namespace {

constexpr std::int32_t kGameInProgressPoints = 1234;

// One dialog over a stand-in main window that does what the main window does with what the
// dialog says, with the sets "alpha" (1), "beta" (2) and "broken" (3, no 7.bmp) and the current
// set "alpha"; a game is in progress with 1234 points.
struct OptionsRig {
    CardSetTree tree;
    SharedState state;
    FakeBoardView view{state.Config};
    GameEngine engine{state.Game, state.InputState, view, state.Config.FlipDelay, [] { return 0; }};
    QWidget mainWindow;
    TForm4* dialog = nullptr;

    explicit OptionsRig(std::int32_t flipDelay = 500, const char* setName = "alpha") {
        tree.isValid();
        tree.addSet(QStringLiteral("alpha"), 1);
        tree.addSet(QStringLiteral("beta"), 2);
        tree.addSet(QStringLiteral("broken"), 3, 7);
        state.Config.CardSetName = setName;
        state.Config.FlipDelay = flipDelay;
        BuildCardFolder(state.Config, tree.executableFolder());
        engine.NewGame();  // opens the gate
        view.loadedFiles.clear();
        state.Game.Points = kGameInProgressPoints;
        mainWindow.setWindowTitle(QStringLiteral("Tavro Memory: ") + setName);
        dialog = new TForm4(state.Config, state.InputState, &mainWindow);
        dialog->setExecutableFolder(tree.executableFolder());
        QObject::connect(dialog, &TForm4::cardSetChanged, &mainWindow,
                         [this] { mainWindow.setWindowTitle(TForm1::CaptionFor(state.Config)); });
        QObject::connect(dialog, &TForm4::optionsApplied, &mainWindow,
                         [this](bool setChanged, bool delayChanged) {
                             if (setChanged || delayChanged) {
                                 engine.NewGame();
                             }
                         });
    }

    int indexOf(const char* setName) const { return dialog->ComboBox1()->findText(setName); }
    // What the player's pick does: the list reports the activated entry.
    void pick(const char* setName) const { emit dialog->ComboBox1()->activated(indexOf(setName)); }
    void clickOk() const { QTest::mouseClick(dialog->SpeedButton1(), Qt::LeftButton); }
    bool dealt() const { return state.Game.Points != kGameInProgressPoints; }
    QColor previewColour() const { return dialog->Image1()->picture().pixelColor(0, 0); }
    std::string lastLoadedFile() const {
        return view.loadedFiles.empty() ? std::string() : view.loadedFiles.back();
    }
};

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void designTimeStateLeavesTheDelayAlone() {
        OptionsRig rig(777);
        TForm4& d = *rig.dialog;
        QCOMPARE(d.size(), QSize(315, 178));
        QVERIFY(!d.ComboBox1()->isEditable());
        QCOMPARE(d.Image1()->geometry(), d.Panel1()->contentsRect());  // fills the frame's inside
        QCOMPARE(d.RxSlider1()->MaxValue(), 2000);
        QCOMPARE(d.RxSlider1()->Increment(), 50);
        QCOMPARE(d.RxSlider1()->Options(), TSliderOptions(soShowFocus) | soShowPoints);
        QCOMPARE(d.RxSlider1()->Value(), 100);
        QCOMPARE(d.SpeedButton1()->focusPolicy(), Qt::TabFocus);  // reached by Tab, not by a click
        QCOMPARE(d.Timer1()->interval(), 500);
        QVERIFY(!d.Timer1()->isActive());
        QCOMPARE(rig.state.Config.FlipDelay, 777);
        QCOMPARE(rig.state.InputState, kInputReady);
    }

    void controlsWaitForTheFirstShowing() {
        OptionsRig rig(777);
        TForm4& d = *rig.dialog;
        // Only the window itself until the dialog is needed, which keeps start-up short.
        QVERIFY(d.findChildren<QWidget*>().isEmpty());
        QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
        d.show();
        // Built before the window appeared, so every control appears with it.
        const auto controls = d.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 5);
        for (const QWidget* control : controls) {
            QVERIFY(control->isVisible());
        }
        QCOMPARE(d.RxSlider1()->Value(), 777);
        QVERIFY(!d.OptionsChanged());
    }

    void okWithoutChangeKeepsTheGame() {
        OptionsRig rig;
        const auto faces = rig.state.Game.BoardFaces;
        rig.dialog->show();
        QCOMPARE(rig.state.InputState, kInputBusy);
        QVERIFY(rig.dialog->Timer1()->isActive());
        rig.clickOk();
        QVERIFY(!rig.dialog->isVisible());
        QVERIFY(!rig.dialog->Timer1()->isActive());
        QCOMPARE(rig.state.InputState, kInputReady);
        QVERIFY(!rig.dealt());
        QVERIFY(rig.view.loadedFiles.empty());
        QCOMPARE(rig.state.Game.BoardFaces, faces);
    }

    void delayChangeDealsAnew() {
        OptionsRig rig;
        rig.dialog->show();
        rig.dialog->RxSlider1()->setValue(1000);
        QCOMPARE(rig.state.Config.FlipDelay, 1000);
        QVERIFY(rig.dialog->OptionsChanged());
        rig.clickOk();
        QVERIFY(rig.dealt());
        QCOMPARE(rig.view.loadedFiles.size(), std::size_t{36});
        QCOMPARE(rig.state.InputState, kInputReady);
        QCOMPARE(rig.state.Config.FlipDelay, 1000);
    }

    void changesUndoneByHandStillDeal() {
        {
            OptionsRig rig;
            rig.dialog->show();
            rig.dialog->RxSlider1()->setValue(1500);
            rig.dialog->RxSlider1()->setValue(500);
            rig.clickOk();
            QVERIFY(rig.dealt());
        }
        {
            OptionsRig rig;
            rig.dialog->show();
            rig.pick("beta");
            rig.pick("alpha");
            rig.dialog->close();  // the close box does what OK does
            QVERIFY(!rig.dialog->isVisible());
            QVERIFY(rig.dealt());
            QCOMPARE(rig.state.InputState, kInputReady);
        }
        {
            // Picking the entry that is already selected counts as a pick.
            OptionsRig rig;
            rig.dialog->show();
            rig.pick("alpha");
            QVERIFY(rig.dialog->OptionsChanged());
        }
    }

    void secondShowingForgetsTheFirstOnesChanges() {
        OptionsRig rig;
        rig.dialog->show();
        rig.dialog->RxSlider1()->setValue(1000);
        rig.clickOk();
        QVERIFY(rig.dealt());
        rig.state.Game.Points = kGameInProgressPoints;
        rig.dialog->show();
        QCOMPARE(rig.dialog->RxSlider1()->Value(), 1000);
        QVERIFY(!rig.dialog->OptionsChanged());
        rig.clickOk();
        QVERIFY(!rig.dealt());
    }

    void captionAndCardFolderFollowThePickedSet() {
        OptionsRig rig;
        rig.dialog->show();
        QCOMPARE(rig.dialog->ComboBox1()->currentText(), QStringLiteral("alpha"));
        rig.pick("beta");
        QVERIFY(rig.dialog->isVisible());
        QCOMPARE(rig.mainWindow.windowTitle(), QStringLiteral("Tavro Memory: beta"));
        QCOMPARE(rig.state.Config.CardSetName, std::string("beta"));
        QCOMPARE(QString::fromStdString(rig.state.Config.CardFolder),
                 rig.tree.gfx() + QStringLiteral("beta/"));
        QVERIFY(!rig.dealt());  // the deal waits for the dialog to close
        rig.clickOk();
        QCOMPARE(QString::fromStdString(rig.lastLoadedFile()),
                 rig.tree.gfx() + QStringLiteral("beta/space.bmp"));
    }

    void keyboardPickInTheListTakesTheSet() {
        OptionsRig rig;
        rig.dialog->show();
        QApplication::setActiveWindow(rig.dialog);
        rig.dialog->ComboBox1()->setFocus();
        const int before = rig.dialog->ComboBox1()->currentIndex();
        const int target = before == 0 ? 1 : before - 1;
        QTest::keyClick(rig.dialog->ComboBox1(), target > before ? Qt::Key_Down : Qt::Key_Up);
        const QString picked = rig.dialog->ComboBox1()->itemText(target);
        QCOMPARE(rig.dialog->ComboBox1()->currentIndex(), target);
        QCOMPARE(QString::fromStdString(rig.state.Config.CardSetName), picked);
        QCOMPARE(rig.mainWindow.windowTitle(), QStringLiteral("Tavro Memory: ") + picked);
        QVERIFY(rig.dialog->OptionsChanged());
    }

    void previewSpeedFollowsTheSlider() {
        OptionsRig rig(500);
        QTimer& timer = *rig.dialog->Timer1();
        QSignalSpy ticks(&timer, &QTimer::timeout);
        // The picture each tick showed, read as it fires: a loaded machine may run two ticks
        // before the test looks again.
        QList<QColor> shown;
        connect(&timer, &QTimer::timeout, this, [&] { shown.append(rig.previewColour()); });
        rig.dialog->show();
        QCOMPARE(timer.interval(), 500);
        QVERIFY(timer.isActive());
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 2000);
        QCOMPARE(shown.at(0), PictureColour(1, 0));  // the card back comes first

        rig.dialog->RxSlider1()->setValue(2000);
        QCOMPARE(timer.interval(), 2000);
        QVERIFY(timer.isActive());
        QVERIFY(timer.remainingTime() > 1500);  // a new period started at once

        rig.dialog->RxSlider1()->setValue(0);
        QVERIFY(!timer.isActive());
        QCOMPARE(rig.dialog->Label3()->text(), TForm4::DelayText(0));
        const int frozenAt = ticks.count();
        const std::int32_t frozenStep = rig.dialog->PreviewStep();
        QTest::qWait(300);
        QCOMPARE(ticks.count(), frozenAt);
        QCOMPARE(rig.dialog->PreviewStep(), frozenStep);

        // A set picked while frozen enables the timer but still does not tick at 0.
        rig.pick("beta");
        QVERIFY(!timer.isActive());

        rig.dialog->RxSlider1()->setValue(50);
        QVERIFY(timer.isActive());
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() > frozenAt, 2000);
        QCOMPARE(shown.at(frozenAt), PictureColour(2, 0));  // the new set's back first

        rig.clickOk();
        QVERIFY(!timer.isActive());
        QCOMPARE(timer.interval(), 50);  // the interval stays for the next showing
    }

    void previewCyclesThroughBackAndFaces() {
        OptionsRig rig(50);
        QList<QColor> shown;
        connect(rig.dialog->Timer1(), &QTimer::timeout, this,
                [&] { shown.append(rig.previewColour()); });
        rig.dialog->show();
        QTRY_VERIFY_WITH_TIMEOUT(shown.size() >= 21, 10000);
        for (int tick = 0; tick < 21; ++tick) {
            QCOMPARE(shown.at(tick), PictureColour(1, tick % 19));
        }
        QCOMPARE(rig.dialog->Panel1()->text(), QString());
    }

    void missingFaceStopsThePreviewWithError() {
        OptionsRig rig(50, "broken");
        QSignalSpy ticks(rig.dialog->Timer1(), &QTimer::timeout);
        rig.dialog->show();
        QTRY_COMPARE_WITH_TIMEOUT(rig.dialog->Panel1()->text(), QStringLiteral("ERROR"), 5000);
        QCOMPARE(rig.dialog->PreviewStep(), 7);
        QCOMPARE(rig.previewColour(), PictureColour(3, 6));
        const int stoppedAt = ticks.count();
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= stoppedAt + 3, 2000);
        QCOMPARE(rig.dialog->PreviewStep(), 7);  // the same file is tried again at each tick
        QCOMPARE(rig.previewColour(), PictureColour(3, 6));
        QVERIFY(rig.dialog->isVisible());  // no message box, the dialog goes on
    }

    void listHoldsSetFoldersOnly() {
        OptionsRig rig;
        rig.tree.addEmptyFolder(QStringLiteral(".hidden"));
        rig.tree.addFile(QStringLiteral("readme.txt"));
        rig.tree.addFile(QStringLiteral(".dotfile"));
        rig.dialog->show();
        QSet<QString> listed;
        for (int i = 0; i < rig.dialog->ComboBox1()->count(); ++i) {
            listed.insert(rig.dialog->ComboBox1()->itemText(i));
        }
        QCOMPARE(listed, (QSet<QString>{"alpha", "beta", "broken"}));
        QCOMPARE(rig.dialog->ComboBox1()->count(), 3);
    }

    void playersSetsAreListedOnceAndWinOverTheProgramsOfTheSameName() {
        OptionsRig rig;
        QVERIFY(rig.tree.addPlayerSet(QStringLiteral("beta"), 5));
        QVERIFY(rig.tree.addPlayerSet(QStringLiteral("mine"), 6));
        QVERIFY(QDir().mkpath(rig.tree.playerGfx() + QStringLiteral(".hidden")));
        rig.dialog->show();
        QStringList listed;
        for (int i = 0; i < rig.dialog->ComboBox1()->count(); ++i) {
            listed << rig.dialog->ComboBox1()->itemText(i);
        }
        listed.sort();
        QCOMPARE(listed, (QStringList{"alpha", "beta", "broken", "mine"}));

        rig.pick("beta");
        QCOMPARE(QString::fromStdString(rig.state.Config.CardFolder),
                 rig.tree.playerGfx() + QStringLiteral("beta/"));
        // The preview shows the card back of the player's beta.
        QTRY_COMPARE_WITH_TIMEOUT(rig.previewColour(), PictureColour(5, 0), 10000);
        rig.pick("mine");
        QCOMPARE(rig.mainWindow.windowTitle(), QStringLiteral("Tavro Memory: mine"));
        QCOMPARE(rig.state.Config.CardSetName, std::string("mine"));
        rig.clickOk();
        QCOMPARE(QString::fromStdString(rig.lastLoadedFile()),
                 rig.tree.playerGfx() + QStringLiteral("mine/space.bmp"));
    }

    void setsAreListedUnderTheirNamesInThePlayersLanguage() {
        OptionsRig rig;
        QVERIFY(rig.tree.addPlayerSet(QStringLiteral("mine"), 6));
        QVERIFY(CardSetTree::writeInfo(rig.tree.gfx() + QStringLiteral("alpha"),
                                       "[Tavro Memory Card Set]\nName=alpha\nName[de]=Alfa\n"));
        QVERIFY(CardSetTree::writeInfo(rig.tree.playerGfx() + QStringLiteral("mine"),
                                       "[Tavro Memory Card Set]\nName=Mine\n"
                                       "Name[de]=Meine\\nKarten\n"));
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        rig.dialog->show();
        QLocale::setDefault(previous);
        QComboBox* list = rig.dialog->ComboBox1();
        QCOMPARE(list->currentText(), QStringLiteral("Alfa"));  // the stored set "alpha"
        QCOMPARE(list->itemData(list->currentIndex()).toString(), QStringLiteral("alpha"));
        const int mine = list->findData(QStringLiteral("mine"));
        QVERIFY(mine >= 0);
        QCOMPARE(list->itemText(mine), QStringLiteral("Meine?Karten"));  // one line, plain
        QVERIFY(list->findText(QStringLiteral("beta")) >= 0);  // no set.desktop: the folder name

        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        emit list->activated(mine);
        QLocale::setDefault(previous);
        QCOMPARE(rig.state.Config.CardSetName, std::string("mine"));  // the folder, as ever
        QCOMPARE(rig.mainWindow.windowTitle(), QStringLiteral("Tavro Memory: Meine?Karten"));
        // In English the plain Name.
        emit list->activated(list->findData(QStringLiteral("alpha")));
        emit list->activated(mine);
        QCOMPARE(rig.mainWindow.windowTitle(), QStringLiteral("Tavro Memory: Mine"));
    }

    void listIsRebuiltAtEveryShowing() {
        OptionsRig rig;
        rig.dialog->show();
        rig.clickOk();
        rig.tree.addSet(QStringLiteral("gamma"), 4);
        rig.dialog->show();
        QVERIFY(rig.indexOf("gamma") >= 0);
        QCOMPARE(rig.dialog->ComboBox1()->count(), 4);
    }

    void firstShowingAtTheDesignTimeDelayKeepsTheInitialInterval() {
        OptionsRig rig(100);
        rig.dialog->show();
        QCOMPARE(rig.dialog->Timer1()->interval(), 500);
        QCOMPARE(rig.dialog->Label3()->text(), TForm4::DelayText(100));
        QCOMPARE(rig.state.Config.FlipDelay, 100);
        QVERIFY(!rig.dialog->OptionsChanged());
    }

    void unknownStoredSetKeepsNameAndFolder() {
        for (const char* stored : {"Alpha", "removed"}) {
            OptionsRig rig(500, stored);
            const std::string folder = rig.state.Config.CardFolder;
            rig.dialog->show();
            QCOMPARE(rig.dialog->ComboBox1()->currentIndex(), -1);
            QCOMPARE(rig.state.Config.CardSetName, std::string(stored));
            QCOMPARE(rig.state.Config.CardFolder, folder);
            rig.clickOk();
            QVERIFY(!rig.dealt());
            QCOMPARE(rig.state.Config.CardSetName, std::string(stored));
        }
    }

    void anyEntryOfALongListCanBeSelected() {
        OptionsRig rig;
        for (int i = 0; i < 300; ++i) {
            rig.tree.addEmptyFolder(QStringLiteral("set%1").arg(i, 3, 10, QLatin1Char('0')));
        }
        rig.dialog->show();
        QCOMPARE(rig.dialog->ComboBox1()->count(), 303);
        const QString late = rig.dialog->ComboBox1()->itemText(290);
        rig.clickOk();
        rig.state.Config.CardSetName = late.toStdString();
        rig.dialog->show();
        QCOMPARE(rig.dialog->ComboBox1()->currentIndex(), 290);
        QCOMPARE(QString::fromStdString(rig.state.Config.CardFolder), rig.tree.gfx() + late + u'/');
    }

    void delayText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("delay");
        QTest::addColumn<QString>("text");
        QTest::newRow("en 500") << "en_US" << 500 << "0.5 sec";
        QTest::newRow("en 50") << "en_US" << 50 << "0.05 sec";
        QTest::newRow("en 1000") << "en_US" << 1000 << "1 sec";
        QTest::newRow("en 0") << "en_US" << 0 << "0 sec";
        QTest::newRow("en 2000") << "en_US" << 2000 << "2 sec";
        QTest::newRow("en 1550") << "en_US" << 1550 << "1.55 sec";
        QTest::newRow("de 500") << "de_DE" << 500 << "0,5 sec";
        QTest::newRow("de 50") << "de_DE" << 50 << "0,05 sec";
        QTest::newRow("de 1000") << "de_DE" << 1000 << "1 sec";
        QTest::newRow("de 0") << "de_DE" << 0 << "0 sec";
        QTest::newRow("de 1950") << "de_DE" << 1950 << "1,95 sec";
    }

    void delayText() {
        QFETCH(QString, locale);
        QFETCH(int, delay);
        QFETCH(QString, text);
        const QLocale saved;
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(TForm4::DelayText(delay), text);
        // The label shows the same text, also at the slider's two ends.
        OptionsRig rig(delay);
        rig.dialog->show();
        QCOMPARE(rig.dialog->Label3()->text(), text);
        rig.dialog->RxSlider1()->setValue(5000);
        QCOMPARE(rig.dialog->Label3()->text(), QStringLiteral("2 sec"));
        rig.dialog->RxSlider1()->setValue(-5);
        QCOMPARE(rig.dialog->Label3()->text(), QStringLiteral("0 sec"));
        rig.clickOk();
        QLocale::setDefault(saved);
    }

    void execIsClosedByOk() {
        OptionsRig rig;
        QTimer::singleShot(50, [] {
            if (auto* modal = qobject_cast<TForm4*>(QApplication::activeModalWidget())) {
                QCOMPARE(modal->isVisible(), true);
                modal->RxSlider1()->setValue(250);
                QTest::mouseClick(modal->SpeedButton1(), Qt::LeftButton);
            }
        });
        // In case the dialog never became the active modal widget: no hang, but a failure.
        QTimer::singleShot(5000, rig.dialog, &QDialog::reject);
        rig.dialog->exec();
        QCOMPARE(rig.state.Config.FlipDelay, 250);
        QVERIFY(rig.dealt());
        QCOMPARE(rig.state.InputState, kInputReady);
    }
};

QTEST_MAIN(OptionsDialogTest)
#include "OptionsDialogTest.moc"
