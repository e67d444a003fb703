// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a Windows bitmap straight from its file at the size it is shown at. The pixel rows are
// read a band at a time and each band is reduced into the smaller picture at once (an area
// average, as smooth scaling does), so that neither the file's bytes nor the full-size picture
// is ever held in memory: a set of huge pictures costs no more than one of small ones.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

namespace tavro {

// Where one source row or column lands in the reduced picture (see BitmapStream.cpp).
struct RowSpan {
    int first = 0;
    float firstWeight = 1;
    float secondWeight = 0;  // for cell first + 1
};

// Sums source rows of a picture into a picture of at most the target size, each destination
// pixel the average of the source area it covers. The rows may come in any order.
class RowReducer {
public:
    RowReducer(QSize source, QSize target, bool alpha);
    // Whether the memory for the result could be had.
    bool IsValid() const { return !result_.isNull(); }
    // Source row y, `source.width()` pixels (premultiplied when the picture has alpha).
    void AddRow(int y, const QRgb* row);
    // The reduced picture: RGB32, or ARGB32_Premultiplied with alpha.
    QImage Result();

private:
    QSize source_;
    QSize target_;
    bool copies_;  // the sizes are equal: rows are copied as they are
    QImage result_;
    std::vector<float> sums_;       // target pixels x 4 channels (blue, green, red, alpha)
    std::vector<float> rowSums_;    // one source row reduced to the target width
    std::vector<RowSpan> columns_;  // where each source column lands
    std::vector<RowSpan> rows_;     // where each source row lands
};

// Decodes the bitmap of `length` bytes that `file` reads from its start, reduced to at most
// `shownPixels` in each direction (an empty size keeps the full size). Every check of
// CheckBitmapHeader is made. Returns a null image with the reason in `problem` when the file is
// no complete, readable bitmap.
QImage DecodeBitmapScaled(QIODevice& file, qint64 length, const QSize& shownPixels,
                          QString& problem);

}  // namespace tavro
