// SPDX-License-Identifier: GPL-3.0-or-later
// How announcements reach a screen reader. Qt 6.8 brought an announcement event; with the Qt 6.4
// this program is built on, the announcer instead shows a notification inside a status bar, the
// one kind of object whose appearance screen readers such as Orca speak wherever the focus is
// (and, inside a status bar, without the word "notification"). Both objects stay hidden.
#include "dialogkit/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <utility>

namespace tavro {
namespace {

constexpr const char* kRoleProperty = "tavroAnnouncerRole";

QAccessibleInterface* AnnouncementFactory(const QString& /*key*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

void InstallAnnouncementFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncementFactory);
        return true;
    }();
    (void)installed;
}

void MarkRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, static_cast<int>(role));
    // An interface Qt made before the mark is dropped, so that the factory makes the next one.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
    InstallAnnouncementFactory();
    setObjectName(QStringLiteral("tavroAnnouncer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    MarkRole(this, QAccessible::StatusBar);
    for (QWidget*& message : messages_) {
        message = new QWidget(this);
        MarkRole(message, QAccessible::Notification);
    }
    hide();
}

void Announcer::Announce(const QString& text) {
    if (pending_.isEmpty()) {
        QTimer::singleShot(0, this, &Announcer::Flush);
    }
    pending_.append(text);
}

void Announcer::Flush() {
    if (pending_.isEmpty()) {
        return;
    }
    // One text: a screen reader reads the notification's name some time after it appeared, so a
    // second one raised at once would be read twice and the first never.
    QString text;
    for (const QString& part : std::as_const(pending_)) {
        if (!text.isEmpty()) {
            text += text.endsWith(QLatin1Char('.')) ? QStringLiteral(" ") : QStringLiteral(". ");
        }
        text += part;
    }
    pending_.clear();
    last_ = (last_ + 1) % messages_.size();
    QWidget* message = messages_[last_];
    message->setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
#else
    // Setting the name dropped any name the screen reader's side had cached; the notification
    // "appearing" has it read the new one.
    QAccessibleEvent shown(message, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

Announcer& AnnouncerOf(QWidget* widget) {
    // The program's main window hosts the one announcer, also for its dialogs: a screen reader
    // would name a dialog that held it before every announcement.
    QWidget* window = widget->window();
    while (window->parentWidget() != nullptr) {
        window = window->parentWidget()->window();
    }
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (announcer == nullptr) {
        announcer = new Announcer(window);
    }
    return *announcer;
}

}  // namespace tavro
