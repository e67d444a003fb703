// SPDX-License-Identifier: GPL-3.0-or-later
// The About dialog on the offscreen platform: its layout and logo (built at the first showing),
// the input gate while it is shown, and the two links, caught by URL handlers of the test so
// that no browser starts.
#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include "app/SharedState.h"
#include "controls/PictureBox.h"
#include "dialogs/Unit5.h"

using namespace tavro;

// Stands in for the desktop's browser and mail program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void openUrl(const QUrl& url) { opened.append(url); }
};

// The dialog over a stand-in main window that owns it.
struct AboutRig {
    SharedState state;
    QWidget mainWindow;
    TForm5* dialog = new TForm5(state.InputState, &mainWindow);
};

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "openUrl");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher_, "openUrl");
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }
    void init() { catcher_.opened.clear(); }

    void buttonsNeverTakeTheFocusByClick() {
        AboutRig rig;
        QCOMPARE(rig.dialog->size(), QSize(356, 178));
        for (QToolButton* button :
             {rig.dialog->SpeedButton2(), rig.dialog->SpeedButton3(), rig.dialog->SpeedButton4()}) {
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);  // by Tab only
            // The caption fits its button in the dialog's font.
            QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) <
                    button->width());
        }
    }

    void controlsAndLogoWaitForTheFirstShowing() {
        AboutRig rig;
        QVERIFY(rig.dialog->findChildren<QWidget*>().isEmpty());
        QCOMPARE(rig.dialog->windowTitle(), QStringLiteral("About Tavro Memory"));
        rig.dialog->show();
        // The logo, the two links and OK, and the text; each button carries its focus mark.
        const auto controls = rig.dialog->findChildren<QWidget*>();
        QCOMPARE(rig.dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(), 5);
        QCOMPARE(controls.size(), 8);
        for (const QWidget* control : controls) {
            QVERIFY(control->isVisible());
        }
        QVERIFY(!rig.dialog->Image1()->picture().isNull());
    }

    void logoIsAPictureOfItsOwn() {
        AboutRig rig;
        const QImage& logo = rig.dialog->Image1()->picture();
        QCOMPARE(logo.size(), QSize(145, 130));
        QCOMPARE(logo.depth(), 24);
        QSet<QRgb> colours;
        for (int y = 0; y < logo.height(); y += 5) {
            for (int x = 0; x < logo.width(); x += 5) {
                colours.insert(logo.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() > 20, "the logo should be a drawing, not a plain area");
    }

    void gateIsClosedWhileShown() {
        AboutRig rig;
        QCOMPARE(rig.state.InputState, kInputReady);
        rig.dialog->show();
        QCOMPARE(rig.state.InputState, kInputBusy);
        QTest::mouseClick(rig.dialog->SpeedButton2(), Qt::LeftButton);
        QVERIFY(!rig.dialog->isVisible());
        QCOMPARE(rig.state.InputState, kInputReady);

        rig.dialog->show();
        QCOMPARE(rig.state.InputState, kInputBusy);
        rig.dialog->close();  // the close box does what OK does
        QVERIFY(!rig.dialog->isVisible());
        QCOMPARE(rig.state.InputState, kInputReady);
    }

    void linksAskTheDesktopEveryTime() {
        AboutRig rig;
        rig.dialog->show();
        QTest::mouseClick(rig.dialog->SpeedButton3(), Qt::LeftButton);
        QTest::mouseClick(rig.dialog->SpeedButton3(), Qt::LeftButton);
        QTest::mouseClick(rig.dialog->SpeedButton4(), Qt::LeftButton);
        QCOMPARE(catcher_.opened.size(), 3);
        QCOMPARE(catcher_.opened.at(0), QUrl(kHomepageAddress));
        QCOMPARE(catcher_.opened.at(1), QUrl(kHomepageAddress));
        QCOMPARE(catcher_.opened.at(2).scheme(), QStringLiteral("mailto"));
        QCOMPARE(catcher_.opened.at(2), QUrl(kAuthorsMailAddress));
        QVERIFY(catcher_.opened.at(0).host().endsWith(QStringLiteral(".example.org")));
        QVERIFY(rig.dialog->isVisible());
        QCOMPARE(rig.state.InputState, kInputBusy);
    }

    void execIsClosedByOk() {
        AboutRig rig;
        bool sawGateClosed = false;
        QTimer::singleShot(50, [&] {
            if (auto* modal = qobject_cast<TForm5*>(QApplication::activeModalWidget())) {
                sawGateClosed = rig.state.InputState == kInputBusy;
                QTest::mouseClick(modal->SpeedButton4(), Qt::LeftButton);
                QTest::mouseClick(modal->SpeedButton2(), Qt::LeftButton);
            }
        });
        QTimer::singleShot(5000, rig.dialog, &QDialog::reject);  // never hang
        rig.dialog->exec();
        QVERIFY(sawGateClosed);
        QCOMPARE(catcher_.opened.size(), 1);
        QCOMPARE(rig.state.InputState, kInputReady);
    }

private:
    UrlCatcher catcher_;
};

QTEST_MAIN(AboutDialogTest)
#include "AboutDialogTest.moc"
