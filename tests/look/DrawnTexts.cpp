// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the texts of a window the way its controls lay them out, and checks their fit.
#include "DrawnTexts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTextDocument>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace tavro::test {
namespace {

QString ClassName(const QObject& object) {
    const QString name = QLatin1String(object.metaObject()->className());
    return name.mid(name.lastIndexOf(u':') + 1);
}

QString NameOf(const QWidget& control) {
    if (!control.objectName().isEmpty()) {
        return control.objectName();
    }
    return ClassName(*control.window()) + u'/' + ClassName(control);
}

// The text as drawn with Qt::TextShowMnemonic: "&&" shows as "&", a single "&" not at all.
QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

// The room cut to what the control and its parents up to the window show, in window
// coordinates.
QRect VisibleRoom(const QWidget& control, const QRect& room) {
    const QWidget* window = control.window();
    QRect visible = QRect(control.mapTo(window, room.topLeft()), room.size());
    for (const QWidget* widget = &control; widget != window; widget = widget->parentWidget()) {
        visible &= QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
    }
    return visible;
}

struct Layout {
    QString text;  // unshown form, with mnemonic markers
    QRect room;    // in the control's coordinates
    Qt::Alignment alignment = Qt::AlignCenter;
    bool richText = false;
    bool wordWrap = false;  // a plain text broken into lines at the room's width
};

DrawnText Measure(const QWidget& control, const Layout& layout, const QString& name) {
    DrawnText drawn;
    drawn.control = &control;
    drawn.name = name;
    drawn.text = layout.richText ? layout.text : Shown(layout.text);
    QSize needs;
    if (layout.richText) {
        QTextDocument document;
        document.setDefaultFont(control.font());
        document.setDocumentMargin(0);
        document.setHtml(layout.text);
        needs = QSize(static_cast<int>(std::ceil(document.idealWidth())),
                      static_cast<int>(std::ceil(document.size().height())));
    } else if (layout.wordWrap) {
        // As QLabel wraps: a word wider than the room still overflows it.
        const QFontMetrics metrics(control.font());
        needs = metrics
                    .boundingRect(QRect(0, 0, layout.room.width(), QWIDGETSIZE_MAX),
                                  static_cast<int>(layout.alignment) | Qt::TextWordWrap, drawn.text)
                    .size();
    } else {
        const QFontMetrics metrics(control.font());
        const QStringList lines = drawn.text.split(u'\n');
        for (const QString& line : lines) {
            needs.setWidth(std::max(needs.width(), metrics.horizontalAdvance(line)));
        }
        needs.setHeight(metrics.height() + metrics.lineSpacing() * (lines.size() - 1));
    }
    drawn.needsWidth = needs.width();
    drawn.needsHeight = needs.height();
    const QRect ink = QStyle::alignedRect(Qt::LeftToRight, layout.alignment, needs, layout.room);
    drawn.room = VisibleRoom(control, layout.room);
    drawn.ink = VisibleRoom(control, ink) & drawn.room;
    return drawn;
}

QList<Layout> ToolButtonLayout(const QToolButton& button) {
    // As QCommonStyle draws a tool button: the label in the button's sub-rectangle less the
    // frame width, centred.
    QStyleOptionToolButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.toolButtonStyle = button.toolButtonStyle();
    option.subControls = QStyle::SC_ToolButton;
    option.features = QStyleOptionToolButton::None;
    if (button.autoRaise()) {
        option.state |= QStyle::State_AutoRaise;
    }
    const QStyle* style = button.style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &button);
    const QRect room =
        style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, &button)
            .adjusted(frame, frame, -frame, -frame);
    return {{button.text(), room, Qt::AlignCenter}};
}

QList<Layout> ButtonLayout(const QAbstractButton& button, QStyle::SubElement contents,
                           Qt::Alignment alignment) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    if (const auto* push = qobject_cast<const QPushButton*>(&button)) {
        if (push->isFlat()) {
            option.features |= QStyleOptionButton::Flat;
        }
        if (push->isDefault()) {
            option.features |= QStyleOptionButton::DefaultButton;
        }
    }
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    return {{button.text(), room, alignment}};
}

