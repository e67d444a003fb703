// SPDX-License-Identifier: GPL-3.0-or-later
// What Qt's picture decoders say while they read: libjpeg's "Corrupt JPEG data" and "Premature
// end of JPEG file" come only as messages, with a half-grey picture that reads as a success, so
// the messages of a read are caught on its own thread and tell a damaged picture apart. Outside a
// read the decoders' chatter (libpng warnings on harmless colour profiles and the like) is
// silenced, so that a successful run of the maker prints nothing but where its set went.
#pragma once

#include <QString>
#include <QStringList>

namespace tavro::cardmaker {

// Catches the decoders' messages on the calling thread while it lives; other threads' messages
// and other messages pass on as before. Installs the program's message handler on first use.
class DecoderMessages {
public:
    DecoderMessages();
    ~DecoderMessages();
    DecoderMessages(const DecoderMessages&) = delete;
    DecoderMessages& operator=(const DecoderMessages&) = delete;

    // What the JPEG decoder warned of: data it could not decode, or a file cut off.
    QStringList damage() const { return damage_; }
    // Whether Qt refused to make a picture larger than its allocation limit.
    bool refusedAsTooLarge() const { return tooLarge_; }

    // Called by the handler for a message of a picture decoder on this thread.
    void take(const char* category, const QString& message);

private:
    QStringList damage_;
    bool tooLarge_ = false;
    DecoderMessages* outer_ = nullptr;
};

// Installs the handler now (it is also installed by the first DecoderMessages).
void SilenceDecoderChatter();

}  // namespace tavro::cardmaker
