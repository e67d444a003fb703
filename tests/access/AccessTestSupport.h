// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers of the keyboard and screen reader tests: walking the keyboard cursor to a tile, the
// partner of a card, and a recorder of the accessibility events the program raises.
#pragma once

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QVariant>
// Qt turns accessibility on only when an assistive tool asks for it, which the offscreen
// platform never does; its platform object is reached through private headers to do that here.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include "app/AppTestSupport.h"
#include "app/Unit1.h"
#include "game/GameState.h"
#include "game/TileSlot.h"

namespace tavro::test {

// Presses arrow keys until the cursor ring stands on the tile (the first one shows the ring).
inline void WalkTo(TForm1& form, int tile) {
    if (form.CursorTile() == 0) {
        QTest::keyClick(&form, Qt::Key_Right);  // shows the ring on tile 1
    }
    const int rows = (tile - 1) / 6 - (form.CursorTile() - 1) / 6;
    const int columns = (tile - 1) % 6 - (form.CursorTile() - 1) % 6;
    for (int step = 0; step < std::abs(rows); ++step) {
        QTest::keyClick(&form, rows > 0 ? Qt::Key_Down : Qt::Key_Up);
    }
    for (int step = 0; step < std::abs(columns); ++step) {
        QTest::keyClick(&form, columns > 0 ? Qt::Key_Right : Qt::Key_Left);
    }
}

struct RecordedEvent {
    QAccessible::Event type;
    QPointer<QObject> object;
    QVariant value;       // of a value change
    QString description;  // of the object, when the event was raised
    QString name;         // of the object, when the event was raised
    QAccessible::Role role = QAccessible::NoRole;
};

// Turns accessibility on (as a screen reader would) and records every event raised.
class EventRecorder {
public:
    EventRecorder() {
        Events().clear();
        QAccessible::installUpdateHandler(&Record);
        if (QPlatformAccessibility* platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility()) {
            platform->setActive(true);
        }
    }
    ~EventRecorder() { QAccessible::installUpdateHandler(nullptr); }

    static QList<RecordedEvent>& Events() {
        static QList<RecordedEvent> events;
        return events;
    }
    QList<RecordedEvent> Of(QAccessible::Event type, const QObject* object) const {
        QList<RecordedEvent> found;
        for (const RecordedEvent& event : Events()) {
            if (event.type == type && event.object == object) {
                found.append(event);
            }
        }
        return found;
    }

    // What was announced to screen readers: the notifications shown, in their order.
    QStringList Announcements() const {
        QStringList texts;
        for (const RecordedEvent& event : Events()) {
            if (event.type == QAccessible::ObjectShow && event.role == QAccessible::Notification) {
                texts.append(event.name);
            }
        }
        return texts;
    }

private:
    static void Record(QAccessibleEvent* event) {
        RecordedEvent recorded{event->type(), event->object(), {}, {}, {}, QAccessible::NoRole};
        if (event->type() == QAccessible::ValueChanged) {
            recorded.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
        }
        if (QAccessibleInterface* iface = event->accessibleInterface()) {
            recorded.description = iface->text(QAccessible::Description);
            recorded.name = iface->text(QAccessible::Name);
            recorded.role = iface->role();
        }
        Events().append(recorded);
    }
};

}  // namespace tavro::test
