// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the card-set maker's tests: pictures whose middle square and edges have different
// colours, a JPEG with a camera orientation tag, running the maker's command line with its own
// data folder, and checking a written set on disk.
#pragma once

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

// Failure messages show texts and lists of texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

namespace tavro::test {

// Face n's distinct colour, for the plain pictures that fill up a set.
inline QColor PlainColour(int n) {
    return QColor::fromHsv((n * 37) % 360, 200, 90 + (n * 23) % 160);
}

// A picture in `edges` with its middle square (the largest centred square) in `middle`.
inline QImage MiddleSquarePicture(int width, int height, const QColor& middle,
                                  const QColor& edges) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(edges);
    const int side = std::min(width, height);
    QPainter painter(&image);
    painter.fillRect((width - side) / 2, (height - side) / 2, side, side, middle);
    return image;
}

inline bool SaveFile(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

// A JPEG with an EXIF segment whose only entry is the orientation tag, spliced in after the
// start-of-image marker, as cameras write it. Orientation 6: turn 90 degrees clockwise to show.
inline QByteArray JpegWithOrientation(const QImage& stored, quint16 orientation) {
    const QByteArray jpeg = Encode(stored, "JPG");
    QByteArray tiff("MM\0*\0\0\0\x08", 8);              // big-endian, first directory at offset 8
    tiff += QByteArray("\0\x01", 2);                    // one entry
    tiff += QByteArray("\x01\x12\0\x03\0\0\0\x01", 8);  // Orientation, SHORT, count 1
    tiff += char(orientation >> 8);
    tiff += char(orientation & 0xFF);
    tiff += QByteArray(2, '\0');  // value padding
    tiff += QByteArray(4, '\0');  // no next directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(payload.size()) + 2;
    QByteArray app1("\xFF\xE1", 2);
    app1 += char(length >> 8);
    app1 += char(length & 0xFF);
    app1 += payload;
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

struct MakerRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the maker's command line with the data folder as XDG_DATA_HOME, in the language.
inline MakerRun RunMaker(const QString& maker, const QString& dataHome, const QStringList& args,
                         const QString& language = QStringLiteral("en")) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    environment.insert(QStringLiteral("LANGUAGE"), language);
    environment.insert(QStringLiteral("LC_ALL"),
                       language == u"en"
                           ? QStringLiteral("C.UTF-8")
                           : language + u'_' + language.toUpper() + QStringLiteral(".UTF-8"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(maker, args);
    MakerRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Every entry under the folder, hidden ones included, as paths relative to it.
inline QStringList TreeOf(const QString& folder) {
    QStringList entries;
    const QDir dir(folder);
    for (const QFileInfo& entry : dir.entryInfoList(
             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name)) {
        entries << entry.fileName();
        if (entry.isDir() && !entry.isSymLink()) {
            for (const QString& inner : TreeOf(entry.filePath())) {
                entries << entry.fileName() + u'/' + inner;
            }
        }
    }
    return entries;
}

// The files of a complete set.
inline QStringList SetFileNames() {
    QStringList names;
    for (int n = 1; n <= 18; ++n) {
        names << QString::number(n) + QStringLiteral(".bmp");
    }
    names << QStringLiteral("set.desktop") << QStringLiteral("space.bmp");
    names.sort();
    return names;
}

inline QStringList Sorted(QStringList list) {
    list.sort();
    return list;
}

// What TreeOf shows of a set the maker saved under `set`: its files, its folder of the maker's
// kept copies, and the other entries given; sorted.
inline QStringList SavedSetTree(const QString& set, const QStringList& others = {}) {
    const QString maker = set + QStringLiteral("/.tavro-maker");
    QStringList tree{set, maker, maker + QStringLiteral("/squares.conf")};
    for (const QString& name : SetFileNames()) {
        tree << set + u'/' + name;
    }
    for (int n = 1; n <= 18; ++n) {
        tree << maker + QStringLiteral("/%1.jpg").arg(n);
    }
    for (const QString& other : others) {
        tree << set + u'/' + other;
    }
    return Sorted(tree);
}

inline QByteArray ReadAll(const QString& fileName) {
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether two colours are near each other: JPEG and smoothing move them a little.
inline bool Near(const QColor& a, const QColor& b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace tavro::test
