// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests' sandbox and modal helpers.
#include "AppTestSupport.h"

#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QSettings>
#include <QTest>
#include <QWidget>
#include <chrono>

namespace tavro::test {

QColor FaceColour(int face) {
    return QColor(QColor::fromHsv((face * 19) % 360, 255, 200).rgb());
}

QColor CardBackColour() {
    return QColor(40, 40, 40);
}

namespace {

void WriteBitmap(const QString& fileName, const QColor& colour) {
    QImage image(8, 6, QImage::Format_RGB32);  // not square: the picture box stretches it
    image.fill(colour);
    if (!image.save(fileName, "BMP")) {
        qFatal("cannot write %s", qPrintable(fileName));
    }
}

}  // namespace

Sandbox::Sandbox()
    : previousFolder_(QDir::currentPath()), previousDataHome_(qgetenv("XDG_DATA_HOME")) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(root_.filePath(QStringLiteral("data"))));
    QDir root(root_.path());
    root.mkpath(QStringLiteral("program/gfx/animals"));
    root.mkpath(QStringLiteral("work"));
    WriteBitmap(cardFolder() + QStringLiteral("space.bmp"), CardBackColour());
    for (int face = 1; face <= 18; ++face) {
        WriteBitmap(cardFolder() + QString::number(face) + QStringLiteral(".bmp"),
                    FaceColour(face));
    }
    QDir::setCurrent(workFolder());
}

Sandbox::~Sandbox() {
    QDir::setCurrent(previousFolder_);
    qputenv("XDG_DATA_HOME", previousDataHome_);
}

void RedirectSettingsStore(const QString& folder) {
    // Covers the environment-based locations and Qt's own, whichever the store uses.
    qputenv("HOME", folder.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (folder + QStringLiteral("/user")).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (folder + QStringLiteral("/system")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (folder + QStringLiteral("/data")).toLocal8Bit());
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, folder + QStringLiteral("/user"));
        QSettings::setPath(format, QSettings::SystemScope, folder + QStringLiteral("/system"));
    }
}

bool UseOffscreenScreen(const QString& folder, int width, int height) {
    const QString config = folder + QStringLiteral("/screen.json");
    QFile file(config);
    const QByteArray screens = QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, )"
                                              R"("width": %1, "height": %2, "logicalDpi": 96}]})")
                                   .arg(width)
                                   .arg(height)
                                   .toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(screens) != screens.size()) {
        return false;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    return true;
}

QStringList& ModalFailures() {
    static QStringList failures;
    return failures;
}

std::shared_ptr<CapturedBox> AnswerMessageBox() {
    auto captured = std::make_shared<CapturedBox>();
    WhenModal<QMessageBox>([captured](QMessageBox* box) {
        *captured = {box->windowTitle(), box->text(), box->icon()};
        box->button(QMessageBox::Ok)->click();
    });
    return captured;
}

void StartModalWatchdog() {
    auto* timer = new QTimer(qApp);
    auto watched = std::make_shared<QPointer<QWidget>>();
    auto since = std::make_shared<std::chrono::steady_clock::time_point>();
    QObject::connect(timer, &QTimer::timeout, [timer, watched, since] {
        (void)timer;
        QWidget* modal = QApplication::activeModalWidget();
        const auto now = std::chrono::steady_clock::now();
        if (modal != watched->data()) {
            *watched = modal;
            *since = now;
            return;
        }
        if (modal != nullptr && now - *since > std::chrono::seconds(20)) {
            ModalFailures() << QStringLiteral("modal %1 was left open").arg(modal->objectName());
            modal->hide();
        }
    });
    timer->start(500);
}

void ModalCheckedTest::init() {
    ModalFailures().clear();
}

void ModalCheckedTest::cleanup() {
    QVERIFY2(ModalFailures().isEmpty(), qPrintable(ModalFailures().join(QStringLiteral("; "))));
}

}  // namespace tavro::test
