// SPDX-License-Identifier: GPL-3.0-or-later
// The contrast of the texts a window draws, read from a rendering of the window.
#include "TextContrast.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>

#include "DrawnTexts.h"

namespace tavro::test {
namespace {

// Text is looked at in a rendering this many times larger, where a glyph's strokes cover whole
// pixels in the text's full colour instead of only smoothed edges.
constexpr int kInkScale = 4;
// How much of a colour's contrast a rendering may lose at the strokes' edges.
constexpr double kRenderingSlack = 0.97;

// The relative luminance of a colour, 0 for black to 1 for white.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

namespace {

// The contrast between the colour most pixels of the ink box have and the one farthest from it.
double InkContrast(const QImage& picture, const QRect& ink, QColor* text, QColor* background) {
    QHash<QRgb, int> counts;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            ++counts[picture.pixel(x, y)];
        }
    }
    if (counts.isEmpty()) {
        return 1.0;
    }
    QRgb common = counts.cbegin().key();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(common)) {
            common = it.key();
        }
    }
    QRgb farthest = common;
    double contrast = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = ContrastRatio(QColor(it.key()), QColor(common));
        if (ratio > contrast) {
            contrast = ratio;
            farthest = it.key();
        }
    }
    *text = QColor(farthest);
    *background = QColor(common);
    return contrast;
}

// The widget drawn kInkScale times larger.
QImage Render(QWidget& widget) {
    QImage picture(widget.size() * kInkScale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(kInkScale);
    picture.fill(Qt::magenta);  // shows through wherever nothing is drawn
    widget.render(&picture);
    picture.setDevicePixelRatio(1);
    return picture;
}

QRect Scaled(const QRect& rect) {
    return {rect.topLeft() * kInkScale, rect.size() * kInkScale};
}

// A text to measure: where the window shows it, and the colour its control was made to draw.
struct Shown {
    QString name;
    QString text;
    QRect area;  // in window coordinates
    QColor own;
};

QString NameOf(const QWidget& widget) {
    return widget.objectName().isEmpty() ? QLatin1String(widget.metaObject()->className())
                                         : widget.objectName();
}

QRect InWindow(const QWidget& widget, const QRect& rect, const QWidget& window) {
    return QRect(widget.mapTo(&window, rect.topLeft()), rect.size()) &
           QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

bool ShownIn(const QWidget& widget, const QWidget& window) {
    return widget.isVisibleTo(&window) && widget.window() == &window;
}

// Where a line edit draws its text, as QLineEdit::paintEvent lays it out: in the style's
// contents rectangle less the text margins, 2 pixels in, one line high and centred. A selection
// (the dialogs show their names selected) covers just this box, so the box's most common colour
// is the one behind the text, selected or not.
QRect LineEditTextBox(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.state |= QStyle::State_Sunken;
    const QRect room = edit.style()
                           ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                           .marginsRemoved(edit.textMargins());
    const QFontMetrics metrics(edit.font());
    const int width = metrics.horizontalAdvance(edit.displayText());
    const int top = room.top() + (room.height() - metrics.height()) / 2;
    // One pixel less above and below, where a selection's edge may smooth into the field.
    return QRect(room.left() + 2, top + 1, width, metrics.height() - 2) & room;
}

// What the line edits hold.
void AddLineEdits(QWidget& window, QList<Shown>& texts) {
    for (const QLineEdit* edit : window.findChildren<QLineEdit*>()) {
        if (ShownIn(*edit, window) && edit->isEnabled()) {
            texts.append({NameOf(*edit), edit->displayText(),
                          InWindow(*edit, LineEditTextBox(*edit), window),
                          edit->palette().color(edit->foregroundRole())});
        }
    }
}

// The part of a cell its text is drawn in: below the picture in a view of icons, beside it
// otherwise, where pictures would count as the text's colours.
QRect TextPartOf(const QAbstractItemView& view, const QModelIndex& index) {
    QRect cell = view.visualRect(index);
    if (!index.data(Qt::DecorationRole).isValid()) {
        return cell;
    }
    QSize icon = view.iconSize();
    if (!icon.isValid()) {
        const int side = view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
        icon = QSize(side, side);
    }
    const auto* list = qobject_cast<const QListView*>(&view);
    if (list != nullptr && list->viewMode() == QListView::IconMode) {
        cell.setTop(cell.top() + icon.height() + 2);
    } else {
        cell.setLeft(cell.left() + icon.width() + 4);
    }
    return cell;
}

// The cells of the item views in sight, and their column headers.
void AddItemViews(QWidget& window, QList<Shown>& texts) {
    for (const QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* model = view->model();
        if (!ShownIn(*view, window) || !view->isEnabled() || model == nullptr ||
            qobject_cast<const QHeaderView*>(view)) {
            continue;
        }
        const QWidget& viewport = *view->viewport();
        for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
            for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
                const QModelIndex index = model->index(row, column, view->rootIndex());
                // A row only partly scrolled into sight may show the background alone.
                const QRect whole = view->visualRect(index);
                const QRect cell = TextPartOf(*view, index) & viewport.rect();
                if (!cell.isEmpty() && whole.top() >= 0 && whole.bottom() < viewport.height()) {
                    texts.append({NameOf(*view), index.data(Qt::DisplayRole).toString(),
                                  InWindow(viewport, cell, window), QColor()});
                }
            }
        }
        for (const QHeaderView* header : view->findChildren<QHeaderView*>()) {
            if (!ShownIn(*header, window) || header->orientation() != Qt::Horizontal) {
                continue;
            }
            for (int section = 0; section < header->count(); ++section) {
                const QRect room(header->sectionViewportPosition(section), 0,
                                 header->sectionSize(section), header->height());
                texts.append(
                    {NameOf(*view) + QStringLiteral(" header"),
                     model->headerData(section, Qt::Horizontal).toString(),
                     InWindow(*header->viewport(), room & header->viewport()->rect(), window),
                     QColor()});
            }
        }
    }
}

