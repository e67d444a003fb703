// SPDX-License-Identifier: GPL-3.0-or-later
// The slider as screen readers see it: a Slider with a value, a range and a step (Qt's value
// interface), named by its accessible name or by the label whose buddy it is, and announcing
// every change of its value (unless its window says its value in words).
#pragma once

class QString;

namespace tavro {

class TRxCustomSlider;

// Registers, once, the factory that gives every slider its accessible interface.
void InstallSliderAccessibility();

// Raises the value-change event for the slider's current value.
void AnnounceSliderValue(TRxCustomSlider* slider);

// Has screen readers see the slider's values divided by unitsPerShownUnit, as its window shows
// them (a delay in milliseconds read as seconds: 1000). Values they set are multiplied back.
void SetAccessibleValueUnit(TRxCustomSlider* slider, double unitsPerShownUnit);

// The value as words, with its unit in the player's language ("0,55 Sekunden"), which the
// slider's window keeps up to date and tells the player itself at each step: screen readers
// read a value change as a bare number ("0.55"), so a slider with a value text raises no
// value-change event. An empty text goes back to the number and the events.
void SetAccessibleValueText(TRxCustomSlider* slider, const QString& text);

}  // namespace tavro
