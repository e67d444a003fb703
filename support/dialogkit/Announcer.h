// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken announcements for screen readers: a window's way to say what just happened ("face up:
// pig", "Game over, 1710 points") when no focused control changes in a way a screen reader reads.
// The announcer is an invisible child of the window; nothing about the window's look changes.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

namespace tavro {

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* window);

    // Has a screen reader speak the text after what it is saying now. Texts announced in one
    // go (before the event loop runs again) are spoken as one, in their order.
    void Announce(const QString& text);
    // Hands the texts announced so far to the screen reader now, before a dialog opens.
    void Flush();

private:
    // The notifications take turns, so that one keeps its text until the screen reader, which
    // reads it a little later, has read it, even when the next announcement follows at once.
    std::array<QWidget*, 4> messages_{};
    std::size_t last_ = 0;
    QStringList pending_;
};

// The announcer of the outermost window above widget (the main window), made on first use.
Announcer& AnnouncerOf(QWidget* widget);

}  // namespace tavro
