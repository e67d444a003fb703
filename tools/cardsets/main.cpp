// SPDX-License-Identifier: GPL-3.0-or-later
// make_cardsets: draws the card sets the game ships with and writes them as Windows bitmaps.
// Usage: make_cardsets <gfx folder>. Run by the build with Qt's offscreen platform.
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "tools/cardsets/CardArt.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: make_cardsets <gfx folder>\n");
        return 2;
    }
    try {
        using namespace tavro::cardsets;
        SaveCardSet(DrawForFiles(AnimalSet), arguments[1]);
        SaveCardSet(DrawForFiles(ShapeSet), arguments[1]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_cardsets: %s\n", error.what());
        return 1;
    }
    return 0;
}
