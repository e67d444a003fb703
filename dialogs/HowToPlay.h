// SPDX-License-Identifier: GPL-3.0-or-later
// The "How to play" window (Help → How to play, F1): the rules, the scoring, the keys and what
// the Play menu adds, in the player's language. It is not modal, so a player can keep it open
// beside the board, and it follows the desktop's palette whole (no colour of its own), so that it
// reads under a light and a dark desktop alike. The text sits in a read-only text browser that
// the keyboard and screen readers reach like any text; Escape or Close hides the window.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>

class QPushButton;
class QTextBrowser;

namespace tavro {

class HowToPlay : public QDialog {
    Q_OBJECT
public:
    explicit HowToPlay(QWidget* mainWindow);

    // Sets the text's pixel size to the main window's text size times s, and the window's size
    // (its default size, bounded by the screen) with it: the main window calls it with the scale
    // of its board. Scales outside 0.5 .. 4 are taken as the nearer bound.
    void SetScale(double s);
    double Scale() const { return scale_; }
    QSize sizeHint() const override { return defaultSize_; }

    QTextBrowser* Text() const { return text_; }
    QPushButton* CloseButton() const { return close_; }

    // The window's text as rich text: headings, paragraphs and lists, every part escaped.
    static QString RulesHtml();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTextBrowser* text_ = nullptr;
    QPushButton* close_ = nullptr;
    double scale_ = 1.0;
    QSize defaultSize_;
};

}  // namespace tavro
