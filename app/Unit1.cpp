// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's construction: the board (Panel1 with the frames p1..p36 and the
// pictures Image1..Image36), the points labels (and the players' line beside them), the main
// menu MainMenu1 with the Play menu, and the listeners of the engine's outcomes in their order.
#include "app/Unit1.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstdlib>
#include <utility>

#include <QDir>

#include "app/BoardAccessible.h"
#include "app/BoardGeometry.h"
#include "app/BoardSizing.h"
#include "app/CardMotion.h"
#include "app/GameEndListener.h"
#include "app/GameSounds.h"
#include "app/PlayMenu.h"
#include "app/PlayersLine.h"
#include "app/ScoreLine.h"
#include "app/SpokenOutcomes.h"
#include "audio/Sound.h"
#include "controls/PictureBox.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/DialogLook.h"
#include "dialogkit/MenuKeys.h"
#include "dialogs/Unit4.h"
#include "scores/Unit2.h"
#include "settings/CardSet.h"
#include "statistics/StatisticsOpener.h"
#include "tavro/ProgramInfo.h"

namespace tavro {
namespace {

const QColor kMedGray(0xA0, 0xA0, 0xA4);

QLabel* PointsLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

QAction* MenuAction(QMenu* menu, const char* name, const QString& caption, Qt::Key shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    if (shortcut != Qt::Key_unknown) {
        action->setShortcut(QKeySequence(shortcut));
    }
    return action;
}

QAction* Separator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

}  // namespace

void EndProcessAtOnce(int exitCode) {
    std::_Exit(exitCode);
}

TForm1::TForm1(StartupOptions options)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      startup_(std::move(options)),
      engine_(state_.Game, state_.InputState, *this, state_.Config.FlipDelay,
              [this] { return state_.Leads.LeadPoints[kLeadPlaces - 1]; }) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(TAVRO_PROGRAM_NAME));
    InstallBoardAccessibility();
    announcer_ = &AnnouncerOf(this);
    BuildBoard();
    BuildMenu();
    BuildListeners();
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
    FormCreate();
    RestorePlaySwitches();
}

TForm1::~TForm1() = default;

void TForm1::AttachDialogs(TForm3* leads, TForm2* nameEntry, TForm4* options, TForm5* about) {
    leadsDialog_ = leads;
    nameDialog_ = nameEntry;
    optionsDialog_ = options;
    aboutDialog_ = about;
    gameEnd_->SetNameEntry(nameEntry);
    if (options != nullptr) {
        connect(options, &TForm4::cardSetChanged, this, &TForm1::ShowCardSetInCaption);
        connect(options, &TForm4::optionsApplied, this, &TForm1::OptionsApplied);
    }
}

void TForm1::BuildBoard() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);  // lowered outer and inner bevel, one pixel each
    SetBackground(Panel1, Qt::white);
    setCentralWidget(Panel1);
    MarkBoard(Panel1);
    // The board has the focus from the start, so that a screen reader tells how to play it. It
    // draws no focus mark: the cursor ring appears with the first arrow key.
    Panel1->setFocusPolicy(Qt::TabFocus);
    setFocusProxy(Panel1);

    for (int tile = 1; tile <= kTileCount; ++tile) {
        auto* frame = new QFrame(Panel1);
        frame->setObjectName(QStringLiteral("p%1").arg(tile));
        frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame->setLineWidth(1);
        SetBackground(frame, kMedGray);

        auto* picture = new PictureBox(frame);
        picture->setObjectName(QStringLiteral("Image%1").arg(tile));
        picture->setCursor(Qt::PointingHandCursor);
        MarkCard(picture, tile);
        connect(picture, &PictureBox::clicked, this, [this, tile] { ImageClick(tile); });

        frames_[static_cast<std::size_t>(tile)] = frame;
        images_[static_cast<std::size_t>(tile)] = picture;
    }

    Label1 = PointsLabel(Panel1, "Label1");
    Label1->setText(tr("Points"));
    Label2 = PointsLabel(Panel1, "Label2");
    MarkPoints(Label2);
    Players1 = new PlayersLine(Panel1);  // shown in place of the two in a game of two
    sizing_ = new BoardSizing(
        *this, [this](std::exception_ptr failure) { ReportPlayFailure(std::move(failure)); });
    sizing_->LayOut();
}

