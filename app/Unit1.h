// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TForm1: the 6 x 6 board of tile frames and pictures, the points display and the
// main menu. It owns the program's shared state and the game engine, and it is the engine's
// BoardView: it shows the pictures, frame colours and points the engine names, times the
// engine's waits, and decides what each outcome leads to (speech, the name entry, the end of the
// program). It acts on what the Options dialog says (caption, new deal). The board can also be
// played from the keyboard, and screen readers get a name and state for every card. The "&Play"
// menu chooses who plays: one player, two at one screen, or one against the computer.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <exception>
#include <functional>

#include "app/GameRecording.h"
#include "app/SharedState.h"
#include "game/BoardView.h"
#include "game/GameEngine.h"
#include "settings/CardSetInfo.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;

namespace tavro {

class Announcer;
class GameSounds;
class ComputerDialog;
class PictureBox;
class StatisticsOpener;
class PlayersLine;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TwoPlayersDialog;

// Ends the process with the given code. Must not return in the program; tests inject one that
// records the code instead.
using ExitFunction = std::function<void(int)>;
// Ends the process at once (no settings saved, nothing else run).
[[noreturn]] void EndProcessAtOnce(int exitCode);

struct StartupOptions {
    ExitFunction exitProcess = EndProcessAtOnce;
    // The folder whose "gfx" holds the card sets; empty = the executable's folder.
    QString programFolder;
};

class TForm1 : public QMainWindow, public BoardView {
    Q_OBJECT
public:
    // Builds the window and runs FormCreate: settings, card folder, caption, Leads file, first
    // deal. The dialogs are created afterwards and handed over with AttachDialogs.
    explicit TForm1(StartupOptions options = {});
    ~TForm1() override;

    // Also listens to the Options dialog.
    void AttachDialogs(TForm3* leads, TForm2* nameEntry, TForm4* options, TForm5* about);
    // The caption for the settings' card set: the program's name and the set's name in the
    // player's language (its folder name without one).
    static QString CaptionFor(const Settings& settings);

    SharedState& state() { return state_; }
    GameEngine& engine() { return engine_; }
    // Tile k's picture and frame, k = 1..36.
    PictureBox* Image(int tile) const { return images_[static_cast<std::size_t>(tile)]; }
    QFrame* Frame(int tile) const { return frames_[static_cast<std::size_t>(tile)]; }

    // The controls, by their designer names.
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QMenu* Game1 = nullptr;
    QAction* new1 = nullptr;
    QAction* Leads1 = nullptr;
    QAction* N2 = nullptr;
    QAction* Showmeplease1 = nullptr;
    QAction* N1 = nullptr;
    QAction* ExitF101 = nullptr;
    QAction* Options1 = nullptr;
    QMenu* Play1 = nullptr;  // the program's additions: who plays, sounds, statistics
    QAction* OnePlayer1 = nullptr;
    QAction* TwoPlayers1 = nullptr;
    QAction* AgainstComputer1 = nullptr;
    QAction* Sounds1 = nullptr;       // "So&unds", checked while the sounds are on
    QAction* Saythescore1 = nullptr;  // "Say the &score" (F6)
    QAction* RecordGames1 = nullptr;  // "&Record games", checked while games are recorded
    QAction* Statistics1 = nullptr;   // "St&atistics…" (F5)
    PlayersLine* Players1 = nullptr;  // the bottom line in a game of two
    QMenu* Help1 = nullptr;
    QAction* About1 = nullptr;

    // Image1Click .. Image36Click: picture k was clicked. Space or Enter on the keyboard cursor
    // comes here too.
    void ImageClick(int tile);
    // The tile under the keyboard cursor ring; 0 until the first arrow key.
    int CursorTile() const { return cursorTile_; }
    // What a screen reader is told about tile k, state first: "face down A2", or its picture
    // and place ("cat A2") once it is face up.
    QString CardAccessibleName(int tile) const;
    // Tile k's place as a screen reader says it: its column letter and row number ("A2").
    static QString TilePlace(int tile);
    void new1Click();
    void Leads1Click();
    void Showmeplease1Click();
    void ExitF101Click();
    void Options1Click();
    void About1Click();
    // The "&Play" menu (Unit1Play.cpp): "&One player" deals a game of one; the two others ask
    // the names (and the computer's strength) first and deal a game of two on OK.
    void OnePlayer1Click();
    void TwoPlayers1Click();
    void AgainstComputer1Click();
    // The name player 0 or 1 of the game on the board plays by, as it was dealt (the computer's
    // "Computer"); the first player's name in a game of one. With GameState's Mode,
    // PlayerPoints and CurrentPlayer, and GameEngine::ScoreOf, IsComputer and Leader, this tells
    // who played a game and how it stands until the next deal.
    QString PlayerName(int player) const;
    void RecordGames1Click(bool on);
    // Shows the statistics window (not modal), loading the statistics module on first use.
    void Statistics1Click();
    // The record of games this window keeps (Unit1Statistics.cpp, GameRecording).
    GameRecording& recording() { return recording_; }
    void Sounds1Click(bool on);
    void Saythescore1Click();
    // What "Say the score" speaks: the score as the window shows it, such as "120 points.".
    QString ScoreSpoken() const;

