// SPDX-License-Identifier: GPL-3.0-or-later
// The message handler that routes picture decoders' messages to the read that caused them.
#include "cardmaker/DecoderMessages.h"

#include <QByteArrayView>
#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace tavro::cardmaker {
namespace {

// The categories of Qt's image readers and writers: "qt.gui.imageio", ".jpeg", ...
constexpr QByteArrayView kDecoderCategory = "qt.gui.imageio";
constexpr QByteArrayView kJpegCategory = "qt.gui.imageio.jpeg";
constexpr QByteArrayView kTooLargeText = "exceeds the current allocation limit";
// libjpeg's warnings that leave the whole picture intact: odd but harmless headers, and bytes
// of junk between the last data and the end marker.
constexpr QByteArrayView kHarmlessJpegWarnings[] = {"unknown JFIF revision",
                                                    "Adobe color transform", "for sequential JPEG",
                                                    "bad ICC marker", "before marker 0xd9"};

bool IsHarmless(const QString& message) {
    const QByteArray text = message.toUtf8();
    for (const QByteArrayView harmless : kHarmlessJpegWarnings) {
        if (text.contains(harmless)) {
            return true;
        }
    }
    return false;
}

thread_local DecoderMessages* current = nullptr;
std::atomic<QtMessageHandler> previous{nullptr};

bool IsDecoderCategory(const char* category) {
    return category != nullptr && QByteArrayView(category).startsWith(kDecoderCategory);
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (IsDecoderCategory(context.category)) {
        if (current != nullptr) {
            current->take(context.category, message);
        }
        return;
    }
    if (const QtMessageHandler handler = previous.load()) {
        handler(type, context, message);
        return;
    }
    // Only while the handler is being installed: the default output.
    std::fputs(qUtf8Printable(qFormatLogMessage(type, context, message) + u'\n'), stderr);
}

}  // namespace

void SilenceDecoderChatter() {
    static std::once_flag installed;
    std::call_once(installed, [] { previous.store(qInstallMessageHandler(Handle)); });
}

DecoderMessages::DecoderMessages() : outer_(current) {
    SilenceDecoderChatter();
    current = this;
}

DecoderMessages::~DecoderMessages() {
    current = outer_;
}

void DecoderMessages::take(const char* category, const QString& message) {
    if (QByteArrayView(category) == kJpegCategory) {
        if (!IsHarmless(message)) {
            damage_ << message.trimmed();
        }
    } else if (message.toUtf8().contains(kTooLargeText)) {
        tooLarge_ = true;
    }
}

}  // namespace tavro::cardmaker
