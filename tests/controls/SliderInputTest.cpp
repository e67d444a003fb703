// SPDX-License-Identifier: GPL-3.0-or-later
// The slider's behaviour: the setters and their errors, the keyboard, the mouse (thumb drags and
// repeating ruler presses), the hand cursor, and a seeded random run checking the invariants.
#include <QDialog>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRandomGenerator>
#include <QShortcut>
#include <QSignalSpy>
#include <QtTest>

#include "SliderProbe.h"
#include "controls/SliderResources.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// Lets at least two repeat periods pass, measured on another slider's held ruler press.
void WaitTwoRepeatPeriods() {
    SliderProbe clock;
    clock.setMaxValue(100000);
    Press(clock, QPoint(140, 12));
    QTRY_VERIFY_WITH_TIMEOUT(clock.timerTicks >= 2, 5000);
    Release(clock, QPoint(140, 12));
}

// The Options dialog's slider at a starting value, with spies on both notifications that
// record only what comes after the start.
struct WatchedSlider {
    SliderProbe slider;
    QSignalSpy change{&slider, &TRxCustomSlider::OnChange};
    QSignalSpy changed{&slider, &TRxCustomSlider::OnChanged};

    explicit WatchedSlider(std::int32_t value) {
        ConfigureAsOptionsSlider(slider);
        slider.setValue(value);
        change.clear();
        changed.clear();
    }
};

// Whether setIncrement(bad) is refused with the given text.
bool IncrementRefused(TRxCustomSlider& slider, std::int32_t bad, const QString& text) {
    try {
        slider.setIncrement(bad);
    } catch (const SliderError& error) {
        return QString::fromUtf8(error.what()) == text;
    }
    return false;
}

}  // namespace

class SliderInputTest : public QObject {
    Q_OBJECT
private slots:
    void valueIsClampedAndNotifiedOnce() {
        WatchedSlider watched(500);
        auto& [slider, change, changed] = watched;
        slider.setValue(2100);
        QCOMPARE(slider.Value(), 2000);
        QCOMPARE(change.count(), 1);
        slider.setValue(2000);
        QCOMPARE(change.count(), 1);
        slider.setValue(-5);
        QCOMPARE(slider.Value(), 0);
        QCOMPARE(change.count(), 2);
        QCOMPARE(changed.count(), 0);  // changes from code are no user action
    }

    void incrementChecksAndRangeChanges() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        for (const std::int32_t bad : {0, -3, 2001}) {
            QVERIFY(
                IncrementRefused(slider, bad, QStringLiteral("Value must be between 1 and 2000")));
            QCOMPARE(slider.Increment(), 50);
        }
        slider.setIncrement(2000);
        QCOMPARE(slider.Increment(), 2000);
        slider.setIncrement(50);

        // A range narrower than the increment shrinks it; an empty range is refused.
        slider.setValue(40);
        QSignalSpy change(&slider, &TRxCustomSlider::OnChange);
        slider.setMaxValue(30);
        QCOMPARE(slider.MaxValue(), 30);
        QCOMPARE(slider.Increment(), 30);
        QCOMPARE(slider.Value(), 30);
        QCOMPARE(change.count(), 1);
        slider.setMaxValue(0);
        slider.setMinValue(30);
        QCOMPARE(slider.MinValue(), 0);
        QCOMPARE(slider.MaxValue(), 30);
        slider.setMinValue(10);
        QCOMPARE(slider.Increment(), 20);
        QCOMPARE(change.count(), 1);

