// SPDX-License-Identifier: GPL-3.0-or-later
// Planning each format's read from its header, bounding its memory, decoding and reducing it.
#include "cardmaker/PictureDecode.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QSemaphore>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <mutex>

#include "cardmaker/DecoderMessages.h"
#include "cardmaker/JpegLayout.h"
#include "cardmaker/PictureReduce.h"
#include "cardmaker/WebpDecode.h"

namespace tavro::cardmaker {
namespace {

struct DecodeText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

constexpr qint64 kMegabyte = 1000 * 1000;
constexpr int kBudgetMegabytes = static_cast<int>(kPictureMemoryBudget / kMegabyte);
// The memory of reducing a picture read at full size, for each of its columns: a few of its rows
// at four bytes a pixel (PictureReduce.cpp) and the sums of a reduced row.
constexpr qint64 kReduceBytesPerColumn = 4 * 32 + 16;

enum class Format { Jpeg, Png, Webp, Gif, Other };

struct ReadPlan {
    Format format = Format::Other;
    QSize stored;     // the picture's size as the file stores it (before turning it upright)
    QSize asked;      // the size asked of Qt's reader; invalid for the full size
    qint64 cost = 0;  // bytes of memory the read takes; 0 when unknown
    QString problem;
};

qint64 Area(const QSize& size) {
    return qint64{size.width()} * size.height();
}

QString Megabytes(qint64 bytes) {
    return QString::number((bytes + kMegabyte / 2) / kMegabyte);
}

QString TooLarge(const QSize& size, qint64 cost) {
    return DecodeText::tr(
               "the picture is too large to read: its %1 x %2 pixels would take %3 MB of "
               "memory, more than the %4 MB this program takes for one picture")
        .arg(size.width())
        .arg(size.height())
        .arg(Megabytes(cost), Megabytes(kPictureMemoryBudget));
}

QString CutOff() {
    return DecodeText::tr("the picture is cut off: the file ends before the picture does");
}

QString Damaged(const QString& detail) {
    return DecodeText::tr("the picture's data is damaged (%1)").arg(detail);
}

Format Sniff(QFile& file) {
    const QByteArray head = file.peek(16);
    if (head.startsWith("\xFF\xD8\xFF")) {
        return Format::Jpeg;
    }
    if (head.startsWith("\x89PNG\r\n\x1A\n")) {
        return Format::Png;
    }
    if (head.startsWith("RIFF") && head.mid(8, 4) == "WEBP") {
        return Format::Webp;
    }
    if (head.startsWith("GIF8")) {
        return Format::Gif;
    }
    return Format::Other;
}

// The memory a read takes at its height: while decoding, the decoder's own memory and what it
// makes, with the reduced copy; afterwards (the decoder's memory given back), the reduced copy
// and its copy turned upright or made opaque.
qint64 ReadCost(qint64 decoding, const QSize& kept) {
    return std::max(decoding + 4 * Area(kept), 2 * 4 * Area(kept));
}

// Qt's JPEG reader asks libjpeg for the largest scale of 1/2, 1/4 or 1/8 whose picture still
// covers the size asked for, and reduces that to the size asked for where they differ.
qint64 JpegCost(const QSize& stored, const QSize& asked, qint64 coefficients) {
    const int scale = std::min(stored.width() / asked.width(), stored.height() / asked.height());
    const int denominator = scale >= 8 ? 8 : scale >= 4 ? 4 : scale >= 2 ? 2 : 1;
    const QSize decoded((stored.width() + denominator - 1) / denominator,
                        (stored.height() + denominator - 1) / denominator);
    // Where the decoder makes the size asked for, that is the reduced copy itself.
    return ReadCost(coefficients + (decoded != asked ? 4 * Area(decoded) : 0), asked);
}

ReadPlan PlanJpeg(QFile& file) {
    ReadPlan plan;
    plan.format = Format::Jpeg;
    const JpegLayout layout = ScanJpeg(file, kMaxPictureMetadataBytes);
    file.seek(0);
    if (layout.metadataBytes > kMaxPictureMetadataBytes) {
        plan.problem = DecodeText::tr(
                           "the file holds more than %1 MB of text and other data besides the "
                           "picture")
                           .arg(Megabytes(kMaxPictureMetadataBytes));
        return plan;
    }
    if (!layout.hasFrame || layout.size.isEmpty()) {
        plan.problem = Damaged(DecodeText::tr("it has no picture size"));
        return plan;
    }
    if (!layout.ended) {
        plan.problem = CutOff();
        return plan;
    }
    plan.stored = layout.size;
    const qint64 coefficients = JpegCoefficientBytes(layout);
    // The kept size first; where that takes too much memory, libjpeg's smaller scales.
    plan.asked = KeptSize(plan.stored);
    plan.cost = JpegCost(plan.stored, plan.asked, coefficients);
    for (int denominator = 2; denominator <= 8 && plan.cost > kPictureMemoryBudget;
         denominator *= 2) {
        const QSize smaller(std::max(1, plan.stored.width() / denominator),
                            std::max(1, plan.stored.height() / denominator));
        if (Area(smaller) < Area(plan.asked)) {
            plan.asked = smaller;
            plan.cost = JpegCost(plan.stored, smaller, coefficients);
        }
    }
    if (plan.cost > kPictureMemoryBudget) {
        plan.problem = TooLarge(plan.stored, plan.cost);
    }
    return plan;
}

ReadPlan PlanPng(QFile& file) {
    ReadPlan plan;
    plan.format = Format::Png;
    const QByteArray head = file.peek(33);  // the signature and the IHDR chunk
    if (head.size() < 33 || head.mid(12, 4) != "IHDR") {
        plan.problem = Damaged(DecodeText::tr("it has no picture size"));
        return plan;
    }
    const auto number = [&](int at) { return qFromBigEndian<quint32>(head.constData() + at); };
    const quint32 width = number(16);
    const quint32 height = number(20);
    if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX) {
        plan.problem = Damaged(DecodeText::tr("it has no picture size"));
        return plan;
    }
    const int depth = static_cast<uchar>(head[24]);
    const int colours = static_cast<uchar>(head[25]);
    const bool interlaced = head[28] != 0;
    plan.stored = QSize(static_cast<int>(width), static_cast<int>(height));
    const QSize kept = KeptSize(plan.stored);
    // Qt reduces 8-bit colour and grey-with-alpha pictures row by row as it reads them; others
    // it makes at full size first: 1 byte a pixel for palette and grey, 2 for 16-bit grey, 8
    // for 16-bit colour, 4 for the rest.
    const bool rowByRow =
        depth == 8 && !interlaced && (colours == 2 || colours == 4 || colours == 6);
    if (rowByRow) {
        plan.asked = kept;
        plan.cost = ReadCost(16 * qint64{plan.stored.width()}, kept);
    } else {
        const int bytesPerPixel = depth == 16                    ? (colours == 0 ? 2 : 8)
                                  : colours == 0 || colours == 3 ? 1
                                                                 : 4;
        plan.cost = ReadCost(
            bytesPerPixel * Area(plan.stored) + kReduceBytesPerColumn * plan.stored.width(), kept);
    }
    if (plan.cost > kPictureMemoryBudget) {
        plan.problem = TooLarge(plan.stored, plan.cost);
    }
    return plan;
}

ReadPlan PlanWebp(QFile& file) {
    ReadPlan plan;
    plan.format = Format::Webp;
    constexpr qint64 kHead = 64 * 1024;
    WebpFeatures features = ReadWebpFeatures(file.peek(kHead));
    if (!features.valid && file.size() > kHead && file.size() <= kPictureMemoryBudget / 2) {
        // Colour profiles or other chunks before the picture's own: the whole file tells.
        features = ReadWebpFeatures(file.readAll());
        file.seek(0);
    }
    if (!features.valid || features.size.isEmpty()) {
        plan.problem = Damaged(DecodeText::tr("it has no picture size"));
        return plan;
    }
    plan.stored = features.size;
    const QSize kept = KeptSize(plan.stored);
    // The whole file is held while libwebp decodes it. A lossy picture is reduced row by row
    // (its alpha channel is decoded at full size); a lossless one is decoded at full size;
    // an animation is read by Qt, whose reader keeps two frames.
    const qint64 rows = 64 * qint64{plan.stored.width()};
    if (features.animated) {
        plan.cost = ReadCost(file.size() + 2 * 4 * Area(plan.stored), kept);
    } else if (features.lossless) {
        plan.cost = ReadCost(file.size() + 4 * Area(plan.stored) + rows, kept);
    } else {
        plan.cost = ReadCost(file.size() + (features.alpha ? Area(plan.stored) : 0) + rows, kept);
    }
    if (plan.cost > kPictureMemoryBudget) {
        plan.problem = TooLarge(plan.stored, plan.cost);
    }
    plan.asked = features.animated ? QSize() : kept;
    return plan;
}

// A GIF ends with its trailer byte; a cut-off one decodes without a word, half empty.
bool GifIsWhole(QFile& file) {
    char last = 0;
    const bool whole = file.seek(file.size() - 1) && file.getChar(&last) && last == 0x3B;
    file.seek(0);
    return whole;
}

ReadPlan PlanOther(QFile& file, Format format) {
    ReadPlan plan;
    plan.format = format;
    if (format == Format::Gif && !GifIsWhole(file)) {
        plan.problem = CutOff();
        return plan;
    }
    QImageReader reader(&file);
    if (!reader.canRead()) {
        plan.problem = DecodeText::tr("it is not a picture in a format this program can read");
        return plan;
    }
    plan.stored = reader.size();
    const QImage::Format made = reader.imageFormat();
    file.seek(0);
    if (!plan.stored.isValid()) {
        plan.problem = DecodeText::tr(
            "it is a kind of picture whose size this program can't tell before reading it");
        return plan;
    }
    const int madeBytes =
        made == QImage::Format_Invalid ? 4 : QImage::toPixelFormat(made).bitsPerPixel() / 8;
    // Qt's GIF reader keeps a second full-size picture to draw each frame onto.
    const int bytesPerPixel = format == Format::Gif ? 8 : std::max(4, madeBytes);
    plan.cost =
        ReadCost(bytesPerPixel * Area(plan.stored) + kReduceBytesPerColumn * plan.stored.width(),
                 KeptSize(plan.stored));
    if (plan.cost > kPictureMemoryBudget) {
        plan.problem = TooLarge(plan.stored, plan.cost);
    }
    return plan;
}

ReadPlan PlanRead(QFile& file) {
    switch (const Format format = Sniff(file)) {
        case Format::Jpeg:
            return PlanJpeg(file);
        case Format::Png:
            return PlanPng(file);
        case Format::Webp:
            return PlanWebp(file);
        case Format::Gif:
        case Format::Other:
            return PlanOther(file, format);
    }
    return {};
}

// Holds the memory a read needs out of the budget shared by all reads in the program.
class MemoryShare {
public:
    explicit MemoryShare(qint64 cost)
        : units_(cost <= 0 ? kBudgetMegabytes
                           : static_cast<int>(std::clamp<qint64>((cost + kMegabyte - 1) / kMegabyte,
                                                                 1, kBudgetMegabytes))) {
        Budget().acquire(units_);
    }
    ~MemoryShare() { Budget().release(units_); }
    MemoryShare(const MemoryShare&) = delete;
    MemoryShare& operator=(const MemoryShare&) = delete;

private:
    static QSemaphore& Budget() {
        static QSemaphore budget(kBudgetMegabytes);
        return budget;
    }
    int units_;
};

// Qt's readers refuse, by themselves, pictures far past the budget: a second guard behind the
// estimates above, which know each format's own pixel size (Qt's limit takes every picture at
// four bytes a pixel, so it would refuse a grey photo of 24 megapixels that takes a quarter).
void LimitQtAllocations() {
    static std::once_flag limited;
    std::call_once(limited, [] { QImageReader::setAllocationLimit(2 * kBudgetMegabytes); });
}

DecodedPicture ReadWithQt(QFile& file, const ReadPlan& plan) {
    DecodedPicture decoded;
    QImageReader reader(&file);
    reader.setAutoTransform(true);
    if (plan.asked.isValid()) {
        reader.setScaledSize(plan.asked);
    }
    DecoderMessages messages;
    QImage image = reader.read();
    if (messages.refusedAsTooLarge() && plan.stored.isValid()) {
        decoded.problem = TooLarge(plan.stored, 4 * Area(plan.stored));
    } else if (!messages.damage().isEmpty()) {
        decoded.problem = Damaged(messages.damage().join(QStringLiteral("; ")));
    } else if (image.isNull()) {
        decoded.problem = DecodeText::tr(
                              "the picture cannot be read: it is damaged, cut off or of a kind "
                              "this program can't read (%1)")
                              .arg(reader.errorString());
    }
    if (!decoded.problem.isEmpty()) {
        return decoded;
    }
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    const QSize stored = plan.stored.isValid() ? plan.stored : image.size();
    decoded.sourceSize = turned ? stored.transposed() : stored;
    decoded.image = ReducePicture(image, KeptSize(image.size()));
    return decoded;
}

DecodedPicture ReadWebp(QFile& file, const ReadPlan& plan) {
    DecodedPicture decoded;
    const WebpDecoded webp = DecodeWebp(file.readAll(), plan.asked);
    switch (webp.problem) {
        case WebpProblem::None:
            decoded.image = webp.image;
            decoded.sourceSize = plan.stored;
            break;
        case WebpProblem::CutOff:
            decoded.problem = CutOff();
            break;
        case WebpProblem::Damaged:
            decoded.problem = Damaged(DecodeText::tr("libwebp cannot decode it"));
            break;
        case WebpProblem::Unsupported:
            decoded.problem = DecodeText::tr("it uses a kind of WebP this program can't read");
            break;
        case WebpProblem::OutOfMemory:
            decoded.problem = TooLarge(plan.stored, plan.cost);
            break;
    }
    return decoded;
}

}  // namespace

QSize KeptSize(const QSize& size) {
    const int longer = std::max(size.width(), size.height());
    if (longer <= kKeptSide) {
        return size;
    }
    const double factor = double{kKeptSide} / longer;
    return QSize(std::max(1, static_cast<int>(std::lround(size.width() * factor))),
                 std::max(1, static_cast<int>(std::lround(size.height() * factor))));
}

DecodedPicture DecodePicture(QFile& file) {
    LimitQtAllocations();
    const ReadPlan plan = PlanRead(file);
    if (!plan.problem.isEmpty()) {
        return {{}, plan.stored, plan.problem};
    }
    const MemoryShare share(plan.cost);
    if (plan.format == Format::Webp && plan.asked.isValid()) {
        return ReadWebp(file, plan);
    }
    return ReadWithQt(file, plan);
}

}  // namespace tavro::cardmaker
