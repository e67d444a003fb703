// SPDX-License-Identifier: GPL-3.0-or-later
// The "shapes" set: 18 simple figures, each in a colour of its own, drawn with QPainter on light
// cards with a deep red back. Every figure is a path in a box from -1 to 1, scaled to the card.
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <functional>

#include "tools/cardsets/CardArt.h"

namespace tavro::cardsets {
namespace {

// Half the figure's side, in the pixels of a card of kCardArtSide pixels.
constexpr qreal kFigureRadius = 40;

const CardStyle kShapeStyle{QColor(0xFF, 0xFF, 0xFF), QColor(0x8C, 0x1B, 0x2E),
                            QColor(0x8C, 0x1B, 0x2E), QColor(0xE0, 0x6A, 0x7C)};

QPolygonF RegularPolygon(int corners, qreal radius, qreal startDegrees) {
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const qreal angle = qDegreesToRadians(startDegrees + 360.0 * i / corners);
        polygon << QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return polygon;
}

QPolygonF StarPolygon(int points, qreal outer, qreal inner) {
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 180.0 * i / points);
        const qreal radius = i % 2 == 0 ? outer : inner;
        polygon << QPointF(radius * qCos(angle), radius * qSin(angle));
    }
    return polygon;
}

QPainterPath Polygon(const QPolygonF& polygon) {
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath Circle() {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 0.95, 0.95);
    return path;
}

QPainterPath Square() {
    QPainterPath path;
    path.addRect(-0.8, -0.8, 1.6, 1.6);
    return path;
}

QPainterPath Heart() {
    QPainterPath path;
    path.moveTo(0, 0.95);
    path.cubicTo(-0.5, 0.55, -1.0, 0.15, -1.0, -0.35);
    path.cubicTo(-1.0, -0.85, -0.35, -1.05, 0, -0.55);
    path.cubicTo(0.35, -1.05, 1.0, -0.85, 1.0, -0.35);
    path.cubicTo(1.0, 0.15, 0.5, 0.55, 0, 0.95);
    return path;
}

QPainterPath Plus() {
    return Polygon({{-0.3, -0.95},
                    {0.3, -0.95},
                    {0.3, -0.3},
                    {0.95, -0.3},
                    {0.95, 0.3},
                    {0.3, 0.3},
                    {0.3, 0.95},
                    {-0.3, 0.95},
                    {-0.3, 0.3},
                    {-0.95, 0.3},
                    {-0.95, -0.3},
                    {-0.3, -0.3}});
}

// `from` without `cut`. Path operations turn curves into lines with a fixed tolerance in path
// units, so they are done at 100 times the size to keep the curves smooth.
QPainterPath Subtracted(const QPainterPath& from, const QPainterPath& cut) {
    const QTransform up = QTransform::fromScale(100, 100);
    return QTransform::fromScale(0.01, 0.01).map(up.map(from).subtracted(up.map(cut)));
}

QPainterPath Crescent() {
    QPainterPath disc;
    disc.addEllipse(QPointF(0, 0), 0.95, 0.95);
    QPainterPath bite;
    bite.addEllipse(QPointF(0.45, -0.25), 0.8, 0.8);
    return Subtracted(disc, bite);
}

QPainterPath Ring() {
    QPainterPath path;  // the default odd-even fill leaves the inner circle empty
    path.addEllipse(QPointF(0, 0), 0.95, 0.95);
    path.addEllipse(QPointF(0, 0), 0.5, 0.5);
    return path;
}

QPainterPath Arrow() {
    return Polygon(
        {{-0.95, -0.3}, {0.1, -0.3}, {0.1, -0.8}, {0.95, 0}, {0.1, 0.8}, {0.1, 0.3}, {-0.95, 0.3}});
}

QPainterPath Lightning() {
    return Polygon({{0.25, -1.0},
                    {-0.6, 0.15},
                    {-0.05, 0.15},
                    {-0.3, 1.0},
                    {0.6, -0.2},
                    {0.05, -0.2},
                    {0.35, -1.0}});
}

