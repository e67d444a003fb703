// SPDX-License-Identifier: GPL-3.0-or-later
// make_icons: draws the application icons into an icon theme folder, as
// <theme folder>/<n>x<n>/apps/<desktop id>.png for each size the installed theme holds, with
// the same drawing code as the window icons: the game's and the card maker's.
// Usage: make_icons <theme folder> <desktop id> <card maker desktop id>.
// The ids come from the build, which checks here that they are the ones the programs announce.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "cardmaker/MakerIcon.h"
#include "dialogkit/AppIcon.h"

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

using DrawIcon = QImage (*)(int size);

bool SaveIcon(const QString& themeFolder, const QString& id, DrawIcon draw, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeFolder, QString::number(size));
    const QString file = QStringLiteral("%1/%2.png").arg(folder, id);
    const QImage icon = draw(size);
    if (!QDir().mkpath(folder) || !icon.save(file, "PNG")) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
        return false;
    }
    const QImage written(file, "PNG");
    if (written.size() != QSize(size, size) || !written.hasAlphaChannel()) {
        std::fprintf(stderr, "make_icons: %s did not read back as a %dx%d picture with alpha\n",
                     qPrintable(file), size, size);
        return false;
    }
    return true;
}

// A program whose icon is drawn: its id as the build names it and as the program announces it.
struct Program {
    QString id;
    const char* announced;
    const char* header;
    DrawIcon draw;
};

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr,
                     "usage: make_icons <theme folder> <desktop id> <card maker desktop id>\n");
        return 2;
    }
    const Program programs[] = {
        {arguments[2], tavro::kDesktopId, "dialogkit/AppIcon.h", tavro::DrawAppIcon},
        {arguments[3], tavro::cardmaker::kMakerDesktopId, "cardmaker/MakerIcon.h",
         tavro::cardmaker::DrawMakerIcon},
    };
    for (const Program& program : programs) {
        if (program.id != QLatin1String(program.announced)) {
            std::fprintf(stderr,
                         "make_icons: the build's desktop id %s differs from the program's %s "
                         "(%s)\n",
                         qPrintable(program.id), program.announced, program.header);
            return 1;
        }
        for (const int size : kSizes) {
            if (!SaveIcon(arguments[1], program.id, program.draw, size)) {
                return 1;
            }
        }
    }
    return 0;
}
