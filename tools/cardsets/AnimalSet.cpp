// SPDX-License-Identifier: GPL-3.0-or-later
// The "animals" set: animal glyphs of the Noto Color Emoji font on light cards with a deep blue
// back. Each glyph is checked to have really rendered in colour, because a missing glyph would
// silently come out as a blank or as a monochrome fallback box.
#include <QFontDatabase>
#include <QPainter>
#include <QRawFont>
#include <stdexcept>

#include "tools/cardsets/CardArt.h"

namespace tavro::cardsets {
namespace {

const QString kEmojiFontFile = QStringLiteral("/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf");
const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
// The font's bitmaps are drawn for this pixel size; rendering there and scaling down ourselves
// works whether or not the Qt build scales colour bitmap glyphs.
constexpr int kEmojiNativePixelSize = 109;
constexpr int kGlyphCanvas = 192;
// The glyph's side on a card of kCardArtSide pixels. On a larger card the glyph's bitmap (136 x 128
// pixels, the largest the font has) is enlarged a little, smoothly.
constexpr int kPictureSide = 92;

struct Animal {
    char32_t codePoint;
    const char* name;
};

// Chosen so that no two look alike at tile size: different shapes and main colours.
constexpr Animal kAnimals[kFacesPerSet] = {
    {U'\U0001F436', "dog"},      {U'\U0001F431', "cat"},       {U'\U0001F430', "rabbit"},
    {U'\U0001F98A', "fox"},      {U'\U0001F43C', "panda"},     {U'\U0001F42F', "tiger"},
    {U'\U0001F437', "pig"},      {U'\U0001F438', "frog"},      {U'\U0001F435', "monkey"},
    {U'\U0001F414', "chicken"},  {U'\U0001F427', "penguin"},   {U'\U0001F989', "owl"},
    {U'\U0001F418', "elephant"}, {U'\U0001F422', "turtle"},    {U'\U0001F419', "octopus"},
    {U'\U0001F433', "whale"},    {U'\U0001F98B', "butterfly"}, {U'\U0001F42E', "cow"},
};

const CardStyle kAnimalStyle{QColor(0xFF, 0xFB, 0xF0), QColor(0x1B, 0x3A, 0x8C),
                             QColor(0x1B, 0x3A, 0x8C), QColor(0x5B, 0x84, 0xE0)};

QFont EmojiFont() {
    if (!QFontDatabase::families().contains(kEmojiFamily) &&
        QFontDatabase::addApplicationFont(kEmojiFontFile) < 0) {
        throw std::runtime_error(
            "the font \"Noto Color Emoji\" is not installed (package "
            "fonts-noto-color-emoji, file " +
            kEmojiFontFile.toStdString() + ")");
    }
    QFont font(kEmojiFamily);
    font.setPixelSize(kEmojiNativePixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

// True when the glyph covers a fair part of its box and is not just the pen colour (black): a
// blank, an outlined missing-glyph box or a monochrome fallback glyph fails one of the two.
bool LooksLikeColourGlyph(const QImage& glyph) {
    int opaque = 0;
    int notPenColour = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor pixel = glyph.pixelColor(x, y);
            if (pixel.alpha() < 128) {
                continue;
            }
            ++opaque;
            if (pixel.value() > 100) {
                ++notPenColour;
            }
        }
    }
    const int area = glyph.width() * glyph.height();
    return opaque > area / 4 && notPenColour > opaque / 4;
}

QImage RenderGlyph(const QFont& font, const Animal& animal) {
    const QString text = QString::fromUcs4(&animal.codePoint, 1);
    if (!QRawFont::fromFont(font).supportsCharacter(animal.codePoint)) {
        throw std::runtime_error(std::string("the emoji font has no glyph for ") + animal.name);
    }
    QImage canvas(kGlyphCanvas, kGlyphCanvas, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(canvas.rect(), Qt::AlignCenter, text);
    painter.end();

    const QImage alpha = canvas.convertToFormat(QImage::Format_Alpha8);
    QRect used;
    for (int y = 0; y < alpha.height(); ++y) {
        const uchar* row = alpha.constScanLine(y);
        for (int x = 0; x < alpha.width(); ++x) {
            if (row[x] != 0) {
                used |= QRect(x, y, 1, 1);
            }
        }
    }
    const QImage glyph = canvas.copy(used);
    if (used.isEmpty() || !LooksLikeColourGlyph(glyph)) {
        throw std::runtime_error(std::string("the emoji for ") + animal.name +
                                 " did not render in colour; is the font \"Noto Color Emoji\" "
                                 "(package fonts-noto-color-emoji) usable?");
    }
    return glyph;
}

// The set's names in German and French, picture n at index n - 1.
std::vector<CardSetLanguage> AnimalLanguages() {
    return {
        {QStringLiteral("de"),
         QStringLiteral("Tiere"),
         {QStringLiteral("Hund"), QStringLiteral("Katze"), QStringLiteral("Kaninchen"),
          QStringLiteral("Fuchs"), QStringLiteral("Panda"), QStringLiteral("Tiger"),
          QStringLiteral("Schwein"), QStringLiteral("Frosch"), QStringLiteral("Affe"),
          QStringLiteral("Huhn"), QStringLiteral("Pinguin"), QStringLiteral("Eule"),
          QStringLiteral("Elefant"), QStringLiteral("Schildkröte"), QStringLiteral("Krake"),
          QStringLiteral("Wal"), QStringLiteral("Schmetterling"), QStringLiteral("Kuh")}},
        {QStringLiteral("fr"),
         QStringLiteral("Animaux"),
         {QStringLiteral("Chien"), QStringLiteral("Chat"), QStringLiteral("Lapin"),
          QStringLiteral("Renard"), QStringLiteral("Panda"), QStringLiteral("Tigre"),
          QStringLiteral("Cochon"), QStringLiteral("Grenouille"), QStringLiteral("Singe"),
          QStringLiteral("Poule"), QStringLiteral("Manchot"), QStringLiteral("Hibou"),
          QStringLiteral("Éléphant"), QStringLiteral("Tortue"), QStringLiteral("Pieuvre"),
          QStringLiteral("Baleine"), QStringLiteral("Papillon"), QStringLiteral("Vache")}},
    };
}

}  // namespace

CardSetArt AnimalSet(int side) {
    const QFont font = EmojiFont();
    CardSetArt set{
        QStringLiteral("animals"), CardBack(kAnimalStyle, side), {}, {}, AnimalLanguages()};
    for (const Animal& animal : kAnimals) {
        set.faces.push_back(
            FaceWithPicture(kAnimalStyle, RenderGlyph(font, animal), kPictureSide, side));
        set.names.append(QString::fromLatin1(animal.name));
    }
    return set;
}

}  // namespace tavro::cardsets