QPainterPath Drop() {
    QPainterPath path;
    path.moveTo(0, -1.0);
    path.cubicTo(0.35, -0.45, 0.75, -0.05, 0.75, 0.35);
    path.cubicTo(0.75, 0.78, 0.4, 1.0, 0, 1.0);
    path.cubicTo(-0.4, 1.0, -0.75, 0.78, -0.75, 0.35);
    path.cubicTo(-0.75, -0.05, -0.35, -0.45, 0, -1.0);
    return path;
}

QPainterPath Flower() {
    QPainterPath petals;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = qDegreesToRadians(60.0 * i - 90.0);
        petals.addEllipse(QPointF(0.55 * qCos(angle), 0.55 * qSin(angle)), 0.4, 0.4);
    }
    petals.setFillRule(Qt::WindingFill);
    return petals;
}

QPainterPath Sun() {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 0.5, 0.5);
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(45.0 * i);
        const QPointF tip(0.98 * qCos(angle), 0.98 * qSin(angle));
        const QPointF left(0.62 * qCos(angle - 0.28), 0.62 * qSin(angle - 0.28));
        const QPointF right(0.62 * qCos(angle + 0.28), 0.62 * qSin(angle + 0.28));
        path.addPolygon(QPolygonF({left, tip, right}));
        path.closeSubpath();
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath Spade() {
    QPainterPath path;
    path.moveTo(0, -1.0);
    path.cubicTo(0.35, -0.55, 0.95, -0.25, 0.95, 0.2);
    path.cubicTo(0.95, 0.65, 0.4, 0.75, 0.1, 0.4);
    path.lineTo(0.35, 1.0);
    path.lineTo(-0.35, 1.0);
    path.lineTo(-0.1, 0.4);
    path.cubicTo(-0.4, 0.75, -0.95, 0.65, -0.95, 0.2);
    path.cubicTo(-0.95, -0.25, -0.35, -0.55, 0, -1.0);
    return path;
}

QPainterPath House() {
    return Polygon({{0, -0.95},
                    {0.95, -0.05},
                    {0.7, -0.05},
                    {0.7, 0.9},
                    {-0.7, 0.9},
                    {-0.7, -0.05},
                    {-0.95, -0.05}});
}

QPainterPath Cloud() {
    QPainterPath path;
    path.addEllipse(QPointF(-0.45, 0.2), 0.45, 0.42);
    path.addEllipse(QPointF(0.05, -0.15), 0.55, 0.55);
    path.addEllipse(QPointF(0.5, 0.2), 0.45, 0.42);
    path.addRect(-0.45, 0.2, 0.95, 0.42);
    path.setFillRule(Qt::WindingFill);
    return path;
}

QPainterPath FlowerHeart() {
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 0.3, 0.3);
    return path;
}

struct Figure {
    const char* name;  // what a screen reader calls it
    std::function<QPainterPath()> path;
    QColor colour;
    std::function<QPainterPath()> detail = nullptr;  // drawn on top in its own colour
    QColor detailColour = Qt::transparent;
};

const Figure kFigures[kFacesPerSet] = {
    {"red circle", Circle, QColor(0xE5, 0x39, 0x35)},
    {"blue square", Square, QColor(0x1E, 0x88, 0xE5)},
    {"green triangle", [] { return Polygon(RegularPolygon(3, 1.0, -90)); },
     QColor(0x43, 0xA0, 0x47)},
    {"amber star", [] { return Polygon(StarPolygon(5, 1.0, 0.42)); }, QColor(0xFF, 0xC1, 0x07)},
    {"pink heart", Heart, QColor(0xF0, 0x62, 0x92)},
    {"purple diamond", [] { return Polygon(RegularPolygon(4, 1.0, -90)); },
     QColor(0x8E, 0x24, 0xAA)},
    {"orange hexagon", [] { return Polygon(RegularPolygon(6, 0.98, 0)); },
     QColor(0xFB, 0x8C, 0x00)},
    {"teal cross", Plus, QColor(0x00, 0x89, 0x7B)},
    {"indigo moon", Crescent, QColor(0x39, 0x49, 0xAB)},
    {"brown ring", Ring, QColor(0x79, 0x55, 0x48)},
    {"lime arrow", Arrow, QColor(0x7C, 0xB3, 0x42)},
    {"yellow lightning bolt", Lightning, QColor(0xFD, 0xD8, 0x35)},
    {"sky-blue drop", Drop, QColor(0x29, 0xB6, 0xF6)},
    {"magenta flower", Flower, QColor(0xD8, 0x1B, 0x60), FlowerHeart, QColor(0xFF, 0xEB, 0x3B)},
    {"coral sun", Sun, QColor(0xFF, 0x70, 0x43)},
    {"black spade", Spade, QColor(0x26, 0x32, 0x38)},
    {"tan house", House, QColor(0x6D, 0x4C, 0x41).lighter(150)},
    {"grey cloud", Cloud, QColor(0x90, 0xA4, 0xAE)},
};

