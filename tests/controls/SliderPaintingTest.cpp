// SPDX-License-Identifier: GPL-3.0-or-later
// The slider's repainting: a moving thumb repaints only its old and new places, frames shown
// during a drag never lose the ruler (the control paints through an off-screen image), and with
// the focus shown a thumb's repaint leaves the same picture as a repaint of the whole control.
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <functional>
#include <memory>

#include "SliderProbe.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The screen's picture of a shown top-level widget.
QImage OnScreen(QWidget& widget) {
    return widget.screen()
        ->grabWindow(widget.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The rectangle a region covers, as the set of its pixels, is inside the allowed region.
bool Within(const QRegion& painted, const QRegion& allowed) {
    return (painted - allowed).isEmpty();
}

// Shows the Options dialog's slider and waits for its first paint.
bool ShownAsOptionsSlider(SliderProbe& slider,
                          TSliderOptions options = soShowFocus | soShowPoints) {
    ConfigureAsOptionsSlider(slider);
    slider.setOptions(options);
    slider.show();
    return QTest::qWaitForWindowActive(&slider) &&
           QTest::qWaitFor([&] { return !slider.paintedRegions.empty(); });
}

// Everything repainted because of change, once at least one paint has come.
QRegion PaintedBy(SliderProbe& slider, const std::function<void()>& change) {
    slider.paintedRegions.clear();
    change();
    QRegion painted;
    if (!QTest::qWaitFor([&] { return !slider.paintedRegions.empty(); })) {
        return painted;
    }
    for (const QRegion& region : slider.paintedRegions) {
        painted += region;
    }
    return painted;
}

// Waits until the slider has had its queued repaints.
void Settle() {
    QCoreApplication::processEvents();
    QTest::qWait(20);
}

// The first pixel where two pictures of the same size differ, as text; empty when they agree.
QString FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return QStringLiteral("sizes differ");
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return QStringLiteral("pixel %1,%2: %3 against %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 8, 16)
                    .arg(b.pixel(x, y), 8, 16);
            }
        }
    }
    return {};
}

}  // namespace

class SliderPaintingTest : public QObject {
    Q_OBJECT
private slots:
    void movingTheThumbRepaintsOnlyItsOldAndNewPlace() {
        SliderProbe slider;
        QVERIFY(ShownAsOptionsSlider(slider));
        QVERIFY(!PaintedBy(slider, [&] { slider.setValue(500); }).isEmpty());
        const QRect before = slider.ThumbArea();
        const QRegion painted = PaintedBy(slider, [&] { slider.setValue(1000); });
        const QRect after = slider.ThumbArea();
        QVERIFY(!before.intersects(after));
        QVERIFY(Within(painted, QRegion(before) + after));
        QVERIFY(painted.contains(before));
        QVERIFY(painted.contains(after));

        // A drag step does the same; pressing and releasing repaint the thumb alone.
        QVERIFY(!PaintedBy(slider, [&] { Press(slider, after.center()); }).isEmpty());
        QCOMPARE(slider.paintedRegions.back(), QRegion(after));
        const QRegion dragged =
            PaintedBy(slider, [&] { Drag(slider, after.center() + QPoint(30, 0)); });
        QVERIFY(Within(dragged, QRegion(after) + slider.ThumbArea()));
        Release(slider, after.center() + QPoint(30, 0));
    }

    void dragFramesKeepTheRulerIntact() {
        SliderProbe slider;
        QVERIFY(ShownAsOptionsSlider(slider, soShowPoints));  // no focus rectangle coming and going
        // The reference: the control with the thumb parked at the far end.
        QVERIFY(!PaintedBy(slider, [&] { slider.setValue(2000); }).isEmpty());
        const QImage reference = OnScreen(slider);
        const QRect rulerRows(6, 10, 285, 8);
        QVERIFY(!PaintedBy(slider, [&] { slider.setValue(0); }).isEmpty());
        Press(slider, QPoint(10, 14));
        int frames = 0;
        for (int x = 10; x <= 300; x += 4) {
            const size_t paintsBefore = slider.paintedRegions.size();
            const QRect previous = slider.ThumbArea();
            Drag(slider, QPoint(x, 14));
            if (slider.ThumbArea() != previous) {
                QTRY_VERIFY(slider.paintedRegions.size() > paintsBefore);
            }
            const QImage frame = OnScreen(slider);
            const QRect thumb = slider.ThumbArea();
            const QRect parked(282, 6, 9, 17);
            for (int y = rulerRows.top(); y <= rulerRows.bottom(); ++y) {
                for (int px = rulerRows.left(); px <= rulerRows.right(); ++px) {
                    if (thumb.contains(px, y) || parked.contains(px, y)) {
                        continue;
                    }
                    QVERIFY2(
                        frame.pixel(px, y) == reference.pixel(px, y),
                        qPrintable(
                            QStringLiteral("frame %1, pixel %2,%3").arg(frames).arg(px).arg(y)));
                }
            }
            ++frames;
        }
        Release(slider, QPoint(300, 14));
        QCOMPARE(slider.Value(), 2000);
        QVERIFY(frames > 60);
    }