QList<Layout> LabelLayout(const QLabel& label) {
    // As QLabel::paintEvent: the contents rectangle less the margin and, on the aligned side,
    // the indent (half an "x" by default when the label has a frame).
    QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(),
                                               -label.margin());
    int indent = label.indent();
    if (indent < 0 && label.frameWidth() > 0) {
        indent = QFontMetrics(label.font()).horizontalAdvance(u'x') / 2;
    }
    if (indent > 0) {
        const Qt::Alignment alignment = label.alignment();
        if (alignment & Qt::AlignLeft) {
            room.setLeft(room.left() + indent);
        } else if (alignment & Qt::AlignRight) {
            room.setRight(room.right() - indent);
        }
    }
    const bool richText = label.textFormat() == Qt::RichText ||
                          (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    QString text = label.text();
    if (!richText && label.buddy() == nullptr) {
        text.replace(u'&', QStringLiteral("&&"));  // a label without a buddy shows "&" as such
    }
    return {{text, room, label.alignment(), richText, label.wordWrap() && !richText}};
}

QList<Layout> GroupBoxLayout(const QGroupBox& box) {
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.lineWidth = 1;
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box.isCheckable()) {
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    }
    if (box.isFlat()) {
        option.features |= QStyleOptionFrame::Flat;
    }
    const QRect room =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    return {{box.title(), room, Qt::AlignLeft | Qt::AlignVCenter}};
}

QList<Layout> ComboBoxLayout(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.currentText = combo.currentText();
    option.subControls = QStyle::SC_All;
    const QRect room = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, &combo);
    QList<Layout> layouts;
    for (int index = 0; index < combo.count(); ++index) {
        // Any entry may become the current one; the box shows an "&" in it as such.
        QString text = combo.itemText(index);
        text.replace(u'&', QStringLiteral("&&"));
        layouts.append({text, room, Qt::AlignLeft | Qt::AlignVCenter});
    }
    return layouts;
}

void AddMenuBar(const QMenuBar& bar, QList<DrawnText>& texts) {
    for (QAction* action : bar.actions()) {
        if (!action->isVisible() || action->isSeparator() || action->text().isEmpty()) {
            continue;
        }
        // An entry that does not fit goes into the bar's extension and gets no rectangle.
        const Layout layout{action->text(), bar.actionGeometry(action), Qt::AlignCenter};
        const QString name = action->objectName().isEmpty() ? NameOf(bar) : action->objectName();
        texts.append(Measure(bar, layout, name));
    }
}

QList<Layout> LayoutsOf(const QWidget& control) {
    if (const auto* button = qobject_cast<const QToolButton*>(&control)) {
        return ToolButtonLayout(*button);
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        return ButtonLayout(*button, QStyle::SE_PushButtonContents, Qt::AlignCenter);
    }
    if (const auto* button = qobject_cast<const QCheckBox*>(&control)) {
        return ButtonLayout(*button, QStyle::SE_CheckBoxContents, Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (const auto* button = qobject_cast<const QRadioButton*>(&control)) {
        return ButtonLayout(*button, QStyle::SE_RadioButtonContents,
                            Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        return LabelLayout(*label);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&control)) {
        return GroupBoxLayout(*box);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(&control)) {
        return ComboBoxLayout(*combo);
    }
    return {};
}

}  // namespace

QList<DrawnText> DrawnTexts(const QWidget& window) {
    QList<DrawnText> texts;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->window() != &window) {
            continue;
        }
        if (const auto* bar = qobject_cast<const QMenuBar*>(control)) {
            AddMenuBar(*bar, texts);
            continue;
        }
        for (const Layout& layout : LayoutsOf(*control)) {
            if (!layout.text.isEmpty()) {
                texts.append(Measure(*control, layout, NameOf(*control)));
            }
        }
    }
    return texts;
}

QStringList TextsThatDoNotFit(const QWidget& window) {
    QStringList clipped;
    for (const DrawnText& text : DrawnTexts(window)) {
        if (text.needsWidth > text.room.width()) {
            clipped << QStringLiteral("%1: %2 (needs %3 px, has %4 px)")
                           .arg(text.name, text.text)
                           .arg(text.needsWidth)
                           .arg(text.room.width());
        }
        if (text.needsHeight > text.room.height()) {
            clipped << QStringLiteral("%1: %2 (needs %3 px high, has %4 px)")
                           .arg(text.name, text.text)
                           .arg(text.needsHeight)
                           .arg(text.room.height());
        }
    }
    return clipped;
}

}  // namespace tavro::test