// Whether the text is drawn in the desktop's own colours for a selection: the desktop's choice,
// which a window that follows the desktop keeps as it is (Fusion's own light palette has white
// on a mid blue, 3.7:1). A window with colours of its own picks its selection's text colour.
bool DesktopSelection(const QColor& ink, const QColor& background) {
    const QPalette desktop = QApplication::palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        if (background == desktop.color(group, QPalette::Highlight) &&
            ink == desktop.color(group, QPalette::HighlightedText)) {
            return true;
        }
    }
    return false;
}

}  // namespace

QStringList TextsHardToRead(QWidget& window, double minimumRatio,
                            const QList<QColor>& fixedColours) {
    const QImage picture = Render(window);
    QList<Shown> texts;
    // A control that is turned off may be dimmed below the minimum, as the guidelines allow.
    for (const DrawnText& text : DrawnTexts(window)) {
        if (!text.control->isEnabled()) {
            continue;
        }
        texts.append({text.name, text.text, text.ink,
                      text.control->palette().color(text.control->foregroundRole())});
    }
    AddLineEdits(window, texts);
    AddItemViews(window, texts);
    QStringList unreadable;
    for (const Shown& text : texts) {
        const QRect ink = Scaled(text.area) & picture.rect();
        if (text.text.trimmed().isEmpty() || ink.isEmpty()) {
            continue;
        }
        QColor inkColour;
        QColor background;
        const double contrast = InkContrast(picture, ink, &inkColour, &background);
        if (DesktopSelection(inkColour, background)) {
            continue;
        }
        // A colour the window was made to use is as readable as it can be; the rendering may
        // miss its full strength by a little. (Not when the text is drawn in another colour,
        // as a selected name is.)
        double required = minimumRatio;
        if (fixedColours.contains(text.own) && ContrastRatio(inkColour, text.own) < 1.1) {
            required = std::min(required, ContrastRatio(text.own, background) * kRenderingSlack);
        }
        if (contrast < required) {
            unreadable << QStringLiteral("%1: %2 (contrast %3:1 of %4 on %5)")
                              .arg(text.name, text.text)
                              .arg(contrast, 0, 'f', 2)
                              .arg(inkColour.name(), background.name());
        }
    }
    return unreadable;
}

QStringList EntriesHardToRead(QAbstractItemView& view, double minimumRatio) {
    const QImage picture = Render(*view.viewport());
    QStringList unreadable;
    const QAbstractItemModel* model = view.model();
    for (int row = 0; row < model->rowCount(view.rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view.rootIndex());
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect ink = Scaled(view.visualRect(index)) & picture.rect();
        if (text.trimmed().isEmpty() || ink.isEmpty()) {
            continue;
        }
        QColor inkColour;
        QColor background;
        const double contrast = InkContrast(picture, ink, &inkColour, &background);
        if (contrast < minimumRatio) {
            unreadable << QStringLiteral("%1 entry %2 (contrast %3:1 of %4 on %5)")
                              .arg(view.objectName().isEmpty()
                                       ? QLatin1String(view.metaObject()->className())
                                       : view.objectName(),
                                   text)
                              .arg(contrast, 0, 'f', 2)
                              .arg(inkColour.name(), background.name());
        }
    }
    return unreadable;
}

QPalette LightFusionPalette() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

QPalette DarkFusionPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xE6, 0xE6, 0xE6);
    QPalette dark(text, window, window.lighter(150), window.darker(200), window.darker(150), text,
                  Qt::white, QColor(0x2A, 0x2A, 0x2A), window);
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x56, 0xA8, 0xF5));
    dark.setColor(QPalette::ToolTipBase, window);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, QColor(0xA0, 0xA0, 0xA0));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return dark;
}

DesktopLook::DesktopLook(const QString& style, const QPalette& palette)
    : previousStyle_(QApplication::style()->name()), previousPalette_(QApplication::palette()) {
    QApplication::setStyle(style);
    QApplication::setPalette(palette);
}

DesktopLook::~DesktopLook() {
    QApplication::setStyle(previousStyle_);
    QApplication::setPalette(previousPalette_);
}

}  // namespace tavro::test
