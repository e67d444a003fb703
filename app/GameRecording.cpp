// SPDX-License-Identifier: GPL-3.0-or-later
// Recording games from the main window: the tally, the record made from it and the game's
// settings, and the hand-over to the records module.
#include "app/GameRecording.h"

#include <QDateTime>
#include <QWidget>
#include <QtGlobal>

#include "dialogkit/ErrorReport.h"
#include "modules/ModuleLoader.h"
#include "settings/CardSetInfo.h"

namespace tavro {
namespace {

using Clock = GameTally::Clock;

// Who played the game and how each scored: the one place that fills the record's mode, strength
// and players, from the Play menu's settings the game was dealt with and the tally's scores.
void FillPlayers(GameRecord& record, const PlaySettings& play, const GameCounts& counts) {
    const auto nameOf = [&play](int player) {
        return QString::fromStdString(play.PlayerNames[static_cast<std::size_t>(player)]);
    };
    record.mode = play.Mode;
    record.strength.reset();
    switch (play.Mode) {
        case PlayMode::OnePlayer:
            record.players = {{nameOf(0), counts.points, false}};
            return;
        case PlayMode::TwoPlayers:
            record.players = {{nameOf(0), counts.playerPoints[0], false},
                              {nameOf(1), counts.playerPoints[1], false}};
            return;
        case PlayMode::AgainstComputer:
            record.strength = play.Strength;
            record.players = {{nameOf(0), counts.playerPoints[0], false},
                              {QString(), counts.playerPoints[kComputerPlayer], true}};
            return;
    }
}

}  // namespace

GameRecording::GameRecording(QWidget* window, const Settings& settings)
    : window_(window), settings_(settings) {}

GameRecording::~GameRecording() {
    if (recorder_ != nullptr) {
        recorder_->SetHandlers({}, {});  // the module outlives this window
    }
}

void GameRecording::Hear(const Outcome& outcome) {
    if (outcome.kind == Outcome::Kind::NewGameDealt) {
        dealtWith_ = settings_;
        left_ = false;
    }
    tally_.Observe(outcome, Clock::now());
    if (outcome.kind != Outcome::Kind::GameEnded || window_ == nullptr || !on_) {
        return;
    }
    pending_ = RecordOf(GameEnd::Finished);
    // From the event loop, after the name entry the main window has queued already.
    QMetaObject::invokeMethod(
        window_, [this] { HandOverPending(); }, Qt::QueuedConnection);
}

void GameRecording::Leave(GameEnd why) {
    if (!on_ || left_ || !tally_.LeftWithTurns()) {
        return;
    }
    left_ = true;
    HandOver(RecordOf(why));
}

void GameRecording::NameEntered(const QString& name) {
    if (pending_) {
        pending_->leadName = name;  // goes with the game
    } else if (finishedTicket_ && recorder_ != nullptr) {
        recorder_->SetLeadName(*finishedTicket_, name);
    }
}

void GameRecording::HandOverPending() {
    if (pending_) {
        const GameRecord record = *std::exchange(pending_, std::nullopt);
        finishedTicket_ = HandOver(record);
    }
}

bool GameRecording::WaitForWrites(int milliseconds) {
    return recorder_ == nullptr || recorder_->WaitForWrites(milliseconds);
}

GameRecord GameRecording::RecordOf(GameEnd end) const {
    const GameCounts counts = tally_.Counts(Clock::now());
    GameRecord record;
    record.playedAt = QDateTime::currentDateTimeUtc();
    record.setFolder = QString::fromStdString(dealtWith_.CardSetName);
    record.setName = CardSetShownName(
        ReadCardSetInfo(QString::fromStdString(dealtWith_.CardFolder)), record.setFolder);
    record.delayMs = dealtWith_.FlipDelay;
    FillPlayers(record, dealtWith_.Play, counts);
    record.turns = counts.turns;
    record.matches = counts.matches;
    record.mismatches = counts.mismatches;
    record.hints = counts.hints;
    record.playedMs = counts.playedMilliseconds;
    record.end = end;
    return record;
}

RecordTicket GameRecording::HandOver(const GameRecord& record) {
    GameRecorder* recorder = Recorder();
    return recorder == nullptr ? 0 : recorder->Record(record);
}

GameRecorder* GameRecording::Recorder() {
    if (recorder_ != nullptr || recorderMissing_) {
        return recorder_;
    }
    QString error;
    recorder_ = LoadModuleAs<GameRecorder>(QStringLiteral("records"), &error);
    if (recorder_ == nullptr) {
        // The game is whole without its record; a broken installation is told in the log.
        recorderMissing_ = true;
        qWarning("Tavro Memory: games are not recorded: %s", qPrintable(error));
        return nullptr;
    }
    recorder_->SetHandlers(
        [this](const QString& notice) {
            if (window_ != nullptr) {
                ReportError(window_, notice);
            }
        },
        [this] {
            if (recorded_) {
                recorded_();
            }
        });
    return recorder_;
}

}  // namespace tavro
