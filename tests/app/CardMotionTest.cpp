// SPDX-License-Identifier: GPL-3.0-or-later
// The cards' motion, stepped by hand (QVariantAnimation::setCurrentTime), never timed: a turn
// squeezes the old side and opens the new one to full width; a still picture control paints as it
// always did; the motion never holds the input gate or lengthens the core's waits; the end's
// confetti lets clicks through and goes away; the desktop's wish for less motion is honoured.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#include "ProgramUnderTest.h"
#include "app/CardMotion.h"
#include "app/Celebration.h"
#include "controls/PictureBox.h"
#include "game/GameEngine.h"
#include "game/TileSlot.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

using namespace tavro;
using namespace tavro::test;

namespace {

const QSize kCard(40, 50);

QImage Filled(const QColor& colour) {
    QImage image(kCard, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Grab(PictureBox& box) {
    return box.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The picture control's paint before it could move: the picture over the whole control, on the
// background a grab gives any widget.
QImage StillPaint(PictureBox& box, const QImage& picture) {
    QImage expected(box.size(), QImage::Format_RGB32);
    expected.fill(box.palette().color(box.backgroundRole()));
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(box.size())), picture);
    return expected;
}

// Each picture a face's own colour, the back grey; the views of the core's calls as data.
class RecordingView : public BoardView {
public:
    explicit RecordingView(std::vector<std::unique_ptr<PictureBox>>& boxes) : boxes_(boxes) {}
    void showTilePicture(int tile, std::int32_t face) override {
        boxes_[static_cast<std::size_t>(tile)]->setPicture(
            Filled(face == kCardBack ? QColor(Qt::gray) : QColor::fromHsv(face * 19, 200, 200)));
    }
    void showPoints(std::int32_t) override {}
    void setHintCommandEnabled(bool) override {}
    void setFrameColour(int, std::uint32_t) override {}
    void requestWait(const WaitRequest& wait) override { waits.push_back(wait); }
    void reportOutcome(const Outcome& outcome) override {
        if (motion != nullptr) {
            motion->Hear(outcome);
        }
    }
    std::vector<WaitRequest> waits;
    CardMotion* motion = nullptr;

private:
    std::vector<std::unique_ptr<PictureBox>>& boxes_;
};

}  // namespace

class CardMotionTest : public ModalCheckedTest {
    Q_OBJECT
    QTemporaryDir config_;

