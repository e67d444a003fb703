// SPDX-License-Identifier: GPL-3.0-or-later
// Unit RXSlider: a track-bar control drawn entirely from bitmaps. A ruler composed at layout
// time from a short pattern image, a thumb picture with a normal and a highlighted state, and an
// optional row of tick marks. It holds an integer Value within MinValue..MaxValue that moves in
// steps of Increment, and reports OnChange after every change of Value and OnChanged at the end
// of each user action. TRxCustomSlider holds all behaviour; TRxSlider only publishes it.
#pragma once

#include <QBasicTimer>
#include <QCursor>
#include <QFlags>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>

class QPainter;

namespace tavro {

class SliderAccessible;

enum TSliderOrientation : std::uint8_t { soHorizontal, soVertical };

enum TSliderOption : std::uint8_t {
    soShowFocus = 0x01,
    soShowPoints = 0x02,
    soSmooth = 0x04,
    soRulerOpaque = 0x08,
    soThumbOpaque = 0x10
};
Q_DECLARE_FLAGS(TSliderOptions, TSliderOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TSliderOptions)

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// The kinds of step that keys and ruler presses ask for.
enum TSliderStep : std::uint8_t { stNone, stToMin, stToMax, stUp, stDown };

// Image indices: bit i of UserImages() stands for image i.
enum TSliderImage : std::uint8_t { siHThumb = 0, siHRuler = 1, siVThumb = 2, siVRuler = 3 };

// The error of setIncrement: "Value must be between 1 and <range>".
class SliderError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

class TRxCustomSlider : public QWidget {
    Q_OBJECT
public:
    // Replaces the built-in tick drawing while set. It runs during painting; Canvas() is the
    // painter to draw with, and DrawTicksDefault draws the standard row with other numbers.
    using DrawPointsHandler = std::function<void(TRxCustomSlider* sender)>;

    explicit TRxCustomSlider(QWidget* parent = nullptr);
    ~TRxCustomSlider() override;

    std::int32_t Value() const { return value_; }
    void setValue(std::int32_t v);
    std::int32_t MinValue() const { return minValue_; }
    void setMinValue(std::int32_t v);
    std::int32_t MaxValue() const { return maxValue_; }
    void setMaxValue(std::int32_t v);
    std::int32_t Increment() const { return increment_; }
    void setIncrement(std::int32_t v);  // throws SliderError
    std::int32_t EdgeSize() const { return edgeSize_; }
    void setEdgeSize(std::int32_t v);
    TSliderOrientation Orientation() const { return orientation_; }
    void setOrientation(TSliderOrientation o);
    TSliderOptions Options() const { return options_; }
    void setOptions(TSliderOptions o);
    int NumThumbStates() const { return numThumbStates_; }
    void setNumThumbStates(int n);
    TBevelCut BevelStyle() const { return bevelStyle_; }
    void setBevelStyle(TBevelCut b);

    // The images; a setter copies the picture given, nullptr restores the built-in one.
    const QImage& ImageHThumb() const { return images_[siHThumb]; }
    void setImageHThumb(const QImage* image) { SetImage(siHThumb, image); }
    const QImage& ImageHRuler() const { return images_[siHRuler]; }
    void setImageHRuler(const QImage* image) { SetImage(siHRuler, image); }
    const QImage& ImageVThumb() const { return images_[siVThumb]; }
    void setImageVThumb(const QImage* image) { SetImage(siVThumb, image); }
    const QImage& ImageVRuler() const { return images_[siVRuler]; }
    void setImageVRuler(const QImage* image) { SetImage(siVRuler, image); }
    // Bit i set: image i was supplied by the user.
    std::uint8_t UserImages() const { return userImages_; }

    const DrawPointsHandler& OnDrawPoints() const { return onDrawPoints_; }
    void setOnDrawPoints(DrawPointsHandler handler);
    // The painter of the paint in progress (for an OnDrawPoints handler), else nullptr.
    QPainter* Canvas() const { return canvas_; }

    // Read-only geometry of the current layout.
    const QImage& RulerImage() const { return rulerImage_; }
    QPoint RulerOrigin() const { return rulerOrigin_; }
    QRect ThumbArea() const { return thumbArea_; }
    QRect TickRowArea() const { return tickRowArea_; }
    int TravelLength() const;

