// SPDX-License-Identifier: GPL-3.0-or-later
// The slider as screen readers see it: a Slider with a value, a range and a step (Qt's value
// interface), named by its accessible name or by the label whose buddy it is, and announcing
// every change of its value.
#pragma once

namespace tavro {

class TRxCustomSlider;

// Registers, once, the factory that gives every slider its accessible interface.
void InstallSliderAccessibility();

// Raises the value-change event for the slider's current value.
void AnnounceSliderValue(TRxCustomSlider* slider);

// Has screen readers see the slider's values divided by unitsPerShownUnit, as its window shows
// them (a delay in milliseconds read as seconds: 1000). Values they set are multiplied back.
void SetAccessibleValueUnit(TRxCustomSlider* slider, double unitsPerShownUnit);

}  // namespace tavro
