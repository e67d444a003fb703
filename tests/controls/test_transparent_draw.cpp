// Keyed bitmap drawing: key-coloured pixels keep the destination, all others are copied, and
// stretched copies fill exactly the rectangle asked for.
#include <QPainter>
#include <QtTest>

#include "controls/TransparentDraw.h"

using namespace tavro;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kMagenta = qRgb(255, 0, 255);
const QRgb kGrey = qRgb(90, 90, 90);

QImage Canvas(int w, int h) {
    QImage canvas(w, h, QImage::Format_RGB32);
    canvas.fill(kGrey);
    return canvas;
}

// A picture from rows of letters: r g b m (magenta) w (white).
QImage Picture(const QStringList& rows) {
    QImage picture(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
                   QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const char c = rows[y][x].toLatin1();
            picture.setPixel(x, y,
                             c == 'r'   ? kRed
                             : c == 'g' ? kGreen
                             : c == 'b' ? kBlue
                             : c == 'w' ? qRgb(255, 255, 255)
                                        : kMagenta);
        }
    }
    return picture;
}

}  // namespace

class TransparentDrawTest : public QObject {
    Q_OBJECT
private slots:
    void keyPixelsKeepTheDestination() {
        const QImage picture = Picture({"rmg", "mbm"});
        QImage canvas = Canvas(6, 5);
        {
            QPainter painter(&canvas);
            DrawKeyed(painter, QPoint(2, 1), picture, true, QColor(kMagenta));
        }
        QCOMPARE(canvas.pixel(2, 1), kRed);
        QCOMPARE(canvas.pixel(3, 1), kGrey);
        QCOMPARE(canvas.pixel(4, 1), kGreen);
        QCOMPARE(canvas.pixel(2, 2), kGrey);
        QCOMPARE(canvas.pixel(3, 2), kBlue);
        QCOMPARE(canvas.pixel(4, 2), kGrey);
        QCOMPARE(canvas.pixel(1, 1), kGrey);
        QCOMPARE(canvas.pixel(5, 1), kGrey);
        QCOMPARE(canvas.pixel(2, 3), kGrey);
    }

    void defaultKeyIsTheBottomLeftPixel() {
        // Bottom-left is blue here, so blue is left out and magenta is copied.
        const QImage picture = Picture({"mr", "bg"});
        QCOMPARE(DefaultKeyColour(picture), kBlue);
        QImage canvas = Canvas(2, 2);
        {
            QPainter painter(&canvas);
            DrawKeyed(painter, QPoint(0, 0), picture, true);
        }
        QCOMPARE(canvas.pixel(0, 0), kMagenta);
        QCOMPARE(canvas.pixel(1, 0), kRed);
        QCOMPARE(canvas.pixel(0, 1), kGrey);
        QCOMPARE(canvas.pixel(1, 1), kGreen);
    }

