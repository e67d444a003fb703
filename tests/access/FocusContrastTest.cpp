// SPDX-License-Identifier: GPL-3.0-or-later
// Focus that can be seen under any desktop palette: each control a dialog lets the keyboard reach
// is rendered unfocused and focused, and the focused one must show a mark at least 2 pixels wide
// on each of its four sides, with a contrast of at least 3:1 against what the same pixels showed
// unfocused. Checked with the standard palette, a dark one and a black-and-yellow high-contrast
// one, since the dialogs (the Play menu's two among them) force their own white background
// whatever the palette.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>
#include <cmath>

#include "app/ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "controls/RXSlider.h"
#include "players/ComputerDialog.h"
#include "players/TwoPlayersDialog.h"

using namespace tavro;
using namespace tavro::test;

namespace {

double Luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette DarkPalette() {
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

QPalette HighContrastPalette() {
    QPalette palette;
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, Qt::black);
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::Highlight}) {
        palette.setColor(role, Qt::yellow);
    }
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// The area of the window around rect (in window coordinates), a few pixels larger.
QImage Area(QWidget* window, const QRect& rect) {
    return window->grab(rect.adjusted(-3, -3, 3, 3))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Whether, walking from (x, y) by (dx, dy) up to half the image, at least two neighbouring
// pixels changed with a contrast of 3:1 or more.
bool MarkAcross(const QImage& before, const QImage& after, int x, int y, int dx, int dy) {
    int run = 0;
    for (int step = 0; step < std::max(after.width(), after.height()) / 2; ++step) {
        const int px = x + dx * step;
        const int py = y + dy * step;
        if (!after.rect().contains(px, py)) {
            break;
        }
        run = Contrast(before.pixel(px, py), after.pixel(px, py)) >= 3.0 ? run + 1 : 0;
        if (run >= 2) {
            return true;
        }
    }
    return false;
}

// Which sides of the area lack a focus mark: "left", "right", "top", "bottom".
QStringList SidesWithoutMark(const QImage& before, const QImage& after) {
    QStringList missing;
    const int w = after.width();
    const int h = after.height();
    if (!MarkAcross(before, after, 0, h / 2, 1, 0))
        missing << QStringLiteral("left");
    if (!MarkAcross(before, after, w - 1, h / 2, -1, 0))
        missing << QStringLiteral("right");
    if (!MarkAcross(before, after, w / 2, 0, 0, 1))
        missing << QStringLiteral("top");
    if (!MarkAcross(before, after, w / 2, h - 1, 0, -1))
        missing << QStringLiteral("bottom");
    return missing;
}

// Renders the control unfocused and focused by Tab; returns the sides without a visible mark.
QStringList CheckFocusMark(QWidget* control, const QRect& area = QRect()) {
    QWidget* window = control->window();
    const QRect rect =
        area.isNull() ? QRect(control->mapTo(window, QPoint(0, 0)), control->size()) : area;
    // The focus goes to another control of the window first, as a Tab away would take it.
    QWidget* other = nullptr;
    for (QWidget* candidate : window->findChildren<QWidget*>()) {
        if (candidate != control && (candidate->focusPolicy() & Qt::TabFocus) != 0 &&
            candidate->isVisible() && !control->isAncestorOf(candidate)) {
            other = candidate;
            break;
        }
    }
    if (other != nullptr) {
        other->setFocus(Qt::TabFocusReason);
    } else {
        control->clearFocus();
    }
    QCoreApplication::processEvents();
    const QImage before = Area(window, rect);
    control->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    if (!control->hasFocus()) {
        return {QStringLiteral("no focus")};
    }
    return SidesWithoutMark(before, Area(window, rect));
}

// Gives the control the focus for the reason given, then by Tab; returns the sides where the Tab
// focus adds no mark, that is where the first focus already showed one.
QStringList CheckMarkOnlyByKey(QWidget* control, Qt::FocusReason reason) {
    QWidget* window = control->window();
    const QRect rect(control->mapTo(window, QPoint(0, 0)), control->size());
    control->clearFocus();
    control->setFocus(reason);
    QCoreApplication::processEvents();
    const QImage plain = Area(window, rect);
    control->clearFocus();
    control->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    return SidesWithoutMark(plain, Area(window, rect));
}

}  // namespace

