// SPDX-License-Identifier: GPL-3.0-or-later
// The slider's built-in pictures and the program's own cursors, loaded by name from the
// program's resources (the XPM files under controls/SliderResources/).
#pragma once

#include <QCursor>
#include <QImage>

namespace tavro {

// The program's cursor numbers.
inline constexpr int kHandCursor = 14000;  // "RX_HANDCUR": the pointing hand over the thumb
inline constexpr int kDragCursor = 14001;  // "RX_DRAGCUR": an arrow dragging a box

// The built-in picture of a slider image index 0..3, as 32-bit RGB; a null image for others.
QImage BuiltInSliderImage(int index);
// The cursor registered under the number; the arrow for an unknown number.
const QCursor& ProgramCursor(int id);

}  // namespace tavro