    void monochromeBitmapsLeaveWhiteOut() {
        QImage mono(3, 1, QImage::Format_Mono);
        mono.setColor(0, qRgb(255, 255, 255));
        mono.setColor(1, qRgb(0, 0, 0));
        mono.setPixel(0, 0, 1);  // black
        mono.setPixel(1, 0, 0);  // white
        mono.setPixel(2, 0, 1);  // black; the bottom-left pixel is black, the key stays white
        QCOMPARE(DefaultKeyColour(mono), qRgb(255, 255, 255));
        QImage canvas = Canvas(3, 1);
        {
            QPainter painter(&canvas);
            DrawKeyed(painter, QPoint(0, 0), mono, true);
        }
        QCOMPARE(canvas.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(canvas.pixel(1, 0), kGrey);
        QCOMPARE(canvas.pixel(2, 0), qRgb(0, 0, 0));
    }

    void opaqueDrawingCopiesEveryPixel() {
        const QImage picture = Picture({"rm", "mb"});
        QImage canvas = Canvas(2, 2);
        {
            QPainter painter(&canvas);
            DrawKeyed(painter, QPoint(0, 0), picture, false);
        }
        QCOMPARE(canvas, picture);
    }

    void partsAreDrawnAtThePoint() {
        const QImage picture = Picture({"rrgg", "rmgm"});
        QImage canvas = Canvas(4, 3);
        {
            QPainter painter(&canvas);
            // The default key would be the whole bitmap's bottom-left pixel (red): magenta is
            // given.
            DrawKeyedPart(painter, QPoint(1, 1), picture, QRect(2, 0, 2, 2), true,
                          QColor(kMagenta));
        }
        QCOMPARE(canvas.pixel(1, 1), kGreen);
        QCOMPARE(canvas.pixel(2, 1), kGreen);
        QCOMPARE(canvas.pixel(1, 2), kGreen);
        QCOMPARE(canvas.pixel(2, 2), kGrey);
        QCOMPARE(canvas.pixel(0, 1), kGrey);
        QCOMPARE(canvas.pixel(3, 1), kGrey);
        QCOMPARE(canvas.pixel(1, 0), kGrey);
    }

    void stretchedCopiesLandWhereAsked() {
        const QImage picture = Picture({"rm", "gb"});
        QImage canvas = Canvas(10, 8);
        {
            QPainter painter(&canvas);
            // A painter left with smooth scaling and another blend mode must not matter.
            painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            DrawKeyedStretched(painter, QRect(2, 1, 6, 4), picture, picture.rect(), true,
                               QColor(kMagenta));
            QCOMPARE(painter.compositionMode(), QPainter::CompositionMode_Multiply);
        }
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                QRgb expected = kGrey;
                if (x >= 2 && x < 8 && y >= 1 && y < 5) {
                    const int sx = (x - 2) / 3;
                    const int sy = (y - 1) / 2;
                    const QRgb source = picture.pixel(sx, sy);
                    expected = source == kMagenta ? kGrey : source;
                }
                QVERIFY2(canvas.pixel(x, y) == expected,
                         qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    void unevenStretchUsesOnlySourcePixels() {
        const QImage picture = Picture({"rgb", "bgr", "mrg"});
        QImage canvas = Canvas(12, 12);
        {
            QPainter painter(&canvas);
            DrawKeyedStretched(painter, QRect(1, 2, 7, 5), picture, picture.rect(), true);
        }
        const QRect target(1, 2, 7, 5);
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                const QRgb pixel = canvas.pixel(x, y);
                if (!target.contains(x, y)) {
                    QCOMPARE(pixel, kGrey);
                } else {
                    QVERIFY(pixel == kRed || pixel == kGreen || pixel == kBlue || pixel == kGrey);
                }
            }
        }
        // Corners come from the source's corners.
        QCOMPARE(canvas.pixel(1, 2), kRed);
        QCOMPARE(canvas.pixel(7, 2), kBlue);
        QCOMPARE(canvas.pixel(7, 6), kGreen);
        QCOMPARE(canvas.pixel(1, 6), kGrey);  // magenta, the bottom-left pixel, is the key
    }

    void sizesBelowOneMeanTheWholeBitmap() {
        const QImage picture = Picture({"rg", "bm"});
        QImage canvas = Canvas(4, 4);
        {
            QPainter painter(&canvas);
            DrawKeyedStretched(painter, QRect(1, 1, 0, 0), picture, QRect(), true);
        }
        QCOMPARE(canvas.pixel(1, 1), kRed);
        QCOMPARE(canvas.pixel(2, 1), kGreen);
        QCOMPARE(canvas.pixel(1, 2), kGrey);  // bottom-left is blue: the key
        QCOMPARE(canvas.pixel(2, 2), kMagenta);
        QCOMPARE(canvas.pixel(3, 3), kGrey);
    }
};

QTEST_MAIN(TransparentDrawTest)
#include "test_transparent_draw.moc"
