// SPDX-License-Identifier: GPL-3.0-or-later
// A picture control: shows a picture stretched to its whole size and reports clicks. It can draw
// a keyboard cursor ring over its picture.
#pragma once

#include <QImage>
#include <QWidget>

namespace tavro {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // The keyboard cursor: a black-and-white dashed ring just inside the picture's edge.
    void setCursorRingShown(bool shown);
    bool cursorRingShown() const { return ringShown_; }
    // The ring's width and inset grow with the board's scale (1: the designed ring).
    void setRingScale(qreal scale);

signals:
    // A left-button click: pressed and released over the picture.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool pressed_ = false;
    bool ringShown_ = false;
    qreal ringScale_ = 1.0;
};

}  // namespace tavro
