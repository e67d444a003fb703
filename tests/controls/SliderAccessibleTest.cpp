// SPDX-License-Identifier: GPL-3.0-or-later
// The slider as a screen reader sees it through QAccessible: a named Slider whose value, range
// and step can be read and set, and which announces every change of its value.
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleValueChangeEvent>
#include <QLabel>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>
#include <vector>

#include "SliderProbe.h"

using namespace tavro;
using namespace tavro::test;

namespace {

struct ValueEvent {
    QObject* object;
    QVariant value;
};

// Every value-change event raised while the recorder is installed.
std::vector<ValueEvent>& ValueEvents() {
    static std::vector<ValueEvent> events;
    return events;
}

void RecordEvent(QAccessibleEvent* event) {
    if (event->type() == QAccessible::ValueChanged) {
        auto* change = static_cast<QAccessibleValueChangeEvent*>(event);
        ValueEvents().push_back({change->object(), change->value()});
    }
}

}  // namespace

class SliderAccessibleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // Events reach the handler only while accessibility is active, as when a screen reader
        // has asked for it; the platform's switch is not public.
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        QAccessible::installUpdateHandler(RecordEvent);
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }
    void init() { ValueEvents().clear(); }

    void isASliderWithValueRangeAndStep() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        slider.setValue(100);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&slider);
        QVERIFY(face != nullptr);
        QCOMPARE(face->role(), QAccessible::Slider);
        QCOMPARE(face->object(), &slider);
        QVERIFY(face->state().focusable);
        QAccessibleValueInterface* value = face->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->currentValue().toInt(), 100);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 2000);
        QCOMPARE(value->minimumStepSize().toInt(), 50);
        QCOMPARE(face->text(QAccessible::Value), QStringLiteral("100"));

        slider.setMinValue(-20);
        slider.setMaxValue(40);
        slider.setIncrement(5);
        QCOMPARE(value->minimumValue().toInt(), -20);
        QCOMPARE(value->maximumValue().toInt(), 40);
        QCOMPARE(value->minimumStepSize().toInt(), 5);
        QCOMPARE(value->currentValue().toInt(), 40);
    }

    void settingTheValueActsLikeTheUser() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        QSignalSpy changes(&slider, &TRxCustomSlider::OnChange);
        QSignalSpy ended(&slider, &TRxCustomSlider::OnChanged);
        QAccessibleValueInterface* value =
            QAccessible::queryAccessibleInterface(&slider)->valueInterface();
        QVERIFY(value != nullptr);
        value->setCurrentValue(750);
        QCOMPARE(slider.Value(), 750);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(ended.count(), 1);
        value->setCurrentValue(5000);  // clamped as from anywhere else
        QCOMPARE(slider.Value(), 2000);
        QCOMPARE(slider.ThumbArea().left(), slider.OffsetForValue(2000));

        // A slider that takes no input is not changed by a screen reader either.
        slider.setEnabled(false);
        value->setCurrentValue(100);
        QCOMPARE(slider.Value(), 2000);
        slider.setEnabled(true);
        slider.acceptsInput = false;
        value->setCurrentValue(100);
        QCOMPARE(slider.Value(), 2000);
    }

    void everyChangeOfValueIsAnnounced() {
        SliderProbe slider;
        ConfigureAsOptionsSlider(slider);
        slider.setValue(500);  // from code
        SendKey(slider, Qt::Key_Right);
        SendKey(slider, Qt::Key_Home);
        SendKey(slider, Qt::Key_Left);  // stays at 0: nothing to announce
        slider.setValue(0);
        // A drag, one snapped step at a time.
        const QPoint grab = slider.ThumbArea().center();
        Press(slider, grab);
        Drag(slider, grab + QPoint(7, 0));
        Release(slider, grab + QPoint(7, 0));
        QCOMPARE(slider.Value(), 50);

        std::vector<int> announced;
        for (const ValueEvent& event : ValueEvents()) {
            QCOMPARE(event.object, &slider);
            announced.push_back(event.value.toInt());
        }
        QCOMPARE(announced, (std::vector<int>{500, 550, 0, 50}));
    }

    void isNamedByItsLabelOrItsOwnName() {
        QWidget window;
        auto* label = new QLabel(QStringLiteral("&Delay"), &window);
        auto* slider = new TRxSlider(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(label);
        layout->addWidget(slider);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(slider);
        QVERIFY(face != nullptr);
        QCOMPARE(face->text(QAccessible::Name), QString());
        label->setBuddy(slider);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Delay"));
        slider->setAccessibleName(QStringLiteral("Flip delay"));
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Flip delay"));
        // It sits in the window's tree.
        QAccessibleInterface* parent = face->parent();
        QVERIFY(parent != nullptr);
        QCOMPARE(parent->object(), &window);
        QVERIFY(parent->indexOfChild(face) >= 0);
    }
};

QTEST_MAIN(SliderAccessibleTest)
#include "SliderAccessibleTest.moc"
