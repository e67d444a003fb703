// SPDX-License-Identifier: GPL-3.0-or-later
// The slider's layout: the Options dialog's geometry, the composed ruler, the tick marks on the
// painted control, the vertical mirror, the built-in pictures and cursors.
#include <QtTest>
#include <cmath>

#include "SliderProbe.h"
#include "controls/SliderResources.h"

using namespace tavro;
using namespace tavro::test;

namespace {

const QRgb kMagenta = qRgb(255, 0, 255);

QImage Transposed(const QImage& image) {
    QImage result(image.height(), image.width(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            result.setPixel(y, x, image.pixel(x, y));
        }
    }
    return result;
}

// A 10 x 8 ruler pattern whose columns all differ; its last row is magenta (the key).
QImage StripedPattern() {
    QImage pattern(10, 8, QImage::Format_RGB32);
    for (int x = 0; x < 10; ++x) {
        for (int y = 0; y < 8; ++y) {
            pattern.setPixel(x, y, y == 7 ? kMagenta : qRgb(20 * x + 5, 100, 50));
        }
    }
    return pattern;
}

int TickX(int k) {
    return 10 + static_cast<int>(std::nearbyint(6.9 * k));
}

}  // namespace

class SliderLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void defaultsAtCreation() {
        TRxSlider slider;
        QCOMPARE(slider.size(), QSize(150, 40));
        QCOMPARE(slider.Value(), 0);
        QCOMPARE(slider.MinValue(), 0);
        QCOMPARE(slider.MaxValue(), 100);
        QCOMPARE(slider.Increment(), 10);
        QCOMPARE(slider.EdgeSize(), 2);
        QCOMPARE(slider.Orientation(), soHorizontal);
        QCOMPARE(slider.Options(), soShowFocus | soShowPoints | soSmooth);
        QCOMPARE(slider.NumThumbStates(), 2);
        QCOMPARE(slider.BevelStyle(), bvNone);
        QCOMPARE(slider.UserImages(), std::uint8_t{0});
        QCOMPARE(slider.focusPolicy(), Qt::StrongFocus);
        QVERIFY(slider.testAttribute(Qt::WA_OpaquePaintEvent));
    }

    void builtInPictures() {
        const QSize sizes[] = {{18, 17}, {10, 8}, {38, 9}, {8, 10}};
        for (int index = 0; index < 4; ++index) {
            const QImage picture = BuiltInSliderImage(index);
            QCOMPARE(picture.size(), sizes[index]);
            QCOMPARE(picture.pixel(0, picture.height() - 1), kMagenta);
        }
        TRxSlider slider;
        QCOMPARE(slider.ImageHThumb(), BuiltInSliderImage(siHThumb));
        QCOMPARE(slider.ImageVRuler(), BuiltInSliderImage(siVRuler));
        // The thumbs: two pictures of the same outline, the right one dithered.
        for (const int index : {int{siHThumb}, int{siVThumb}}) {
            const QImage thumb = BuiltInSliderImage(index);
            const int half = thumb.width() / 2;
            int differing = 0;
            for (int y = 0; y < thumb.height(); ++y) {
                for (int x = 0; x < half; ++x) {
                    const bool keyLeft = thumb.pixel(x, y) == kMagenta;
                    QCOMPARE(thumb.pixel(x + half, y) == kMagenta, keyLeft);
                    differing += thumb.pixel(x, y) != thumb.pixel(x + half, y) ? 1 : 0;
                }
            }
            QVERIFY(differing > 10);
        }
        // The horizontal groove is 4 rows thick between transparent rows.
        const QImage ruler = BuiltInSliderImage(siHRuler);
        for (int y = 0; y < 8; ++y) {
            QCOMPARE(ruler.pixel(5, y) != kMagenta, y >= 2 && y <= 5);
        }
    }

    void programCursors() {
        const QCursor& hand = ProgramCursor(kHandCursor);
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.hotSpot(), QPoint(6, 16));
        const QImage bits = hand.bitmap().toImage();
        const QImage mask = hand.mask().toImage();
        QCOMPARE(bits.size(), QSize(32, 32));
        QCOMPARE(mask.size(), QSize(32, 32));
        QCOMPARE(QColor(mask.pixel(6, 16)), QColor(Qt::color1));  // opaque at the hot spot
        QCOMPARE(QColor(mask.pixel(0, 0)), QColor(Qt::color0));   // transparent in the corner
        QCOMPARE(ProgramCursor(kDragCursor).shape(), Qt::BitmapCursor);
        QCOMPARE(&ProgramCursor(kHandCursor), &hand);  // registered once
        QCOMPARE(ProgramCursor(1).shape(), Qt::ArrowCursor);
    }

    void optionsDialogGeometry() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        QCOMPARE(slider.RulerImage().size(), QSize(285, 8));
        QCOMPARE(slider.RulerOrigin(), QPoint(6, 10));
        QCOMPARE(slider.ThumbArea(), QRect(6, 6, 9, 17));
        QCOMPARE(slider.TickRowArea().top(), 24);
        QCOMPARE(slider.TravelLength(), 276);
        slider.setValue(500);
        QCOMPARE(slider.ThumbArea().left(), 75);
        slider.setValue(130);
        QCOMPARE(slider.Value(), 130);            // stored as given
        QCOMPARE(slider.ThumbArea().left(), 27);  // drawn at the place of 150
        slider.setValue(2000);
        QCOMPARE(slider.ThumbArea().left(), 6 + 276);
        // A size change keeps the value and moves the thumb to its new place.
        slider.resize(159, 33);
        slider.grab();  // a hidden widget gets its resize event when it is next drawn
        QCOMPARE(slider.Value(), 2000);
        QCOMPARE(slider.ThumbArea().left(), 6 + 147 - 9);
    }

    void rulerComposedFromThePattern() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        const QImage pattern = StripedPattern();
        slider.setImageHRuler(&pattern);
        QCOMPARE(slider.UserImages(), std::uint8_t{1u << siHRuler});
        const QImage& ruler = slider.RulerImage();
        QCOMPARE(ruler.size(), QSize(285, 8));
        for (int x = 0; x < ruler.width(); ++x) {
            // Leading cap and one middle piece, middle pieces, and the last piece copying
            // pattern pixels 5..9 to ruler pixels 280..284.
            const int source = x < 6 ? x : x >= 280 ? x - 275 : 4 + (x - 4) % 2;
            for (int y = 0; y < 8; ++y) {
                QVERIFY2(ruler.pixel(x, y) == pattern.pixel(source, y),
                         qPrintable(QStringLiteral("ruler pixel %1,%2").arg(x).arg(y)));
            }
        }
        slider.setImageHRuler(nullptr);
        QCOMPARE(slider.UserImages(), std::uint8_t{0});
        QCOMPARE(slider.RulerImage().pixel(100, 2), BuiltInSliderImage(siHRuler).pixel(5, 2));
    }

    void ticksOnThePaintedControl() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        const QImage frame = slider.grab().toImage();
        const QRgb ink = slider.palette().color(QPalette::WindowText).rgb();
        const QRgb background = slider.palette().color(QPalette::Window).rgb();
        QList<int> columns;
        for (int x = 0; x < frame.width(); ++x) {
            if (frame.pixel(x, 24) == ink) {
                columns << x;
            }
        }
        QCOMPARE(columns.size(), 41);
        for (int k = 0; k <= 40; ++k) {
            const int x = TickX(k);
            QCOMPARE(columns[k], x);
            const int length = k == 0 || k == 40 ? 5 : 3;
            for (int y = 24; y < 24 + length; ++y) {
                QCOMPARE(frame.pixel(x, y), ink);
            }
            QCOMPARE(frame.pixel(x, 24 + length), background);
        }
        // The ruler is drawn with its transparent rows left out, the groove copied.
        QCOMPARE(frame.pixel(150, 10), background);
        QCOMPARE(frame.pixel(150, 12), slider.RulerImage().pixel(144, 2));
    }

    void thumbDrawnWithOneStateOrTwo() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        const QImage thumb = slider.ImageHThumb();
        QImage frame = slider.grab().toImage();
        QCOMPARE(frame.pixel(6 + 3, 6 + 5), thumb.pixel(3, 5));  // the left (normal) picture
        QCOMPARE(frame.pixel(6 + 4, 6 + 16), thumb.pixel(4, 16));
        slider.setNumThumbStates(1);
        QCOMPARE(slider.ThumbArea().size(), QSize(18, 17));
        slider.setEnabled(false);  // highlighted, but one picture serves both states
        frame = slider.grab().toImage();
        QCOMPARE(frame.pixel(6 + 3, 6 + 5), thumb.pixel(3, 5));
        QCOMPARE(frame.pixel(6 + 12, 6 + 5), thumb.pixel(12, 5));
    }

    void degenerateRulers() {
        SliderProbe slider;
        // A middle section of length 0: nothing to repeat, no ruler drawn.
        QImage shortPattern = StripedPattern().copy(0, 0, 4, 8);
        slider.setImageHRuler(&shortPattern);
        QCOMPARE(slider.RulerImage().width(), 138);
        const QRgb background = slider.palette().color(QPalette::Window).rgb();
        QImage frame = slider.grab().toImage();
        QCOMPARE(frame.pixel(100, 9), background);
        // A slider area at most 12 pixels wide gets a ruler of width 0.
        slider.setImageHRuler(nullptr);
        slider.resize(12, 40);
        slider.grab();
        QCOMPARE(slider.RulerImage().width(), 0);
        slider.setValue(50);
        frame = slider.grab().toImage();
        QCOMPARE(frame.size(), QSize(12, 40));
        slider.resize(0, 0);
        slider.setOrientation(soVertical);
        slider.grab();
        QCOMPARE(slider.RulerImage().height(), 0);
    }

    void edgeSizeRefusals() {
        TRxSlider slider;
        slider.setEdgeSize(5);  // 10 is not less than the pattern's 10 pixels
        QCOMPARE(slider.EdgeSize(), 2);
        slider.setEdgeSize(-1);
        QCOMPARE(slider.EdgeSize(), 2);
        slider.setEdgeSize(4);
        QCOMPARE(slider.EdgeSize(), 4);
    }

    void bevelShrinksTheSliderArea() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        slider.setBevelStyle(bvLowered);
        QCOMPARE(slider.SliderArea(), QRect(1, 1, 295, 31));
        QCOMPARE(slider.RulerOrigin(), QPoint(7, 11));
        QCOMPARE(slider.RulerImage().width(), 283);
        const QImage frame = slider.grab().toImage();
        QCOMPARE(frame.pixel(0, 0), slider.palette().color(QPalette::Dark).rgb());
        QCOMPARE(frame.pixel(296, 32), slider.palette().color(QPalette::Light).rgb());
    }

    void orientationSwapsTheSize() {
        TRxSlider slider;
        slider.setOrientation(soVertical);
        QCOMPARE(slider.size(), QSize(40, 150));
        QCOMPARE(slider.RulerImage().size(), QSize(8, 138));
        slider.setOrientation(soVertical);
        QCOMPARE(slider.size(), QSize(40, 150));
    }

    void verticalLayoutMirrorsHorizontal() {
        SliderProbe across;
        ConfigureAsOptionsSlider(across);
        SliderProbe upright;
        // The vertical thumb image holds its two pictures side by side as well.
        const QImage normal = Transposed(across.ImageHThumb().copy(0, 0, 9, 17));
        const QImage lit = Transposed(across.ImageHThumb().copy(9, 0, 9, 17));
        QImage pair(34, 9, QImage::Format_RGB32);
        for (int y = 0; y < 9; ++y) {
            for (int x = 0; x < 17; ++x) {
                pair.setPixel(x, y, normal.pixel(x, y));
                pair.setPixel(x + 17, y, lit.pixel(x, y));
            }
        }
        const QImage ruler = Transposed(across.ImageHRuler());
        upright.setImageVThumb(&pair);
        upright.setImageVRuler(&ruler);
        upright.setOrientation(soVertical);
        upright.resize(33, 297);
        upright.setMaxValue(2000);
        upright.setIncrement(50);
        upright.setEdgeSize(4);
        upright.setOptions(soShowFocus | soShowPoints);

        QCOMPARE(upright.RulerImage(), Transposed(across.RulerImage()));
        QCOMPARE(upright.RulerOrigin(), across.RulerOrigin().transposed());
        QCOMPARE(upright.TravelLength(), across.TravelLength());
        QCOMPARE(upright.TickRowArea().left(), across.TickRowArea().top());
        for (std::int32_t v = 0; v <= 2000; v += 130) {
            across.setValue(v);
            upright.setValue(v);
            QCOMPARE(upright.ThumbArea().left(), across.ThumbArea().top());
            QCOMPARE(upright.ThumbArea().top(), 297 - across.ThumbArea().left() - 9);
            QCOMPARE(upright.ValueAtOffset(upright.ThumbArea().top()),
                     across.ValueAtOffset(across.ThumbArea().left()));
        }
        // Ticks run down the side, the lowest value at the bottom.
        const QImage frame = upright.grab().toImage();
        const QRgb ink = upright.palette().color(QPalette::WindowText).rgb();
        for (int k = 0; k <= 40; ++k) {
            const int y = 297 - TickX(k) - 1;
            QCOMPARE(frame.pixel(24, y), ink);
        }
    }
};

QTEST_MAIN(SliderLayoutTest)
#include "SliderLayoutTest.moc"
