// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the maker's squares.conf, and the names of a set's own files.
#include "cardmaker/SetSources.h"

#include <QUrl>

#include "game/CardSetLayout.h"
#include "settings/CardSetInfo.h"
#include "settings/KeyFile.h"

namespace tavro::cardmaker {
namespace {

const QString kGroup = QStringLiteral("Tavro Memory Card Maker");

QString OriginValue(const QString& file) {
    return QString::fromLatin1(QUrl::toPercentEncoding(file, "/"));
}

QString OriginOf(const QString& value) {
    return QUrl::fromPercentEncoding(value.toLatin1());
}

QString SquareValue(const QRect& square) {
    return QStringLiteral("%1 %2 %3").arg(square.left()).arg(square.top()).arg(square.width());
}

// "left top side" of non-negative numbers and a side of at least 1.
std::optional<QRect> ParseSquare(const QString& value) {
    const QStringList parts = value.split(u' ', Qt::SkipEmptyParts);
    if (parts.size() != 3) {
        return std::nullopt;
    }
    int numbers[3];
    for (int n = 0; n < 3; ++n) {
        bool ok = false;
        numbers[n] = parts[n].toInt(&ok);
        if (!ok || numbers[n] < 0) {
            return std::nullopt;
        }
    }
    if (numbers[2] < 1) {
        return std::nullopt;
    }
    return QRect(numbers[0], numbers[1], numbers[2], numbers[2]);
}

// The face number n of a key "<prefix>n", or 0.
int FaceOfKey(const QString& key, QStringView prefix) {
    if (!key.startsWith(prefix)) {
        return 0;
    }
    bool ok = false;
    const int face = key.mid(prefix.size()).toInt(&ok);
    return ok && face >= 1 && face <= kPicturesPerSet ? face : 0;
}

}  // namespace

QString FaceCopyName(int face) {
    return QString::number(face) + QStringLiteral(".jpg");
}

QStringList SetFileNames() {
    QStringList names;
    for (std::int32_t face = kCardBack; face <= kFaceCount; ++face) {
        names << QString::fromStdString(CardPictureFileName(face));
    }
    names << QString::fromLatin1(kCardSetInfoFileName);
    return names;
}

QStringList MakerFileNames() {
    QStringList names;
    for (int face = 1; face <= kPicturesPerSet; ++face) {
        names << FaceCopyName(face);
    }
    names << kBackCopy << kSquaresFile;
    return names;
}

QByteArray SquaresText(const CardSetFiles& files) {
    QString text = u'[' + kGroup + QStringLiteral("]\n");
    text += QStringLiteral("Back=") + (files.backSource ? kPictureBack : files.readyBack) + u'\n';
    for (size_t n = 0; n < files.sources.size(); ++n) {
        text +=
            QStringLiteral("Square%1=").arg(n + 1) + SquareValue(files.sources[n].square) + u'\n';
        text += QStringLiteral("File%1=").arg(n + 1) + OriginValue(files.sources[n].origin) + u'\n';
    }
    if (files.backSource) {
        text += QStringLiteral("SquareBack=") + SquareValue(files.backSource->square) + u'\n';
        text += QStringLiteral("FileBack=") + OriginValue(files.backSource->origin) + u'\n';
    }
    return text.toUtf8();
}

SavedSquares ParseSquares(const QByteArray& bytes) {
    SavedSquares saved;
    saved.faces.resize(kPicturesPerSet);
    saved.origins = QStringList(kPicturesPerSet);
    const KeyFileGroup entries = KeyFileGroup::Parse(bytes, kGroup, kSquaresMaxBytes);
    // In the order of the file, so that of "Square1" and "Square01" the later counts.
    for (const auto& [key, value] : entries.entries()) {
        if (key == u"Back") {
            saved.back = value;
        } else if (key == u"SquareBack") {
            saved.backSquare = ParseSquare(value);
        } else if (key == u"FileBack") {
            saved.backOrigin = OriginOf(value);
        } else if (const int face = FaceOfKey(key, u"Square"); face > 0) {
            saved.faces[face - 1] = ParseSquare(value);
        } else if (const int face = FaceOfKey(key, u"File"); face > 0) {
            saved.origins[face - 1] = OriginOf(value);
        }
    }
    return saved;
}

}  // namespace tavro::cardmaker