    // The thumb position (left edge, or top edge when vertical) of a value, and back.
    int OffsetForValue(std::int32_t v) const;
    std::int32_t ValueAtOffset(int offset) const;

    QSize sizeHint() const override;

signals:
    void OnChange();   // after every change of Value
    void OnChanged();  // at the end of each user action

protected:
    // Overridable operations.
    virtual bool AcceptsInput() const;
    virtual QRect SliderArea() const;
    virtual std::int32_t CurrentValue() const;
    virtual void Relayout();
    virtual void RangeAltered();
    virtual void ThumbPress(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void ThumbDrag(Qt::KeyboardModifiers shift, int x, int y);
    virtual void ThumbRelease(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    virtual void DrawTicksDefault(int step, int length, int endLength);
    virtual void NotifyChange();
    virtual void NotifyChanged();

    void ApplyRange(std::int32_t newMin, std::int32_t newMax);
    void StepValue(TSliderStep step);
    // The allowed thumb position nearest to offset; topLeft receives the thumb's new corner.
    int SnapThumb(int offset, QPoint* topLeft = nullptr) const;
    void MoveThumbTo(int offset);
    void ComposeRuler(const QRect& area);
    void ArrangeParts();
    void DrawTicks(QPainter& painter, int step, int length, int endLength) const;

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetImage(int index, const QImage* image);
    const QImage& ThumbImage() const;
    const QImage& RulerPattern() const;
    QSize ThumbSize() const;
    int MinOffset() const;
    // Moves the thumb to the snapped place of offset and marks the old and new places for
    // repainting; returns the snapped offset.
    int PlaceThumb(int offset);
    void UpdateThumb();
    bool InThumb(const QPoint& p) const;
    bool InRulerPressZone(const QPoint& p) const;
    TSliderStep SideOfThumb(const QPoint& p) const;
    void RepeatStep();
    void EndRulerPress(bool notify);
    void ShowCursorFor(const QPoint& p);
    void RestoreCursor();
    bool KeyStep(const QKeyEvent* event, TSliderStep* step) const;
    // Paints the parts of the control that touch clip, in device pixels.
    void PaintSlider(QPainter& painter, const QRegion& clip);
    // What a repaint of the thumb alone invalidates.
    QRect ThumbRepaintArea() const;
    // Tells screen readers and the owner (OnChange) that Value has changed.
    void ValueChanged();

    std::int32_t value_ = 0;
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 100;
    std::int32_t increment_ = 10;
    std::int32_t edgeSize_ = 2;
    TSliderOrientation orientation_ = soHorizontal;
    TSliderOptions options_ = TSliderOptions(soShowFocus | soShowPoints | soSmooth);
    int numThumbStates_ = 2;
    TBevelCut bevelStyle_ = bvNone;

    std::array<QImage, 4> images_;
    std::uint8_t userImages_ = 0;
    QImage rulerImage_;
    QRgb rulerKey_ = 0;        // the pattern's transparent colour, used for rulerImage_
    bool rulerDrawn_ = false;  // false when the pattern has no middle section to repeat
    QPoint rulerOrigin_;
    QRect thumbArea_;
    QRect tickRowArea_;

    bool thumbHeld_ = false;
    bool dragging_ = false;
    std::int32_t grabOffset_ = 0;
    bool rulerPressActive_ = false;
    QBasicTimer repeatTimer_;  // running exactly while the repeat timer is on
    QPoint pointerPos_;
    TSliderStep pressSide_ = stNone;
    bool hasFocus_ = false;

    bool handCursorShown_ = false;
    bool hadOwnCursor_ = false;
    QCursor ownCursor_;

    DrawPointsHandler onDrawPoints_;
    QPainter* canvas_ = nullptr;
    QImage offscreen_;        // the off-screen picture painting goes through, kept between paints
    qreal paintRatio_ = 1.0;  // device pixels per logical pixel of the paint in progress
    QImage focusOutline_;     // the dotted focus rectangle, made when its size or colour changes
    QRgb focusInk_ = 0;

    friend class SliderAccessible;  // reads and sets the value as the user would
};

// The published slider; adds nothing to TRxCustomSlider.
class TRxSlider : public TRxCustomSlider {
    Q_OBJECT
public:
    using TRxCustomSlider::TRxCustomSlider;
};

}  // namespace tavro
