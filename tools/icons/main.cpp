// SPDX-License-Identifier: GPL-3.0-or-later
// make_icons: draws the application icon into an icon theme folder, as
// <theme folder>/<n>x<n>/apps/<desktop id>.png for each size the installed theme holds, with
// the same drawing code as the window icon. Usage: make_icons <theme folder> <desktop id>.
// The id comes from the build, which checks here that it is the one the program announces.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "dialogkit/AppIcon.h"

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

bool SaveIcon(const QString& themeFolder, const QString& id, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(themeFolder).arg(size);
    const QString file = QStringLiteral("%1/%2.png").arg(folder, id);
    const QImage icon = tavro::DrawAppIcon(size);
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

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: make_icons <theme folder> <desktop id>\n");
        return 2;
    }
    const QString& id = arguments[2];
    if (id != QLatin1String(tavro::kDesktopId)) {
        std::fprintf(stderr,
                     "make_icons: the build's desktop id %s differs from the program's %s "
                     "(dialogkit/AppIcon.h)\n",
                     qPrintable(id), tavro::kDesktopId);
        return 1;
    }
    for (const int size : kSizes) {
        if (!SaveIcon(arguments[1], id, size)) {
            return 1;
        }
    }
    return 0;
}
