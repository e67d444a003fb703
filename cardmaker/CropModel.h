// SPDX-License-Identifier: GPL-3.0-or-later
// The square of a picture that goes on a card: where it sits and how far it is zoomed in. It is
// measured in the pixels of the copy of the picture the maker keeps (MakerPicture.h): at its
// largest the whole shorter side, at its smallest the card's own 120 pixels, so that a card never
// shows its picture enlarged. A tall picture starts with its square in its top third, where
// heads are; any other in its middle.
#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>

namespace tavro::cardmaker {

struct Crop {
    QPointF centre{0.5, 0.5};  // the square's centre, as fractions of the picture
    int side = 0;              // in the picture's pixels; 0 stands for the whole shorter side
    friend bool operator==(const Crop&, const Crop&) = default;
};

// One step of zooming in (or, divided by, out), as the wheel and the + and - keys take it.
inline constexpr double kZoomStep = 1.25;

// The largest square's side: the picture's shorter side.
int LargestCropSide(const QSize& size);
// The smallest square's side: 120 pixels (kCardArtSide), or the shorter side of a smaller
// picture.
int SmallestCropSide(const QSize& size);
// The crop as the picture allows it: its side within the two above (0 taken as the largest),
// its centre moved in as far as the square needs, so that CropSquare honours it exactly.
Crop ClampCrop(const QSize& size, const Crop& crop);
// The square in the picture's pixels.
QRect CropSquare(const QSize& size, const Crop& crop);
// The crop of a square given in the picture's pixels, clamped as above.
Crop CropOfSquare(const QSize& size, const QRect& square);
// Where a new picture's square starts: the whole shorter side, in the middle of a wide picture
// and in the top third of a tall one.
Crop DefaultCrop(const QSize& size);
// The crop zoomed in by the factor (above 1), or out (below 1), about its centre.
Crop ZoomCrop(const QSize& size, const Crop& crop, double factor);
// How far the crop is zoomed in: 1 for the whole shorter side, larger for smaller squares.
double CropZoom(const QSize& size, const Crop& crop);

// The largest square centred as near the centre as the picture allows.
QRect CropSquare(const QSize& size, const QPointF& centre);

}  // namespace tavro::cardmaker
