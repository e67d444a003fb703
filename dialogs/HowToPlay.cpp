// SPDX-License-Identifier: GPL-3.0-or-later
// The "How to play" window. Its text is put together from short translated sentences, one a
// paragraph or list item, so that a translator sees each on its own; the numbers come from the
// game's own rules (the points of a pair, a miss and a hint, the hints a game allows).
#include "dialogs/HowToPlay.h"

#include <QFont>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogkit/DialogLook.h"
#include "game/GameEngine.h"
#include "game/GameState.h"

namespace tavro {
namespace {

// The window's size in lines of its text: about 42 text heights wide and 40 high, room for the
// longest section without a scroll bar at the first size.
constexpr double kWidthInTextHeights = 42.0;
constexpr double kHeightInTextHeights = 40.0;
constexpr double kSmallestScale = 0.5;
constexpr double kLargestScale = 4.0;

// Points as a player reads them: "+100", "−10" (with the minus sign, not a hyphen).
QString SignedPoints(int points) {
    return points < 0 ? QStringLiteral("\u2212%1").arg(-points) : QStringLiteral("+%1").arg(points);
}

QString Heading(const QString& text) {
    return QStringLiteral("<h2>%1</h2>").arg(text.toHtmlEscaped());
}

QString Paragraph(const QString& text) {
    return QStringLiteral("<p>%1</p>").arg(text.toHtmlEscaped());
}

QString List(const QStringList& items) {
    QString html = QStringLiteral("<ul>");
    for (const QString& item : items) {
        html += QStringLiteral("<li>%1</li>").arg(item.toHtmlEscaped());
    }
    return html + QStringLiteral("</ul>");
}

}  // namespace

HowToPlay::HowToPlay(QWidget* mainWindow) : QDialog(mainWindow) {
    setObjectName(QStringLiteral("HowToPlay"));
    setWindowTitle(tr("How to play"));
    setModal(false);
    setSizeGripEnabled(true);

    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("HowToPlayText"));
    text_->setAccessibleName(tr("How to play"));
    text_->setOpenLinks(false);  // the text has no links; nothing in it may open a page
    // A caret that the arrow keys move lets a screen reader read line by line.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setFocusPolicy(Qt::StrongFocus);
    text_->setHtml(RulesHtml());

    close_ = new QPushButton(tr("&Close"), this);
    close_->setObjectName(QStringLiteral("HowToPlayClose"));
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    setTabOrder(text_, close_);

    SetScale(1.0);
}

void HowToPlay::SetScale(double s) {
    scale_ = std::isfinite(s) ? std::clamp(s, kSmallestScale, kLargestScale) : 1.0;
    // The main window's text is the standard font; this window's text is that size times the
    // scale. The headings are sized relative to it, so they follow.
    QFont font = StandardFont();
    const int pixels = std::max(1, static_cast<int>(std::lround(font.pixelSize() * scale_)));
    font.setPixelSize(pixels);
    setFont(font);

    QSize size(static_cast<int>(std::lround(kWidthInTextHeights * pixels)),
               static_cast<int>(std::lround(kHeightInTextHeights * pixels)));
    if (const QScreen* shown = screen()) {
        size = size.boundedTo(shown->availableGeometry().size());
    }
    defaultSize_ = size;
    resize(defaultSize_);
}

void HowToPlay::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    text_->setFocus(Qt::OtherFocusReason);  // the first Tab goes on to Close
}

QString HowToPlay::RulesHtml() {
    QString html;
    html += Paragraph(
        tr("Find the pairs among the %1 cards with as few mistakes as you can.").arg(kTileCount));

    html += Heading(tr("The game"));
    html += List({
        tr("Click a card to turn it face up, then click a second one."),
        tr("Two cards with the same picture are a pair: they stay face up. Two that differ turn "
           "back after the delay you set in Options."),
        tr("The game is over when all %1 cards are face up. A score good enough for the Leads "
           "asks for your name.")
            .arg(kTileCount),
    });

    html += Heading(tr("Scoring"));
    html += List({
        tr("A pair: %1 points.").arg(SignedPoints(kMatchPoints)),
        tr("Two cards that differ: %1 points. The score may go below zero.")
            .arg(SignedPoints(kMismatchPoints)),
        tr("A hint (Game, Show!) marks a pair in blue for a moment: %1 points. A game has at "
           "most %2 hints.")
            .arg(SignedPoints(kHintPoints))
            .arg(kHintsPerGame),
    });

    html += Heading(tr("Keys"));
    html += List({
        tr("Arrow keys: move the ring over the cards."),
        tr("Space or Enter: turn the card under the ring."),
        tr("F1: this window."),
        tr("F2: a new game."),
        tr("F3: the Leads, the best scores."),
        tr("F4: a hint."),
        tr("F5: the statistics."),
        tr("F6: say the score."),
        tr("F7: repeat the computer's last turn."),
        tr("F10: exit."),
        tr("Ctrl and +, Ctrl and −: larger or smaller cards; Ctrl and 0: the normal size."),
        tr("Alt and the underlined letter of a menu: open that menu."),
        tr("In this window, Tab moves between the text and Close; Escape closes it."),
    });

    html += Heading(tr("The Play menu"));
    html += List({
        tr("One player: the game on your own, as above."),
        tr("Two players: two of you take turns at one screen. After a pair the same player goes "
           "again; after two cards that differ the turn passes. The hints are shared."),
        tr("Against the computer: choose how strong it is, \"Easy\" (it forgets quickly), "
           "\"Even\" (a close game) or \"Hard\" (it forgets nothing). You begin every game, "
           "unless you check \"Take turns to start\"."),
        tr("Sounds: short sounds for a turned card, a pair, a miss, a hint and the end of a "
           "game."),
        tr("Animate cards: the cards turn over, a pair lifts, and the end of a game is "
           "celebrated."),
        tr("Card size: larger cards, up to what fits your screen; the whole window grows with "
           "them."),
        tr("Say the score (F6) and Repeat the computer's turn (F7) tell a screen reader the "
           "score, or the computer's last turn, once more."),
        tr("Record games keeps a record of the games you play, and Statistics (F5) shows how "
           "they went."),
    });
    html += Paragraph(tr("Your choices in the Play menu are kept for the next start."));
    return html;
}

}  // namespace tavro
