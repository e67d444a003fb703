// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told while the game is played: each card turned, the outcome of a turn
// with the new points in one announcement, the pair turned back after the wait, the hint's pair
// and its price, a new deal and the end of a game (before the name entry, when one comes). Also
// where the focus starts, and the Leads table read a place at a time.
#include <QLabel>
#include <QLineEdit>
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

// The picture a face-up card shows, as its accessible name tells it.
QString FaceOf(const TForm1& form, int tile) {
    const QString name = form.CardAccessibleName(tile);
    const qsizetype at = name.indexOf(QStringLiteral("face up: "));
    return at < 0 ? QString() : name.mid(at + 9);
}

QString Place(int tile) {
    return QStringLiteral("row %1, column %2").arg((tile - 1) / 6 + 1).arg((tile - 1) % 6 + 1);
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
        QVERIFY(board->text(QAccessible::Description)
                    .startsWith(QStringLiteral("Arrow keys move, Space turns a card")));
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
        QTRY_COMPARE(recorder.Announcements(), QStringList{"face up: " + first});

        WalkTo(form, other);
        QTest::keyClick(&form, Qt::Key_Return);
        const QString second = FaceOf(form, other);
        QVERIFY(!second.isEmpty());
        // The face and the outcome with the points at once; the pair turned back after the wait.
        QTRY_COMPARE(recorder.Announcements().size(), 3);
        QCOMPARE(recorder.Announcements().mid(1),
                 QStringList({"face up: " + second + ". No match. -10 points",
                              "Turned face down: " + Place(1) + " and " + Place(other)}));

        form.ImageClick(1);
        QCoreApplication::processEvents();  // as between two key presses
        form.ImageClick(partner);
        QTRY_COMPARE(recorder.Announcements().size(), 5);
        QCOMPARE(
            recorder.Announcements().mid(3),
            QStringList({"face up: " + first, "face up: " + first + ". Pair matched. 90 points"}));
    }

    void hintTellsItsPairAndItsPrice() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        TForm1& form = program.form;
        const int partner = PartnerOf(form.state().Game, 1);
        QTest::keyClick(&form, Qt::Key_F4);
        QTRY_COMPARE(recorder.Announcements(),
                     QStringList{"Hint: " + Place(1) + " and " + Place(partner)});
        QTRY_COMPARE(recorder.Announcements().size(), 2);
        QCOMPARE(recorder.Announcements().at(1),
                 QStringLiteral("The hint cost 75 points. -75 points"));

        // With a card up the hint points out its partner alone.
        form.ImageClick(partner);
        QCoreApplication::processEvents();
        QTest::keyClick(&form, Qt::Key_F4);
        QTRY_COMPARE(recorder.Announcements().size(), 5);
        QCOMPARE(recorder.Announcements().at(3), "Hint: the partner is " + Place(1));
    }

    void newDealIsTold() {
        SandboxedProgram program;
        QVERIFY(program.show());
        EventRecorder recorder;
        QTest::keyClick(&program.form, Qt::Key_F2);
        QTRY_COMPARE(recorder.Announcements(), QStringList{QStringLiteral("New game")});
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
            recorder.Announcements().last().endsWith(QStringLiteral("Game over, 1800 points")));
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
        QVERIFY(toldFirst->endsWith(
            QStringLiteral("Pair matched. 1800 points. Game over, 1800 points")));
        QCOMPARE(*why,
                 QStringLiteral("A new high score: 1800 points. Type your name for the Leads."));
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
