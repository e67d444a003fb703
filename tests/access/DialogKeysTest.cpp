// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs from the keyboard and for screen readers: every command of the Leads, About and
// name entry dialogs is reached with Tab and pressed with Space or Enter, while a shown dialog
// keeps the focus itself (its own keys work as before and no button looks focused); the Leads
// rows read as a table; the Options dialog's list and slider carry the names of their captions.
#include <QAccessible>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include "AccessTestSupport.h"
#include "app/ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "controls/RXSlider.h"
#include "scores/LeadsFile.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// A key as the player presses it in the dialog: to whatever has the focus there, once the
// dialog is the active window again (after a message box, for example).
void Press(QWidget* dialog, Qt::Key key) {
    if (!dialog->isActiveWindow()) {
        // The offscreen platform does not hand the activation back when a message box closes,
        // as a window manager does.
        dialog->activateWindow();
    }
    if (!QTest::qWaitForWindowActive(dialog)) {
        ModalFailures() << QStringLiteral("%1 is not active").arg(dialog->windowTitle());
    }
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target != nullptr ? target : dialog, key);
}

// The focus moves into a newly shown dialog a moment after its activation. The offscreen platform
// may still hand the activation back to the main window (whose board holds the focus) once; the
// dialog is then activated again, as a window manager keeps a modal dialog on top.
void WaitForFocus(QWidget* dialog) {
    const auto inDialog = [dialog] {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && focus->window() == dialog;
    };
    if (!QTest::qWaitFor(inDialog, 1000)) {
        dialog->activateWindow();
    }
    if (!QTest::qWaitFor(inDialog, 2000)) {
        ModalFailures() << QStringLiteral("no widget took the focus");
    }
}

QImage Look(QWidget* widget) {
    return widget->grab().toImage();
}

}  // namespace

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void openUrl(const QUrl& url) { opened.append(url); }
};

class DialogKeysTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void initTestCase() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher_, "openUrl");
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }

    void init() {
        ModalFailures().clear();  // as every window test does
        catcher_.opened.clear();
    }

    void leadsClearAndOkFromTheKeyboard() {
        SandboxedProgram program;
        QVERIFY(program.show());
        InsertLead(program.form.state().Leads, QStringLiteral("Ann"), 300);
        auto seen = std::make_shared<QStringList>();
        WhenModal<TForm3>([seen](TForm3* leads) {
            if (!QTest::qWaitForWindowActive(leads)) {
                *seen << QStringLiteral("not active");
                return leads->hide();
            }
            WaitForFocus(leads);
            QToolButton* clear = leads->SpeedButton1();
            *seen << QStringLiteral("focus on table %1")
                         .arg(QApplication::focusWidget() == leads->Panel1());
            const QImage unfocused = Look(clear);
            Press(leads, Qt::Key_Tab);
            *seen << QStringLiteral("focus on Clear %1").arg(QApplication::focusWidget() == clear);
            *seen << QStringLiteral("Clear shows focus %1").arg(Look(clear) != unfocused);
            WhenModal<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
            Press(leads, Qt::Key_Space);
            *seen << leads->NameLabel(0)->text();
            Press(leads, Qt::Key_Tab);
            *seen << QStringLiteral("focus on OK %1")
                         .arg(QApplication::focusWidget() == leads->SpeedButton2());
            Press(leads, Qt::Key_Return);
        });
        QTest::keyClick(&program.form, Qt::Key_F3);
        QCOMPARE(*seen, QStringList({QStringLiteral("focus on table 1"),
                                     QStringLiteral("focus on Clear 1"),
                                     QStringLiteral("Clear shows focus 1"), QStringLiteral("none"),
                                     QStringLiteral("focus on OK 1")}));
        QVERIFY(!program.windows.form3.isVisible());
        QCOMPARE(program.form.state().InputState, kInputReady);
    }

    void leadsStillCloseOnEnterAndIgnoreSpaceWhenShown() {
        SandboxedProgram program;
        QVERIFY(program.show());
        InsertLead(program.form.state().Leads, QStringLiteral("Ann"), 300);
        auto focusedOnShow = std::make_shared<QWidget*>(nullptr);
        WhenModal<TForm3>([focusedOnShow](TForm3* leads) {
            if (!QTest::qWaitForWindowActive(leads)) {
                ModalFailures() << QStringLiteral("Leads not active");
            }
            WaitForFocus(leads);
            *focusedOnShow = QApplication::focusWidget();
            Press(leads, Qt::Key_Space);  // the table has the focus: nothing happens
            Press(leads, Qt::Key_Return);
        });
        QTest::keyClick(&program.form, Qt::Key_F3);
        QCOMPARE(*focusedOnShow, program.windows.form3.Panel1());
        QVERIFY(!program.windows.form3.isVisible());
        QCOMPARE(program.form.state().Leads.LeadPoints[0], 300);  // not cleared
        QVERIFY(ModalFailures().isEmpty());
    }

    void aClickLeavesTheFocusWithTheDialog() {
        SandboxedProgram program;
        QVERIFY(program.show());
        auto focused = std::make_shared<QWidget*>(nullptr);
        WhenModal<TForm5>([focused](TForm5* about) {
            if (!QTest::qWaitForWindowActive(about)) {
                ModalFailures() << QStringLiteral("dialog not active");
            }
            WaitForFocus(about);
            QTest::mouseClick(about->SpeedButton3(), Qt::LeftButton);
            WaitForFocus(about);
            *focused = QApplication::focusWidget();
            QTest::keyClick(about, Qt::Key_Escape);  // the dialog still takes its keys
        });
        program.form.About1->trigger();
        QCOMPARE(*focused, &program.windows.form5);
        QCOMPARE(catcher_.opened.size(), 1);
        QVERIFY(!program.windows.form5.isVisible());
    }

    void aboutLinksAndOkFromTheKeyboard() {
        SandboxedProgram program;
        QVERIFY(program.show());
        auto focus = std::make_shared<QList<QWidget*>>();
        WhenModal<TForm5>([focus](TForm5* about) {
            if (!QTest::qWaitForWindowActive(about)) {
                ModalFailures() << QStringLiteral("dialog not active");
            }
            WaitForFocus(about);
            *focus << QApplication::focusWidget();
            Press(about, Qt::Key_Tab);
            *focus << QApplication::focusWidget();
            Press(about, Qt::Key_Space);  // the homepage
            Press(about, Qt::Key_Tab);
            *focus << QApplication::focusWidget();
            Press(about, Qt::Key_Return);  // the mail
            Press(about, Qt::Key_Tab);
            *focus << QApplication::focusWidget();
            Press(about, Qt::Key_Space);  // OK
        });
        program.form.About1->trigger();
        TForm5& about = program.windows.form5;
        QCOMPARE(*focus, (QList<QWidget*>{&about, about.SpeedButton3(), about.SpeedButton4(),
                                          about.SpeedButton2()}));
        QCOMPARE(catcher_.opened, (QList<QUrl>{QUrl(kHomepageAddress), QUrl(kAuthorsMailAddress)}));
        QVERIFY(!about.isVisible());
    }

    void nameEntryOkFromTheKeyboard() {
        SandboxedProgram program;
        QVERIFY(program.show());
        program.form.state().Game.Points = 700;
        auto focus = std::make_shared<QList<QWidget*>>();
        WhenModal<TForm2>([focus](TForm2* entry) {
            if (!QTest::qWaitForWindowActive(entry)) {
                ModalFailures() << QStringLiteral("dialog not active");
            }
            WaitForFocus(entry);
            *focus << QApplication::focusWidget();
            for (const QChar c : QStringLiteral("Kim")) {
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
            }
            Press(entry, Qt::Key_Tab);
            *focus << QApplication::focusWidget();
            WhenModal<TForm3>([](TForm3* leads) { QTest::keyClick(leads, Qt::Key_Escape); });
            Press(entry, Qt::Key_Space);
        });
        TForm2& entry = program.windows.form2;
        entry.exec();
        QCOMPARE(*focus, (QList<QWidget*>{entry.Edit1(), entry.SpeedButton1()}));
        QCOMPARE(program.form.state().Leads.LeadPoints[0], 700);
        QCOMPARE(LeadNameText(program.form.state().Leads, 0), QStringLiteral("Kim"));
    }

    void leadsReadAsATable() {
        SandboxedProgram program;
        InsertLead(program.form.state().Leads, QStringLiteral("Ann"), 300);
        InsertLead(program.form.state().Leads, QStringLiteral("Bo"), 150);
        TForm3& leads = program.windows.form3;
        leads.show();  // fills the rows
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(leads.Panel1());
        QCOMPARE(table->role(), QAccessible::Table);
        QCOMPARE(table->text(QAccessible::Name), QStringLiteral("Leads"));
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(cells != nullptr);
        QCOMPARE(cells->rowCount(), 10);
        QCOMPARE(cells->columnCount(), 3);
        QCOMPARE(cells->columnDescription(0), QStringLiteral("Place"));
        QCOMPARE(cells->columnDescription(1), QStringLiteral("Name"));
        QCOMPARE(cells->columnDescription(2), QStringLiteral("Points"));
        const QStringList expected[] = {
            {"1", "Ann", "300"}, {"2", "Bo", "150"}, {"3", "none", "0"}};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                QAccessibleInterface* cell = cells->cellAt(row, column);
                QCOMPARE(cell->role(), QAccessible::Cell);
                QCOMPARE(cell->text(QAccessible::Name), expected[row][column]);
                QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                QCOMPARE(cell->tableCellInterface()->columnIndex(), column);
                QCOMPARE(cell->tableCellInterface()->table()->object(), leads.Panel1());
                QCOMPARE(cell->parent()->object(), leads.Panel1());
                QCOMPARE(table->indexOfChild(cell), row * 3 + column);
            }
        }
        QCOMPARE(cells->cellAt(9, 0)->text(QAccessible::Name), QStringLiteral("10"));
        // The thirty cells, then the two buttons: no loose labels.
        QCOMPARE(table->childCount(), 32);
        QCOMPARE(table->child(30)->object(), leads.SpeedButton1());
        QCOMPARE(table->child(31)->object(), leads.SpeedButton2());
        leads.hide();
    }

    void optionsAndAboutAreNamedAndTheDelayReadInSeconds() {
        SandboxedProgram program;
        TForm4& options = program.windows.form4;
        QCOMPARE(
            QAccessible::queryAccessibleInterface(options.ComboBox1())->text(QAccessible::Name),
            QStringLiteral("Cards"));
        // Named in seconds: a caption "Delay" as its label would hide the unit.
        QAccessibleInterface* slider = QAccessible::queryAccessibleInterface(options.RxSlider1());
        QCOMPARE(slider->text(QAccessible::Name), QStringLiteral("Delay in seconds"));
        QCOMPARE(options.Label2()->text(), QStringLiteral("Delay"));  // the caption is unchanged
        options.RxSlider1()->setValue(650);
        QCOMPARE(slider->valueInterface()->currentValue().toDouble(), 0.65);
        QCOMPARE(slider->valueInterface()->minimumStepSize().toDouble(), 0.05);
        // The value in words with its unit, as the dialog says each step (see below).
        QCOMPARE(slider->text(QAccessible::Value), QStringLiteral("0.65 seconds"));
        QCOMPARE(QAccessible::queryAccessibleInterface(options.Image1())->text(QAccessible::Name),
                 QStringLiteral("Preview of the cards"));
        TForm5& about = program.windows.form5;
        about.show();
        const auto pictures = about.findChildren<PictureBox*>();
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(QAccessible::queryAccessibleInterface(pictures.first())->text(QAccessible::Name),
                 QStringLiteral("Tavro Memory logo"));
        about.hide();
    }

    void optionsTabReachesEveryControlAndSpacePressesOk() {
        SandboxedProgram program;
        QVERIFY(program.show());
        auto focus = std::make_shared<QList<QWidget*>>();
        WhenModal<TForm4>([focus](TForm4* options) {
            if (!QTest::qWaitForWindowActive(options)) {
                ModalFailures() << QStringLiteral("dialog not active");
            }
            WaitForFocus(options);
            *focus << QApplication::focusWidget();
            for (int step = 0; step < 3; ++step) {
                Press(options, Qt::Key_Tab);
                *focus << QApplication::focusWidget();
            }
            Press(options, Qt::Key_Backtab);
            *focus << QApplication::focusWidget();
            Press(options, Qt::Key_Space);  // OK
        });
        program.form.Options1->trigger();
        TForm4& options = program.windows.form4;
        QCOMPARE(*focus,
                 (QList<QWidget*>{options.ComboBox1(), options.RxSlider1(), options.SpeedButton1(),
                                  options.ComboBox1(), options.SpeedButton1()}));
        QVERIFY(!options.isVisible());
    }

    // Every showing starts on the card set list, wherever the focus was when the dialog closed;
    // a key that can't move the list says which end it is on, and each step of the delay is
    // said with its unit.
    void optionsStartsOnTheListAndSaysItsEndsAndTheDelay() {
        SandboxedProgram program;
        // Sets of the player's own, so that the list has two ends.
        const QDir animals(program.sandbox.cardFolder());
        for (const QString& name : {QStringLiteral("ark/"), QStringLiteral("zoo/")}) {
            const QString set = program.sandbox.playerSetsFolder() + name;
            QVERIFY(QDir().mkpath(set));
            for (const QString& file : animals.entryList(QDir::Files)) {
                QVERIFY(QFile::copy(animals.filePath(file), set + file));
            }
        }
        QVERIFY(program.show());
        EventRecorder recorder;
        auto focus = std::make_shared<QList<QWidget*>>();
        auto told = std::make_shared<QStringList>();
        const auto leaveOnOk = [focus](TForm4* options) {
            (void)QTest::qWaitForWindowActive(options);
            WaitForFocus(options);
            *focus << QApplication::focusWidget();
            options->SpeedButton1()->setFocus(Qt::TabFocusReason);
            Press(options, Qt::Key_Space);
        };
        WhenModal<TForm4>(leaveOnOk);
        program.form.Options1->trigger();
        WhenModal<TForm4>([focus, told, &recorder](TForm4* options) {
            (void)QTest::qWaitForWindowActive(options);
            WaitForFocus(options);
            *focus << QApplication::focusWidget();
            // One key at a time, each heard on its own (texts of one go are spoken as one).
            for (const Qt::Key key : {Qt::Key_End, Qt::Key_Down, Qt::Key_Home, Qt::Key_Up}) {
                Press(options->ComboBox1(), key);
                QTest::qWait(5);
            }
            options->RxSlider1()->setFocus(Qt::TabFocusReason);
            Press(options->RxSlider1(), Qt::Key_Right);
            QTest::qWait(20);
            *told = recorder.Announcements();
            Press(options, Qt::Key_Escape);
        });
        program.form.Options1->trigger();
        TForm4& options = program.windows.form4;
        QCOMPARE(*focus, (QList<QWidget*>{options.ComboBox1(), options.ComboBox1()}));
        const QString first = options.ComboBox1()->itemText(0);
        const QString last = options.ComboBox1()->itemText(options.ComboBox1()->count() - 1);
        QVERIFY(options.ComboBox1()->count() > 1);
        QCOMPARE(*told, (QStringList{"Cards: " + last + ", last", "Cards: " + last + ", last",
                                     "Cards: " + first + ", first", "Cards: " + first + ", first",
                                     QStringLiteral("0.55 seconds")}));
    }

private:
    UrlCatcher catcher_;
};

TAVRO_WIDGET_TEST_MAIN(DialogKeysTest)
#include "DialogKeysTest.moc"
