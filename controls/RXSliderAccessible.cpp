// SPDX-License-Identifier: GPL-3.0-or-later
// The slider's accessible interface: QAccessibleWidget gives the name (the accessible name, else
// the text of the label whose buddy the slider is), the states and the place in the tree; this
// adds the role and the value interface. A value set by a screen reader counts as a user action:
// it is refused when the slider takes no input, and it ends with OnChanged.
#include "controls/RXSliderAccessible.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QString>
#include <cmath>

#include "controls/RXSlider.h"

namespace tavro {
namespace {

constexpr const char* kUnitProperty = "tavroAccessibleValueUnit";
constexpr const char* kValueTextProperty = "tavroAccessibleValueText";

double UnitOf(const QObject* slider) {
    const double unit = slider->property(kUnitProperty).toDouble();
    return unit > 0 ? unit : 1.0;
}

}  // namespace

class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(TRxCustomSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            const QString words = widget()->property(kValueTextProperty).toString();
            return words.isEmpty() ? Shown(Slider()->Value()).toString() : words;
        }
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return Shown(Slider()->Value()); }
    QVariant minimumValue() const override { return Shown(Slider()->MinValue()); }
    QVariant maximumValue() const override { return Shown(Slider()->MaxValue()); }
    QVariant minimumStepSize() const override { return Shown(Slider()->Increment()); }

    void setCurrentValue(const QVariant& value) override {
        TRxCustomSlider* slider = Slider();
        bool ok = false;
        const double shown = value.toDouble(&ok);
        const int wanted = static_cast<int>(std::lround(shown * UnitOf(slider)));
        if (!ok || !slider->isEnabled() || !slider->AcceptsInput()) {
            return;
        }
        slider->setValue(wanted);
        slider->NotifyChanged();
    }

private:
    TRxCustomSlider* Slider() const { return static_cast<TRxCustomSlider*>(widget()); }
    // A value as the window shows it: an integer unless a unit was set.
    QVariant Shown(int value) const {
        const double unit = UnitOf(widget());
        return unit == 1.0 ? QVariant(value) : QVariant(value / unit);
    }
};

namespace {

QAccessibleInterface* SliderFactory(const QString& /*className*/, QObject* object) {
    auto* slider = qobject_cast<TRxCustomSlider*>(object);
    return slider != nullptr ? new SliderAccessible(slider) : nullptr;
}

}  // namespace

void InstallSliderAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(SliderFactory);
        return true;
    }();
    (void)installed;
}

void SetAccessibleValueUnit(TRxCustomSlider* slider, double unitsPerShownUnit) {
    slider->setProperty(kUnitProperty, unitsPerShownUnit);
}

void SetAccessibleValueText(TRxCustomSlider* slider, const QString& text) {
    slider->setProperty(kValueTextProperty, text);
}

void AnnounceSliderValue(TRxCustomSlider* slider) {
    if (!slider->property(kValueTextProperty).toString().isEmpty()) {
        return;  // its window tells the value in words
    }
    const double unit = UnitOf(slider);
    QAccessibleValueChangeEvent event(
        slider, unit == 1.0 ? QVariant(slider->Value()) : QVariant(slider->Value() / unit));
    QAccessible::updateAccessibility(&event);
}

}  // namespace tavro
