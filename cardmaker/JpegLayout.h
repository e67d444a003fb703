// SPDX-License-Identifier: GPL-3.0-or-later
// What a JPEG file holds, read from its markers without decoding it: its size; how its colours
// are sampled and whether it comes in several scans (progressive), which decides how much memory
// libjpeg needs to decode it; how many bytes of text and other data it carries besides the
// picture (Qt's reader keeps those in memory); and whether it reaches its end marker, which a
// cut-off file does not. The whole file is walked with a small buffer, skipping the picture data.
#pragma once

#include <QIODevice>
#include <QSize>
#include <QtGlobal>
#include <vector>

namespace tavro::cardmaker {

struct JpegLayout {
    struct Component {
        int horizontal = 1;  // sampling factors
        int vertical = 1;
    };
    bool hasFrame = false;  // a frame header gave the size and the components
    QSize size;
    std::vector<Component> components;
    bool progressive = false;
    int scans = 0;
    qint64 metadataBytes = 0;  // in APPn and comment segments
    bool ended = false;        // the end marker was reached
};

// Walks the file from its start; stops early once the metadata passes `maxMetadataBytes`.
JpegLayout ScanJpeg(QIODevice& device, qint64 maxMetadataBytes);
// The memory libjpeg holds for the coefficients of the whole picture when it comes in several
// scans, whatever size it is decoded at; 0 for a picture of one scan, decoded row by row.
qint64 JpegCoefficientBytes(const JpegLayout& layout);

}  // namespace tavro::cardmaker
