// SPDX-License-Identifier: GPL-3.0-or-later
// The Leads dialog (rows, colours, Clear with Yes and No, the keys that close it, a file that
// cannot be made, names that look like markup or hold controls, the widest score) and the name
// entry dialog (no way out without a name, the 10-character box, an empty name, controls in a
// name, letters the file cannot hold, an entry that cannot be written, a lock another program
// holds on the file).
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <climits>
#include <optional>

#include "AppTestSupport.h"
#include "TextInk.h"
#include "app/SharedState.h"
#include "scores/LeadsFile.h"
#include "scores/LeadsFileLock.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The two dialogs over a stand-in main window, in a sandbox of their own.
struct Dialogs {
    Sandbox sandbox;  // first: the dialogs find leads.dat in its working folder
    QWidget mainWindow;
    SharedState state;
    TForm3 leads{state.Leads, state.InputState, &mainWindow};
    TForm2 name{state.Leads, state.Game, state.InputState, leads, &mainWindow};
    Dialogs() {
        mainWindow.resize(500, 500);
        mainWindow.show();
    }
};

// Writes a hand-made table straight into leads.dat: places from the top, "none" and 0 after.
void WriteTable(const QList<QPair<QString, int>>& rows) {
    LeadsTable table = DefaultLeads();
    for (int place = 0; place < rows.size(); ++place) {
        const QByteArray name = rows[place].first.toLatin1();
        auto& slot = table.LeadNames[static_cast<std::size_t>(place)];
        slot.Length = static_cast<std::uint8_t>(name.size());
        std::copy(name.begin(), name.end(), slot.Chars.begin());
        table.LeadPoints[static_cast<std::size_t>(place)] = rows[place].second;
    }
    QFile file(QString::fromLatin1(kLeadsFileName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(&table), sizeof table);
}

// Writes names as raw bytes of their slots, places from the top, with the given scores.
void WriteRawTable(const QList<QByteArray>& names, const QList<int>& points) {
    LeadsTable table = DefaultLeads();
    for (int place = 0; place < names.size(); ++place) {
        auto& slot = table.LeadNames[static_cast<std::size_t>(place)];
        slot.Length = static_cast<std::uint8_t>(names[place].size());
        std::copy(names[place].begin(), names[place].end(), slot.Chars.begin());
        table.LeadPoints[static_cast<std::size_t>(place)] = points.value(place);
    }
    QFile file(QString::fromLatin1(kLeadsFileName));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(&table), sizeof table);
}

// Shows the Leads dialog once and closes it.
void ShowLeads(TForm3& leads) {
    WhenModal<TForm3>([](TForm3* dialog) { dialog->SpeedButton2()->click(); });
    leads.exec();
}

// Answers the "Are you shure?" question and records its look.
void AnswerClear(QMessageBox::StandardButton answer, std::shared_ptr<QString> look) {
    WhenModal<QMessageBox>([answer, look](QMessageBox* box) {
        *look = box->windowTitle() + "|" + box->text() + "|" +
                QString::number(box->icon() == QMessageBox::Question);
        box->button(answer)->click();
    });
}

// Types text one character at a time, as a keyboard (or input method) would; unlike
// QTest::keyClicks, any character, a combining accent or one outside the BMP included.
void Type(QWidget* widget, const QString& text) {
    for (const uint character : text.toUcs4()) {
        const char32_t one = character;
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&one, 1),
                            Qt::NoModifier);
    }
}

// The lock on leads.dat, held as another copy of the game holds it, until reset.
std::shared_ptr<std::optional<LeadsFileLock>> HoldLock() {
    return std::make_shared<std::optional<LeadsFileLock>>(
        LeadsFileLock::Acquire(LeadsFileLock::Deadline()));
}

// Answers the question a held lock asks with `answer`, first running `before`; records whether
// it offered Retry and Cancel.
void AnswerLockQuestion(QMessageBox::StandardButton answer, std::shared_ptr<QStringList> seen,
                        std::function<void()> before = {}) {
    WhenModal<QMessageBox>([=](QMessageBox* box) {
        *seen << QString::number(box->button(QMessageBox::Retry) != nullptr &&
                                 box->button(QMessageBox::Cancel) != nullptr);
        if (before) {
            before();
        }
        box->button(answer)->click();
    });
}

}  // namespace

class ScoreDialogsTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    // Each dialog builds its controls at its first showing; they must appear with the window.
    void controlsAppearWithTheFirstShowing() {
        Dialogs d;
        auto hidden = std::make_shared<QStringList>();
        const auto collectHidden = [hidden](QDialog* dialog) {
            const auto children = dialog->findChildren<QWidget*>();
            if (children.isEmpty()) {
                *hidden << dialog->objectName() + " has no controls";
            }
            for (const QWidget* child : children) {
                // The line that names refused letters waits hidden until one is typed.
                const bool waits = child->objectName() == QLatin1String("RefusalLabel");
                if (!child->isVisible() && !waits) {
                    *hidden << dialog->objectName() + "/" + child->objectName();
                }
            }
        };
        WhenModal<TForm2>([collectHidden](TForm2* dialog) {
            collectHidden(dialog);
            WhenModal<TForm3>([collectHidden](TForm3* leads) {
                collectHidden(leads);
                leads->SpeedButton2()->click();
            });
            dialog->SpeedButton1()->click();
        });
        d.name.exec();
        QCOMPARE(*hidden, QStringList());
    }

    void leadsShowsTheFileInRowColours() {
        Dialogs d;
        WriteTable({{"Ann", 300}, {"", 200}, {"Cy", -10}});
        auto gate = std::make_shared<int>(-1);
        WhenModal<TForm3>([gate, &d](TForm3* dialog) {
            *gate = d.state.InputState;
            QTest::keyClick(dialog, Qt::Key_A);  // other keys do nothing
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        d.leads.exec();
        QCOMPARE(*gate, int{kInputBusy});
        QCOMPARE(d.state.InputState, kInputReady);
        QCOMPARE(d.leads.windowTitle(), QStringLiteral("Leads"));
        QCOMPARE(d.leads.size(), QSize(202, 235));
        QCOMPARE(d.leads.NameLabel(0)->text(), QStringLiteral("Ann"));
        QCOMPARE(d.leads.NameLabel(1)->text(), QString());
        QCOMPARE(d.leads.PointsLabel(2)->text(), QStringLiteral("-10"));
        QCOMPARE(d.leads.NameLabel(3)->text(), QStringLiteral("none"));
        QCOMPARE(d.leads.PointsLabel(9)->text(), QStringLiteral("0"));
        // Red, green and blue for the first three places, black below; rows 16 pixels apart.
        const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 0), QColor(0, 0, 255),
                                  QColor(0, 0, 0)};
        for (int place = 0; place < 10; ++place) {
            const int top = 32 + 16 * place;
            const int rankLeft = place == 9 ? 12 : 16;  // "10" is wider
            const QList<QPair<QLabel*, QPoint>> row = {
                {d.leads.RankLabel(place), QPoint(rankLeft, top)},
                {d.leads.NameLabel(place), QPoint(40, top)},
                {d.leads.PointsLabel(place), QPoint(136, top)}};
            for (const auto& [label, pos] : row) {
                QCOMPARE(label->pos(), pos);
                QCOMPARE(label->palette().color(QPalette::WindowText), colours[std::min(place, 3)]);
            }
        }
        QCOMPARE(d.leads.RankLabel(7)->objectName(), QStringLiteral("Label3"));
        QCOMPARE(d.leads.SpeedButton1()->geometry(), QRect(8, 200, 73, 25));
        QCOMPARE(d.leads.SpeedButton2()->geometry(), QRect(120, 200, 73, 25));
        // Reached by Tab only: a click never moves the focus onto a button.
        QCOMPARE(d.leads.SpeedButton1()->focusPolicy(), Qt::TabFocus);
        QVERIFY(d.leads.SpeedButton1()->font().underline() &&
                d.leads.SpeedButton1()->font().bold());
    }

    // Names come from a file anyone can edit. Each shows exactly as stored, on its own row:
    // markup as its characters, control bytes as "?".
    void hostileNamesShowAsStoredOneRowEach() {
        Dialogs d;
        const QList<QPair<QByteArray, QString>> names = {
            {"<b>x</b>", "<b>x</b>"},
            {"<img src=>", "<img src=>"},
            {"<p>&amp;", "<p>&amp;"},
            {"<a href=x>", "<a href=x>"},
            {"<h1>BIG", "<h1>BIG"},
            {"<hr>", "<hr>"},
            {"A\tB\x01"
             "C\nD",
             "A?B?C?D"},
            {"<u>Bob</u>", "<u>Bob</u>"},
            {QByteArray("x\0y\r\x1B[1m", 8), "x?y??[1m"},
            {"\x7F\x81\x9D\n\n&lt;", "?????&lt;"},
        };
        QList<QByteArray> stored;
        for (const auto& name : names) {
            stored << name.first;
        }
        WriteRawTable(stored, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
        ShowLeads(d.leads);

        QStringList wrong;
        for (int place = 0; place < names.size(); ++place) {
            QLabel* label = d.leads.NameLabel(place);
            const QString& shown = names[place].second;
            // The label draws those characters, whole, in one line of its font.
            const QRect ink = InkOf(label);
            const QRect plain = InkOfPlainText(shown, label->font());
            const bool literal = label->text() == shown &&
                                 std::abs(ink.width() - plain.width()) <= 1 &&
                                 std::abs(ink.height() - plain.height()) <= 1;
            const bool oneRow = label->height() == OneLineLabelHeight(label->font());
            if (!literal || !oneRow) {
                wrong << QStringLiteral("%1: text %2, ink %3x%4, plain text %5x%6, height %7")
                             .arg(shown, label->text())
                             .arg(ink.width())
                             .arg(ink.height())
                             .arg(plain.width())
                             .arg(plain.height())
                             .arg(label->height());
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("\n"))));
    }

    // The lowest score is the widest text. It keeps its column but is seen whole: the panel's
    // bevels along the dialog's right edge must not cover any of it.
    void theWidestScoreIsSeenWhole() {
        Dialogs d;
        WriteRawTable({"Top", "Min", "Next"}, {5, INT_MIN, INT_MIN});
        ShowLeads(d.leads);

        const QString widest = QStringLiteral("-2147483648");
        const int visibleRight = d.leads.width() - 2;  // two bevels of one pixel each
        QLabel* label = d.leads.PointsLabel(1);
        QCOMPARE(label->text(), widest);
        QCOMPARE(label->pos(), QPoint(136, 48));
        QVERIFY2(label->geometry().right() < visibleRight,
                 qPrintable(QStringLiteral("label ends at %1").arg(label->geometry().right())));
        const QRect ink = InkOf(label).translated(label->pos());
        const QRect plain = InkOfPlainText(widest, label->font());
        QVERIFY(ink.right() < visibleRight);
        QVERIFY2(std::abs(ink.width() - plain.width()) <= 1,
                 qPrintable(
                     QStringLiteral("ink %1, whole text %2").arg(ink.width()).arg(plain.width())));
        QCOMPARE(label->height(), OneLineLabelHeight(label->font()));  // still one row

        // A score that fits keeps the dialog's font, and so does a later showing of one.
        QCOMPARE(d.leads.PointsLabel(0)->font(), d.leads.Panel1()->font());
        WriteRawTable({"Top", "Small"}, {5, -10});
        ShowLeads(d.leads);
        QCOMPARE(d.leads.PointsLabel(1)->text(), QStringLiteral("-10"));
        QCOMPARE(d.leads.PointsLabel(1)->font(), d.leads.Panel1()->font());
    }

    void clearAsksAndEmptiesOnlyOnYes() {
        Dialogs d;
        WriteTable({{"Ann", 300}});
        auto look = std::make_shared<QString>();
        auto afterNo = std::make_shared<QString>();
        auto afterYes = std::make_shared<QString>();
        WhenModal<TForm3>([look, afterNo, afterYes](TForm3* dialog) {
            AnswerClear(QMessageBox::No, look);
            dialog->SpeedButton1()->click();
            *afterNo = dialog->NameLabel(0)->text();
            AnswerClear(QMessageBox::Yes, look);
            dialog->SpeedButton1()->click();
            *afterYes = dialog->NameLabel(0)->text() + "/" + dialog->PointsLabel(0)->text();
            QVERIFY(dialog->isVisible());
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        d.leads.exec();
        QCOMPARE(*look, QStringLiteral("Tavro Memory|Are you shure?|1"));
        QCOMPARE(*afterNo, QStringLiteral("Ann"));
        QCOMPARE(*afterYes, QStringLiteral("none/0"));
        QFile file(d.sandbox.leadsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(reinterpret_cast<const char*>(&d.state.Leads), 152));
        QCOMPARE(file.size(), 152);
    }

    void leadsStillOpensWhenTheFileCannotBeMade() {
        Dialogs d;
        QVERIFY(QDir(d.sandbox.workFolder()).mkdir(QStringLiteral("leads.dat")));
        const auto report = AnswerMessageBox();
        WhenModal<TForm3>([](TForm3* dialog) { dialog->SpeedButton2()->click(); });
        d.leads.exec();
        QCOMPARE(report->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(d.leads.NameLabel(0)->text(), QString());  // first showing: empty rows
        QCOMPARE(d.state.InputState, kInputReady);
    }

    void nameEntryRefusesEveryWayOutButAName() {
        Dialogs d;
        d.state.Game.Points = 1234;
        d.name.Edit1()->setText(QStringLiteral("old"));
        auto checks = std::make_shared<QStringList>();
        WhenModal<TForm2>([checks, &d](TForm2* dialog) {
            *checks << dialog->Edit1()->text() << QString::number(d.state.InputState);
            QTest::keyClick(dialog->Edit1(), Qt::Key_Escape);
            dialog->close();
            dialog->reject();
            dialog->accept();
            *checks << QString::number(dialog->isVisible());
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("ABCDEFGHIJKL"));
            *checks << dialog->Edit1()->text();
            WhenModal<TForm3>([checks](TForm3* leads) {
                *checks << leads->NameLabel(0)->text() << leads->PointsLabel(0)->text();
                leads->SpeedButton2()->click();
            });
            dialog->SpeedButton1()->click();
        });
        d.name.exec();
        QCOMPARE(*checks, (QStringList{"", "0", "1", "ABCDEFGHIJ", "ABCDEFGHIJ", "1234"}));
        QVERIFY(!d.name.isVisible() && !d.leads.isVisible());
        QCOMPARE(d.state.InputState, kInputReady);
        QCOMPARE(d.name.windowTitle(), QStringLiteral("Enter your name"));
        QCOMPARE(d.name.size(), QSize(250, 97));
        QCOMPARE(d.name.Edit1()->geometry(), QRect(8, 16, 233, 37));
        QCOMPARE(d.name.SpeedButton1()->geometry(), QRect(168, 64, 73, 25));
        QVERIFY(!(d.name.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void anEmptyNameIsEnteredWithEnter() {
        Dialogs d;
        d.state.Game.Points = 5;
        WhenModal<TForm2>([](TForm2* dialog) { QTest::keyClick(dialog->Edit1(), Qt::Key_Return); });
        WhenModal<TForm3>([](TForm3* leads) { QTest::keyClick(leads, Qt::Key_Enter); });
        d.name.exec();
        QCOMPARE(LeadNameText(d.state.Leads, 0), QString());
        QCOMPARE(d.state.Leads.LeadPoints[0], 5);
        QCOMPARE(LeadNameText(d.state.Leads, 1), QStringLiteral("none"));
    }

    // A pasted name with a tab, a control byte and a line break: what is stored and shown is the
    // name with spaces in their places.
    void controlsInAnEnteredNameAreStoredAsSpaces() {
        Dialogs d;
        d.state.Game.Points = 40;
        auto shown = std::make_shared<QString>();
        WhenModal<TForm2>([shown](TForm2* dialog) {
            dialog->Edit1()->insert(
                QStringLiteral("A\tB\x01"
                               "C\nD\x7F"));
            WhenModal<TForm3>([shown](TForm3* leads) {
                *shown = leads->NameLabel(0)->text();
                leads->SpeedButton2()->click();
            });
            dialog->SpeedButton1()->click();
        });
        d.name.exec();
        QCOMPARE(*shown, QStringLiteral("A B C D "));
        QFile file(d.sandbox.leadsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(11), QByteArray("\x08"
                                           "A B C D \0\0",
                                           11));
    }

    // Letters the file holds, typed or pasted, stay as they are: accented letters, a letter with
    // a combining accent (composed into one, so that it counts as one of the ten), the euro sign.
    void lettersTheFileHoldsAreKept() {
        Dialogs d;
        d.name.show();
        QLineEdit* box = d.name.Edit1();
        const QString zoeTyped = QStringLiteral("Zoe\u0308 Müller");
        Type(box, zoeTyped);
        QCOMPARE(box->text(), QStringLiteral("Zo\u00EB M\u00FCller"));
        box->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("Jürgen €"));
        QTest::keySequence(box, QKeySequence::Paste);
        QCOMPARE(box->text(), QStringLiteral("Jürgen €"));
        QVERIFY(!d.name.RefusalLabel()->isVisible());
        QCOMPARE(box->accessibleDescription(), QString());
        d.name.hide();
    }

    // Letters the file cannot hold are refused, typed or pasted, and the line below the box (and
    // the box's description, for a screen reader) names them; the rest of the name is kept.
    void lettersTheFileCannotHoldAreRefusedAndNamed() {
        Dialogs d;
        d.state.Game.Points = 60;
        auto checks = std::make_shared<QStringList>();
        WhenModal<TForm2>([checks](TForm2* dialog) {
            QLineEdit* box = dialog->Edit1();
            const QLabel* line = dialog->RefusalLabel();
            Type(box, QStringLiteral("Ł"));
            *checks << line->text() << QString::number(line->isVisible());
            Type(box, QStringLiteral("ukasz李"));  // the line names the latest refusal
            *checks << box->text() << line->text() << box->accessibleDescription();
            box->clear();
            // A pasted name, with a character outside the BMP (two UTF-16 units) in the middle.
            QGuiApplication::clipboard()->setText(QStringLiteral("Ada\U0001F600Łi"));
            QTest::keySequence(box, QKeySequence::Paste);
            Type(box, QStringLiteral("e"));  // the cursor stands after the paste
            *checks << box->text() << line->text();
            WhenModal<TForm3>([](TForm3* leads) { leads->accept(); });
            dialog->SpeedButton1()->click();
        });
        d.name.exec();
        const QString stored = QStringLiteral(" can't be stored in the high scores");
        QCOMPARE(*checks, (QStringList{"Ł" + stored, "1", "ukasz", "李" + stored, "李" + stored,
                                       "Adaie", QStringLiteral("\U0001F600 Ł") + stored}));
        QFile file(d.sandbox.leadsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(6), QByteArray("\x05"
                                          "Adaie"));
        // The next showing starts without the line.
        WhenModal<TForm2>([checks](TForm2* dialog) {
            *checks = QStringList{QString::number(dialog->RefusalLabel()->isVisible()),
                                  dialog->Edit1()->accessibleDescription()};
            WhenModal<TForm3>([](TForm3* leads) { leads->accept(); });
            dialog->SpeedButton1()->click();
        });
        d.name.exec();
        QCOMPARE(*checks, (QStringList{"0", ""}));
    }

    // A lock another program never lets go of: the name entry asks, Retry or Cancel, instead of
    // keeping the window waiting. Retry asks again while the lock is held, Cancel keeps the typed
    // name, and Enter once the lock is gone enters it: nothing is lost.
    void aHeldLockAsksToRetryAndLosesNothing() {
        Dialogs d;
        WriteTable({{"Stored", 900}});
        d.state.Game.Points = 5000;
        auto lock = HoldLock();
        auto seen = std::make_shared<QStringList>();
        WhenModal<TForm2>([seen, lock](TForm2* dialog) {
            AnswerLockQuestion(QMessageBox::Retry, seen,
                               [seen] { AnswerLockQuestion(QMessageBox::Cancel, seen); });
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("Eve"));
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
            *seen << QString::number(dialog->isVisible()) << dialog->Edit1()->text();
            lock->reset();
            WhenModal<TForm3>([seen](TForm3* leads) {
                *seen << leads->NameLabel(0)->text() << leads->NameLabel(1)->text();
                leads->accept();
            });
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
        });
        d.name.exec();
        QCOMPARE(*seen, (QStringList{"1", "1", "1", "Eve", "Eve", "Stored"}));
        QCOMPARE(d.state.Leads.LeadPoints[0], 5000);
        QCOMPARE(d.state.InputState, kInputReady);
    }

    void anEntryThatCannotBeWrittenKeepsTheDialogOpen() {
        Dialogs d;
        d.state.Game.Points = 77;
        const QString blocker = d.sandbox.leadsFile();
        auto checks = std::make_shared<QStringList>();
        WhenModal<TForm2>([checks, blocker, &d](TForm2* dialog) {
            QVERIFY(QDir().mkdir(blocker));
            const auto report = AnswerMessageBox();
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("Bo"));
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
            *checks << report->title << QString::number(dialog->isVisible())
                    << dialog->Edit1()->text() << QString::number(d.state.InputState);
            QVERIFY(QDir().rmdir(blocker));
            WhenModal<TForm3>([](TForm3* leads) { leads->accept(); });
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);  // the whole entry again
        });
        d.name.exec();
        QCOMPARE(*checks, (QStringList{"Tavro Memory", "1", "Bo", "0"}));
        QVERIFY(!d.name.isVisible());
        LeadsTable stored{};
        LoadLeads(stored);
        QCOMPARE(LeadNameText(stored, 0), QStringLiteral("Bo"));
        QCOMPARE(stored.LeadPoints[0], 77);
    }
};

TAVRO_WIDGET_TEST_MAIN(ScoreDialogsTest)
#include "ScoreDialogsTest.moc"
