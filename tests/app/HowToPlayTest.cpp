// SPDX-License-Identifier: GPL-3.0-or-later
// The How to play window: F1 in the main window opens one window, not modal, and raises it again;
// its text, as a screen reader gets it, names every key and the scoring; it speaks German and
// French; the keyboard reaches the text and Close, and Escape closes it; it scales; and its text
// reads under a dark desktop palette.
#include <QAccessible>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTextBrowser>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "dialogs/HowToPlay.h"
#include "look/TextContrast.h"
#include "translations/Translations.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The text as the accessibility interface hands it to a screen reader.
QString AccessibleText(QTextBrowser* text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(text);
    QAccessibleTextInterface* reader = face == nullptr ? nullptr : face->textInterface();
    return reader == nullptr ? QString() : reader->text(0, reader->characterCount());
}

}  // namespace

class HowToPlayTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void f1OpensOneWindowAndRaisesIt() {
        SandboxedProgram program;
        QVERIFY(program.show());
        QTest::keyClick(&program.form, Qt::Key_F1);
        const auto opened = program.form.findChildren<HowToPlay*>();
        QCOMPARE(opened.size(), 1);
        HowToPlay* window = opened.first();
        QTRY_VERIFY(window->isActiveWindow());
        QCOMPARE(window->windowTitle(), QStringLiteral("How to play"));
        QVERIFY(!window->isModal() && QApplication::activeModalWidget() == nullptr);
        QCOMPARE(QApplication::focusWidget(), window->Text());

        // Tab reaches Close and comes back to the text; Escape closes the window.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->CloseButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window->Text());
        QTest::keyClick(window->Text(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());

        // F1 again, with the window open behind the board or closed: the same window, in front.
        for (int round = 0; round < 2; ++round) {
            program.form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&program.form));
            QTest::keyClick(&program.form, Qt::Key_F1);
            QTRY_VERIFY(window->isActiveWindow());
            QCOMPARE(program.form.findChildren<HowToPlay*>().size(), 1);
        }

        // Its letters grow with the cards, also while it is open.
        const int normal = window->font().pixelSize();
        program.form.CardSizeClick(CardSize::Large150);
        QCOMPARE(window->font().pixelSize(), qRound(normal * 1.5));
    }

    void textNamesEveryKeyAndTheScoring_data() {
        QTest::addColumn<QString>("pattern");
        for (const char* pattern : {"Arrow keys",   "Space",       "Enter",
                                    "\\bF1\\b",     "\\bF2\\b",    "\\bF3\\b",
                                    "\\bF4\\b",     "\\bF5\\b",    "\\bF6\\b",
                                    "\\bF7\\b",     "\\bF10\\b",   "\\bAlt\\b",
                                    "Escape",       "\\+100\\b",   "\u221210\\b",
                                    "\u221275\\b",  "\\b50 hints", "\"Easy\"",
                                    "\"Even\"",     "\"Hard\"",    "Take turns to start",
                                    "One player",   "Two players", "Sounds",
                                    "Record games", "Statistics"}) {
            QTest::newRow(pattern) << QString::fromUtf8(pattern);
        }
    }

    void textNamesEveryKeyAndTheScoring() {
        QFETCH(QString, pattern);
        HowToPlay window(nullptr);
        const QString text = AccessibleText(window.Text());
        QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(text));
    }

    void speaksThePlayersLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("words");
        QTest::newRow("de") << "de_DE"
                            << "Spielanleitung"
                            << "Leertaste";
        QTest::newRow("fr") << "fr_FR"
                            << "Comment jouer"
                            << "Espace";
    }

    void speaksThePlayersLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, title);
        QFETCH(QString, words);
        QVERIFY(InstallTranslations(QLocale(language)));
        HowToPlay window(nullptr);
        InstallTranslations(QLocale(QLocale::English));
        QCOMPARE(window.windowTitle(), title);
        const QString text = AccessibleText(window.Text());
        QVERIFY2(
            text.contains(words) && !text.contains(QRegularExpression(QStringLiteral("\\bthe\\b"))),
            qPrintable(text));
    }

    void scaleSetsTheTextSizeAndTheWindowSize() {
        HowToPlay window(nullptr);
        const int pixels = window.font().pixelSize();
        const QSize size = window.size();
        window.SetScale(2.0);
        QCOMPARE(window.font().pixelSize(), 2 * pixels);
        QCOMPARE(window.Text()->font().pixelSize(), 2 * pixels);
        QVERIFY(window.width() > size.width() && window.height() > size.height());
    }

    // The text takes the desktop's colours: under a dark palette, a dark background with plenty
    // of ink that stands out from it (far more than a caret or a frame could make).
    void textReadsUnderADarkPalette() {
        const DesktopLook dark(QStringLiteral("Fusion"), DarkFusionPalette());
        HowToPlay window(nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shot = window.Text()->viewport()->grab().toImage();
        QHash<QRgb, int> counts;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                ++counts[shot.pixel(x, y)];
            }
        }
        QRgb background = counts.constBegin().key();
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
            background = it.value() > counts.value(background) ? it.key() : background;
        }
        int ink = 0;
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
            ink += ContrastRatio(QColor(it.key()), QColor(background)) >= 4.5 ? it.value() : 0;
        }
        QVERIFY(QColor(background).lightness() < 128);
        QVERIFY2(ink > 2000, qPrintable(QString::number(ink)));
    }
};

TAVRO_WIDGET_TEST_MAIN(HowToPlayTest)
#include "HowToPlayTest.moc"
