// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding WebP pictures with libwebp's scaling decoder, straight into a QImage.
#include "cardmaker/WebpDecode.h"

#include <webp/decode.h>

namespace tavro::cardmaker {
namespace {

const uint8_t* Bytes(const QByteArray& data) {
    return reinterpret_cast<const uint8_t*>(data.constData());
}

WebpProblem ProblemOf(VP8StatusCode status) {
    switch (status) {
        case VP8_STATUS_OK:
            return WebpProblem::None;
        case VP8_STATUS_NOT_ENOUGH_DATA:
            return WebpProblem::CutOff;
        case VP8_STATUS_UNSUPPORTED_FEATURE:
            return WebpProblem::Unsupported;
        case VP8_STATUS_OUT_OF_MEMORY:
            return WebpProblem::OutOfMemory;
        default:
            return WebpProblem::Damaged;
    }
}

}  // namespace

WebpFeatures ReadWebpFeatures(const QByteArray& data) {
    WebPBitstreamFeatures features;
    WebpFeatures result;
    if (WebPGetFeatures(Bytes(data), static_cast<size_t>(data.size()), &features) !=
        VP8_STATUS_OK) {
        return result;
    }
    result.valid = true;
    result.size = QSize(features.width, features.height);
    result.alpha = features.has_alpha != 0;
    result.animated = features.has_animation != 0;
    result.lossless = features.format == 2;
    return result;
}

WebpDecoded DecodeWebp(const QByteArray& data, const QSize& size) {
    WebpDecoded result;
    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config) || size.isEmpty()) {
        result.problem = WebpProblem::Unsupported;
        return result;
    }
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull()) {
        result.problem = WebpProblem::OutOfMemory;
        return result;
    }
    config.options.use_scaling = 1;
    config.options.scaled_width = size.width();
    config.options.scaled_height = size.height();
    // QImage's ARGB32 is B, G, R, A in memory on little-endian machines, A, R, G, B on big-endian.
    config.output.colorspace =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = static_cast<int>(image.bytesPerLine());
    config.output.u.RGBA.size = static_cast<size_t>(image.sizeInBytes());
    const VP8StatusCode status = WebPDecode(Bytes(data), static_cast<size_t>(data.size()), &config);
    WebPFreeDecBuffer(&config.output);
    result.problem = ProblemOf(status);
    if (result.problem == WebpProblem::None) {
        result.image = std::move(image);
    }
    return result;
}

}  // namespace tavro::cardmaker