class FocusContrastTest : public QObject {
    Q_OBJECT
private slots:
    void everyReachableControlShowsItsFocus_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("standard") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << DarkPalette();
        QTest::newRow("black and yellow") << HighContrastPalette();
    }

    void everyReachableControlShowsItsFocus() {
        QFETCH(QPalette, palette);
        const QPalette before = QApplication::palette();
        QApplication::setPalette(palette);
        {
            SandboxedProgram program;
            ProgramUnderTest& windows = program.windows;
            QStringList faults;
            const auto check = [&faults](const QString& name, QWidget* control,
                                         const QRect& area = QRect()) {
                const QStringList missing = CheckFocusMark(control, area);
                if (!missing.isEmpty()) {
                    faults << name + ": " + missing.join(QLatin1Char(','));
                }
            };

            TForm3& leads = windows.form3;
            leads.show();
            QVERIFY(QTest::qWaitForWindowActive(&leads));
            check(QStringLiteral("Leads Clear"), leads.SpeedButton1());
            check(QStringLiteral("Leads OK"), leads.SpeedButton2());
            const QLabel* rank = leads.RankLabel(0);
            check(QStringLiteral("Leads place 1"), leads.Panel1(),
                  QRect(4, rank->y() - 1, leads.Panel1()->width() - 8, rank->height() + 2));
            leads.hide();

            TForm5& about = windows.form5;
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            check(QStringLiteral("About homepage"), about.SpeedButton3());
            check(QStringLiteral("About mail"), about.SpeedButton4());
            check(QStringLiteral("About OK"), about.SpeedButton2());
            about.hide();

            TForm2& entry = windows.form2;
            entry.show();
            QVERIFY(QTest::qWaitForWindowActive(&entry));
            check(QStringLiteral("Name box"), entry.Edit1());
            check(QStringLiteral("Name OK"), entry.SpeedButton1());
            entry.hide();

            TForm4& options = windows.form4;
            options.show();
            QVERIFY(QTest::qWaitForWindowActive(&options));
            check(QStringLiteral("Options cards"), options.ComboBox1());
            check(QStringLiteral("Options delay"), options.RxSlider1());
            check(QStringLiteral("Options OK"), options.SpeedButton1());
            options.hide();

            // The Play menu's two dialogs, as the main window makes them.
            SharedState& state = windows.form1.state();
            TwoPlayersDialog twoPlayers(state.Config.Play, state.InputState, &windows.form1);
            twoPlayers.show();
            QVERIFY(QTest::qWaitForWindowActive(&twoPlayers));
            check(QStringLiteral("Two players first name"), twoPlayers.NameBox(0));
            check(QStringLiteral("Two players second name"), twoPlayers.NameBox(1));
            check(QStringLiteral("Two players OK"), twoPlayers.OkButton());
            check(QStringLiteral("Two players Cancel"), twoPlayers.CancelButton());
            twoPlayers.hide();

            ComputerDialog computer(state.Config.Play, state.InputState, &windows.form1);
            computer.show();
            QVERIFY(QTest::qWaitForWindowActive(&computer));
            check(QStringLiteral("Computer name"), computer.NameBox());
            check(QStringLiteral("Computer strength"),
                  computer.StrengthButton(ComputerStrength::Fair));
            check(QStringLiteral("Computer OK"), computer.OkButton());
            computer.hide();

            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        }
        QApplication::setPalette(before);
    }

    // A click, or a dialog's showing, gives the focus without the 2-pixel mark, so a mouse
    // player sees the controls as designed; the mark comes with a focus moved by key.
    void focusFromTheMouseOrAShowingKeepsTheDesignedLook() {
        SandboxedProgram program;
        ProgramUnderTest& windows = program.windows;
        QStringList faults;
        const auto check = [&faults](const QString& name, QWidget* control,
                                     Qt::FocusReason reason) {
            const QStringList marked = CheckMarkOnlyByKey(control, reason);
            if (!marked.isEmpty()) {
                faults << name + " marked without a key: " + marked.join(QLatin1Char(','));
            }
        };
        TForm2& entry = windows.form2;
        entry.show();
        QVERIFY(QTest::qWaitForWindowActive(&entry));
        check(QStringLiteral("Name box"), entry.Edit1(), Qt::OtherFocusReason);
        entry.hide();

        TForm4& options = windows.form4;
        options.show();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        check(QStringLiteral("Options cards"), options.ComboBox1(), Qt::MouseFocusReason);
        check(QStringLiteral("Options delay"), options.RxSlider1(), Qt::MouseFocusReason);
        options.hide();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

TAVRO_WIDGET_TEST_MAIN(FocusContrastTest)
#include "FocusContrastTest.moc"
