// SPDX-License-Identifier: GPL-3.0-or-later
// Keyed bitmap drawing: key-coloured pixels keep the destination, all others are copied, and
// stretched copies fill exactly the rectangle asked for.
#include <QPainter>
#include <QtTest>
#include <functional>

#include "controls/TransparentDraw.h"

using namespace tavro;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kGrey = qRgb(90, 90, 90);

// The letters pictures and expected canvases are written in.
const std::pair<char, QRgb> kLetters[] = {
    {'r', kRed},          {'g', kGreen}, {'b', kBlue}, {'m', kMagenta}, {'w', qRgb(255, 255, 255)},
    {'k', qRgb(0, 0, 0)}, {'.', kGrey}};

// A picture from rows of letters: r g b m (magenta) w (white) k (black) . (grey).
QImage Picture(const QStringList& rows) {
    QImage picture(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                   QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            for (const auto& [letter, colour] : kLetters) {
                if (rows[y][x] == QLatin1Char(letter)) {
                    picture.setPixel(x, y, colour);
                }
            }
        }
    }
    return picture;
}

// The canvas in the same letters, '?' for a colour that has none.
QStringList Letters(const QImage& canvas) {
    QStringList rows;
    for (int y = 0; y < canvas.height(); ++y) {
        QString row;
        for (int x = 0; x < canvas.width(); ++x) {
            QChar found = u'?';
            for (const auto& [letter, colour] : kLetters) {
                if (canvas.pixel(x, y) == colour) {
                    found = QLatin1Char(letter);
                }
            }
            row += found;
        }
        rows << row;
    }
    return rows;
}

// A grey canvas of the given size after draw has painted on it.
QImage Drawn(int w, int h, const std::function<void(QPainter&)>& draw) {
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(kGrey);
    QPainter painter(&canvas);
    draw(painter);
    painter.end();
    return canvas;
}

}  // namespace

class TransparentDrawTest : public QObject {
    Q_OBJECT
private slots:
    void keyPixelsKeepTheDestination() {
        const QImage picture = Picture({"rmg", "mbm"});
        const QImage canvas = Drawn(6, 5, [&](QPainter& painter) {
            DrawKeyed(painter, QPoint(2, 1), picture, true, QColor(kMagenta));
        });
        QCOMPARE(Letters(canvas), QStringList({"......", "..r.g.", "...b..", "......", "......"}));
    }

    void defaultKeyIsTheBottomLeftPixel() {
        // Bottom-left is blue here, so blue is left out and magenta is copied.
        const QImage picture = Picture({"mr", "bg"});
        QCOMPARE(DefaultKeyColour(picture), kBlue);
        const QImage canvas = Drawn(
            2, 2, [&](QPainter& painter) { DrawKeyed(painter, QPoint(0, 0), picture, true); });
        QCOMPARE(Letters(canvas), QStringList({"mr", ".g"}));
    }

    void monochromeBitmapsLeaveWhiteOut() {
        QImage mono(3, 1, QImage::Format_Mono);
        mono.setColor(0, qRgb(255, 255, 255));
        mono.setColor(1, qRgb(0, 0, 0));
        mono.setPixel(0, 0, 1);  // black
        mono.setPixel(1, 0, 0);  // white
        mono.setPixel(2, 0, 1);  // black; the bottom-left pixel is black, the key stays white
        QCOMPARE(DefaultKeyColour(mono), qRgb(255, 255, 255));
        const QImage canvas =
            Drawn(3, 1, [&](QPainter& painter) { DrawKeyed(painter, QPoint(0, 0), mono, true); });
        QCOMPARE(Letters(canvas), QStringList({"k.k"}));
    }

    void opaqueDrawingCopiesEveryPixel() {
        const QImage picture = Picture({"rm", "mb"});
        const QImage canvas = Drawn(
            2, 2, [&](QPainter& painter) { DrawKeyed(painter, QPoint(0, 0), picture, false); });
        QCOMPARE(canvas, picture);
    }

    void partsAreDrawnAtThePoint() {
        const QImage picture = Picture({"rrgg", "rmgm"});
        // The default key would be the whole bitmap's bottom-left pixel (red): magenta is given.
        const QImage canvas = Drawn(4, 3, [&](QPainter& painter) {
            DrawKeyedPart(painter, QPoint(1, 1), picture, QRect(2, 0, 2, 2), true,
                          QColor(kMagenta));
        });
        QCOMPARE(Letters(canvas), QStringList({"....", ".gg.", ".g.."}));
    }

    void stretchedCopiesLandWhereAsked() {
        const QImage picture = Picture({"rm", "gb"});
        const QImage canvas = Drawn(10, 8, [&](QPainter& painter) {
            // A painter left with smooth scaling and another blend mode must not matter.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            DrawKeyedStretched(painter, QRect(2, 1, 6, 4), picture, picture.rect(), true,
                               QColor(kMagenta));
            QCOMPARE(painter.compositionMode(), QPainter::CompositionMode_Multiply);
        });
        // Each source pixel becomes a 3 x 2 block; magenta is the key.
        QCOMPARE(Letters(canvas),
                 QStringList({"..........", "..rrr.....", "..rrr.....", "..gggbbb..", "..gggbbb..",
                              "..........", "..........", ".........."}));
    }

    void unevenStretchUsesOnlySourcePixels() {
        const QImage picture = Picture({"rgb", "bgr", "mrg"});
        const QRect target(1, 2, 7, 5);
        const QImage canvas = Drawn(12, 12, [&](QPainter& painter) {
            DrawKeyedStretched(painter, target, picture, picture.rect(), true);
        });
        const QStringList letters = Letters(canvas);
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const QChar letter = letters[y][x];
                if (!target.contains(x, y)) {
                    QCOMPARE(letter, u'.');
                } else {
                    QVERIFY(QStringLiteral("rgb.").contains(letter));
                }
            }
        }
        // Corners come from the source's corners; magenta, the bottom-left pixel, is the key.
        QCOMPARE(letters[2][1], u'r');
        QCOMPARE(letters[2][7], u'b');
        QCOMPARE(letters[6][7], u'g');
        QCOMPARE(letters[6][1], u'.');
    }

    void sizesBelowOneMeanTheWholeBitmap() {
        const QImage picture = Picture({"rg", "bm"});
        const QImage canvas = Drawn(4, 4, [&](QPainter& painter) {
            DrawKeyedStretched(painter, QRect(1, 1, 0, 0), picture, QRect(), true);
        });
        // Bottom-left is blue: the key.
        QCOMPARE(Letters(canvas), QStringList({"....", ".rg.", "..m.", "...."}));
    }
};

QTEST_MAIN(TransparentDrawTest)
#include "TransparentDrawTest.moc"
