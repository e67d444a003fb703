// SPDX-License-Identifier: GPL-3.0-or-later
// Sharp pictures on screens with more device pixels per pixel: run at a scale of 2, the About
// logo shows exactly the logo drawn at twice the size (not the small one stretched), and the
// window icon at 1.5 and 2 is the icon drawn at the device size.
#include <QIcon>
#include <QtTest>

#include "controls/PictureBox.h"
#include "dialogkit/AppIcon.h"
#include "dialogs/AboutLogo.h"
#include "dialogs/Unit5.h"

using namespace tavro;

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void runsAtScaleTwo() {
        QWidget probe;
        QCOMPARE(probe.devicePixelRatioF(), 2.0);
    }

    void aboutLogoIsDrawnAtTheDevicePixelRatio() {
        InputGate gate;
        TForm5 about(gate, nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage shown = about.Image1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(2 * kAboutLogoWidth, 2 * kAboutLogoHeight));
        const QImage sharp = DrawAboutLogo(2.0).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sharp.size(), shown.size());
        // Not the 145 x 130 logo stretched: that differs in most pixels along every edge.
        const QImage stretched =
            DrawAboutLogo(1.0)
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32);
        QVERIFY(stretched != sharp);
        QCOMPARE(shown, sharp);
        about.hide();
    }

    void windowIconIsDrawnAtTheDeviceSize() {
        QApplication::setWindowIcon(AppIcon());
        for (const qreal ratio : {1.5, 2.0}) {
            for (const int size : {16, 24, 32, 48, 64}) {
                const int device = qRound(size * ratio);
                const QImage shown = QApplication::windowIcon()
                                         .pixmap(QSize(size, size), ratio)
                                         .toImage()
                                         .convertToFormat(QImage::Format_ARGB32);
                const QImage sharp = DrawAppIcon(device).convertToFormat(QImage::Format_ARGB32);
                QVERIFY2(shown == sharp, qPrintable(QStringLiteral("%1 px at %2: %3 x %4")
                                                        .arg(size)
                                                        .arg(ratio)
                                                        .arg(shown.width())
                                                        .arg(shown.height())));
            }
        }
        // The sizes the icon is known by stay those of the program's icon.
        const QList<QSize> sizes = AppIcon().availableSizes();
        for (const int size : {16, 32, 48, 64}) {
            QVERIFY(sizes.contains(QSize(size, size)));
        }
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "HiDpiTest.moc"
