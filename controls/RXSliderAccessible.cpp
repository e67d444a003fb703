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

#include "controls/RXSlider.h"

namespace tavro {

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
            return QString::number(Slider()->Value());
        }
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return Slider()->Value(); }
    QVariant minimumValue() const override { return Slider()->MinValue(); }
    QVariant maximumValue() const override { return Slider()->MaxValue(); }
    QVariant minimumStepSize() const override { return Slider()->Increment(); }

    void setCurrentValue(const QVariant& value) override {
        TRxCustomSlider* slider = Slider();
        bool ok = false;
        const int wanted = value.toInt(&ok);
        if (!ok || !slider->isEnabled() || !slider->AcceptsInput()) {
            return;
        }
        slider->setValue(wanted);
        slider->NotifyChanged();
    }

private:
    TRxCustomSlider* Slider() const { return static_cast<TRxCustomSlider*>(widget()); }
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

void AnnounceSliderValue(TRxCustomSlider* slider) {
    QAccessibleValueChangeEvent event(slider, slider->Value());
    QAccessible::updateAccessibility(&event);
}

}  // namespace tavro
