// SPDX-License-Identifier: GPL-3.0-or-later
// The layout of a card set's folder, the one place that names its files: the card back and the
// faces, one bitmap each. The game speaks of pictures by face id (0 the back, 1..18 the faces);
// whoever reads or writes a set's files (the main window, Options' preview, the card maker, the
// built-in set generator) turns a face id into its file name here. No toolkit, so every layer
// may include it; the build reads the names from here too (tools/CMakeLists.txt).
#pragma once

#include <cstdint>
#include <string>

namespace tavro {

// The faces 1..kFaceCount, each on exactly two cards of a deal.
inline constexpr int kFaceCount = 18;
// The face id of the card back.
inline constexpr std::int32_t kCardBack = 0;
inline constexpr const char* kCardBackFileName = "space.bmp";
inline constexpr const char* kFaceFileSuffix = ".bmp";

// The file that shows the face id in its set's folder: the back's file for kCardBack, "<n>.bmp"
// for face n.
inline std::string CardPictureFileName(std::int32_t face) {
    return face == kCardBack ? std::string(kCardBackFileName)
                             : std::to_string(face) + kFaceFileSuffix;
}

}  // namespace tavro
