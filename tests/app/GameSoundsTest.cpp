// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sounds against a player that stands in for the sounds module: a set-up that
// does not finish in time silences the sounds for the run with one notice, however often the
// player turns them off and on; sounds asked for before the set-up has finished are dropped; a
// missing module is silent without a notice; the end closes the player once, with a bounded wait.
#include <QCoreApplication>
#include <QTest>

#include "app/GameSounds.h"
#include "audio/SoundPlayer.h"

using namespace tavro;

namespace {

class FakePlayer : public SoundPlayer {
public:
    void Load(const QString& /*folder*/) override { ++loads; }
    bool SetUp() const override { return setUp; }
    void Play(Sound /*sound*/) override { ++plays; }
    void Close(int waitMs) override { closeWaits.append(waitMs); }

    bool setUp = false;
    int loads = 0;
    int plays = 0;
    QList<int> closeWaits;
};

constexpr Outcome kCardTurned{Outcome::Kind::FaceShown, 1};

void RunQueued() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

class GameSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void setUpInTimeOrNot_data() {
        QTest::addColumn<bool>("moduleThere");
        QTest::addColumn<bool>("setUp");
        QTest::addColumn<int>("notices");
        QTest::addColumn<int>("plays");
        QTest::newRow("set up in time") << true << true << 0 << 1;
        QTest::newRow("server never answers") << true << false << 1 << 0;
        QTest::newRow("module missing") << false << false << 0 << 0;
    }
    void setUpInTimeOrNot() {
        QFETCH(bool, moduleThere);
        QFETCH(bool, setUp);
        QFETCH(int, notices);
        QFETCH(int, plays);
        FakePlayer player;
        player.setUp = setUp;
        int noticed = 0;
        {
            GameSounds sounds(
                QStringLiteral("sounds"), nullptr,
                [&](QString*) { return moduleThere ? &player : nullptr; }, 0);
            sounds.OnSilenced([&] { ++noticed; });
            sounds.SetOn(true);
            RunQueued();  // the set-up's limit is over
            // Turned off and on, and played: the run keeps what it found.
            for (int round = 0; round < 3; ++round) {
                sounds.SetOn(false);
                sounds.SetOn(true);
                RunQueued();
            }
            sounds.Follow(kCardTurned);
            RunQueued();
            QCOMPARE(noticed, notices);
            QCOMPARE(sounds.Silenced(), notices > 0);
            QCOMPARE(player.plays, plays);
            QCOMPARE(player.loads, moduleThere ? 1 : 0);
        }
        // The end waits for the player's thread once, at most a second.
        QCOMPARE(player.closeWaits, moduleThere ? QList<int>{kSoundCloseWaitMs} : QList<int>{});
        QVERIFY(kSoundCloseWaitMs <= 1000);
    }

    // Before the limit: a sound asked for while the device is set up is dropped, not played late.
    void soundsBeforeTheSetUpAreDropped() {
        FakePlayer player;
        GameSounds sounds(QStringLiteral("sounds"), nullptr, [&](QString*) { return &player; });
        int noticed = 0;
        sounds.OnSilenced([&] { ++noticed; });
        sounds.SetOn(true);
        sounds.Follow(kCardTurned);
        RunQueued();
        QCOMPARE(player.plays, 0);
        player.setUp = true;
        sounds.Follow(kCardTurned);
        RunQueued();
        QCOMPARE(player.plays, 1);
        QCOMPARE(noticed, 0);
    }
};

QTEST_GUILESS_MAIN(GameSoundsTest)
#include "GameSoundsTest.moc"
