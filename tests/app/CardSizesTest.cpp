// SPDX-License-Identifier: GPL-3.0-or-later
// The card sizes on an offscreen screen of 1920 x 1080, a size per row of the table: the window
// within the screen's available area and as large as chosen unless the screen holds less, a click
// at every tile's centre turning that tile, the keyboard reaching the last card, the screen
// reader's card rectangles, and the pictures read at the pixels they are shown (a fine-striped
// back stays striped when enlarged, where one read at 60 pixels and blown up would be grey).
// Normal keeps the designed geometry to the pixel.
#include <QAccessible>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "ProgramUnderTest.h"
#include "app/BoardGeometry.h"
#include "app/CardSizes.h"
#include "app/PlayersLine.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "dialogkit/DialogLook.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// A card back of 240 x 240 pixels in vertical stripes two pixels wide, black and white: read
// straight at 120 pixels it stays black and white; through 60 pixels it would be a flat grey.
void WriteStripedBack(const QString& fileName) {
    QImage back(240, 240, QImage::Format_RGB32);
    for (int x = 0; x < back.width(); ++x) {
        const QRgb colour = (x / 2) % 2 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        for (int y = 0; y < back.height(); ++y) {
            back.setPixel(x, y, colour);
        }
    }
    QVERIFY(back.save(fileName, "BMP"));
}

// The lightest and darkest grey across the middle row of a picture.
int Contrast(const QImage& picture) {
    int darkest = 255;
    int lightest = 0;
    for (int x = 0; x < picture.width(); ++x) {
        const int grey = qGray(picture.pixel(x, picture.height() / 2));
        darkest = std::min(darkest, grey);
        lightest = std::max(lightest, grey);
    }
    return lightest - darkest;
}

QAction* SizeItem(TForm1& form, const char* name) {
    return form.Play1->findChild<QMenu*>(QStringLiteral("CardSize1"))
        ->findChild<QAction*>(QLatin1String(name));
}

}  // namespace

class CardSizesTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void stepsAndFitting() {
        struct Step {
            double shown;
            bool larger;
            CardSize expected;
        };
        for (const Step& step :
             {Step{1.0, true, CardSize::Large150}, Step{1.5, true, CardSize::Large200},
              Step{3.0, true, CardSize::Large300},  // the end stays
              Step{2.07, true, CardSize::Large300},
              Step{2.07, false, CardSize::Large200},  // below what is shown
              Step{2.0, false, CardSize::Large150}, Step{1.0, false, CardSize::Normal},
              Step{0.6, true, CardSize::Normal}}) {
            QCOMPARE(SteppedCardSize(step.shown, step.larger), step.expected);
        }
        const QSize designed(kClientWidth, kClientHeight);
        // The room left by what keeps its size, rounded down to a thousandth.
        QCOMPARE(FittingScale(designed, QSize(0, 20), QSize(1000, 1030)), 2.0);
        QCOMPARE(FittingScale(designed, QSize(0, 25), QSize(1920, 1080)), 2.089);
        QCOMPARE(FittingScale(designed, QSize(4, 60), QSize(512, 384)), 0.641);
        QCOMPARE(FittingScale(designed, QSize(0, 0), QSize(20, 20)), kSmallestScale);
        QCOMPARE(ShownScale(CardSize::Large150, 2.089), 1.5);
        QCOMPARE(ShownScale(CardSize::Large300, 2.089), 2.089);
        QCOMPARE(ShownScale(CardSize::Normal, 0.641), 0.641);
        QCOMPARE(PointsFont(1.0), LargeBoldFont());
    }

    void everySize_data() {
        QTest::addColumn<QByteArray>("item");
        QTest::addColumn<double>("chosen");
        QTest::newRow("normal") << QByteArray("SizeNormal1") << 1.0;
        QTest::newRow("150") << QByteArray("Size1501") << 1.5;
        QTest::newRow("200") << QByteArray("Size2001") << 2.0;
        QTest::newRow("300") << QByteArray("Size3001") << 3.0;
        QTest::newRow("fit") << QByteArray("SizeFit1") << 100.0;
    }

    void everySize() {
        QFETCH(QByteArray, item);
        QFETCH(double, chosen);
        Sandbox sandbox;
        WriteStripedBack(sandbox.cardFolder() + QStringLiteral("space.bmp"));
        ProgramUnderTest program(sandbox);
        TForm1& form = program.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        SizeItem(form, item.constData())->trigger();
        QVERIFY(SizeItem(form, item.constData())->isChecked());
        const double s = form.BoardScale();

        // Within the available area; as chosen, or the screen is filled across or down.
        const QRect available = form.screen()->availableGeometry();
        QVERIFY(available.contains(form.frameGeometry()));
        if (s < chosen) {
            const QRect frame = form.frameGeometry();
            QVERIFY2(
                frame.height() > available.height() - 3 || frame.width() > available.width() - 3,
                "shrunk below the chosen size with room to spare");
        } else {
            QCOMPARE(s, chosen);
        }
        QCOMPARE(form.Panel1->size(), QSize(Scaled(kClientWidth, s), Scaled(kClientHeight, s)));
        if (chosen == 1.0) {  // the designed geometry, to the pixel
            for (int tile = 1; tile <= kTileCount; ++tile) {
                QCOMPARE(form.Frame(tile)->geometry(),
                         QRect(kBoardLeft + kFramePitch * ((tile - 1) % kBoardSide),
                               kBoardTop + kFramePitch * ((tile - 1) / kBoardSide), kFrameSize,
                               kFrameSize));
                QCOMPARE(form.Image(tile)->geometry(),
                         QRect(kPictureInset, kPictureInset, kPictureSize, kPictureSize));
            }
            QCOMPARE(form.Label1->pos(), QPoint(248, kPointsTop));
            QCOMPARE(form.Label1->font(), LargeBoldFont());
            QCOMPARE(form.Players1->geometry(),
                     QRect(kBoardLeft, kPointsTop, kPlayersLineWidth, kPointsHeight));
        }

        // Every picture at its shown pixels; the striped back read straight at them.
        const QSize shown(Scaled(kPictureSize, s), Scaled(kPictureSize, s));
        for (int tile = 1; tile <= kTileCount; ++tile) {
            QCOMPARE(form.Image(tile)->size(), shown);
            QCOMPARE(form.Image(tile)->picture().size(), shown);
        }
        if (s >= 1.5) {
            QVERIFY2(Contrast(form.Image(1)->picture()) > 100, "the back was blown up");
        }
        QCOMPARE(form.Label1->font().pixelSize(), Scaled(kPointsFontPixels, s));

        // The screen reader's rectangle of a card is where it is drawn.
        QAccessibleInterface* card = QAccessible::queryAccessibleInterface(form.Image(36));
        QVERIFY(card != nullptr);
        QCOMPARE(card->rect(), QRect(form.Image(36)->mapToGlobal(QPoint(0, 0)), shown));
        // The keyboard reaches the last card and turns it.
        for (int step = 0; step < kBoardSide; ++step) {
            QTest::keyClick(&form, Qt::Key_Right);
            QTest::keyClick(&form, Qt::Key_Down);
        }
        QCOMPARE(form.CursorTile(), kTileCount);
        QTest::keyClick(&form, Qt::Key_Space);
        QVERIFY(!form.CardAccessibleName(kTileCount).startsWith(QStringLiteral("face down")));
        // A face smaller than shown (8 x 6) is enlarged when read, but at the designed size.
        QCOMPARE(form.Image(kTileCount)->picture().size(), s == 1.0 ? QSize(8, 6) : shown);

        // A click at each tile's centre turns that tile: the pairs are matched in turn, but for
        // the last card, clicked in a new deal: the game stays unfinished.
        form.new1Click();
        const auto clickAndCheck = [&form](int tile) {
            PictureBox* picture = form.Image(tile);
            const QPoint centre =
                form.mapFromGlobal(picture->mapToGlobal(picture->rect().center()));
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centre);
            return !form.CardAccessibleName(tile).startsWith(QStringLiteral("face down"));
        };
        // The last card's partner is turned after all other pairs, alone.
        const int lastPartner = PartnerOf(form.state().Game, kTileCount);
        std::vector<bool> up(kTileCount + 1, false);
        up[static_cast<std::size_t>(lastPartner)] = true;
        up[static_cast<std::size_t>(kTileCount)] = true;
        for (int tile = 1; tile <= kTileCount; ++tile) {
            if (up[static_cast<std::size_t>(tile)]) {
                continue;
            }
            const int partner = PartnerOf(form.state().Game, tile);
            QVERIFY2(clickAndCheck(tile), qPrintable(QStringLiteral("tile %1").arg(tile)));
            QVERIFY2(clickAndCheck(partner), qPrintable(QStringLiteral("tile %1").arg(partner)));
            up[static_cast<std::size_t>(partner)] = true;
        }
        QVERIFY(clickAndCheck(lastPartner));
        form.new1Click();
        QVERIFY(clickAndCheck(kTileCount));
    }

    // Ctrl++ steps up from the size shown, Ctrl+- down, Ctrl+0 back to the designed size; the
    // size is kept for the next start.
    void keysStepTheSize() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(form.BoardScale(), 1.5);
        QTest::keyClick(&form, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(form.BoardScale(), 2.0);
        QTest::keyClick(&form, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(form.BoardScale(), 1.5);
        QCOMPARE(form.state().Config.Play.Size, CardSize::Large150);
        QTest::keyClick(&form, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(form.BoardScale(), 1.0);
        QVERIFY(SizeItem(form, "SizeNormal1")->isChecked());
    }
};

int main(int argc, char** argv) {
    // One offscreen screen of 1920 x 1080 pixels.
    QTemporaryDir folder;
    if (!UseOffscreenScreen(folder.path(), 1920, 1080)) {
        return 2;
    }
    RedirectSettingsStore(folder.filePath(QStringLiteral("settings")));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavro Memory"));
    RedirectSettingsStore(folder.filePath(QStringLiteral("settings")));
    StartModalWatchdog();
    CardSizesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "CardSizesTest.moc"
