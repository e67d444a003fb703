// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Play" menu in the main window: its modes, the two dialogs (Cancel keeps the game, OK
// stores the names and deals a game of two), the players' bottom line (names, points, the marked
// turn, long names shortened), the end's window with no name entry (play again, or close), and
// the computer's turn, which keeps the board closed but not F2, and taking turns to start
// against it.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "app/PlayersLine.h"
#include "controls/PictureBox.h"
#include "game/TileSlot.h"
#include "players/ComputerDialog.h"
#include "players/GameOverDialog.h"
#include "players/TwoPlayersDialog.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The first face-down card, and one that does not match it: the turn passes.
void Mismatch(TForm1& form) {
    const GameState& game = form.state().Game;
    int first = 1;
    while (form.engine().TileStateOf(first) != TileState::FaceDown) {
        ++first;
    }
    int second = first + 1;
    while (form.engine().TileStateOf(second) != TileState::FaceDown ||
           PartnerOf(game, first) == second) {
        ++second;
    }
    form.ImageClick(first);
    form.ImageClick(second);
}

// Answers the Play menu's dialog of type Dialog: fill() sets it up, then OK or Cancel.
template <typename Dialog>
void AnswerPlayDialog(std::function<void(Dialog*)> fill, bool ok) {
    WhenModal<Dialog>([fill, ok](Dialog* dialog) {
        fill(dialog);
        (ok ? dialog->OkButton() : dialog->CancelButton())->click();
    });
}

}  // namespace

class PlayModesTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void twoPlayersDialogCancelsOrDeals() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        QCOMPARE(form.Play1->actions().mid(0, 3),
                 (QList<QAction*>{form.OnePlayer1, form.TwoPlayers1, form.AgainstComputer1}));
        QVERIFY(form.OnePlayer1->isChecked());
        form.ImageClick(1);

        AnswerPlayDialog<TwoPlayersDialog>(
            [](TwoPlayersDialog* dialog) {
                QCOMPARE(dialog->NameBox(0)->text(), QStringLiteral("Player 1"));
                dialog->NameBox(0)->setText(QStringLiteral("Zed"));
            },
            false);
        form.TwoPlayers1->trigger();
        QVERIFY(form.OnePlayer1->isChecked());  // cancelled: as it was, the card still up
        QCOMPARE(state.Game.FirstPick, 1);
        QCOMPARE(state.Config.Play.PlayerNames[0], std::string());

        AnswerPlayDialog<TwoPlayersDialog>(
            [](TwoPlayersDialog* dialog) {
                dialog->NameBox(0)->clear();
                dialog->NameBox(0)->insert(QStringLiteral(" An\u202Ena\n "));  // plain text only
                QCOMPARE(dialog->NameBox(0)->text(), QStringLiteral(" Anna "));
            },
            true);
        form.TwoPlayers1->trigger();
        QVERIFY(form.TwoPlayers1->isChecked());
        QCOMPARE(state.Config.Play.Mode, PlayMode::TwoPlayers);
        QCOMPARE(state.Config.Play.PlayerNames[0], std::string("Anna"));
        QCOMPARE(state.Config.Play.PlayerNames[1], std::string());  // the default, kept unstored
        QCOMPARE(state.Game.FirstPick, 0);                          // a new deal
        QVERIFY(!form.Repeatthecomputersturn1->isEnabled());        // F7: against the computer only
        QVERIFY(form.Label1->isHidden() && form.Label2->isHidden());
        PlayersLine& line = *form.Players1;
        QVERIFY(line.isVisible());
        QCOMPARE(line.Name(0)->text(), QStringLiteral("Anna"));
        QCOMPARE(line.Name(1)->text(), QStringLiteral("Player 2"));
        QVERIFY(line.Marker(0)->isVisible() && !line.Marker(1)->isVisible());
        QVERIFY(line.Name(0)->font().bold() && !line.Name(1)->font().bold());
        QCOMPARE(line.Name(0)->font().pixelSize(), form.Label1->font().pixelSize());
        QCOMPARE(line.Points(1)->palette().color(QPalette::WindowText), QColor(Qt::blue));

        // A mismatch costs Anna 10 and passes the turn (no delay: at once).
        state.Config.FlipDelay = 0;
        Mismatch(form);
        QCOMPARE(state.Game.CurrentPlayer, 1);
        QCOMPARE(line.Points(0)->text(), QStringLiteral("-10"));
        QVERIFY(!line.Marker(0)->isVisible() && line.Marker(1)->isVisible());
        QVERIFY(!line.Name(0)->font().bold() && line.Name(1)->font().bold());

        // "&One player" deals the game of one, its line as it always was.
        form.OnePlayer1->trigger();
        QCOMPARE(state.Game.Mode, PlayMode::OnePlayer);
        QVERIFY(form.Label2->isVisible() && line.isHidden());
        QCOMPARE(form.Label2->text(), QStringLiteral("0"));
    }

    void longNamesNeverRunIntoEachOther() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        PlaySettings& play = form.state().Config.Play;
        play.PlayerNames = {std::string(kMaxPlayerNameLength, 'W'),
                            std::string(kMaxPlayerNameLength, 'M')};
        AnswerPlayDialog<TwoPlayersDialog>([](TwoPlayersDialog*) {}, true);
        form.TwoPlayers1->trigger();
        form.state().Game.PlayerPoints = {-12345, 1800};
        Mismatch(form);  // shows the line again with these points
        const PlayersLine& line = *form.Players1;
        for (int player = 0; player < kMaxPlayers; ++player) {
            QVERIFY(line.Name(player)->text().endsWith(QChar(0x2026)));
            QVERIFY(line.Name(player)->geometry().right() < line.Points(player)->x());
            QVERIFY(line.Points(player)->geometry().right() < line.width());
        }
        QVERIFY(line.Points(0)->geometry().right() < line.Marker(1)->x());
        QCOMPARE(line.Points(0)->text(), QStringLiteral("-12355"));
    }

    // The end's window, not the Leads; "Play again" deals anew as F2 does, "Close" leaves the
    // finished board.
    void aGameOfTwoEndsWithItsWinnerNotTheLeads_data() {
        QTest::addColumn<bool>("again");
        QTest::newRow("Play again") << true;
        QTest::newRow("Close") << false;
    }
    void aGameOfTwoEndsWithItsWinnerNotTheLeads() {
        QFETCH(bool, again);
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        state.Config.Play.PlayerNames = {"Anna", "Ben"};
        state.Config.FlipDelay = 0;
        AnswerPlayDialog<TwoPlayersDialog>([](TwoPlayersDialog*) {}, true);
        form.TwoPlayers1->trigger();
        const QByteArray leadsBefore = [&] {
            QFile file(program.sandbox.leadsFile());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();

        Mismatch(form);  // Ben's turn: he finds every pair
        auto heading = std::make_shared<QString>();
        WhenModal<GameOverDialog>([heading, again](GameOverDialog* dialog) {
            *heading = dialog->Heading()->text();
            (again ? dialog->PlayAgainButton() : dialog->CloseButton())->click();
        });
        for (int tile = 1; tile <= kTileCount; ++tile) {
            if (form.engine().TileStateOf(tile) == TileState::FaceDown) {
                form.ImageClick(tile);
                form.ImageClick(PartnerOf(state.Game, tile));
            }
        }
        QVERIFY(!state.InputState.IsOpen());  // until the window is closed
        QTRY_COMPARE(*heading, QStringLiteral("Ben wins, 1800 to -10."));
        QTRY_VERIFY(state.InputState.IsOpen());
        // A new deal of the same game of two, or the finished board as it was.
        QCOMPARE(state.Game.Mode, PlayMode::TwoPlayers);
        QCOMPARE(int(state.Game.MatchedCount), again ? 0 : kTileCount);
        QCOMPARE(state.Game.PlayerPoints[1], again ? 0 : 1800);
        QCOMPARE(form.engine().TileStateOf(1) == TileState::FaceDown, again);
        QCOMPARE(form.Players1->Name(0)->text(), QStringLiteral("Anna"));
        QFile file(program.sandbox.leadsFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), leadsBefore);
    }

    // Tab from the name reaches the chosen strength, not the first; the arrows choose another.
    void tabReachesTheChosenStrength() {
        SandboxedProgram program;
        QVERIFY(program.show());
        program.form.state().Config.Play.Strength = ComputerStrength::Fair;
        auto focused = std::make_shared<QStringList>();
        WhenModal<ComputerDialog>([focused](ComputerDialog* dialog) {
            QTest::keyClick(dialog->NameBox(), Qt::Key_Tab);
            *focused << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            *focused << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            *focused << QApplication::focusWidget()->objectName();
            dialog->CancelButton()->click();
        });
        program.form.AgainstComputer1->trigger();
        QCOMPARE(*focused, (QStringList{"Fair", "PerfectMemory", "PerfectMemory"}));
    }

    void theComputersTurnClosesTheBoardButNotTheMenu() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        AnswerPlayDialog<ComputerDialog>(
            [](ComputerDialog* dialog) {
                dialog->NameBox()->setText(QStringLiteral("Kim"));
                dialog->StrengthButton(ComputerStrength::PerfectMemory)->setChecked(true);
            },
            true);
        form.AgainstComputer1->trigger();
        QCOMPARE(state.Config.Play.Strength, ComputerStrength::PerfectMemory);
        QCOMPARE(form.Players1->Name(1)->text(), QStringLiteral("Computer"));
        QVERIFY(form.Repeatthecomputersturn1->isEnabled());

        state.Config.FlipDelay = 0;
        Mismatch(form);
        QVERIFY(form.engine().ComputerHasTurn());
        QVERIFY(!state.InputState.IsOpen());
        QTRY_VERIFY_WITH_TIMEOUT(state.Game.FirstPick != 0, 2000);  // its first card
        const int computersCard = state.Game.FirstPick;
        form.ImageClick(PartnerOf(state.Game, computersCard));  // not the player's to turn
        QCOMPARE(state.Game.FirstPick, computersCard);

        QVERIFY(form.engine().OnlyTheComputerHoldsTheGate());
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F2);  // a new deal ends its turn
        QVERIFY(!form.engine().ComputerHasTurn());
        QVERIFY(state.InputState.IsOpen());
        QTest::qWait(2 * kComputerMinimumMilliseconds);  // its card of the earlier deal
        QCOMPARE(state.Game.FirstPick, 0);
        QCOMPARE(state.Game.CurrentPlayer, 0);
    }

    // Taking turns to start is stored on OK only, and shown again as stored. The run begins with
    // the player; the next deal with the computer, which turns its first card behind a closed
    // board while the line says that it starts.
    void takingTurnsToStartIsStoredOnOk() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        for (const bool ok : {false, true}) {
            AnswerPlayDialog<ComputerDialog>(
                [](ComputerDialog* dialog) {
                    QVERIFY(!dialog->TakeTurnsBox()->isChecked());
                    dialog->TakeTurnsBox()->click();
                },
                ok);
            form.AgainstComputer1->trigger();
            QCOMPARE(state.Config.Play.Starts, ok ? StartRule::Alternate : StartRule::Player);
            QCOMPARE(state.Config.Play.Mode, ok ? PlayMode::AgainstComputer : PlayMode::OnePlayer);
        }
        QCOMPARE(state.Game.CurrentPlayer, 0);
        QVERIFY(state.InputState.IsOpen());
        QCOMPARE(form.Players1->Points(0)->accessibleName(), QStringLiteral("Player 1 starts"));

        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(state.Game.CurrentPlayer, kComputerPlayer);
        QVERIFY(form.engine().ComputerHasTurn() && !state.InputState.IsOpen());
        QCOMPARE(form.Players1->Points(1)->accessibleName(), QStringLiteral("The computer starts"));
        QTRY_VERIFY_WITH_TIMEOUT(state.Game.FirstPick != 0, 2000);  // its first card
        QVERIFY(!state.InputState.IsOpen());
        QCOMPARE(form.Players1->Points(1)->accessibleName(), QStringLiteral("Computer, to play"));

        auto checked = std::make_shared<bool>(false);
        WhenModal<ComputerDialog>([checked](ComputerDialog* dialog) {
            *checked = dialog->TakeTurnsBox()->isChecked();
            dialog->CancelButton()->click();
        });
        form.AgainstComputer1->trigger();
        QVERIFY(*checked);
    }
};

TAVRO_WIDGET_TEST_MAIN(PlayModesTest)
#include "PlayModesTest.moc"
