// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told while the game is played, in few words: each card turned by its
// picture, a match with the new points in one sentence, a mismatch once its pair has turned
// back, the hint's pair with the points after its price, a new deal with its score, the end of a
// game with the score said once (by the name entry, when one comes), and the score on demand
// (F6). Also where the focus starts and what it tells, the menus' keys and check marks, and the
// Leads table read a place at a time.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QtTest>
#include <limits>

#include "AccessTestSupport.h"
#include "app/ProgramUnderTest.h"
#include "scores/LeadsFile.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

using namespace tavro;
using namespace tavro::test;

namespace {

QString Place(int tile) {
    return QString(QChar(u'A' + (tile - 1) % 6)) + QString::number((tile - 1) / 6 + 1);
}

// The picture a face-up card shows, as its accessible name tells it ("cat B3").
QString FaceOf(const TForm1& form, int tile) {
    const QString name = form.CardAccessibleName(tile);
    const QString place = QLatin1Char(' ') + Place(tile);
    if (name.startsWith(QStringLiteral("face down")) || !name.endsWith(place)) {
        return QString();
    }
    return name.chopped(place.size());
}

// The menu item's accessible interface, as a screen reader reaches it through its menu.
QAccessibleInterface* ItemOf(QMenu* menu, QAction* action) {
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(menu);
    for (int index = 0; index < list->childCount(); ++index) {
        if (list->child(index)->object() == action) {
            return list->child(index);
        }
    }
    return nullptr;
}

// Plays every pair of the deal by clicks, the last one through lastClick.
void MatchAllPairs(TForm1& form, const std::function<void(int)>& lastClick) {
    const GameState& game = form.state().Game;
    int done = 0;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const int partner = PartnerOf(game, tile);
        if (partner < tile) {
            continue;
        }
        form.ImageClick(tile);
        if (++done == kFaceCount) {
            lastClick(partner);
        } else {
            form.ImageClick(partner);
        }
    }
}

}  // namespace

class AnnouncementsTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void boardHasTheFocusAndTellsHowToPlay() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        QTRY_COMPARE(QApplication::focusWidget(), form.Panel1);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.Panel1);
        QVERIFY(board->state().focused);
        const QString howTo = board->text(QAccessible::Description);
        QVERIFY(howTo.startsWith(QStringLiteral("Arrow keys move, Space turns a card")));
        for (const char* key : {"F2 ", "F3 ", "F4 ", "F6 ", "F10 "}) {
            QVERIFY2(howTo.contains(QLatin1String(key)), key);
        }
        QCOMPARE(form.CursorTile(), 0);  // no ring yet
    }

    void eachTurnIsToldOnce() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        form.state().Config.FlipDelay = 50;
        const GameState& game = form.state().Game;
        const int partner = PartnerOf(game, 1);
        const int other = partner == 2 ? 3 : 2;

        WalkTo(form, 1);
        QTest::keyClick(&form, Qt::Key_Space);
        const QString first = FaceOf(form, 1);
        QVERIFY(!first.isEmpty());
        QTRY_COMPARE(recorder.Announcements(), QStringList{first});

        WalkTo(form, other);
        QTest::keyClick(&form, Qt::Key_Return);
        const QString second = FaceOf(form, other);
        QVERIFY(!second.isEmpty());
        // The face at once; the mismatch with the points once the pair has turned back.
        QTRY_COMPARE(recorder.Announcements().size(), 3);
        QCOMPARE(recorder.Announcements().mid(1),
                 QStringList({second, QStringLiteral("No match, -10 points.")}));

        form.ImageClick(1);
        QCoreApplication::processEvents();  // as between two key presses
        form.ImageClick(partner);
        QTRY_COMPARE(recorder.Announcements().size(), 5);
        QCOMPARE(recorder.Announcements().mid(3),
                 QStringList({first, first + QStringLiteral(". Match, 90 points.")}));
    }

    void hintTellsItsPairAndItsPrice() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        const int partner = PartnerOf(form.state().Game, 1);
        QTest::keyClick(&form, Qt::Key_F4);
        // One sentence, once the hint has ended and been paid for.
        QTRY_COMPARE(recorder.Announcements(),
                     QStringList{"Hint: " + Place(1) + " and " + Place(partner) + ", -75 points."});

        // With a card up the hint points out its partner alone.
        form.ImageClick(partner);
        QCoreApplication::processEvents();
        QTest::keyClick(&form, Qt::Key_F4);
        QTRY_COMPARE(recorder.Announcements().size(), 3);
        QCOMPARE(recorder.Announcements().at(2), "Hint: " + Place(1) + ", -150 points.");
    }

    void newDealIsTold() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        QTest::keyClick(&program.form, Qt::Key_F2);
        QTRY_COMPARE(recorder.Announcements(), QStringList{QStringLiteral("New game, 0 points.")});
    }

    // F6 says the points as the window shows them, also while the board waits; the points
    // object's name carries them for a review of the window.
    void theScoreKeySaysThePoints() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        form.state().Config.FlipDelay = 60000;
        QCOMPARE(form.Saythescore1->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(form.Saythescore1->parent(), form.Play1);
        QTest::keyClick(&form, Qt::Key_F6);
        QTRY_COMPARE(recorder.Announcements(), QStringList{QStringLiteral("0 points.")});
        const int partner = PartnerOf(form.state().Game, 1);
        form.ImageClick(1);
        form.ImageClick(partner == 2 ? 3 : 2);             // the pair waits a minute to turn back
        QTRY_COMPARE(recorder.Announcements().size(), 2);  // the two pictures
        QTest::keyClick(&form, Qt::Key_F6);
        QTRY_COMPARE(recorder.Announcements().size(), 3);
        QCOMPARE(recorder.Announcements().last(), QStringLiteral("-10 points."));
        QCOMPARE(QAccessible::queryAccessibleInterface(form.Label2)->text(QAccessible::Name),
                 QStringLiteral("Points: -10"));
    }

    // The menus tell their shortcuts in the three parts screen readers read ("New F2"), and the
    // sounds item is a check box that starts off and says when it is turned on.
    void menusTellTheirKeysAndTheSoundsCheck() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        const struct {
            QMenu* menu;
            QAction* item;
            QStringList binding;
        } items[] = {
            {form.Game1, form.new1, {"n", "", "F2"}},
            {form.Game1, form.Leads1, {"l", "", "F3"}},
            {form.Game1, form.Showmeplease1, {"s", "", "F4"}},
            {form.Game1, form.ExitF101, {"x", "", "F10"}},
            {form.Play1, form.Saythescore1, {"s", "", "F6"}},
        };
        for (const auto& i : items) {
            QAccessibleInterface* item = ItemOf(i.menu, i.item);
            QVERIFY(item != nullptr);
            QCOMPARE(item->role(), QAccessible::MenuItem);
            QCOMPARE(item->parent()->object(), i.menu);
            QCOMPARE(item->actionInterface()->keyBindingsForAction(
                         QAccessibleActionInterface::pressAction()),
                     i.binding);
        }
        QAccessibleInterface* sounds = ItemOf(form.Play1, form.Sounds1);
        QVERIFY(sounds != nullptr);
        QCOMPARE(sounds->text(QAccessible::Name), QStringLiteral("Sounds"));
        QCOMPARE(sounds->role(), QAccessible::CheckBox);
        QVERIFY(!sounds->state().checked);  // off until a player turns them on
        QVERIFY(!form.state().Config.Play.Sounds);
        sounds->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(sounds->state().checked);
        QVERIFY(form.state().Config.Play.Sounds);
        QTRY_COMPARE(recorder.Announcements(), QStringList{QStringLiteral("Sounds on.")});
    }

    void endIsToldWithoutAQualifyingScore() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        form.state().Leads.LeadPoints.fill(std::numeric_limits<std::int32_t>::max());
        MatchAllPairs(form, [&form](int tile) { form.ImageClick(tile); });
        QTRY_VERIFY(
            !recorder.Announcements().isEmpty() &&
            recorder.Announcements().last().endsWith(QStringLiteral(". Game over, 1800 points.")));
        QVERIFY(!program.windows.form2.isVisible());
    }

    void endIsToldBeforeTheNameEntry() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        auto toldFirst = std::make_shared<QString>();
        auto why = std::make_shared<QString>();
        auto boxName = std::make_shared<QString>();
        WhenModal<TForm2>([toldFirst, why, boxName, &recorder](TForm2* entry) {
            *toldFirst = recorder.Announcements().value(recorder.Announcements().size() - 1);
            *why = QAccessible::queryAccessibleInterface(entry)->text(QAccessible::Description);
            *boxName =
                QAccessible::queryAccessibleInterface(entry->Edit1())->text(QAccessible::Name);
            WhenModal<TForm3>([](TForm3* leads) { leads->SpeedButton2()->click(); });
            QTest::keyClicks(entry->Edit1(), QStringLiteral("Kim"));
            entry->SpeedButton1()->click();
        });
        MatchAllPairs(form, [&form](int tile) { form.ImageClick(tile); });
        QTRY_VERIFY(!toldFirst->isEmpty());  // the name entry opens from the event loop
        // The score once: the name entry says it.
        QVERIFY(toldFirst->endsWith(QStringLiteral(". Game over.")));
        QCOMPARE(*why, QStringLiteral("A new high score: 1800 points."));
        QCOMPARE(*boxName, QStringLiteral("Name"));
    }

    void leadsTableReadsAPlaceAtATime() {
        SandboxedProgram program;
        QVERIFY(program.show());
        InsertLead(program.form.state().Leads, QStringLiteral("Ann"), 300);
        EventRecorder recorder;
        auto told = std::make_shared<QStringList>();
        auto focused = std::make_shared<bool>(false);
        WhenModal<TForm3>([told, focused, &recorder](TForm3* leads) {
            (void)QTest::qWaitForWindowActive(leads);
            *focused = QTest::qWaitFor([leads] { return leads->Panel1()->hasFocus(); }, 2000);
            QTest::qWait(10);
            for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_End}) {
                QTest::keyClick(leads->Panel1(), key);
                QTest::qWait(10);
            }
            *told = recorder.Announcements();
            QTest::keyClick(leads->Panel1(), Qt::Key_Escape);  // the dialog still takes it
        });
        QTest::keyClick(&program.form, Qt::Key_F3);
        QVERIFY(*focused);
        QVERIFY(!program.windows.form3.isVisible());
        QCOMPARE(told->size(), 4);
        QCOMPARE(told->at(0), QStringLiteral("1, Ann, 300 points"));
        QVERIFY(told->at(1).startsWith(QStringLiteral("2, ")));
        QCOMPARE(told->at(2), QStringLiteral("1, Ann, 300 points"));
        QVERIFY(told->at(3).startsWith(QStringLiteral("10, ")));
    }
};

QTEST_MAIN(AnnouncementsTest)
#include "AnnouncementsTest.moc"