    // BoardView
    void showTilePicture(int tile, std::int32_t face) override;
    void showPoints(std::int32_t points) override;
    void setHintCommandEnabled(bool enabled) override;
    void setFrameColour(int tile, std::uint32_t bgrColour) override;
    void requestWait(const WaitRequest& wait) override;
    void reportOutcome(const Outcome& outcome) override;

protected:
    // FormClose: saves the settings; closing is never refused.
    void closeEvent(QCloseEvent* event) override;
    // The arrow keys move the cursor ring over the board; Space and Enter turn its card.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildBoard();
    void BuildMenu();
    void BuildStatisticsItem();
    // The record of games as the settings left it.
    void RestoreRecording();
    // The Play menu's "So&unds" and "Say the &score".
    void AddSoundAndScoreItems();
    // The sounds as the settings left them: on, they start after the first paint.
    void RestoreSounds();
    // The notice that the sound system did not answer and the sounds are off for this run.
    void ShowSoundsSilenced();
    void FormCreate();
    // Runs a menu command when the gate is open, reporting what it throws.
    void RunCommand(const std::function<void()>& command);
    // Options was hidden: a changed set or delay deals a new game.
    void OptionsApplied(bool setChanged, bool delayChanged);
    void ShowCardSetInCaption();
    // A game ended with a score for the Leads: the gate stays closed and the name entry opens
    // from the event loop, once the engine's call has returned.
    void EnterTheLeadsLater();
    void EnterTheLeads();
    // No card set at all can be dealt: tell the player and end the process.
    void EndForWantOfACardBack();
    // The folder whose "gfx" holds the program's card sets.
    QString ProgramFolder() const;
    // Deals a new game. A set in play that can no longer be dealt (removed, renamed or broken
    // while the program ran) is first passed over for the next usable set, as at start.
    void DealNewGame();
    // Passes the set in play over for the next usable set, with one notice that names the
    // problem; false when no other set can be dealt (the program then ends).
    bool ReplaceCardSetInPlay(const QString& problem);
    // The deal found no card back: from the event loop, once the engine's call has returned, the
    // set is passed over and a game of the next usable set dealt.
    void DealInPlaceOfLostCardSetLater();
    void DealInPlaceOfLostCardSet();
    // Reports what a turn or a wait threw. When the set in play has vanished meanwhile (its
    // folder or its card back gone), a game of the next usable set is dealt instead.
    void ReportPlayFailure(std::exception_ptr failure);
    void MoveCursor(int rowStep, int columnStep);
    // Brings the cards' accessible names up to date (each card's state as the engine tells it)
    // and announces the end of a game.
    void RefreshAccessibleState();
    QString PictureName(int face) const;
    // What a screen reader says of an outcome; empty for none. Keeps what a wait's end says.
    QString OutcomeText(const Outcome& outcome);
    // Who plays (Unit1Play.cpp): the menu, the settings handed to the engine, a change of mode.
    void BuildPlayMenu();
    void ApplyPlaySettings();
    void ShowPlayMode();
    void SwitchPlayMode(PlayMode mode);
    // A game of two (Unit1Players.cpp): the names of a new deal, the bottom line, what a screen
    // reader is told, and the end's message, opened once the engine's call has returned.
    bool IsGameOfTwo() const;
    void TakePlayersOfDeal();
    void ShowPlayers();
    QString TurnText(int player) const;
    QString PlayersOutcomeText(const Outcome& outcome);
    QString EndOfGameText() const;
    void ShowEndOfGameLater();
    void ShowEndOfGame();

    StartupOptions startup_;
    SharedState state_;
    GameEngine engine_;
    std::array<PictureBox*, kTileCount + 1> images_{};  // by TileIndex; slot 0 unused
    std::array<QFrame*, kTileCount + 1> frames_{};
    TForm3* leadsDialog_ = nullptr;
    TForm2* nameDialog_ = nullptr;
    TForm4* optionsDialog_ = nullptr;
    TForm5* aboutDialog_ = nullptr;
    Announcer* announcer_ = nullptr;
    GameSounds* sounds_ = nullptr;
    int cursorTile_ = 0;
    InputGate::Hold leadsEntry_;  // from a qualifying end of a game until the name is entered
    bool gameEndAnnounced_ = false;
    QString afterWait_;         // said when the wait ends: the mismatch, the hint and its price
    QString hintPlaces_;        // the places of the hint being shown
    CardSetInfo pictureNames_;  // of the card set in pictureNamesFolder_
    std::string pictureNamesFolder_;
    TwoPlayersDialog* twoPlayersDialog_ = nullptr;  // made on first use
    ComputerDialog* computerDialog_ = nullptr;
    std::array<QString, kMaxPlayers> dealtNames_;
    InputGate::Hold endMessage_;   // from the end of a game of two until its message is closed
    InputGate::Hold lostCardSet_;  // from a deal without a card back until the set is replaced
    GameRecording recording_{this};
    StatisticsOpener* statistics_ = nullptr;  // the statistics module, once loaded
};

}  // namespace tavro
