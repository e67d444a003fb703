// SPDX-License-Identifier: GPL-3.0-or-later
// A throw-away executable folder for the dialog tests: "gfx" with card sets whose pictures are
// small single-colour bitmaps, the colour telling the set and the picture apart; and a
// throw-away player's data folder (XDG_DATA_HOME points there while the tree lives) whose
// "tavro-memory/gfx" holds the player's own sets.
#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTemporaryDir>

namespace tavro::test {

// Picture 0 is the card back, 1..18 the faces.
inline QColor PictureColour(int setNumber, int picture) {
    return QColor(40 * setNumber, 12 * picture, 200);
}

class CardSetTree {
public:
    CardSetTree() : previousDataHome_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.path() + QStringLiteral("/data")));
    }
    ~CardSetTree() { qputenv("XDG_DATA_HOME", previousDataHome_); }
    CardSetTree(const CardSetTree&) = delete;
    CardSetTree& operator=(const CardSetTree&) = delete;

    QString executableFolder() const { return dir_.path() + u'/'; }
    QString gfx() const { return dir_.path() + QStringLiteral("/gfx/"); }
    QString playerGfx() const { return dir_.path() + QStringLiteral("/data/tavro-memory/gfx/"); }
    bool isValid() const { return dir_.isValid() && QDir().mkpath(gfx()); }

    // Writes space.bmp and 1.bmp..18.bmp, leaving out `missingFace` (0 = none).
    bool addSet(const QString& name, int setNumber, int missingFace = 0) const {
        return addSetIn(gfx(), name, setNumber, missingFace);
    }
    // The same among the player's sets.
    bool addPlayerSet(const QString& name, int setNumber) const {
        return addSetIn(playerGfx(), name, setNumber, 0);
    }
    // Writes the set.desktop of the set folder `setFolder` (gfx() or playerGfx() + name).
    static bool writeInfo(const QString& setFolder, const QByteArray& contents) {
        QFile file(setFolder + QStringLiteral("/set.desktop"));
        return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
    }

private:
    static bool addSetIn(const QString& sets, const QString& name, int setNumber, int missingFace) {
        const QString folder = sets + name + u'/';
        if (!QDir().mkpath(folder)) {
            return false;
        }
        for (int picture = 0; picture <= 18; ++picture) {
            if (picture == missingFace && picture != 0) {
                continue;
            }
            QImage image(4, 4, QImage::Format_RGB888);
            image.fill(PictureColour(setNumber, picture));
            const QString file = picture == 0 ? QStringLiteral("space.bmp")
                                              : QString::number(picture) + QStringLiteral(".bmp");
            if (!image.save(folder + file, "BMP")) {
                return false;
            }
        }
        return true;
    }

public:
    bool addEmptyFolder(const QString& name) const { return QDir().mkpath(gfx() + name); }
    bool addFile(const QString& name) const {
        QFile file(gfx() + name);
        return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
    }

private:
    QTemporaryDir dir_;
    QByteArray previousDataHome_;
};

}  // namespace tavro::test