void TForm1::BuildMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    Game1 = menuBar()->addMenu(tr("&Game"));
    Game1->setObjectName(QStringLiteral("Game1"));
    new1 = MenuAction(Game1, "new1", tr("&New"), Qt::Key_F2);
    Leads1 = MenuAction(Game1, "Leads1", tr("&Leads"), Qt::Key_F3);
    N2 = Separator(Game1, "N2");
    Showmeplease1 = MenuAction(Game1, "Showmeplease1", tr("&Show!"), Qt::Key_F4);
    N1 = Separator(Game1, "N1");
    ExitF101 = MenuAction(Game1, "ExitF101", tr("E&xit"), Qt::Key_F10);

    Options1 = menuBar()->addAction(tr("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));

    // What the program adds to the game lives in this one menu, between "&Options" and "&Help".
    Play1 = menuBar()->addMenu(tr("&Play"));
    Play1->setObjectName(QStringLiteral("Play1"));
    playMenu_ = new PlayMenu(Play1, state_.Config.Play, state_.InputState, this);
    OnePlayer1 = playMenu_->OnePlayer1;
    TwoPlayers1 = playMenu_->TwoPlayers1;
    AgainstComputer1 = playMenu_->AgainstComputer1;
    Sounds1 = playMenu_->Sounds1;
    Animatecards1 = playMenu_->Animatecards1;
    Saythescore1 = playMenu_->Saythescore1;
    Repeatthecomputersturn1 = playMenu_->Repeatthecomputersturn1;
    RecordGames1 = playMenu_->RecordGames1;
    Statistics1 = playMenu_->Statistics1;

    Help1 = menuBar()->addMenu(tr("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    HowToPlay1 = MenuAction(Help1, "HowToPlay1", tr("How to &play"), Qt::Key_F1);
    About1 = MenuAction(Help1, "About1", tr("&About"), Qt::Key_unknown);
    TellMenuItems(Game1);  // so that a screen reader says "New F2"
    TellMenuItems(Help1);

    connect(new1, &QAction::triggered, this, &TForm1::new1Click);
    connect(Leads1, &QAction::triggered, this, &TForm1::Leads1Click);
    connect(Showmeplease1, &QAction::triggered, this, &TForm1::Showmeplease1Click);
    connect(ExitF101, &QAction::triggered, this, &TForm1::ExitF101Click);
    connect(Options1, &QAction::triggered, this, &TForm1::Options1Click);
    connect(HowToPlay1, &QAction::triggered, this, &TForm1::HowToPlay1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(OnePlayer1, &QAction::triggered, this, &TForm1::OnePlayer1Click);
    connect(TwoPlayers1, &QAction::triggered, this, &TForm1::TwoPlayers1Click);
    connect(AgainstComputer1, &QAction::triggered, this, &TForm1::AgainstComputer1Click);
    // triggered, not toggled: only a player's choice, never the stored setting, loads at once.
    connect(Sounds1, &QAction::triggered, this, &TForm1::Sounds1Click);
    connect(Animatecards1, &QAction::triggered, this, &TForm1::Animatecards1Click);
    connect(Saythescore1, &QAction::triggered, this, &TForm1::Saythescore1Click);
    connect(Repeatthecomputersturn1, &QAction::triggered, this,
            &TForm1::Repeatthecomputersturn1Click);
    connect(RecordGames1, &QAction::triggered, this, &TForm1::RecordGames1Click);
    connect(Statistics1, &QAction::triggered, this, &TForm1::Statistics1Click);
    for (QAction* size : playMenu_->Sizes) {
        connect(size, &QAction::triggered, this,
                [this, size] { CardSizeClick(static_cast<CardSize>(size->data().toInt())); });
    }
    connect(playMenu_->Larger1, &QAction::triggered, this, &TForm1::LargerClick);
    connect(playMenu_->Smaller1, &QAction::triggered, this, &TForm1::SmallerClick);
    connect(playMenu_->NormalSize1, &QAction::triggered, this,
            [this] { CardSizeClick(CardSize::Normal); });
}

// The order in which the concerns hear each outcome: the deal's players first, whom the others
// name; the points line; the end of a game, whose dialogs are queued before the record is handed
// a finished game (recording never delays them); the sounds; the record; speech last.
void TForm1::BuildListeners() {
    scoreLine_ = std::make_unique<ScoreLine>(Label1, Label2, Players1, dealt_);
    sizing_->SetScoreLine(scoreLine_.get());
    speech_ = std::make_unique<SpokenOutcomes>(
        [this](const QString& text) { announcer_->Announce(text); }, dealt_,
        [this](std::int32_t face) { return PictureName(face); }, [this] { return isVisible(); });
    gameEnd_ = new GameEndListener(this, state_.InputState, *announcer_, dealt_, *speech_);
    gameEnd_->OnCardSetLost([this] { DealInPlaceOfLostCardSet(); });
    connect(gameEnd_, &GameEndListener::nameEntered, this,
            [this](const QString& name) { recording_.NameEntered(name); });
    connect(gameEnd_, &GameEndListener::playAgain, this, &TForm1::new1Click);  // as F2 does
    sounds_ =
        new GameSounds(QDir(ProgramFolder()).filePath(QLatin1String(kSoundsFolderName)), this);
    sounds_->OnSilenced([this] { ShowSoundsSilenced(); });
    recording_.SetRecordedHandler([this] {
        if (statistics_ != nullptr) {
            statistics_->RefreshStatistics();
        }
    });

    outcomes_.Add(dealt_);
    outcomes_.Add(*scoreLine_);
    outcomes_.Add(*gameEnd_);
    outcomes_.Add(*sounds_);
    // The motion only draws what the board already shows, and holds nothing.
    motion_ = new CardMotion([this](int tile) { return Image(tile); }, Panel1,
                             DesktopAsksForLessMotion(), this);
    outcomes_.Add(*motion_);
    outcomes_.Add(recording_);
    outcomes_.Add(*speech_);
}

}  // namespace tavro
