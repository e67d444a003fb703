// SPDX-License-Identifier: GPL-3.0-or-later
// Playing the board from the keyboard: the cursor ring appears only with the first arrow key (a
// mouse player's board is unchanged), it is drawn in black and white (never the hint's blue),
// the arrows move it and stop at the edges, and Space or Enter turn its card the way a click
// does: the same gate, the same points, the same wait after a mismatch.
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "AccessTestSupport.h"
#include "app/ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The picture of tile k as the board shows it, cut from a grab of the board.
QImage TileInGrab(const QImage& board, const TForm1& form, int tile) {
    const QPoint corner = form.Image(tile)->mapTo(form.Panel1, QPoint(0, 0));
    const qreal ratio = board.devicePixelRatio();
    return board.copy(QRect(corner * ratio, form.Image(tile)->size() * ratio));
}

// The same picture drawn by a picture box of its own, with no cursor ring.
QImage PlainTile(const TForm1& form, int tile) {
    PictureBox reference;
    reference.resize(form.Image(tile)->size());
    reference.setPicture(form.Image(tile)->picture());
    return reference.grab().toImage();
}

QImage Board(TForm1& form) {
    return form.Panel1->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class BoardKeysTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void boardLooksAsBeforeUntilTheFirstArrowKey() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        // Keys that are not arrows, Space or Enter leave the board alone.
        QTest::keyClick(&form, Qt::Key_A);
        QTest::keyClick(&form, Qt::Key_Tab);
        QCOMPARE(form.CursorTile(), 0);
        const QImage before = Board(form);
        for (int tile = 1; tile <= kTileCount; ++tile) {
            QCOMPARE(TileInGrab(before, form, tile),
                     PlainTile(form, tile).convertToFormat(QImage::Format_RGB32));
        }
        // A click turns the card without any ring.
        QTest::mouseClick(form.Image(8), Qt::LeftButton);
        QCOMPARE(form.CursorTile(), 0);
        QCOMPARE(TileInGrab(Board(form), form, 8),
                 PlainTile(form, 8).convertToFormat(QImage::Format_RGB32));
    }

    void ringIsBlackAndWhiteAndOnlyOnItsTile() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        QTest::keyClick(&form, Qt::Key_Down);  // the first arrow shows the ring on tile 1
        QCOMPARE(form.CursorTile(), 1);
        const QImage board = Board(form);
        for (int tile = 2; tile <= kTileCount; ++tile) {
            QCOMPARE(TileInGrab(board, form, tile),
                     PlainTile(form, tile).convertToFormat(QImage::Format_RGB32));
        }
        const QImage withRing = TileInGrab(board, form, 1);
        const QImage plain = PlainTile(form, 1).convertToFormat(QImage::Format_RGB32);
        int black = 0;
        int white = 0;
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb shown = withRing.pixel(x, y);
                if (shown == plain.pixel(x, y)) {
                    continue;
                }
                // Every changed pixel is black or white: nothing to take for the hint's blue.
                QVERIFY2(shown == qRgb(0, 0, 0) || shown == qRgb(255, 255, 255),
                         qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(QColor(shown).name())));
                ++(shown == qRgb(0, 0, 0) ? black : white);
            }
        }
        QVERIFY(black > 40);
        QVERIFY(white > 40);
        // The ring lies inside the picture, so the frame around it, where the hint's blue goes,
        // keeps its colour.
        QCOMPARE(form.Frame(1)->palette().color(QPalette::Window), QColor(0xA0, 0xA0, 0xA4));
    }

    void arrowsMoveTheRingAndStopAtTheEdges() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        QTest::keyClick(&form, Qt::Key_Left);
        QCOMPARE(form.CursorTile(), 1);
        QTest::keyClick(&form, Qt::Key_Left);
        QTest::keyClick(&form, Qt::Key_Up);
        QCOMPARE(form.CursorTile(), 1);
        QTest::keyClick(&form, Qt::Key_Right);
        QTest::keyClick(&form, Qt::Key_Right);
        QTest::keyClick(&form, Qt::Key_Down);
        QCOMPARE(form.CursorTile(), 9);  // row 2, column 3
        QVERIFY(form.Image(9)->cursorRingShown());
        QVERIFY(!form.Image(1)->cursorRingShown());
        for (int step = 0; step < 8; ++step) {
            QTest::keyClick(&form, Qt::Key_Down);
            QTest::keyClick(&form, Qt::Key_Right);
        }
        QCOMPARE(form.CursorTile(), 36);
        // The keys still reach the board while the focused card holds the focus.
        QCOMPARE(QApplication::focusWidget(), form.Image(36));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(form.CursorTile(), 30);
    }

    void spaceOrEnterBeforeAnyArrowDoNothing() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        QTest::keyClick(&form, Qt::Key_Space);
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(form.CursorTile(), 0);
        QCOMPARE(form.state().Game.FirstPick, 0);
        for (int tile = 1; tile <= kTileCount; ++tile) {
            QVERIFY(!form.Image(tile)->cursorRingShown());
        }
    }

    void spaceAndEnterTurnCardsLikeClicks() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        const int partner = PartnerOf(game, 1);

        WalkTo(form, 1);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(game.FirstPick, 1);
        QCOMPARE(form.Image(1)->picture().pixelColor(0, 0), FaceColour(game.BoardFaces[Slot(1)]));
        QTest::keyClick(&form, Qt::Key_Space);  // the card already up ignores it, as a click
        QCOMPARE(game.FirstPick, 1);
        QCOMPARE(game.Points, 0);

        WalkTo(form, partner);
        QTest::keyClick(&form, Qt::Key_Return);
        QCOMPARE(game.Points, 100);
        QCOMPARE(game.MatchedCount, 2);
        QCOMPARE(form.Label2->text(), QStringLiteral("100"));
    }

    void keysKeepTheGateAndTheWaitOfAMismatch() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        form.state().Config.FlipDelay = 400;
        const GameState& game = form.state().Game;
        const int other = PartnerOf(game, 1) == 2 ? 3 : 2;
        const int third = PartnerOf(game, 1) == 4 ? 5 : 4;

        WalkTo(form, 1);
        QTest::keyClick(&form, Qt::Key_Enter);
        WalkTo(form, other);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(game.Points, -10);
        QCOMPARE(form.state().InputState, kInputBusy);
        // During the wait the ring still moves, but a card does not turn.
        WalkTo(form, third);
        QCOMPARE(form.CursorTile(), third);
        QTest::keyClick(&form, Qt::Key_Space);
        QCOMPARE(form.Image(third)->picture().pixelColor(0, 0), CardBackColour());
        QCOMPARE(game.FirstPick, 1);
        QTRY_COMPARE_WITH_TIMEOUT(form.state().InputState, kInputReady, 3000);
        QCOMPARE(form.Image(1)->picture().pixelColor(0, 0), CardBackColour());
        QCOMPARE(form.Image(other)->picture().pixelColor(0, 0), CardBackColour());
        QCOMPARE(game.Points, -10);
    }

    void aWholeGameFromTheKeyboardEndsInTheNameEntry() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        auto named = std::make_shared<bool>(false);
        WhenModal<TForm2>([named](TForm2* dialog) {
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("Keys"));
            WhenModal<TForm3>([](TForm3* leads) { QTest::keyClick(leads, Qt::Key_Escape); });
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
            *named = true;
        });
        for (int tile = 1; tile <= kTileCount; ++tile) {
            bool matched = false;
            for (int slot = 1; slot <= game.MatchedCount; ++slot) {
                matched = matched || game.MatchedTiles[Slot(slot)] == tile;
            }
            if (matched) {
                continue;
            }
            WalkTo(form, tile);
            QTest::keyClick(&form, Qt::Key_Space);
            WalkTo(form, PartnerOf(game, tile));
            QTest::keyClick(&form, Qt::Key_Space);
        }
        QCOMPARE(game.MatchedCount, kTileCount);
        QCOMPARE(game.Points, 1800);
        QTRY_VERIFY(*named);
        QCOMPARE(form.state().Leads.LeadPoints[0], 1800);
    }
};

TAVRO_WIDGET_TEST_MAIN(BoardKeysTest)
#include "BoardKeysTest.moc"
