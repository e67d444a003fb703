// SPDX-License-Identifier: GPL-3.0-or-later
// Confetti over the board at the end of a game; see Celebration.h. The pieces are laid out from a
// fixed seed, so every end looks alike and a test sees the same picture each run. Everything is
// measured in shares of the board, so the burst looks the same at every card size.
#include "app/Celebration.h"

#include <QEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QVariantAnimation>
#include <algorithm>
#include <array>
#include <cmath>

namespace tavro {
namespace {

constexpr int kPieceCount = 48;
constexpr quint32 kLayoutSeed = 0x7A5C0u;
// The last share of the time, over which the pieces fade out.
constexpr qreal kFadeShare = 0.3;

}  // namespace

Celebration::Celebration(QWidget* board, int durationMs) : QWidget(board) {
    setObjectName(QStringLiteral("Celebration"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(board->rect());
    board->installEventFilter(this);

    static const std::array<QColor, 6> colours = {QColor(230, 60, 60),  QColor(250, 190, 30),
                                                  QColor(60, 170, 80),  QColor(50, 120, 230),
                                                  QColor(170, 80, 200), QColor(250, 120, 170)};
    QRandomGenerator random(kLayoutSeed);
    pieces_.reserve(kPieceCount);
    for (int i = 0; i < kPieceCount; ++i) {
        pieces_.push_back({random.generateDouble(), random.generateDouble() * 0.2 - 0.1,
                           0.9 + random.generateDouble() * 0.5, random.generateDouble() * 0.3,
                           0.012 + random.generateDouble() * 0.01,
                           1.0 + random.generateDouble() * 2.0,
                           colours[static_cast<std::size_t>(i) % colours.size()]});
    }

    animation_ = new QVariantAnimation(this);
    animation_->setStartValue(0.0);
    animation_->setEndValue(1.0);
    animation_->setDuration(std::max(1, durationMs));
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        progress_ = value.toReal();
        update();
    });
    connect(animation_, &QAbstractAnimation::finished, this, [this] {
        hide();
        deleteLater();
    });
    raise();
    show();
    animation_->start();
}

bool Celebration::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == parentWidget()) {
        setGeometry(parentWidget()->rect());  // a new card size
    }
    return QWidget::eventFilter(watched, event);
}

void Celebration::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal fade = progress_ > 1.0 - kFadeShare ? (1.0 - progress_) / kFadeShare : 1.0;
    const qreal w = width();
    const qreal h = height();
    for (const Piece& piece : pieces_) {
        const qreal fall = std::clamp((progress_ - piece.delay) / (1.0 - piece.delay), 0.0, 1.0);
        if (fall <= 0.0) {
            continue;
        }
        const qreal side = std::max(3.0, piece.size * w);
        const qreal x =
            (piece.x + piece.drift * fall + 0.02 * std::sin(fall * 9.0 + piece.x * 7.0)) * w;
        const qreal y = (fall * piece.speed - 0.05) * h;
        painter.save();
        painter.translate(x, y);
        painter.rotate(360.0 * piece.spin * fall);
        QColor colour = piece.colour;
        colour.setAlphaF(static_cast<float>(std::clamp(fade, 0.0, 1.0)));
        painter.fillRect(QRectF(-side / 2.0, -side / 4.0, side, side / 2.0), colour);
        painter.restore();
    }
}

}  // namespace tavro