// The outline is stroked at twice its width first and the figure filled over it, so figures
// made of overlapping parts (sun, cloud) show only their outer edge.
void DrawOutlined(QPainter& painter, const QPainterPath& path, const QColor& colour) {
    QPen outline(colour.darker(160), 6.0 / kFigureRadius);
    outline.setJoinStyle(Qt::RoundJoin);
    painter.strokePath(path, outline);
    painter.fillPath(path, colour);
}

QImage DrawFigure(const Figure& figure, int side) {
    QImage face = BlankFace(kShapeStyle, side);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(side / 2.0, side / 2.0);
    const qreal radius = kFigureRadius * side / kCardArtSide;
    painter.scale(radius, radius);
    DrawOutlined(painter, figure.path(), figure.colour);
    if (figure.detail) {
        DrawOutlined(painter, figure.detail(), figure.detailColour);
    }
    return face;
}

// The set's names in German and French, picture n at index n - 1.
std::vector<CardSetLanguage> ShapeLanguages() {
    return {
        {QStringLiteral("de"),
         QStringLiteral("Formen"),
         {QStringLiteral("Roter Kreis"), QStringLiteral("Blaues Quadrat"),
          QStringLiteral("Grünes Dreieck"), QStringLiteral("Bernsteinfarbener Stern"),
          QStringLiteral("Rosa Herz"), QStringLiteral("Lila Raute"),
          QStringLiteral("Orangefarbenes Sechseck"), QStringLiteral("Blaugrünes Kreuz"),
          QStringLiteral("Indigoblauer Mond"), QStringLiteral("Brauner Ring"),
          QStringLiteral("Hellgrüner Pfeil"), QStringLiteral("Gelber Blitz"),
          QStringLiteral("Himmelblauer Tropfen"), QStringLiteral("Magentafarbene Blume"),
          QStringLiteral("Korallenrote Sonne"), QStringLiteral("Schwarzes Pik"),
          QStringLiteral("Hellbraunes Haus"), QStringLiteral("Graue Wolke")}},
        {QStringLiteral("fr"),
         QStringLiteral("Formes"),
         {QStringLiteral("Cercle rouge"), QStringLiteral("Carré bleu"),
          QStringLiteral("Triangle vert"), QStringLiteral("Étoile ambrée"),
          QStringLiteral("Cœur rose"), QStringLiteral("Losange violet"),
          QStringLiteral("Hexagone orange"), QStringLiteral("Croix bleu canard"),
          QStringLiteral("Lune indigo"), QStringLiteral("Anneau marron"),
          QStringLiteral("Flèche vert citron"), QStringLiteral("Éclair jaune"),
          QStringLiteral("Goutte bleu ciel"), QStringLiteral("Fleur magenta"),
          QStringLiteral("Soleil corail"), QStringLiteral("Pique noir"),
          QStringLiteral("Maison beige"), QStringLiteral("Nuage gris")}},
    };
}

}  // namespace

CardSetArt ShapeSet(int side) {
    CardSetArt set{QStringLiteral("shapes"), CardBack(kShapeStyle, side), {}, {}, ShapeLanguages()};
    for (const Figure& figure : kFigures) {
        set.faces.push_back(DrawFigure(figure, side));
        set.names.append(QString::fromLatin1(figure.name));
    }
    return set;
}

}  // namespace tavro::cardsets