    void WriteGtkSettings(const QByteArray& text) {
        QDir(config_.path()).mkpath(QStringLiteral("gtk-3.0"));
        QFile file(config_.filePath(QStringLiteral("gtk-3.0/settings.ini")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

private slots:
    // The desktop's settings are the test's own, never the machine's.
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toLocal8Bit()); }
    // Where the turn stands at a time: which side shows in the middle, and whether it reaches the
    // edges. Eased, so the line is reached at half time.
    void turnSqueezesTheOldSideAndOpensTheNew_data() {
        QTest::addColumn<int>("ms");
        QTest::addColumn<QColor>("middle");
        QTest::addColumn<bool>("fullWidth");
        QTest::newRow("start") << 0 << QColor(Qt::red) << true;
        QTest::newRow("squeezing") << 60 << QColor(Qt::red) << false;
        QTest::newRow("opening") << 120 << QColor(Qt::blue) << false;
        QTest::newRow("done") << kCardTurnMs << QColor(Qt::blue) << true;
    }
    void turnSqueezesTheOldSideAndOpensTheNew() {
        QFETCH(int, ms);
        QFETCH(QColor, middle);
        QFETCH(bool, fullWidth);
        PictureBox box;
        box.resize(kCard);
        box.setPicture(Filled(Qt::red));
        box.setPicture(Filled(Qt::blue));
        box.animateTurn(kCardTurnMs);
        QVERIFY(box.turnAnimation() != nullptr);
        box.turnAnimation()->setCurrentTime(ms);
        const QImage shot = Grab(box);
        QCOMPARE(shot.pixelColor(kCard.width() / 2, kCard.height() / 2), middle);
        QCOMPARE(shot.pixelColor(1, kCard.height() / 2) == middle, fullWidth);
        QCOMPARE(box.picture().pixelColor(0, 0), QColor(Qt::blue));  // the new side at once
        if (ms == kCardTurnMs) {
            QCOMPARE(box.turnProgress(), 1.0);
            QCOMPARE(shot, StillPaint(box, Filled(Qt::blue)));
        }
    }

    // Without motion, and once a motion is over, the control paints exactly as it always did.
    void aStillControlPaintsAsBefore_data() {
        QTest::addColumn<int>("motion");  // 0 none, 1 a finished turn, 2 a finished lift, 3 stopped
        QTest::newRow("never moved") << 0;
        QTest::newRow("turn over") << 1;
        QTest::newRow("lift over") << 2;
        QTest::newRow("stopped half-way") << 3;
    }
    void aStillControlPaintsAsBefore() {
        QFETCH(int, motion);
        QImage picture(kCard, QImage::Format_RGB32);
        for (int y = 0; y < kCard.height(); ++y) {
            for (int x = 0; x < kCard.width(); ++x) {
                picture.setPixelColor(x, y, QColor(x * 6, y * 5, (x + y) * 2));
            }
        }
        PictureBox box;
        box.resize(kCard);
        box.setPicture(Filled(Qt::green));
        box.setPicture(picture);
        if (motion == 1) {
            box.animateTurn(kCardTurnMs);
            box.turnAnimation()->setCurrentTime(kCardTurnMs);
        } else if (motion == 2) {
            box.animateLift(kPairLiftMs);
            box.liftAnimation()->setCurrentTime(kPairLiftMs / 2);
            QVERIFY(Grab(box) != StillPaint(box, picture));  // the frame shows meanwhile
            box.liftAnimation()->setCurrentTime(kPairLiftMs);
        } else if (motion == 3) {
            box.animateTurn(kCardTurnMs);
            box.animateLift(kPairLiftMs);
            box.turnAnimation()->setCurrentTime(kCardTurnMs / 3);
            box.stopMotion();
        }
        QCOMPARE(Grab(box), StillPaint(box, picture));
    }

    // Through the window: with the motion on, a card turns on screen, and the next card is taken
    // at once, the gate as the core leaves it; a match lifts both cards.
    void theNextClickIsTakenAtOnce() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        form.Animatecards1->trigger();
        QVERIFY(form.Animatecards1->isChecked());
        QVERIFY(form.state().Config.Play.Animate);
        const GameState& game = form.state().Game;
        const int partner = PartnerOf(game, 1);

        QTest::mouseClick(form.Image(1), Qt::LeftButton);
        QVERIFY(form.Image(1)->turnAnimation() != nullptr);
        QCOMPARE(form.Image(1)->turnAnimation()->state(), QAbstractAnimation::Running);
        QCOMPARE(form.state().InputState, kInputReady);
        QTest::mouseClick(form.Image(partner), Qt::LeftButton);  // the turn still runs
        QCOMPARE(form.engine().TileStateOf(partner), TileState::Matched);
        QCOMPARE(form.state().InputState, kInputReady);
        QVERIFY(form.Image(partner)->turnAnimation() != nullptr);
        QVERIFY(form.Image(1)->liftAnimation() != nullptr);
        QVERIFY(form.Image(partner)->liftAnimation() != nullptr);
        form.Image(partner)->turnAnimation()->setCurrentTime(kCardTurnMs);
        QCOMPARE(form.Image(partner)->turnProgress(), 1.0);

        form.Animatecards1->trigger();  // off: still at once
        QCOMPARE(form.Image(1)->turnProgress(), 1.0);
        QVERIFY(form.Image(1)->liftAnimation() == nullptr);
        const int third = partner == 2 ? 3 : 2;
        QTest::mouseClick(form.Image(third), Qt::LeftButton);
        QVERIFY(form.Image(third)->turnAnimation() == nullptr);
    }

    // A whole game with the motion on ends as it always did: the name entry opens over the
    // confetti, and a new game clears it away.
    void theEndsDialogsOpenOverTheConfetti() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        SharedState& state = form.state();
        form.Animatecards1->trigger();
        auto confettiAtNameEntry = std::make_shared<bool>(false);
        WhenModal<TForm2>([&form, confettiAtNameEntry](TForm2* dialog) {
            *confettiAtNameEntry = form.motion().Shown() != nullptr;
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("Winner"));
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
        });
        auto leadsShown = std::make_shared<bool>(false);
        WhenModal<TForm3>([leadsShown](TForm3* dialog) {
            *leadsShown = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        for (int tile = 1; tile <= kTileCount; ++tile) {
            const int partner = PartnerOf(state.Game, tile);
            if (partner > tile) {
                QTest::mouseClick(form.Image(tile), Qt::LeftButton);
                QTest::mouseClick(form.Image(partner), Qt::LeftButton);
            }
        }
        QCOMPARE(state.Game.MatchedCount, kTileCount);
        QTRY_VERIFY(*leadsShown);
        QVERIFY(*confettiAtNameEntry);
        QCOMPARE(state.InputState, kInputReady);
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(form.motion().Shown() == nullptr);
    }

    // The mismatch's wait is the core's: asked for when the second card shows, of the delay the
    // player set, the same with the motion on or off. The pair then turns back on screen.
    void theMismatchWaitsTheSetDelay_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("lessMotion");
        QTest::newRow("off") << false << false;
        QTest::newRow("on") << true << false;
        QTest::newRow("on, desktop asks for less") << true << true;
    }
    void theMismatchWaitsTheSetDelay() {
        QFETCH(bool, on);
        QFETCH(bool, lessMotion);
        std::vector<std::unique_ptr<PictureBox>> boxes;
        for (int tile = 0; tile <= kTileCount; ++tile) {
            boxes.push_back(std::make_unique<PictureBox>());
            boxes.back()->resize(kCard);
        }
        QWidget board;
        CardMotion motion([&](int tile) { return boxes[static_cast<std::size_t>(tile)].get(); },
                          &board, lessMotion, nullptr);
        motion.SetOn(on);
        RecordingView view(boxes);
        view.motion = &motion;
        GameState game;
        InputGate gate;
        const std::int32_t delay = 650;
        GameEngine engine(game, gate, view, delay, [] { return 0; });
        engine.NewGame();
        const int other = PartnerOf(game, 1) == 2 ? 3 : 2;

        engine.SelectTile(1);
        engine.SelectTile(other);
        QCOMPARE(view.waits.size(), std::size_t{1});  // asked for within the second card's call
        const WaitRequest wait = view.waits.front();
        QCOMPARE(wait.kind, WaitRequest::Kind::TurnBackPair);
        QCOMPARE(wait.milliseconds, delay);
        QVERIFY(!gate.IsOpen());  // the core's hold, until the wait is over

        const bool moving = on && !lessMotion;
        engine.FinishWait(wait);
        QVERIFY(gate.IsOpen());
        for (int tile : {1, other}) {
            PictureBox& box = *boxes[static_cast<std::size_t>(tile)];
            QCOMPARE(box.turnAnimation() != nullptr, moving);
            if (moving) {
                box.turnAnimation()->setCurrentTime(kCardTurnMs);
            }
            QCOMPARE(Grab(box), StillPaint(box, Filled(Qt::gray)));
        }
    }

