// SPDX-License-Identifier: GPL-3.0-or-later
// The players' bottom line: three labels per player (marker, name, points) laid out afresh at
// every change, so that each name gets the room its half leaves beside the marker and the points.
#include "app/PlayersLine.h"

#include <QFontMetrics>
#include <QLabel>

#include "app/BoardAccessible.h"
#include "app/BoardGeometry.h"
#include "app/CardSizes.h"
#include "dialogkit/DialogLook.h"
#include "dialogkit/ShownText.h"

namespace tavro {
namespace {

constexpr int kHalfWidth = (kPlayersLineWidth - kPlayersGap) / 2;
const QString kMarker = QStringLiteral("\u25BA");  // ►, in the fonts the board uses

QLabel* LinePart(QWidget* line, const QString& name) {
    auto* label = new QLabel(line);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    label->setPalette(palette);
    return label;
}

QFont PartFont(bool current, double scale) {
    QFont font = PointsFont(scale);
    font.setBold(current);
    return font;
}

// Places the label at left, as wide as its text in its font.
int Place(QLabel* label, const QString& text, bool current, int left, double scale) {
    label->setFont(PartFont(current, scale));
    label->setText(text);
    const int width = QFontMetrics(label->font()).horizontalAdvance(text);
    label->setGeometry(left, 0, width, Scaled(kPointsHeight, scale));
    return left + width;
}

}  // namespace

PlayersLine::PlayersLine(QWidget* board) : QWidget(board) {
    setObjectName(QStringLiteral("PlayersLine"));
    SetScale(1.0);
    for (int player = 0; player < kMaxPlayers; ++player) {
        const QString number = QString::number(player + 1);
        Parts& parts = parts_[Index(player)];
        parts.marker = LinePart(this, QStringLiteral("Marker") + number);
        parts.name = LinePart(this, QStringLiteral("PlayerName") + number);
        parts.points = LinePart(this, QStringLiteral("PlayerPoints") + number);
        MarkPoints(parts.points);  // for screen readers the value, named by the player
    }
    hide();
}

void PlayersLine::SetScale(double scale) {
    scale_ = scale;
    setGeometry(Scaled(kBoardLeft, scale), Scaled(kPointsTop, scale),
                Scaled(kPlayersLineWidth, scale), Scaled(kPointsHeight, scale));
    for (int player = 0; player < kMaxPlayers; ++player) {
        const Shown& shown = shown_[Index(player)];
        if (shown.valid) {
            LayOut(player, shown.player, shown.marked, shown.heard);
        }
    }
}

void PlayersLine::ShowPlayers(const std::array<Player, kMaxPlayers>& players, int current,
                              bool starts) {
    for (int player = 0; player < kMaxPlayers; ++player) {
        const Player& shown = players[Index(player)];
        QString heard = WithRole(shown, player == current ? tr("to play") : QString());
        if (player == current && starts) {
            heard = shown.computer ? tr("The computer starts")
                                   : tr("%1 starts").arg(ShownText(shown.name));
        }
        LayOut(player, shown, player == current, heard);
    }
}

void PlayersLine::ShowResult(const std::array<Player, kMaxPlayers>& players, int winner) {
    for (int player = 0; player < kMaxPlayers; ++player) {
        const QString role = winner == kNoPlayer ? tr("a draw")
                             : player == winner  ? tr("wins")
                                                 : QString();
        LayOut(player, players[Index(player)], player == winner,
               WithRole(players[Index(player)], role));
    }
}

// Read as, for example, "Anna, to play: 520" or, at the end, "Anna, wins: 520".
QString PlayersLine::WithRole(const Player& shown, const QString& role) {
    return role.isEmpty() ? ShownText(shown.name) : tr("%1, %2").arg(ShownText(shown.name), role);
}

// The marker's room is kept whether it shows or not, so that the names stay in place as the turn
// passes. The name gets what is left of the half beside the points (as wide as they are in bold,
// so that they never grow into the name when the turn comes).
void PlayersLine::LayOut(int player, const Player& shown, bool current, const QString& heard) {
    shown_[Index(player)] = {shown, current, heard, true};
    const Parts& parts = parts_[Index(player)];
    const int halfWidth = Scaled(kHalfWidth, scale_);
    const int gap = Scaled(kPointsGap, scale_);
    const int left = player == 0 ? 0 : halfWidth + Scaled(kPlayersGap, scale_);
    const QFontMetrics bold(PartFont(true, scale_));
    const QString points = QString::number(shown.points);
    const int markerRoom = bold.horizontalAdvance(kMarker + QLatin1Char(' '));
    const int nameRoom =
        halfWidth - markerRoom - gap - bold.horizontalAdvance(points + QLatin1Char(' '));

    Place(parts.marker, current ? kMarker : QString(), true, left, scale_);
    parts.marker->setVisible(current);
    const QString name = QFontMetrics(PartFont(current, scale_))
                             .elidedText(ShownText(shown.name), Qt::ElideRight, nameRoom);
    const int nameEnd = Place(parts.name, name, current, left + markerRoom, scale_);
    Place(parts.points, points, current, nameEnd + gap, scale_);
    parts.points->setAccessibleName(heard);
}

}  // namespace tavro