        // The widest range does not overflow.
        slider.setMinValue(std::numeric_limits<std::int32_t>::min());
        slider.setMaxValue(std::numeric_limits<std::int32_t>::max());
        slider.setIncrement(1);
        slider.setValue(0);
        slider.grab();
        QVERIFY(
            IncrementRefused(slider, 0, QStringLiteral("Value must be between 1 and 4294967295")));
    }

    void imagePropertiesRestoreTheBuiltInPictures() {
        SliderProbe slider;
        slider.setOptions(soThumbOpaque | soRulerOpaque);
        QImage own(6, 6, QImage::Format_RGB32);
        own.fill(Qt::red);
        slider.setImageHThumb(&own);
        QCOMPARE(slider.ThumbArea().size(), QSize(3, 6));
        QCOMPARE(slider.UserImages(), std::uint8_t{1u << siHThumb});
        slider.setImageHThumb(nullptr);
        QCOMPARE(slider.ImageHThumb(), BuiltInSliderImage(siHThumb));
        QCOMPARE(slider.ThumbArea().size(), QSize(9, 17));
        QCOMPARE(slider.Options(), TSliderOptions(soRulerOpaque));
        slider.setImageVRuler(nullptr);
        QCOMPARE(slider.Options(), TSliderOptions());
    }

    void keysOnTheOptionsSlider() {
        WatchedSlider watched(500);
        auto& [slider, change, changed] = watched;
        SendKey(slider, Qt::Key_Right);
        QCOMPARE(slider.Value(), 550);
        QCOMPARE(changed.count(), 1);
        SendKey(slider, Qt::Key_End);
        QCOMPARE(slider.Value(), 2000);
        SendKey(slider, Qt::Key_Home);
        QCOMPARE(slider.Value(), 0);
        QCOMPARE(change.count(), 3);
        SendKey(slider, Qt::Key_Left);  // stays 0, and still ends a user action
        QCOMPARE(slider.Value(), 0);
        QCOMPARE(change.count(), 3);
        QCOMPARE(changed.count(), 4);
        // Keys that ask for no step, or with Shift, Ctrl or Alt held, change nothing.
        slider.setValue(500);
        change.clear();
        changed.clear();
        for (const int key :
             {int{Qt::Key_PageUp}, int{Qt::Key_PageDown}, int{Qt::Key_Up}, int{Qt::Key_Down}}) {
            SendKey(slider, key);
        }
        SendKey(slider, Qt::Key_Right, Qt::ShiftModifier);
        SendKey(slider, Qt::Key_Left, Qt::ControlModifier);
        SendKey(slider, Qt::Key_Home, Qt::AltModifier);
        QWheelEvent wheel(QPointF(100, 12), QPointF(100, 12), QPoint(), QPoint(0, 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&slider, &wheel);
        QCOMPARE(slider.Value(), 500);
        QCOMPARE(change.count(), 0);
        QCOMPARE(changed.count(), 0);
        // A slider that takes no input ignores the keys.
        slider.acceptsInput = false;
        SendKey(slider, Qt::Key_Right);
        QCOMPARE(slider.Value(), 500);
        QCOMPARE(changed.count(), 0);
    }

    void keyStepsRoundHalvesToEven() {
        SliderProbe slider;  // 0..100 in steps of 10
        slider.setValue(25);
        SendKey(slider, Qt::Key_Right);
        QCOMPARE(slider.Value(), 30);  // round(2.5) = 2
        slider.setValue(25);
        SendKey(slider, Qt::Key_Left);
        QCOMPARE(slider.Value(), 10);
        slider.setValue(35);
        SendKey(slider, Qt::Key_Right);
        QCOMPARE(slider.Value(), 50);  // round(3.5) = 4
        slider.setMinValue(5);
        slider.setValue(5);
        SendKey(slider, Qt::Key_Right);
        QCOMPARE(slider.Value(), 10);  // round(0.5) = 0, counted from 0
        slider.setOrientation(soVertical);
        slider.setValue(50);
        SendKey(slider, Qt::Key_Up);
        QCOMPARE(slider.Value(), 60);
        SendKey(slider, Qt::Key_Down);
        SendKey(slider, Qt::Key_Down);
        QCOMPARE(slider.Value(), 40);
        SendKey(slider, Qt::Key_Right);
        QCOMPARE(slider.Value(), 40);
    }

    void arrowKeysReachTheSliderInADialog() {
        QDialog dialog;
        auto* layout = new QHBoxLayout(&dialog);
        auto* button = new QPushButton(QStringLiteral("OK"), &dialog);
        auto* slider = new TRxSlider(&dialog);
        slider->setMinimumSize(150, 40);
        layout->addWidget(button);
        layout->addWidget(slider);
        int shortcutFired = 0;
        auto* shortcut = new QShortcut(QKeySequence(Qt::Key_Right), &dialog);
        connect(shortcut, &QShortcut::activated, [&] { ++shortcutFired; });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        slider->setFocus();
        QTRY_VERIFY(slider->hasFocus());
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Right);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Right);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Left);
        QCOMPARE(slider->Value(), 10);
        QVERIFY(slider->hasFocus());
        QCOMPARE(shortcutFired, 0);
        // Tab still moves the focus on.
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Tab);
        QTRY_VERIFY(button->hasFocus());
    }

    void rulerPressRepeatsEvery400ms() {
        WatchedSlider watched(500);  // thumb at 75..84
        SliderProbe& slider = watched.slider;
        QSignalSpy& changed = watched.changed;
        QElapsedTimer clock;
        QList<qint64> stepTimes;
        connect(&slider, &TRxCustomSlider::OnChange, [&] { stepTimes << clock.elapsed(); });
        clock.start();
        Press(slider, QPoint(100, 12));
        QCOMPARE(slider.Value(), 550);  // the first step comes with the press
        QCOMPARE(stepTimes.size(), 1);
        // 650 puts the thumb at 96..105, over the pointer: the steps stop there.
        QTRY_COMPARE_WITH_TIMEOUT(slider.Value(), 650, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(slider.timerTicks >= 4, 5000);
        QCOMPARE(slider.Value(), 650);
        QCOMPARE(stepTimes.size(), 3);
        QVERIFY2(stepTimes[1] - stepTimes[0] >= 370, qPrintable(QString::number(stepTimes[1])));
        QVERIFY(stepTimes[2] - stepTimes[1] >= 370);
        QCOMPARE(changed.count(), 0);
        Release(slider, QPoint(100, 12));
        QCOMPARE(changed.count(), 1);
        const int ticksAtRelease = slider.timerTicks;
        WaitTwoRepeatPeriods();
        QCOMPARE(slider.timerTicks, ticksAtRelease);  // the release stopped the timer

        // Moving the pointer to the other side stops the steps as well.
        slider.setValue(500);
        Press(slider, QPoint(20, 12));
        QCOMPARE(slider.Value(), 450);
        Drag(slider, QPoint(250, 12));
        const int ticks = slider.timerTicks;
        QTRY_VERIFY_WITH_TIMEOUT(slider.timerTicks >= ticks + 2, 5000);
        QCOMPARE(slider.Value(), 450);
        Release(slider, QPoint(250, 12));
        QCOMPARE(changed.count(), 2);
    }

    void rulerPressZoneIsThreePixelsWider() {
        WatchedSlider watched(0);
        auto& [slider, change, changed] = watched;
        // The ruler's rows are 10..17: 7 and 21 count, 6 and 22 do not.
        const std::pair<int, bool> cases[] = {{7, true}, {6, false}, {21, true}, {22, false}};
        for (const auto& [y, counts] : cases) {
            slider.setValue(500);
            Press(slider, QPoint(200, y));
            QCOMPARE(slider.Value(), counts ? 550 : 500);
            Release(slider, QPoint(200, y));
            QCOMPARE(changed.count(), counts ? 1 : 0);
            changed.clear();
        }
        // Other buttons and double clicks do nothing.
        SendMouse(slider, QEvent::MouseButtonPress, QPoint(200, 12), Qt::RightButton,
                  Qt::RightButton);
        SendMouse(slider, QEvent::MouseButtonDblClick, QPoint(200, 12));
        QCOMPARE(slider.Value(), 500);
    }

    void dragSnapsAndStopsAtTheEnds() {
        WatchedSlider watched(500);
        auto& [slider, change, changed] = watched;
        Press(slider, QPoint(79, 14));  // grabbed 4 pixels inside the thumb
        for (int x = 79; x < 160; x += 3) {
            Drag(slider, QPoint(x, 14));
            QCOMPARE(slider.Value() % 50, 0);
            QCOMPARE(slider.ThumbArea().left(), slider.OffsetForValue(slider.Value()));
        }
        Drag(slider, QPoint(-100, 40));
        QCOMPARE(slider.Value(), 0);
        QCOMPARE(slider.ThumbArea().left(), 6);
        Drag(slider, QPoint(900, 14));
        QCOMPARE(slider.Value(), 2000);
        QCOMPARE(slider.ThumbArea().left(), 282);
        QCOMPARE(changed.count(), 0);
        Release(slider, QPoint(900, 14));
        QCOMPARE(changed.count(), 1);
        QVERIFY(change.count() > 5);
        // A press and release on the thumb without moving still ends a user action.
        Press(slider, QPoint(285, 10));
        Release(slider, QPoint(285, 10));
        QCOMPARE(changed.count(), 2);
        // With soSmooth the value follows the pixel.
        slider.setOptions(slider.Options() | soSmooth);
        Press(slider, QPoint(285, 10));
        Drag(slider, QPoint(284, 10));
        QCOMPARE(slider.Value(), 1993);  // round(275 * 2000 / 276)
        Release(slider, QPoint(284, 10));
    }

    void disabledSliderIgnoresInput() {
        WatchedSlider watched(500);
        auto& [slider, change, changed] = watched;
        slider.setEnabled(false);
        const QImage frame = slider.grab().toImage();
        const QImage thumb = slider.ImageHThumb();
        for (int y = 0; y < 17; ++y) {
            for (int x = 0; x < 9; ++x) {
                const QRgb lit = thumb.pixel(9 + x, y);
                if (lit != qRgb(255, 0, 255)) {
                    QCOMPARE(frame.pixel(75 + x, 6 + y), lit);
                }
            }
        }
        SendKey(slider, Qt::Key_Right);
        Press(slider, QPoint(79, 14));
        Drag(slider, QPoint(200, 14));
        Release(slider, QPoint(200, 14));
        Press(slider, QPoint(200, 12));
        Release(slider, QPoint(200, 12));
        QCOMPARE(slider.Value(), 500);
        QCOMPARE(change.count(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void disablingEndsARulerPress() {
        WatchedSlider watched(0);
        auto& [slider, change, changed] = watched;
        Press(slider, QPoint(250, 12));
        QCOMPARE(slider.Value(), 50);
        slider.setEnabled(false);
        const int ticks = slider.timerTicks;
        WaitTwoRepeatPeriods();
        QCOMPARE(slider.timerTicks, ticks);
        QCOMPARE(slider.Value(), 50);
        slider.setEnabled(true);
        Release(slider, QPoint(250, 12));
        QCOMPARE(changed.count(), 0);
    }

    void handCursorOverTheThumb() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        slider.setValue(500);
        Hover(slider, QPoint(80, 10));
        QCOMPARE(slider.cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(slider.cursor().hotSpot(), QPoint(6, 16));
        Hover(slider, QPoint(200, 10));
        QCOMPARE(slider.cursor().shape(), Qt::ArrowCursor);
        slider.setCursor(Qt::CrossCursor);
        Hover(slider, QPoint(84, 22));
        QCOMPARE(slider.cursor().shape(), Qt::BitmapCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&slider, &leave);
        QCOMPARE(slider.cursor().shape(), Qt::CrossCursor);
    }

    void randomSequenceKeepsTheInvariants() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        std::int32_t lastSeen = slider.Value();
        int badNotices = 0;
        connect(&slider, &TRxCustomSlider::OnChange, [&] {
            if (slider.Value() == lastSeen) {
                ++badNotices;  // a notice without a change
            }
            lastSeen = slider.Value();
        });
        QRandomGenerator random(20240517);
        const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home,
                            Qt::Key_End,  Qt::Key_Up,    Qt::Key_PageUp};
        for (int step = 0; step < 3000; ++step) {
            const QPoint at(random.bounded(-20, 320), random.bounded(-5, 40));
            switch (random.bounded(9)) {
                case 0:
                    SendKey(slider, keys[random.bounded(6)]);
                    break;
                case 1:
                    Press(slider, at);
                    break;
                case 2:
                case 3:
                    Drag(slider, at);
                    break;
                case 4:
                    Release(slider, at);
                    break;
                case 5:
                    slider.setValue(random.bounded(-500, 2600));
                    break;
                case 6: {
                    const std::int32_t low = random.bounded(-300, 300);
                    slider.setMinValue(low);
                    slider.setMaxValue(low + random.bounded(-50, 3000));
                    break;
                }
                case 7:
                    try {
                        slider.setIncrement(random.bounded(-5, 400));
                    } catch (const SliderError&) {
                    }
                    break;
                default:
                    slider.setOptions(slider.Options() ^ soSmooth);
                    break;
            }
            QVERIFY2(slider.Value() >= slider.MinValue() && slider.Value() <= slider.MaxValue(),
                     qPrintable(QStringLiteral("step %1").arg(step)));
            QVERIFY(slider.MaxValue() > slider.MinValue());
            QVERIFY(slider.Increment() >= 1 &&
                    slider.Increment() <= std::int64_t{slider.MaxValue()} - slider.MinValue());
            QVERIFY2(lastSeen == slider.Value(),
                     qPrintable(QStringLiteral("unnotified change at step %1").arg(step)));
            QCOMPARE(badNotices, 0);
            if (step % 100 == 0) {
                slider.grab();
            }
        }
    }
};

QTEST_MAIN(SliderInputTest)
#include "SliderInputTest.moc"
