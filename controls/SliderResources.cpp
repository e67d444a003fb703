// SPDX-License-Identifier: GPL-3.0-or-later
// Loads the slider's built-in pictures and keeps the program's cursor registry.
//
// Qt has no numbered cursor table like the one the slider expects, so the registry is ours: a
// function-local map filled on first use (once a GUI application exists, which QCursor needs)
// and emptied when the application object goes away, so that no cursor bitmap outlives it.
#include "controls/SliderResources.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QString>
#include <map>

namespace tavro {

namespace {

const char* const kImageNames[] = {"W95_HTB", "W95_HRL", "W95_VTB", "W95_VRL"};

QString ResourcePath(const char* name) {
    return QStringLiteral(":/controls/%1.xpm").arg(QLatin1String(name));
}

// A one-bit image, black where the predicate holds for the picture's pixel, white elsewhere.
template <typename Predicate>
QBitmap BitsWhere(const QImage& picture, Predicate holds) {
    QImage bits(picture.size(), QImage::Format_RGB32);
    bits.fill(Qt::white);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (holds(picture.pixel(x, y))) {
                bits.setPixel(x, y, qRgb(0, 0, 0));
            }
        }
    }
    return QBitmap::fromImage(bits.convertToFormat(QImage::Format_MonoLSB, Qt::ThresholdDither));
}

// A monochrome cursor from an XPM picture of black, white and transparent ("None") pixels.
QCursor MonochromeCursor(const char* name, int hotX, int hotY) {
    const QImage picture = QImage(ResourcePath(name)).convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    const QBitmap black =
        BitsWhere(picture, [](QRgb p) { return qAlpha(p) != 0 && qGray(p) < 128; });
    const QBitmap opaque = BitsWhere(picture, [](QRgb p) { return qAlpha(p) != 0; });
    return QCursor(black, opaque, hotX, hotY);
}

std::map<int, QCursor>& CursorRegistry() {
    static std::map<int, QCursor> registry;
    return registry;
}

void ClearCursorRegistry() {
    CursorRegistry().clear();
}

}  // namespace

QImage BuiltInSliderImage(int index) {
    if (index < 0 || index >= 4) {
        return {};
    }
    return QImage(ResourcePath(kImageNames[index])).convertToFormat(QImage::Format_RGB32);
}

const QCursor& ProgramCursor(int id) {
    auto& registry = CursorRegistry();
    if (registry.empty()) {
        registry.emplace(kHandCursor, MonochromeCursor("RX_HANDCUR", 6, 16));
        registry.emplace(kDragCursor, MonochromeCursor("RX_DRAGCUR", 0, 0));
        qAddPostRoutine(ClearCursorRegistry);
    }
    const auto found = registry.find(id);
    if (found != registry.end()) {
        return found->second;
    }
    static const QCursor arrow(Qt::ArrowCursor);
    return arrow;
}

}  // namespace tavro
