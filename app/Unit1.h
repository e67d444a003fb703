// SPDX-License-Identifier: GPL-3.0-or-later
// The main window TForm1: the 6 x 6 board of tile frames and pictures, the points line and the
// main menu. It owns the program's shared state and the game engine, and it is the engine's
// BoardView: it shows the pictures and frame colours the engine names and times the engine's
// waits. Each outcome of the engine goes out to the concerns that follow it, each a class of its
// own (OutcomeFanOut): the deal's players, the points line, the end of a game, the sounds, the
// record and speech. The window keeps the board, the menus, the commands and the timers; it acts
// on what the Options dialog and the Play menu say. The board can also be played from the
// keyboard, and screen readers get a name for every card.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <exception>
#include <functional>
#include <memory>

#include "app/DealtGame.h"
#include "app/GameRecording.h"
#include "app/OutcomeFanOut.h"
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
class BoardSizing;
class CardMotion;
class GameEndListener;
class GameSounds;
class HowToPlay;
class PictureBox;
class PlayMenu;
class PlayersLine;
class ScoreLine;
class SpokenOutcomes;
class StatisticsOpener;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

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
    QMenu* Play1 = nullptr;  // the program's additions (PlayMenu), whose items follow
    QAction* OnePlayer1 = nullptr;
    QAction* TwoPlayers1 = nullptr;
    QAction* AgainstComputer1 = nullptr;
    QAction* Sounds1 = nullptr;
    QAction* Animatecards1 = nullptr;
    QAction* Saythescore1 = nullptr;
    QAction* Repeatthecomputersturn1 = nullptr;
    QAction* RecordGames1 = nullptr;
    QAction* Statistics1 = nullptr;
    PlayersLine* Players1 = nullptr;  // the bottom line in a game of two
    QMenu* Help1 = nullptr;
    QAction* HowToPlay1 = nullptr;
    QAction* About1 = nullptr;

    // Image1Click .. Image36Click: picture k was clicked. Space or Enter on the keyboard cursor
    // comes here too.
    void ImageClick(int tile);
    // The tile under the keyboard cursor ring; 0 until the first arrow key.
    int CursorTile() const { return cursorTile_; }
    // What a screen reader is told about tile k, state first: "face down A2", or its picture
    // and place ("cat A2") once it is face up.
    QString CardAccessibleName(int tile) const;
    void new1Click();
    void Leads1Click();
    void Showmeplease1Click();
    void ExitF101Click();
    void Options1Click();
    // Shows the How to play window (not modal): made on first use, raised when already open.
    void HowToPlay1Click();
    void About1Click();
    // The Play menu's commands: "&One player" deals a game of one; the two others ask the names
    // (and the computer's strength) first and deal a game of two on OK.
    void OnePlayer1Click();
    void TwoPlayers1Click();
    void AgainstComputer1Click();
    void Sounds1Click(bool on);
    // "A&nimate cards": the cards turn, pairs lift and the end throws confetti (kept).
    void Animatecards1Click(bool on);
    CardMotion& motion() { return *motion_; }
    void Saythescore1Click();
    void Repeatthecomputersturn1Click();
    void RecordGames1Click(bool on);
    // Shows the statistics window (not modal), loading the statistics module on first use.
    void Statistics1Click();
    // "Card &size": the chosen size is kept in the settings and the window drawn at it, as far as
    // the screen allows. Larger and smaller step from the size shown.
    void CardSizeClick(CardSize size);
    void LargerClick();
    void SmallerClick();
    // The scale the window is drawn at now (1: the designed size).
    double BoardScale() const;
    // The record of games this window keeps.
    GameRecording& recording() { return recording_; }

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
    // The concerns that follow the engine's outcomes, in the order they hear them.
    void BuildListeners();
    void FormCreate();
    // Runs a menu command when the gate is open, reporting what it throws.
    void RunCommand(const std::function<void()>& command);
    // Options was hidden: a changed set or delay deals a new game.
    void OptionsApplied(bool setChanged, bool delayChanged);
    void ShowCardSetInCaption();
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
    // The deal found no card back: the set is passed over and a game of the next usable set
    // dealt (from the event loop, once the engine's call has returned).
    void DealInPlaceOfLostCardSet();
    // Reports what a turn or a wait threw. When the set in play has vanished meanwhile (its
    // folder or its card back gone), a game of the next usable set is dealt instead.
    void ReportPlayFailure(std::exception_ptr failure);
    // Who plays: the settings handed to the engine, a change of mode.
    void ApplyPlaySettings();
    void SwitchPlayMode(PlayMode mode);
    // The stored sounds and record switches, once the window is built.
    void RestorePlaySwitches();
    // Told once in a run, without stopping the game, when the sound system does not answer.
    void ShowSoundsSilenced();
    void MoveCursor(int rowStep, int columnStep);
    // A picture's name in the player's language, from the set in play's set.desktop.
    QString PictureName(std::int32_t face);

    StartupOptions startup_;
    SharedState state_;
    GameEngine engine_;
    std::array<PictureBox*, kTileCount + 1> images_{};  // by TileIndex; slot 0 unused
    std::array<QFrame*, kTileCount + 1> frames_{};
    TForm3* leadsDialog_ = nullptr;
    TForm2* nameDialog_ = nullptr;
    TForm4* optionsDialog_ = nullptr;
    TForm5* aboutDialog_ = nullptr;
    HowToPlay* howToPlay_ = nullptr;  // made on first use, a child of this window
    Announcer* announcer_ = nullptr;
    PlayMenu* playMenu_ = nullptr;
    int cursorTile_ = 0;
    BoardSizing* sizing_ = nullptr;  // the card size's scale of the whole board
    CardSetInfo pictureNames_;       // of the card set in pictureNamesFolder_
    std::string pictureNamesFolder_;
    // The listeners of the engine's outcomes, in the order they hear them (BuildListeners).
    OutcomeFanOut outcomes_;
    DealtGame dealt_{state_.Config.Play};
    std::unique_ptr<ScoreLine> scoreLine_;
    GameEndListener* gameEnd_ = nullptr;
    GameSounds* sounds_ = nullptr;
    CardMotion* motion_ = nullptr;
    GameRecording recording_{this, state_.Config};
    std::unique_ptr<SpokenOutcomes> speech_;
    StatisticsOpener* statistics_ = nullptr;  // the statistics module, once loaded
};

}  // namespace tavro