    // The end's confetti covers the board, lets every click through, and is gone after its time.
    void theEndsConfettiPassesClicksAndGoes() {
        std::vector<std::unique_ptr<PictureBox>> boxes;
        for (int tile = 0; tile <= kTileCount; ++tile) {
            boxes.push_back(std::make_unique<PictureBox>());
        }
        QWidget board;
        board.resize(300, 300);
        board.show();
        CardMotion motion([&](int tile) { return boxes[static_cast<std::size_t>(tile)].get(); },
                          &board, false, nullptr);
        Outcome end{Outcome::Kind::GameEnded};
        motion.Hear(end);
        QVERIFY(motion.Shown() == nullptr);  // off

        motion.SetOn(true);
        motion.Hear(end);
        QPointer<Celebration> shown = motion.Shown();
        QVERIFY(shown != nullptr);
        QCOMPARE(shown->geometry(), board.rect());
        QVERIFY(shown->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(shown->focusPolicy(), Qt::NoFocus);
        shown->animation()->setCurrentTime(kCelebrationMs / 2);
        board.resize(450, 450);  // a new card size meanwhile
        QCOMPARE(shown->geometry(), board.rect());
        shown->animation()->setCurrentTime(kCelebrationMs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(shown.isNull());
    }

    // Only an explicit "false" (or 0) in GTK's settings asks for less motion; the last line wins.
    void gtkSettingsAskForLessMotion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("less");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("false") << "[Settings]\ngtk-enable-animations=false\n" << true;
        QTest::newRow("spaced 0") << "[Settings]\n  gtk-enable-animations = 0 \n" << true;
        QTest::newRow("true") << "[Settings]\ngtk-enable-animations=true\n" << false;
        QTest::newRow("last wins") << "gtk-enable-animations=false\ngtk-enable-animations=1\n"
                                   << false;
        QTest::newRow("other key") << "gtk-enable-animations-x=false\n" << false;
        QTest::newRow("commented") << "#gtk-enable-animations=false\n" << false;
    }
    void gtkSettingsAskForLessMotion() {
        QFETCH(QString, text);
        QFETCH(bool, less);
        QCOMPARE(GtkSettingsDisableAnimations(text), less);
    }

    // The file is read only when it is a regular file of at most 64 KiB.
    void desktopSettingsFileIsReadWithCare() {
        QVERIFY(!DesktopAsksForLessMotion());  // no file
        WriteGtkSettings("[Settings]\ngtk-enable-animations=false\n");
        QVERIFY(DesktopAsksForLessMotion());
        WriteGtkSettings("[Settings]\ngtk-enable-animations=false\n" + QByteArray(70 * 1024, '#'));
        QVERIFY(!DesktopAsksForLessMotion());  // too long to be read
        QVERIFY(QFile::remove(config_.filePath(QStringLiteral("gtk-3.0/settings.ini"))));
        QVERIFY(QDir(config_.path()).mkpath(QStringLiteral("gtk-3.0/settings.ini")));
        QVERIFY(!DesktopAsksForLessMotion());  // a folder in its place
        QVERIFY(QDir(config_.filePath(QStringLiteral("gtk-3.0/settings.ini"))).removeRecursively());
    }
};

TAVRO_WIDGET_TEST_MAIN(CardMotionTest)
#include "CardMotionTest.moc"
