// SPDX-License-Identifier: GPL-3.0-or-later
// The About logo on the screen at the scale given in QT_SCALE_FACTOR (ctest runs it at 1, 1.25,
// 1.5, 1.75 and 2): it covers whole device pixels up to its right and bottom edges, where a
// scale that is not whole puts the edges inside a device pixel, and shows exactly the logo drawn
// at that scale, with no stray colours at its edges and nothing past them.
#include <qpa/qplatformbackingstore.h>
#include <QApplication>
#include <QBackingStore>
#include <QtMath>
#include <QtTest>

#include "controls/PictureBox.h"
#include "dialogs/AboutLogo.h"
#include "dialogs/Unit5.h"

using namespace tavro;

namespace {

QString Colour(QRgb colour) {
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

}  // namespace

class AboutLogoScaleTest : public QObject {
    Q_OBJECT
private slots:
    void logoDrawnForTheScaleHasNoStrayEdge() {
        const qreal scale = qApp->devicePixelRatio();
        const QImage logo = DrawAboutLogo(scale).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(logo.size(),
                 QSize(qCeil(kAboutLogoWidth * scale), qCeil(kAboutLogoHeight * scale)));
        // The ground runs down the right edge from top to bottom: the last column is the same
        // colour as the one before it, and the bottom row shades on from the one above.
        const int right = logo.width() - 1;
        const int bottom = logo.height() - 1;
        for (int y = 0; y < logo.height(); ++y) {
            QVERIFY2(logo.pixel(right, y) == logo.pixel(right - 1, y),
                     qPrintable(
                         QStringLiteral("row %1: %2 beside %3")
                             .arg(y)
                             .arg(Colour(logo.pixel(right, y)), Colour(logo.pixel(right - 1, y)))));
        }
        for (int x = 0; x < logo.width(); x += logo.width() - 1) {
            const QColor last(logo.pixel(x, bottom));
            const QColor above(logo.pixel(x, bottom - 1));
            QVERIFY2(qAbs(last.red() - above.red()) <= 2 &&
                         qAbs(last.green() - above.green()) <= 2 &&
                         qAbs(last.blue() - above.blue()) <= 2,
                     qPrintable(QStringLiteral("column %1: %2 below %3")
                                    .arg(x)
                                    .arg(Colour(last.rgb()), Colour(above.rgb()))));
        }
    }

    void dialogShowsTheLogoOnWholeDevicePixels() {
        const qreal scale = qApp->devicePixelRatio();
        InputGate gate;
        TForm5 about(gate, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.Image1()->geometry(), QRect(8, 8, kAboutLogoWidth, kAboutLogoHeight));
        // What the window shows, in device pixels: the offscreen screen's grab of a window
        // works in its own pixels only, so the window's backing store is read instead.
        QApplication::processEvents();
        const QImage window =
            about.backingStore()->handle()->toImage().convertToFormat(QImage::Format_RGB32);
        const QImage logo = DrawAboutLogo(scale).convertToFormat(QImage::Format_RGB32);
        // The device pixels the logo's control owns on the window: from 8 * scale (a whole
        // number at every scale tested) to its far edges rounded to whole device pixels. At 1.25
        // its right edge falls at 191.25 and column 191 stays the dialog's.
        const int left = qRound(8 * scale);
        const QSize owned(qRound((8 + kAboutLogoWidth) * scale) - left,
                          qRound((8 + kAboutLogoHeight) * scale) - left);
        QVERIFY(owned.width() <= logo.width() && owned.height() <= logo.height());
        // Each of them shows the device pixel of the logo drawn for the scale, unstretched.
        for (int y = 0; y < owned.height(); ++y) {
            for (int x = 0; x < owned.width(); ++x) {
                const QRgb shown = window.pixel(left + x, left + y);
                if (shown != logo.pixel(x, y)) {
                    QFAIL(qPrintable(QStringLiteral("device pixel %1, %2 of the logo: %3, drawn %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(Colour(shown), Colour(logo.pixel(x, y)))));
                }
            }
        }
        // Past the logo's edges, the dialog's own white.
        const QRgb white = about.palette().color(QPalette::Window).rgb();
        for (int y = left; y < left + owned.height(); ++y) {
            QCOMPARE(Colour(window.pixel(left + owned.width(), y)), Colour(white));
        }
        for (int x = left; x < left + owned.width(); ++x) {
            QCOMPARE(Colour(window.pixel(x, left + owned.height())), Colour(white));
        }
        about.hide();
    }
};

QTEST_MAIN(AboutLogoScaleTest)
#include "AboutLogoScaleTest.moc"
