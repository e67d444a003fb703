// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: a sandbox (a card set of small generated bitmaps beside a fake
// program folder, a temporary working folder for leads.dat, a redirected settings store), and
// helpers that answer modal dialogs from the event loop so that no test can hang.
#pragma once

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "game/GameState.h"
#include "game/TileSlot.h"

namespace tavro::test {

// The tile that holds the same picture as `tile` (0 when there is none).
inline int PartnerOf(const GameState& game, int tile) {
    for (int other = 1; other <= kTileCount; ++other) {
        if (other != tile && game.BoardFaces[Slot(other)] == game.BoardFaces[Slot(tile)]) {
            return other;
        }
    }
    return 0;
}

// The colour of face n's picture in the generated set, and of the card back.
QColor FaceColour(int face);
QColor CardBackColour();

class Sandbox {
public:
    Sandbox();
    ~Sandbox();

    // The fake program folder, holding gfx/animals with space.bmp and 1.bmp .. 18.bmp.
    QString programFolder() const { return root_.filePath(QStringLiteral("program")); }
    QString cardFolder() const { return programFolder() + QStringLiteral("/gfx/animals/"); }
    // The working folder (the current folder while the sandbox lives).
    QString workFolder() const { return root_.filePath(QStringLiteral("work")); }
    QString leadsFile() const { return workFolder() + QStringLiteral("/leads.dat"); }
    // The player's own card sets: XDG_DATA_HOME points into the sandbox while it lives, so no
    // set of the real HOME is ever seen. The folder is not made.
    QString playerSetsFolder() const {
        return root_.filePath(QStringLiteral("data/tavro-memory/gfx/"));
    }

private:
    QTemporaryDir root_;
    QString previousFolder_;
    QByteArray previousDataHome_;
};

// Sends the settings store to a temporary folder: call before QApplication is created.
void RedirectSettingsStore(const QString& folder);

// Gives the offscreen platform one screen of width x height pixels, described in a file in
// `folder`: call before QApplication is created. False when the file cannot be written.
bool UseOffscreenScreen(const QString& folder, int width, int height);

// Failures noticed inside modal helpers, where QVERIFY cannot be used; tests check it is empty.
QStringList& ModalFailures();

// Polls every 10 ms for the active modal widget to be a T, then runs act(T*) once. After
// timeoutMs it records a failure and hides the modal widget, if any, so the test goes on.
template <typename T>
void WhenModal(std::function<void(T*)> act, int timeoutMs = 10000) {
    // A timer of its own per expectation: a timer does not fire again while its own slot runs,
    // and act() may well open the next modal dialog.
    auto* timer = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, act, timeoutMs] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(widget);
            return;
        }
        *waited += timer->interval();
        if (*waited >= timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ModalFailures() << QStringLiteral("expected modal %1 did not appear")
                                   .arg(QLatin1String(T::staticMetaObject.className()));
            if (QWidget* open = QApplication::activeModalWidget()) {
                open->hide();
            }
        }
    });
    timer->start(10);
}

// What a message box showed.
struct CapturedBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next message box with OK; the result fills in when it has been answered.
std::shared_ptr<CapturedBox> AnswerMessageBox();

// Hides any modal widget that stays open for more than 20 s and records it: a safety net for
// modal dialogs that no test expected.
void StartModalWatchdog();

// The base of the window test classes: every test starts with no modal failures recorded and
// fails if any were recorded while it ran.
class ModalCheckedTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
};

}  // namespace tavro::test

// A Qt Test main with the settings store redirected and the watchdog running.
#define TAVRO_WIDGET_TEST_MAIN(TestClass)                                 \
    int main(int argc, char** argv) {                                     \
        QTemporaryDir settingsFolder;                                     \
        tavro::test::RedirectSettingsStore(settingsFolder.path());        \
        QApplication app(argc, argv);                                     \
        QApplication::setApplicationName(QStringLiteral("Tavro Memory")); \
        tavro::test::RedirectSettingsStore(settingsFolder.path());        \
        tavro::test::StartModalWatchdog();                                \
        TestClass test;                                                   \
        return QTest::qExec(&test, argc, argv);                           \
    }
