// SPDX-License-Identifier: GPL-3.0-or-later
// The caption checks: text widths measured with the font each control really gets.
#include "CaptionFit.h"

#include <QAbstractButton>
#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionGroupBox>

namespace tavro::test {
namespace {

QString Describe(const QWidget* widget, const QString& text) {
    return QStringLiteral("%1 %2 '%3'")
        .arg(QLatin1String(widget->metaObject()->className()), widget->objectName(), text);
}

bool OwnVisible(const QWidget* widget, const QWidget* window) {
    return widget->window() == window && widget->isVisibleTo(window);
}

// The caption as drawn: a single '&' marks the access key and is not shown, "&&" shows one '&'.
QString Shown(QString caption) {
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(u'&')
        .replace(u'\x01', u'&');
}

// Where a label's text really lies, in its parent's coordinates.
QRect LabelTextRect(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    const QRect contents = label->contentsRect();
    const int width = metrics.horizontalAdvance(label->text());
    QRect text(0, 0, width, metrics.height());
    const Qt::Alignment align = label->alignment();
    int left = contents.left();
    if (align & Qt::AlignHCenter) {
        left = contents.center().x() - width / 2;
    } else if (align & Qt::AlignRight) {
        left = contents.right() - width;
    }
    text.moveTopLeft(label->pos() + QPoint(left, contents.top()));
    return text;
}

void CheckLabel(const QLabel* label, QStringList& clipped) {
    if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText) {
        return;
    }
    const QFontMetrics metrics(label->font());
    const int needed = metrics.horizontalAdvance(label->text());
    const int available = label->contentsRect().width() - 2 * label->margin() - label->indent();
    if (needed > available) {
        clipped << Describe(label, label->text()) +
                       QStringLiteral(": needs %1 px, has %2").arg(needed).arg(available);
        return;
    }
    const QWidget* parent = label->parentWidget();
    const QRect text = LabelTextRect(label);
    if (parent != nullptr && !parent->rect().contains(text)) {
        clipped << Describe(label, label->text()) + QStringLiteral(": runs out of its parent");
        return;
    }
    // A label sized to its text may still run into the control beside it.
    if (parent == nullptr) {
        return;
    }
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling == nullptr || sibling == label || !sibling->isVisibleTo(parent)) {
            continue;
        }
        QRect other = sibling->geometry();
        if (const auto* neighbour = qobject_cast<const QLabel*>(sibling)) {
            if (neighbour->text().isEmpty()) {
                continue;
            }
            other = LabelTextRect(neighbour);
        } else if (qobject_cast<const QAbstractButton*>(sibling) == nullptr) {
            continue;
        }
        if (text.intersects(other)) {
            clipped << Describe(label, label->text()) +
                           QStringLiteral(": runs into %1")
                               .arg(sibling->objectName().isEmpty()
                                        ? QLatin1String(sibling->metaObject()->className())
                                        : sibling->objectName());
        }
    }
}

void CheckButton(const QAbstractButton* button, QStringList& clipped) {
    const QString shown = Shown(button->text());
    if (shown.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(button->font());
    const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    const int needed = metrics.horizontalAdvance(shown);
    const int available = button->contentsRect().width() - 2 * frame;
    if (needed > available) {
        clipped << Describe(button, shown) +
                       QStringLiteral(": needs %1 px, has %2").arg(needed).arg(available);
    }
}

void CheckGroupBox(const QGroupBox* box, QStringList& clipped) {
    if (box->title().isEmpty()) {
        return;
    }
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int needed = QFontMetrics(box->font()).horizontalAdvance(Shown(box->title()));
    if (needed > label.width() || !box->rect().contains(label)) {
        clipped << Describe(box, box->title()) + QStringLiteral(": the title does not fit");
    }
}

void CheckMenuBar(const QMenuBar* bar, QStringList& clipped) {
    for (QAction* action : bar->actions()) {
        const QRect place = bar->actionGeometry(action);
        if (place.isEmpty() || !bar->rect().contains(place)) {
            clipped << Describe(bar, action->text()) + QStringLiteral(": not in the menu bar");
        }
    }
}

void AddKey(QMap<QChar, QStringList>& keys, const QString& caption) {
    const QChar key = AccessKey(caption);
    if (!key.isNull()) {
        keys[key] << caption;
    }
}

void ReportClashes(const QString& where, const QMap<QChar, QStringList>& keys,
                   QStringList& clashes) {
    for (auto it = keys.begin(); it != keys.end(); ++it) {
        if (it.value().size() > 1) {
            clashes << QStringLiteral("%1: '%2' in %3")
                           .arg(where, it.key(), it.value().join(QStringLiteral(", ")));
        }
    }
}

}  // namespace

QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') {
            continue;
        }
        if (caption[i + 1] == u'&') {
            ++i;  // "&&" is a literal '&'
            continue;
        }
        return caption[i + 1].toLower();
    }
    return {};
}

QStringList ClippedCaptions(QWidget* window) {
    QStringList clipped;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!OwnVisible(widget, window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            CheckLabel(label, clipped);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            CheckButton(button, clipped);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            CheckGroupBox(box, clipped);
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            CheckMenuBar(bar, clipped);
        }
    }
    return clipped;
}

QStringList AccessKeyClashes(QWidget* window) {
    QStringList clashes;
    QMap<QChar, QStringList> windowKeys;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window) {
            continue;
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            AddKey(windowKeys, button->text());
        } else if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->buddy() != nullptr) {
                AddKey(windowKeys, label->text());
            }
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            AddKey(windowKeys, box->title());
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            for (const QAction* action : bar->actions()) {
                AddKey(windowKeys, action->text());
            }
        }
    }
    ReportClashes(window->objectName(), windowKeys, clashes);
    for (const QMenu* menu : window->findChildren<QMenu*>()) {
        QMap<QChar, QStringList> menuKeys;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                AddKey(menuKeys, action->text());
            }
        }
        ReportClashes(menu->objectName(), menuKeys, clashes);
    }
    return clashes;
}

}  // namespace tavro::test
