// SPDX-License-Identifier: GPL-3.0-or-later
// The listeners of the game core's outcomes, each fed a made-up stream of outcomes instead of a
// game: the deal's players (names by mode, the leader), the points line (one player and two, the
// end told to screen readers), speech (what a screen reader hears of each outcome, for one player
// and two), and the end of a game (what is queued, with the gate held until it has run, and the
// window that ends a game of two).
#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <QtTest>
#include <vector>

#include "AppTestSupport.h"
#include "app/DealtGame.h"
#include "app/GameEndListener.h"
#include "app/PlayersLine.h"
#include "app/ScoreLine.h"
#include "app/SpokenOutcomes.h"
#include "dialogkit/Announcer.h"
#include "game/InputGate.h"
#include "players/GameOverDialog.h"

using namespace tavro;
using namespace tavro::test;

namespace {

using Kind = Outcome::Kind;

Outcome Told(Kind kind, PlayMode mode, std::array<std::int32_t, kMaxPlayers> scores, int player = 0,
             int first = 0, int second = 0, bool over = false) {
    Outcome outcome{kind, first, second, scores[static_cast<std::size_t>(player)], false, player};
    outcome.face = first == 0 ? 0 : 7;
    // The leader as the core works it out.
    const int leader = mode == PlayMode::OnePlayer || scores[0] == scores[1] ? kNoPlayer
                       : scores[0] > scores[1]                               ? 0
                                                                             : 1;
    outcome.standing = {mode, scores, player, over, leader};
    return outcome;
}

// The outcome with another face for its first tile (Told gives every named tile face 7, "cat").
Outcome WithFace(Outcome outcome, std::int32_t face) {
    outcome.face = face;
    return outcome;
}

// A picture's name: 7 is a cat, 8 a fox.
QString PictureName(std::int32_t face) {
    return face == 7   ? QStringLiteral("cat")
           : face == 8 ? QStringLiteral("fox")
                       : QStringLiteral("?");
}

// The players of a deal, as the settings name them.
PlaySettings Players() {
    PlaySettings play;
    play.PlayerNames = {"Anna %1", "Ben"};
    return play;
}

}  // namespace

class ListenersTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void theDealNamesItsPlayersAndItsLeader_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("leader");  // with scores 300 to 500
        QTest::newRow("one player") << int(PlayMode::OnePlayer) << "Ben" << kNoPlayer;
        QTest::newRow("two players") << int(PlayMode::TwoPlayers) << "Ben" << 1;
        QTest::newRow("against the computer") << int(PlayMode::AgainstComputer) << "Computer" << 1;
    }
    void theDealNamesItsPlayersAndItsLeader() {
        QFETCH(int, mode);
        QFETCH(QString, second);
        QFETCH(int, leader);
        PlaySettings play = Players();
        DealtGame game(play);
        game.Hear(Told(Kind::NewGameDealt, PlayMode(mode), {0, 0}));
        play.PlayerNames = {"Later", "Later"};  // a deal keeps the names it found
        game.Hear(Told(Kind::PairMismatched, PlayMode(mode), {300, 500}, 1));
        QCOMPARE(game.Name(0), QStringLiteral("Anna %1"));
        QCOMPARE(game.Name(1), second);
        QCOMPARE(game.IsComputer(1), mode == int(PlayMode::AgainstComputer));
        QCOMPARE(game.Leader(), leader);
        QCOMPARE(game.Now().currentPlayer, 1);
    }

    // The points line: the value of a game of one (with its caption for screen readers and the
    // end in its description), or both players with the turn marked in a game of two.
    void thePointsLineFollowsTheMode() {
        QWidget board;
        QLabel caption(&board);
        QLabel value(&board);
        auto* players = new PlayersLine(&board);
        const PlaySettings play = Players();
        DealtGame game(play);
        ScoreLine line(&caption, &value, players, game);
        const auto hear = [&](const Outcome& outcome) {
            game.Hear(outcome);
            line.Hear(outcome);
        };

        hear(Told(Kind::NewGameDealt, PlayMode::OnePlayer, {0, 0}));
        line.ShowPoints(-10);
        QCOMPARE(value.text(), QStringLiteral("-10"));
        QCOMPARE(value.accessibleName(), QStringLiteral("Points: -10"));
        hear(Told(Kind::GameEnded, PlayMode::OnePlayer, {1710, 0}, 0, 0, 0, true));
        QCOMPARE(value.accessibleDescription(), QStringLiteral("Game over: 1710 points"));
        QVERIFY(players->isHidden() && !value.isHidden());

        hear(Told(Kind::NewGameDealt, PlayMode::TwoPlayers, {0, 0}));
        QVERIFY(!players->isHidden() && value.isHidden() && caption.isHidden());
        QCOMPARE(value.accessibleDescription(), QString());
        QCOMPARE(players->Points(0)->accessibleName(), QStringLiteral("Anna %1 starts"));
        hear(Told(Kind::TurnPassed, PlayMode::TwoPlayers, {90, -20}, 1));
        QCOMPARE(players->Name(0)->text(), QStringLiteral("Anna %1"));
        QCOMPARE(players->Points(0)->text(), QStringLiteral("90"));
        QCOMPARE(players->Points(1)->text(), QStringLiteral("-20"));

        QCOMPARE(players->Points(1)->accessibleName(), QStringLiteral("Ben, to play"));
        // At the end the line says who won, not who is to play; on a draw, neither.
        hear(Told(Kind::GameEnded, PlayMode::TwoPlayers, {90, 210}, 1, 0, 0, true));
        QCOMPARE(players->Points(1)->accessibleName(), QStringLiteral("Ben, wins"));
        QCOMPARE(players->Points(0)->accessibleName(), QStringLiteral("Anna %1"));
        QVERIFY(players->Marker(0)->text().isEmpty() && !players->Marker(1)->text().isEmpty());
        hear(Told(Kind::GameEnded, PlayMode::TwoPlayers, {150, 150}, 0, 0, 0, true));
        QCOMPARE(players->Points(0)->accessibleName(), QStringLiteral("Anna %1, a draw"));
        QVERIFY(players->Marker(0)->text().isEmpty() && players->Marker(1)->text().isEmpty());

        // Who begins starts until the first card is turned, a hint meanwhile changing nothing.
        const auto computer = PlayMode::AgainstComputer;
        const struct {
            Outcome outcome;
            QString first;
            QString second;
        } turns[] = {
            {Told(Kind::NewGameDealt, computer, {0, 0}, 1), "Anna %1", "The computer starts"},
            {Told(Kind::HintShown, computer, {0, 0}, 1, 2, 5), "Anna %1", "The computer starts"},
            {Told(Kind::FaceShown, computer, {0, 0}, 1, 5), "Anna %1", "Computer, to play"},
            {Told(Kind::NewGameDealt, computer, {0, 0}, 0), "Anna %1 starts", "Computer"}};
        for (const auto& turn : turns) {
            hear(turn.outcome);
            QCOMPARE(players->Points(0)->accessibleName(), turn.first);
            QCOMPARE(players->Points(1)->accessibleName(), turn.second);
        }

        hear(Told(Kind::NewGameDealt, PlayMode::OnePlayer, {0, 0}));
        QVERIFY(players->isHidden() && !value.isHidden());
    }

    // What a screen reader hears of a stream of outcomes, sentence by sentence.
    void speechTellsEachOutcome_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<std::vector<Outcome>>("stream");
        QTest::addColumn<QStringList>("heard");
        const auto one = PlayMode::OnePlayer;
        QTest::newRow("one player")
            << int(one)
            << std::vector<Outcome>{Told(Kind::NewGameDealt, one, {0, 0}),
                                    Told(Kind::FaceShown, one, {0, 0}, 0, 3),
                                    Told(Kind::PairMismatched, one, {-10, 0}, 0, 3, 9),
                                    Told(Kind::PairTurnedBack, one, {-10, 0}, 0, 3, 9),
                                    Told(Kind::HintShown, one, {-10, 0}, 0, 1, 8),
                                    Told(Kind::HintEnded, one, {-85, 0}),
                                    Told(Kind::PairMatched, one, {15, 0}, 0, 1, 8),
                                    Told(Kind::PairMatched, one, {115, 0}, 0, 2, 4, true),
                                    Told(Kind::GameEnded, one, {115, 0}, 0, 0, 0, true)}
            << QStringList{"New game, 0 points.",   "cat",
                           "No match, -10 points.", "Hint: A1 and B2, -85 points.",
                           "Match, 15 points.",     "Game over, 115 points."};
        const auto computer = PlayMode::AgainstComputer;
        QTest::newRow("against the computer")
            << int(computer)
            << std::vector<Outcome>{Told(Kind::NewGameDealt, computer, {0, 0}),
                                    Told(Kind::PairMismatched, computer, {-10, 0}, 0, 3, 9),
                                    Told(Kind::TurnPassed, computer, {-10, 0}, 1),
                                    Told(Kind::FaceShown, computer, {-10, 0}, 1, 1),
                                    WithFace(Told(Kind::FaceShown, computer, {-10, 0}, 1, 8), 8),
                                    Told(Kind::PairMismatched, computer, {-10, -10}, 1, 1, 8),
                                    Told(Kind::PairTurnedBack, computer, {-10, -10}, 1, 1, 8),
                                    Told(Kind::FaceShown, computer, {-10, -10}, 1, 36),
                                    Told(Kind::FaceShown, computer, {-10, -10}, 1, 35),
                                    Told(Kind::PairMatched, computer, {-10, 90}, 1, 36, 35),
                                    Told(Kind::GameEnded, computer, {-10, 90}, 1, 0, 0, true)}
            // A sentence per pair of the computer's, once its second card is up; the end's
            // message says who won.
            << QStringList{"New game. Anna %1 starts.", "No match. Anna %1 has -10 points",
                           "The computer's turn", "Computer cat A1, fox B2.",
                           "Computer pairs cat F6, E6."};
        QTest::newRow("the computer begins")
            << int(computer)
            << std::vector<Outcome>{Told(Kind::NewGameDealt, computer, {0, 0}, 1),
                                    Told(Kind::FaceShown, computer, {0, 0}, 1, 1),
                                    Told(Kind::FaceShown, computer, {0, 0}, 1, 7),
                                    Told(Kind::PairMatched, computer, {0, 100}, 1, 1, 7)}
            << QStringList{"New game. The computer starts.", "Computer pairs cat A1, A2."};
    }
    void speechTellsEachOutcome() {
        QFETCH(int, mode);
        QFETCH(std::vector<Outcome>, stream);
        QFETCH(QStringList, heard);
        QStringList said;
        const PlaySettings play = Players();
        DealtGame game(play);
        SpokenOutcomes speech([&said](const QString& text) { said << text; }, game, PictureName,
                              [] { return true; });
        for (const Outcome& outcome : stream) {
            QCOMPARE(outcome.standing.mode, PlayMode(mode));
            game.Hear(outcome);
            speech.Hear(outcome);
        }
        QCOMPARE(said, heard);
    }

    // "Repeat the computer's turn" says every pair of its last turn, from the turn's first pair
    // until the player turns a card or a new game is dealt.
    void theComputersTurnIsRetoldUntilThePlayersNextCard() {
        const auto computer = PlayMode::AgainstComputer;
        const QString none = QStringLiteral("No turn of the computer to repeat.");
        const QString lastTurn =
            QStringLiteral("Computer pairs cat A1, B1. Computer fox C1, cat D1.");
        const struct {
            Outcome outcome;
            QString retold;  // what F7 says once the outcome has been heard
        } steps[] = {
            {Told(Kind::NewGameDealt, computer, {0, 0}), none},
            {Told(Kind::TurnPassed, computer, {-10, 0}, 1), none},
            {Told(Kind::FaceShown, computer, {-10, 0}, 1, 1), none},
            {Told(Kind::FaceShown, computer, {-10, 0}, 1, 2), none},
            {Told(Kind::PairMatched, computer, {-10, 100}, 1, 1, 2), "Computer pairs cat A1, B1."},
            {WithFace(Told(Kind::FaceShown, computer, {-10, 100}, 1, 3), 8),
             "Computer pairs cat A1, B1."},
            {Told(Kind::FaceShown, computer, {-10, 100}, 1, 4), "Computer pairs cat A1, B1."},
            {Told(Kind::PairMismatched, computer, {-10, 90}, 1, 3, 4), lastTurn},
            {Told(Kind::PairTurnedBack, computer, {-10, 90}, 1, 3, 4), lastTurn},
            {Told(Kind::TurnPassed, computer, {-10, 90}, 0), lastTurn},
            {Told(Kind::FaceShown, computer, {-10, 90}, 0, 5), none},  // the player's card
            {Told(Kind::PairMismatched, computer, {-20, 90}, 0, 5, 6), none},
            {Told(Kind::TurnPassed, computer, {-20, 90}, 1), none},
            {Told(Kind::FaceShown, computer, {-20, 90}, 1, 3), none},
            {Told(Kind::FaceShown, computer, {-20, 90}, 1, 9), none},
            {Told(Kind::PairMatched, computer, {-20, 190}, 1, 3, 9), "Computer pairs cat C1, C2."},
            {Told(Kind::NewGameDealt, computer, {0, 0}), none},
        };
        const PlaySettings play = Players();
        DealtGame game(play);
        SpokenOutcomes speech([](const QString&) {}, game, PictureName, [] { return true; });
        for (const auto& step : steps) {
            game.Hear(step.outcome);
            speech.Hear(step.outcome);
            QCOMPARE(speech.ComputerTurnRetold(), step.retold);
        }
    }

    // What ends a game opens a window from the event loop only, with the gate held until then.
    // The end of a game of two shows the result, the winner's row first and in bold, and a new
    // deal is asked for only by "Play again", once the gate is open again.
    void theEndIsQueuedWithTheGateHeld_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("missingBack");
        QTest::addColumn<int>("second");        // the second player's score; the first has 300
        QTest::addColumn<QString>("shown");     // the heading; empty: no window
        QTest::addColumn<QStringList>("rows");  // name and points, row by row
        QTest::addColumn<bool>("firstBold");
        QTest::addColumn<QString>("answer");             // how the window is closed
        const QString anna = QStringLiteral("Anna %1");  // a "%1" shown as typed
        QTest::newRow("the second player wins, Play again")
            << int(PlayMode::TwoPlayers) << false << 500 << "Ben wins, 500 to 300."
            << QStringList{"Ben", "500", anna, "300"} << true << "Play again";
        QTest::newRow("the first player wins, Enter")
            << int(PlayMode::TwoPlayers) << false << 100 << "Anna %1 wins, 300 to 100."
            << QStringList{anna, "300", "Ben", "100"} << true << "Enter";
        QTest::newRow("the computer wins, Escape")
            << int(PlayMode::AgainstComputer) << false << 500 << "The computer wins, 500 to 300."
            << QStringList{"Computer", "500", anna, "300"} << true << "Escape";
        QTest::newRow("a draw, Close")
            << int(PlayMode::AgainstComputer) << false << 300 << "A draw, 300 each."
            << QStringList{anna, "300", "Computer", "300"} << false << "Close";
        QTest::newRow("a deal without a card back")
            << int(PlayMode::OnePlayer) << true << 0 << "" << QStringList() << false << "";
    }
    void theEndIsQueuedWithTheGateHeld() {
        QFETCH(int, mode);
        QFETCH(bool, missingBack);
        QFETCH(int, second);
        QFETCH(QString, shown);
        QFETCH(QStringList, rows);
        QFETCH(bool, firstBold);
        QFETCH(QString, answer);
        QWidget window;
        InputGate gate;
        Announcer announcer(&window);
        const PlaySettings play = Players();
        DealtGame game(play);
        SpokenOutcomes speech([](const QString&) {}, game, [](std::int32_t) { return QString(); },
                              [] { return false; });
        GameEndListener end(&window, gate, announcer, game, speech);
        int replaced = 0;
        end.OnCardSetLost([&replaced] { ++replaced; });
        QList<bool> againWithGateOpen;
        connect(&end, &GameEndListener::playAgain, this,
                [&] { againWithGateOpen << gate.IsOpen(); });
        const std::array<std::int32_t, kMaxPlayers> scores{300, second};
        game.Hear(Told(Kind::NewGameDealt, PlayMode(mode), {0, 0}));
        const Outcome last = missingBack
                                 ? Told(Kind::CardBackMissing, PlayMode(mode), scores)
                                 : Told(Kind::GameEnded, PlayMode(mode), scores, 1, 0, 0, true);
        game.Hear(last);
        struct Seen {
            QString title, heading, description;
            QStringList rows;
            QList<bool> bold;
            bool gateOpen = true;
        };
        auto seen = std::make_shared<Seen>();
        WhenModal<GameOverDialog>([seen, answer, &gate](GameOverDialog* dialog) {
            seen->title = dialog->windowTitle();
            seen->heading = dialog->Heading()->text();
            seen->description = dialog->accessibleDescription();
            seen->gateOpen = gate.IsOpen();
            for (int row = 0; row < GameOverDialog::kRows; ++row) {
                seen->rows << dialog->Name(row)->text() << dialog->Points(row)->text();
                seen->bold << (dialog->Name(row)->font().bold() &&
                               dialog->Points(row)->font().bold());
            }
            if (answer == QLatin1String("Play again")) {
                dialog->PlayAgainButton()->click();
            } else if (answer == QLatin1String("Close")) {
                dialog->CloseButton()->click();
            } else {
                QTest::keyClick(dialog,
                                answer == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
            }
        });
        end.Hear(last);
        // Nothing has run yet: the core's call has not returned.
        QVERIFY(!gate.IsOpen());
        QCOMPARE(replaced, 0);
        QVERIFY(seen->heading.isEmpty());
        QTRY_VERIFY(gate.IsOpen());
        QCOMPARE(replaced, missingBack ? 1 : 0);
        QCOMPARE(seen->heading, shown);
        if (missingBack) {
            QVERIFY(againWithGateOpen.isEmpty());
            return;
        }
        QVERIFY(!seen->gateOpen);  // held while the window is open
        QCOMPARE(seen->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(seen->rows, rows);
        QCOMPARE(seen->bold, (QList<bool>{firstBold, false}));
        // Read once, as the window opens: the result and both rows.
        QCOMPARE(seen->description, QStringLiteral("%1 %2: %3 points, %4: %5 points.")
                                        .arg(shown, rows[0], rows[1], rows[2], rows[3]));
        const bool again =
            answer == QLatin1String("Play again") || answer == QLatin1String("Enter");
        QCOMPARE(againWithGateOpen, again ? QList<bool>{true} : QList<bool>());
    }
};

TAVRO_WIDGET_TEST_MAIN(ListenersTest)
#include "ListenersTest.moc"
