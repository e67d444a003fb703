// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the main window: the hint's blue frames, cost and allowance, a whole game won
// through clicks on the pictures up to the name entry and the Leads, and a face picture that
// cannot be loaded.
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "game/TileSlot.h"
#include "scores/LeadsFile.h"

using namespace tavro;
using namespace tavro::test;

namespace {

const QColor kGrey(0xA0, 0xA0, 0xA4);
const QColor kBlue(0, 0, 255);

QColor FrameColour(const TForm1& form, int tile) {
    return form.Frame(tile)->palette().color(QPalette::Window);
}

QColor Shown(const TForm1& form, int tile) {
    return form.Image(tile)->picture().pixelColor(0, 0);
}

}  // namespace

class GameTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void hintWithNoCardUpFlashesTheLowestUnmatchedPair() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        const int partner = PartnerOf(game, 1);

        QTest::keyClick(&form, Qt::Key_F4);
        QCOMPARE(FrameColour(form, 1), kBlue);
        QCOMPARE(FrameColour(form, partner), kBlue);
        for (int tile = 1; tile <= kTileCount; ++tile) {
            if (tile != 1 && tile != partner) {
                QCOMPARE(FrameColour(form, tile), kGrey);
            }
        }
        QCOMPARE(form.state().InputState, kInputBusy);
        QTest::mouseClick(form.Image(2), Qt::LeftButton);  // ignored during the hint
        QTRY_COMPARE_WITH_TIMEOUT(FrameColour(form, 1), kGrey, 2000);
        QCOMPARE(FrameColour(form, partner), kGrey);
        QCOMPARE(form.state().InputState, kInputReady);
        QCOMPARE(game.Points, -75);
        QCOMPARE(form.Label2->text(), QStringLiteral("-75"));
        QCOMPARE(game.HintsLeft, kHintsPerGame - 1);
        QCOMPARE(game.FirstPick, 0);
    }

    void hintWithOneCardUpFlashesItsPartnerOnly() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        const int first = 5;
        const int partner = PartnerOf(game, first);
        QTest::mouseClick(form.Image(first), Qt::LeftButton);
        QCOMPARE(game.FirstPick, first);

        form.Showmeplease1->trigger();
        QCOMPARE(FrameColour(form, partner), kBlue);
        QCOMPARE(FrameColour(form, first), kGrey);
        QCOMPARE(FrameColour(form, 1 == partner ? 2 : 1), kGrey);
        QTRY_COMPARE_WITH_TIMEOUT(form.state().InputState, kInputReady, 2000);
        QCOMPARE(FrameColour(form, partner), kGrey);
        QCOMPARE(game.Points, -75);
        QCOMPARE(game.FirstPick, first);  // the player still has to click the partner
    }

    void theFiftyFirstHintDisablesTheCommandUntilNew() {
        SandboxedProgram program;
        TForm1& form = program.form;
        GameState& game = form.state().Game;
        game.HintsLeft = 1;  // as after 49 uses
        form.Showmeplease1->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(form.state().InputState, kInputReady, 2000);
        QCOMPARE(game.HintsLeft, 0);
        QVERIFY(form.Showmeplease1->isEnabled());
        QCOMPARE(game.Points, -75);

        form.Showmeplease1->trigger();  // the 51st: free, and the command goes grey
        QVERIFY(!form.Showmeplease1->isEnabled());
        QCOMPARE(game.Points, -75);
        QCOMPARE(form.state().InputState, kInputReady);

        form.new1->trigger();
        QVERIFY(form.Showmeplease1->isEnabled());
        QCOMPARE(game.HintsLeft, kHintsPerGame);
        QCOMPARE(form.Label2->text(), QStringLiteral("0"));
    }

    void aWholeGameEndsInTheNameEntryAndTheLeads() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        state.Config.FlipDelay = 100;

        // One mismatch first: both shown, then both turned back.
        const int first = 1;
        const int other = PartnerOf(state.Game, 1) == 2 ? 3 : 2;
        QTest::mouseClick(form.Image(first), Qt::LeftButton);
        QTest::mouseClick(form.Image(other), Qt::LeftButton);
        QCOMPARE(Shown(form, other), FaceColour(state.Game.BoardFaces[Slot(other)]));
        QCOMPARE(form.Label2->text(), QStringLiteral("-10"));
        QTRY_COMPARE_WITH_TIMEOUT(Shown(form, first), CardBackColour(), 2000);
        QCOMPARE(Shown(form, other), CardBackColour());

        // The name entry, then the Leads with the new entry at place 1.
        auto leadsRow = std::make_shared<QStringList>();
        WhenModal<TForm2>([](TForm2* dialog) {
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("Winner"));
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
        });
        WhenModal<TForm3>([leadsRow, &state](TForm3* dialog) {
            *leadsRow << dialog->NameLabel(0)->text() << dialog->PointsLabel(0)->text()
                      << dialog->NameLabel(0)->palette().color(QPalette::WindowText).name()
                      << dialog->NameLabel(1)->text() << QString::number(state.InputState);
            QTest::keyClick(dialog, Qt::Key_Escape);
        });

        for (int tile = 1; tile <= kTileCount; ++tile) {
            const int partner = PartnerOf(state.Game, tile);
            if (partner < tile) {
                continue;
            }
            QTest::mouseClick(form.Image(tile), Qt::LeftButton);
            QTest::mouseClick(form.Image(partner), Qt::LeftButton);
            QCOMPARE(Shown(form, partner), FaceColour(state.Game.BoardFaces[Slot(tile)]));
        }
        QCOMPARE(state.Game.MatchedCount, kTileCount);
        QCOMPARE(form.Label2->text(), QStringLiteral("1790"));
        // The name entry opens once the last click's call has returned.
        QTRY_COMPARE(*leadsRow, (QStringList{"Winner", "1790", "#ff0000", "none", "0"}));
        QVERIFY(!program.windows.form2.isVisible() && !program.windows.form3.isVisible());
        QCOMPARE(state.InputState, kInputReady);

        LeadsTable stored{};
        LoadLeads(stored);
        QCOMPARE(LeadNameText(stored, 0), QStringLiteral("Winner"));
        QCOMPARE(stored.LeadPoints[0], 1790);

        QTest::keyClick(&form, Qt::Key_F2);  // a new game
        QCOMPARE(state.Game.MatchedCount, 0);
        QCOMPARE(form.Label2->text(), QStringLiteral("0"));
        QCOMPARE(Shown(form, first), CardBackColour());
    }

    void aFaceThatCannotBeLoadedIsReportedAndTheCardStaysDown() {
        SandboxedProgram program;
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        const int tile = 8;
        QVERIFY(QFile::remove(program.sandbox.cardFolder() +
                              QString::number(game.BoardFaces[Slot(tile)]) + ".bmp"));
        const auto report = AnswerMessageBox();
        QTest::mouseClick(form.Image(tile), Qt::LeftButton);
        QCOMPARE(report->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(Shown(form, tile), CardBackColour());
        QCOMPARE(game.FirstPick, 0);
        QCOMPARE(form.state().InputState, kInputReady);
    }
};

TAVRO_WIDGET_TEST_MAIN(GameTest)
#include "GameTest.moc"
