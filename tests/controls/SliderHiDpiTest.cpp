// SPDX-License-Identifier: GPL-3.0-or-later
// The slider on a scaled screen (run by ctest with QT_SCALE_FACTOR 2 and 1.5): its pixel art is
// drawn with whole device pixels, never blended, and looks the same wherever the thumb stands;
// the tick marks are evenly spaced in device pixels; a moving thumb leaves no trail.
#include <QScreen>
#include <QSet>
#include <QtTest>
#include <cmath>

#include "SliderProbe.h"
#include "controls/SliderResources.h"

using namespace tavro;
using namespace tavro::test;

namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

// The scale the test was started with; 1 when none was asked for.
qreal AskedScale() {
    bool ok = false;
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? scale : 1.0;
}

QImage Grabbed(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels that differ from the background colour.
QRect Drawn(const QImage& image, QRgb background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

// The normal thumb picture with its key colour shown as the background.
QImage ThumbOn(QRgb background) {
    QImage thumb = BuiltInSliderImage(siHThumb).copy(0, 0, 9, 17);
    for (int y = 0; y < thumb.height(); ++y) {
        for (int x = 0; x < thumb.width(); ++x) {
            if (thumb.pixel(x, y) == kMagenta) {
                thumb.setPixel(x, y, background);
            }
        }
    }
    return thumb;
}

// The Options dialog's slider with an invisible ruler and no ticks: only the thumb is drawn.
void ConfigureThumbOnly(SliderProbe& slider) {
    ConfigureAsOptionsSlider(slider);
    QImage emptyRuler(10, 8, QImage::Format_RGB32);
    emptyRuler.fill(kMagenta);
    slider.setImageHRuler(&emptyRuler);
    slider.setOptions({});
}

}  // namespace

class SliderHiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        SliderProbe slider;
        QCOMPARE(slider.devicePixelRatioF(), AskedScale());
    }

    // The thumb is the nearest-neighbour enlargement of its picture: no colour appears that the
    // picture lacks, its size is the picture's scaled to whole pixels, and it is the same picture
    // at every place along the ruler, whatever fraction of a device pixel that place starts at.
    void thumbIsCrispAndTheSameEverywhere() {
        SliderProbe slider;
        ConfigureThumbOnly(slider);
        const qreal scale = slider.devicePixelRatioF();
        const QRgb background = slider.palette().color(QPalette::Window).rgb();
        const QImage art = ThumbOn(background);
        QSet<QRgb> artColours;
        for (int y = 0; y < art.height(); ++y) {
            for (int x = 0; x < art.width(); ++x) {
                artColours.insert(art.pixel(x, y));
            }
        }
        const QSize expectedSize(qRound(9 * scale), qRound(17 * scale));

        QImage first;
        for (int value : {0, 50, 100, 150, 500, 1050, 2000}) {
            slider.setValue(value);
            const QImage frame = Grabbed(slider);
            const QRect box = Drawn(frame, background);
            QCOMPARE(box.size(), expectedSize);
            const QImage thumb = frame.copy(box);
            for (int y = 0; y < thumb.height(); ++y) {
                for (int x = 0; x < thumb.width(); ++x) {
                    QVERIFY2(artColours.contains(thumb.pixel(x, y)),
                             qPrintable(QStringLiteral("blended pixel %1,%2 at value %3")
                                            .arg(x)
                                            .arg(y)
                                            .arg(value)));
                }
            }
            if (first.isNull()) {
                first = thumb;
            }
            QVERIFY2(thumb == first, qPrintable(QStringLiteral("value %1").arg(value)));
            // Its left edge is the device pixel nearest to the thumb's place.
            QVERIFY(std::abs(box.left() - slider.ThumbArea().left() * scale) <= 0.5);
        }
        if (scale == std::floor(scale)) {
            // Whole-number scales: every picture pixel is a square of scale x scale.
            const int factor = static_cast<int>(scale);
            for (int y = 0; y < first.height(); ++y) {
                for (int x = 0; x < first.width(); ++x) {
                    QCOMPARE(first.pixel(x, y), art.pixel(x / factor, y / factor));
                }
            }
        } else {
            // Between whole numbers each picture column and row takes one or two device
            // pixels, in the order of the picture: no column is left out or repeated thrice.
            int column = 0;
            int run = 0;
            for (int x = 0; x < first.width(); ++x) {
                const bool same = x > 0 && first.copy(x, 0, 1, first.height()) ==
                                               first.copy(x - 1, 0, 1, first.height());
                run = same ? run + 1 : 1;
                column += same ? 0 : 1;
                QVERIFY(run <= static_cast<int>(std::ceil(scale)));
            }
            QVERIFY(column >= 7);  // the picture's neighbouring columns partly agree
        }
    }

    // The 41 marks of the Options dialog's slider stand at gaps that differ by one device pixel
    // at most, and all have the same width.
    void ticksAreEvenlySpaced() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        const qreal scale = slider.devicePixelRatioF();
        const QImage frame = Grabbed(slider);
        const QRgb ink = slider.palette().color(QPalette::WindowText).rgb();
        const int row = static_cast<int>(std::floor(25 * scale));  // in every mark
        QList<int> starts;
        QList<int> widths;
        for (int x = 0; x < frame.width(); ++x) {
            if (frame.pixel(x, row) != ink) {
                continue;
            }
            if (x > 0 && frame.pixel(x - 1, row) == ink) {
                ++widths.back();
            } else {
                starts.append(x);
                widths.append(1);
            }
        }
        QCOMPARE(starts.size(), 41);
        int shortest = frame.width();
        int longest = 0;
        for (int i = 1; i < starts.size(); ++i) {
            shortest = std::min(shortest, starts[i] - starts[i - 1]);
            longest = std::max(longest, starts[i] - starts[i - 1]);
        }
        QVERIFY2(longest - shortest <= 1,
                 qPrintable(QStringLiteral("gaps %1 to %2").arg(shortest).arg(longest)));
        for (int width : widths) {
            QCOMPARE(width, widths.front());
        }
        QCOMPARE(widths.front(), qRound(scale));
        // The first and last marks sit under the middle of the thumb at the ends.
        slider.setValue(0);
        QVERIFY(std::abs(starts.front() - (slider.ThumbArea().left() + 4) * scale) <= 1);
        slider.setValue(2000);
        QVERIFY(std::abs(starts.back() - (slider.ThumbArea().left() + 4) * scale) <= 1);
    }

    // Thumb moves repaint only near the thumb; the screen then shows what a full repaint shows.
    void movesLeaveNoTrail() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        slider.show();
        QVERIFY(QTest::qWaitForWindowActive(&slider));
        slider.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(slider.hasFocus());
        for (int value : {50, 100, 150, 700, 1350, 2000, 1950, 0}) {
            slider.setValue(value);
            QCoreApplication::processEvents();
            QTest::qWait(10);
        }
        Press(slider, slider.ThumbArea().center());
        for (int x = 12; x < 290; x += 13) {
            Drag(slider, QPoint(x, 14));
            QCoreApplication::processEvents();
            QTest::qWait(5);
        }
        Release(slider, QPoint(290, 14));
        QCoreApplication::processEvents();
        QTest::qWait(20);
        auto screen = [&] {
            return slider.screen()
                ->grabWindow(slider.winId())
                .toImage()
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage shown = screen();
        slider.repaint();
        QCOMPARE(shown, screen());
    }
};

QTEST_MAIN(SliderHiDpiTest)
#include "SliderHiDpiTest.moc"
