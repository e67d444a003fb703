// SPDX-License-Identifier: GPL-3.0-or-later
// WebP pictures read with libwebp itself: Qt's WebP reader decodes a picture only at its full
// size, while libwebp reduces a lossy picture row by row as it decodes it, so a photo of 24
// megapixels needs no more memory than its reduced copy.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace tavro::cardmaker {

struct WebpFeatures {
    bool valid = false;  // the header was understood
    QSize size;
    bool alpha = false;
    bool animated = false;
    bool lossless = false;
};

// What the start of the file (or the whole file) says about the picture.
WebpFeatures ReadWebpFeatures(const QByteArray& data);

enum class WebpProblem { None, CutOff, Damaged, Unsupported, OutOfMemory };

struct WebpDecoded {
    QImage image;  // ARGB32 at the asked size, valid when problem is None
    WebpProblem problem = WebpProblem::None;
};

// Decodes a still picture reduced (or not) to `size`.
WebpDecoded DecodeWebp(const QByteArray& data, const QSize& size);

}  // namespace tavro::cardmaker