    void focusAndEnabledRepaints() {
        SliderProbe slider;
        QVERIFY(ShownAsOptionsSlider(slider));
        QVERIFY(!PaintedBy(slider, [&] { slider.setEnabled(false); }).isEmpty());
        slider.setEnabled(true);
        // The focus rectangle appears.
        QVERIFY(!PaintedBy(slider, [&] { slider.setFocus(); }).isEmpty());
        QVERIFY(slider.paintedRegions.back().contains(slider.rect()));
        const QImage focused = slider.grab().toImage();
        slider.setOptions(soShowPoints);
        const QImage plain = slider.grab().toImage();
        QVERIFY(focused != plain);
    }

    void focusedThumbRepaintsMatchAFullRepaint_data() {
        QTest::addColumn<QString>("styleName");
        QTest::newRow("default") << QString();
        QTest::newRow("Fusion") << QStringLiteral("Fusion");
        QTest::newRow("Windows") << QStringLiteral("Windows");
    }

    // Keys and mouse moves with the focus shown repaint only the thumb's places; what is left
    // on the screen must be what a repaint of the whole control draws.
    void focusedThumbRepaintsMatchAFullRepaint() {
        QFETCH(QString, styleName);
        std::unique_ptr<QStyle> style;
        SliderProbe slider;
        if (!styleName.isEmpty()) {
            style.reset(QStyleFactory::create(styleName));
            QVERIFY(style != nullptr);
            slider.setStyle(style.get());
        }
        QVERIFY(ShownAsOptionsSlider(slider));
        slider.setValue(500);
        slider.setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(slider.hasFocus());
        Settle();
        slider.paintedRegions.clear();

        for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Left, Qt::Key_Home}) {
            SendKey(slider, key);
            Settle();
        }
        QCOMPARE(slider.Value(), 0);
        const QPoint grab = slider.ThumbArea().center();
        Press(slider, grab);
        Settle();
        for (int dx = 7; dx <= 140; dx += 19) {
            Drag(slider, grab + QPoint(dx, 0));
            Settle();
        }
        Release(slider, grab + QPoint(140, 0));
        Settle();
        // A press on the ruler right of the thumb steps once at once.
        Press(slider, QPoint(260, 14));
        Release(slider, QPoint(260, 14));
        Settle();
        QVERIFY(slider.Value() > 0);
        for (const QRegion& region : slider.paintedRegions) {
            QVERIFY(!(QRegion(slider.rect()) - region).isEmpty());  // only partial repaints came
        }

        const QImage shown = OnScreen(slider);
        slider.repaint();
        const QImage full = OnScreen(slider);
        QVERIFY2(FirstDifference(shown, full).isEmpty(), qPrintable(FirstDifference(shown, full)));
        // The focus is still to be seen.
        slider.setOptions(soShowPoints);
        slider.repaint();
        QVERIFY(OnScreen(slider) != full);
    }

    void onDrawPointsReplacesTheTicks() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        int calls = 0;
        slider.setOnDrawPoints([&](TRxCustomSlider* sender) {
            ++calls;
            QCOMPARE(sender, static_cast<TRxCustomSlider*>(&slider));
            QVERIFY(sender->Canvas() != nullptr);
        });
        const QImage frame = slider.grab().toImage();
        QVERIFY(calls >= 1);
        const QRgb background = slider.palette().color(QPalette::Window).rgb();
        QCOMPARE(frame.pixel(10, 24), background);
        QCOMPARE(frame.pixel(17, 24), background);
        slider.setOnDrawPoints(nullptr);
        QCOMPARE(slider.grab().toImage().pixel(17, 24),
                 slider.palette().color(QPalette::WindowText).rgb());
    }
};

QTEST_MAIN(SliderPaintingTest)
#include "SliderPaintingTest.moc"
