// SPDX-License-Identifier: GPL-3.0-or-later
// The look of the windows as the program wires them: the fonts the tests see, every caption
// inside its control, the "Cards" frame around the preview, a visible focus on the card set
// list, whole names in the card set list's drop-down rows, and readable texts in every window
// and message box under a light and a dark desktop palette.
// The fit, frame and focus checks run under every style Qt offers here (Fusion, the default on this
// platform, and Windows).
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "DrawnTexts.h"
#include "TextContrast.h"
#include "app/PlayersLine.h"
#include "app/ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "controls/RXSlider.h"
#include "dialogkit/DialogLook.h"
#include "dialogkit/ErrorReport.h"
#include "dialogs/PlainTextItemDelegate.h"
#include "players/ComputerDialog.h"
#include "players/GameOverDialog.h"
#include "players/TwoPlayersDialog.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The program's five windows on a sandbox, all shown at once (without modality, so that the
// test keeps control).
struct ShownWindows {
    Sandbox sandbox;
    ProgramUnderTest program{sandbox};

    ShownWindows() {
        program.form4.setExecutableFolder(sandbox.programFolder());
        for (QWidget* window : windows()) {
            window->show();
        }
    }
    QList<QWidget*> windows() {
        return {&program.form1, &program.form2, &program.form3, &program.form4, &program.form5};
    }
};

// Runs the test under one style and puts the application's style and palette back afterwards.
class StyleAndPalette {
public:
    explicit StyleAndPalette(const QString& style)
        : previousStyle_(QApplication::style()->name()), previousPalette_(QApplication::palette()) {
        QApplication::setStyle(style);
    }
    ~StyleAndPalette() {
        QApplication::setStyle(previousStyle_);
        QApplication::setPalette(previousPalette_);
    }
    StyleAndPalette(const StyleAndPalette&) = delete;
    StyleAndPalette& operator=(const StyleAndPalette&) = delete;

private:
    QString previousStyle_;
    QPalette previousPalette_;
};

// The first row, from the top, in which column x of the picture has the colour; -1 if none.
int FirstRowOf(const QImage& picture, int x, int fromY, const std::function<bool(QRgb)>& is) {
    for (int y = fromY; y < picture.height(); ++y) {
        if (is(picture.pixel(x, y))) {
            return y;
        }
    }
    return -1;
}

// Paints the view's entry with the view's delegate in the font into a rectangle three rows high
// at the pixel ratio, the entry's text centred as in a row; describes the ink that falls outside
// the middle row, where the row would cut it ("" when none).
QString InkOutsideRow(QAbstractItemView& view, const QModelIndex& index, const QFont& font,
                      qreal ratio) {
    const QSize row = view.visualRect(index).size();
    QImage picture(QSize(row.width(), 3 * row.height()) * ratio, QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    QStyleOptionViewItem option;
    option.initFrom(view.viewport());
    option.font = font;
    option.rect = QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize());
    option.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
    {
        QPainter painter(&picture);
        view.itemDelegateForIndex(index)->paint(&painter, option, index);
    }
    const QRgb blank = picture.pixel(picture.width() - 1, 0);
    const QRect inside(QPoint(0, row.height()) * ratio, row * ratio);
    int above = 0;
    int below = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!inside.contains(x, y) && picture.pixel(x, y) != blank) {
                ++(y < inside.top() ? above : below);
            }
        }
    }
    return above + below == 0
               ? QString()
               : QStringLiteral("%1 ink pixels above the row, %2 below").arg(above).arg(below);
}

// The lowest pixel row of the picture with a pixel other than its top right one; -1 if none.
int LowestInk(const QImage& picture) {
    const QRgb blank = picture.pixel(picture.width() - 1, 0);
    for (int y = picture.height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != blank) {
                return y;
            }
        }
    }
    return -1;
}

void AddStyleRows() {
    QTest::addColumn<QString>("style");
    for (const QString& style : QStyleFactory::keys()) {
        QTest::newRow(qPrintable(style)) << style;
    }
}

}  // namespace

class WindowLookTest : public ModalCheckedTest {
    Q_OBJECT

private slots:
    // The tests see the faces of the declared font packages and nothing else.
    void onlyTheDeclaredFontsAreSeen() {
        // Qt adds its names for the generic families.
        const QSet<QString> declared{
            QStringLiteral("DejaVu Sans"),      QStringLiteral("DejaVu Sans Mono"),
            QStringLiteral("DejaVu Serif"),     QStringLiteral("Liberation Sans"),
            QStringLiteral("Liberation Serif"), QStringLiteral("Liberation Mono"),
            QStringLiteral("Sans Serif"),       QStringLiteral("Serif"),
            QStringLiteral("Monospace")};
        for (const QString& family : QFontDatabase::families()) {
            QVERIFY2(declared.contains(family), qPrintable(family));
        }
        QCOMPARE(QFontInfo(StandardFont()).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(QFontInfo(LargeBoldFont()).family(), QStringLiteral("Liberation Sans"));
    }

    // The walk itself: each kind of control with a caption too wide for it is reported.
    void walkReportsEveryCutCaption() {
        QMainWindow window;
        auto* central = new QWidget(&window);
        window.setCentralWidget(central);
        window.menuBar()->addMenu(QStringLiteral("&A rather long menu caption"));
        window.menuBar()->addMenu(QStringLiteral("&Another rather long menu caption"));
        window.setFixedSize(120, 120);
        const QString caption = QStringLiteral("A caption much too wide for its control");
        auto* button = new QToolButton(central);
        button->setObjectName(QStringLiteral("button"));
        button->setText(caption);
        button->setGeometry(0, 0, 60, 20);
        auto* label = new QLabel(caption, central);
        label->setObjectName(QStringLiteral("label"));
        label->setGeometry(0, 20, 60, 20);
        auto* box = new QGroupBox(caption, central);
        box->setObjectName(QStringLiteral("box"));
        box->setGeometry(0, 40, 60, 40);
        auto* combo = new QComboBox(central);
        combo->setObjectName(QStringLiteral("combo"));
        combo->addItem(caption);
        combo->setGeometry(0, 80, 60, 20);
        auto* check = new QCheckBox(caption, central);
        check->setObjectName(QStringLiteral("check"));
        check->setGeometry(60, 0, 60, 20);
        auto* fits = new QLabel(QStringLiteral("OK"), central);
        fits->setObjectName(QStringLiteral("fits"));
        fits->setGeometry(60, 20, 60, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList names;
        for (const QString& clipped : TextsThatDoNotFit(window)) {
            names << clipped.section(u':', 0, 0);
        }
        names.removeDuplicates();
        names.sort();
        const QString bar = QStringLiteral("QMainWindow/QMenuBar");
        QCOMPARE(names, QStringList({bar, QStringLiteral("box"), QStringLiteral("button"),
                                     QStringLiteral("check"), QStringLiteral("combo"),
                                     QStringLiteral("label")}));
    }

    void everyCaptionFitsItsControl_data() { AddStyleRows(); }
    void everyCaptionFitsItsControl() {
        QFETCH(QString, style);
        StyleAndPalette look(style);
        ShownWindows shown;
        // The preview frame's caption after a picture failed to load.
        shown.program.form4.Panel1()->setText(QStringLiteral("ERROR"));
        QStringList clipped;
        QStringList seen;
        for (QWidget* window : shown.windows()) {
            clipped += TextsThatDoNotFit(*window);
            for (const DrawnText& text : DrawnTexts(*window)) {
                seen << text.text;
            }
        }
        // The walk found the captions of every window.
        for (const char* caption :
             {"Game", "Options", "Help", "Points", "Name", "Clear", "10", "Cards", "Delay",
              "animals", "ERROR", "Tavro Memory 1.0", "Visit Tavro Memory Homepage",
              "Mail To Tavro Memory Autors", "OK"}) {
            QVERIFY2(seen.contains(QLatin1String(caption)), caption);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }

    void cardsFrameHoldsThePreview_data() { AddStyleRows(); }
    void cardsFrameHoldsThePreview() {
        QFETCH(QString, style);
        StyleAndPalette look(style);
        ShownWindows shown;
        TForm4& options = shown.program.form4;
        QTRY_VERIFY(!options.Image1()->picture().isNull());  // the card back, at the first tick
        const QImage picture = options.grab().toImage();
        const QRgb white = qRgb(255, 255, 255);
        const QRect box = options.GroupBox1()->geometry();
        // The frame's top line, in a column that meets neither the caption nor the preview.
        const int frameTop = FirstRowOf(picture, box.left() + box.width() / 2, box.top(),
                                        [white](QRgb pixel) { return pixel != white; });
        // The preview frame's top: one pixel above the first row of the card back.
        const QRect preview(options.Panel1()->mapTo(&options, QPoint(0, 0)),
                            options.Panel1()->size());
        const QRgb cardBack = CardBackColour().rgb();
        const int pictureTop = FirstRowOf(picture, preview.center().x(), box.top(),
                                          [cardBack](QRgb pixel) { return pixel == cardBack; });
        QCOMPARE(pictureTop - 1, preview.top());
        QVERIFY2(frameTop >= box.top() && frameTop < preview.top(),
                 qPrintable(QStringLiteral("frame line at %1, preview frame at %2")
                                .arg(frameTop)
                                .arg(preview.top())));
    }

    void cardSetListShowsItsFocus_data() { AddStyleRows(); }
    void cardSetListShowsItsFocus() {
        QFETCH(QString, style);
        StyleAndPalette look(style);
        ShownWindows shown;
        TForm4& options = shown.program.form4;
        options.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&options));
        QComboBox* list = options.ComboBox1();
        list->setFocus();
        QTRY_VERIFY(list->hasFocus());
        const QImage focused = list->grab().toImage();
        options.RxSlider1()->setFocus();
        QTRY_VERIFY(!list->hasFocus());
        const QImage unfocused = list->grab().toImage();
        QVERIFY(focused != unfocused);
    }

    // The card set list's drop-down rows are 13 pixels high, and every name is drawn whole in
    // its row: underscores and descenders too, so that "n_10k" is not taken for "n 10k".
    void cardSetListRowsShowWholeNames_data() { AddStyleRows(); }
    void cardSetListRowsShowWholeNames() {
        QFETCH(QString, style);
        StyleAndPalette look(style);
        ShownWindows shown;
        const QStringList names{QStringLiteral("n_10k"), QStringLiteral("n 10k"),
                                QStringLiteral("huge"), QStringLiteral("Tiere_gjpqy")};
        for (const QString& name : names) {
            QVERIFY(QDir(shown.sandbox.programFolder() + QStringLiteral("/gfx")).mkpath(name));
        }
        TForm4& options = shown.program.form4;
        options.hide();
        options.show();  // lists the new sets
        QComboBox* list = options.ComboBox1();
        list->showPopup();
        QAbstractItemView* view = list->view();
        QTRY_VERIFY(view->isVisible());

        // The entries as the opened list shows them: an underscore or a descender shows below
        // the baseline, where "n 10k" has no ink.
        const QImage popup = view->viewport()->grab().toImage();
        const qreal ratio = popup.devicePixelRatio();
        QHash<QString, QImage> shownRows;
        for (const QString& name : names) {
            const QModelIndex index = view->model()->index(list->findText(name), 0);
            const QRect row = view->visualRect(index);
            QCOMPARE(row.height(), 13);
            shownRows[name] = popup.copy(QRect(row.topLeft() * ratio, row.size() * ratio));
            // The entry drawn with room around it, at the screen's pixel ratio and at twice it.
            for (const qreal scale : {ratio, 2 * ratio}) {
                const QString outside = InkOutsideRow(*view, index, list->font(), scale);
                QVERIFY2(
                    outside.isEmpty(),
                    qPrintable(QStringLiteral("%1 at %2x: %3").arg(name).arg(scale).arg(outside)));
            }
        }
        // The standard font fits the rows as it is, at every pixel ratio.
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            QCOMPARE(
                QFontInfo(PlainTextItemDelegate::FontForRows(StandardFont(), scale)).pixelSize(),
                QFontInfo(StandardFont()).pixelSize());
        }
        const QImage& spaced = shownRows[QStringLiteral("n 10k")];
        QVERIFY(shownRows[QStringLiteral("n_10k")] != spaced);
        for (const char* low : {"n_10k", "huge", "Tiere_gjpqy"}) {
            QVERIFY2(LowestInk(shownRows[QLatin1String(low)]) > LowestInk(spaced), low);
        }
        list->hidePopup();
    }

    // Every window's texts stand out from their backgrounds by at least 4.5:1 under Fusion's
    // light palette and under a dark one, set before the windows are made or after they are
    // shown: the board and the dialogs keep their fixed white with the colours designed for it,
    // the rest follows the desktop's palette whole.
    void textsReadableUnderEveryPalette_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("darkenedLater");
        for (const char* window :
             {"main window", "main window, game of two", "name entry", "Leads", "Options", "About",
              "two players", "computer", "end of game", "Leads question", "error message"}) {
            const QString name = QLatin1String(window);
            QTest::newRow(qPrintable(name + QStringLiteral(", light"))) << name << false << false;
            QTest::newRow(qPrintable(name + QStringLiteral(", dark"))) << name << true << false;
            QTest::newRow(qPrintable(name + QStringLiteral(", turned dark")))
                << name << true << true;
        }
    }
    void textsReadableUnderEveryPalette() {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        QFETCH(bool, darkenedLater);
        DesktopLook look(QStringLiteral("Fusion"),
                         dark && !darkenedLater ? DarkFusionPalette() : LightFusionPalette());
        ShownWindows shown;
        ProgramUnderTest& program = shown.program;
        SharedState& state = program.form1.state();
        TwoPlayersDialog twoPlayers(state.Config.Play, state.InputState, &program.form1);
        ComputerDialog computer(state.Config.Play, state.InputState, &program.form1);
        GameOverDialog end(&program.form1);  // the winner in bold, as a game of two ends
        end.ShowResult(QStringLiteral("Anna wins, 520 to 310."), {{{"Anna", 520}, {"Ben", 310}}},
                       true);
        const QHash<QString, QWidget*> windows{{QStringLiteral("main window"), &program.form1},
                                               {QStringLiteral("name entry"), &program.form2},
                                               {QStringLiteral("Leads"), &program.form3},
                                               {QStringLiteral("Options"), &program.form4},
                                               {QStringLiteral("About"), &program.form5},
                                               {QStringLiteral("two players"), &twoPlayers},
                                               {QStringLiteral("computer"), &computer},
                                               {QStringLiteral("end of game"), &end}};
        for (QDialog* dialog : {static_cast<QDialog*>(&twoPlayers),
                                static_cast<QDialog*>(&computer), static_cast<QDialog*>(&end)}) {
            dialog->show();
        }
        if (darkenedLater) {
            QApplication::setPalette(DarkFusionPalette());
        }
        // The colours the windows are made to draw in: the points display, the name boxes and
        // the links in blue, the Leads rows in red, green and blue.
        const QList<QColor> fixed{QColor(Qt::red), QColor(0, 128, 0), QColor(Qt::blue)};
        QStringList unreadable;
        const auto measure = [&unreadable, &fixed, &window](QWidget& shownWindow) {
            for (const QString& text : TextsHardToRead(shownWindow, 4.5, fixed)) {
                unreadable << window + QStringLiteral(" / ") + text;
            }
        };
        if (window == QStringLiteral("main window, game of two")) {
            // The players' line in place of the points, in the board's blue. The open dialogs
            // would hold the board's commands.
            for (QWidget* other : windows) {
                if (other != &program.form1) {
                    other->hide();
                }
            }
            WhenModal<TwoPlayersDialog>(
                [](TwoPlayersDialog* dialog) { dialog->OkButton()->click(); });
            program.form1.TwoPlayers1->trigger();
            QVERIFY(program.form1.Players1->isVisible());
            measure(program.form1);
        } else if (QWidget* plain = windows.value(window)) {
            QVERIFY(QTest::qWaitForWindowExposed(plain));
            if (plain == &program.form4) {
                QTRY_VERIFY(!program.form4.Image1()->picture().isNull());
                // The card set list's drop-down entries, the picked one highlighted.
                QComboBox* list = program.form4.ComboBox1();
                list->showPopup();
                QTRY_VERIFY(list->view()->isVisible());
                unreadable += EntriesHardToRead(*list->view(), 4.5);
                list->hidePopup();
            }
            measure(*plain);
        } else {
            // The message boxes of the Leads' Clear and of an error report.
            bool measured = false;
            WhenModal<QMessageBox>([&measure, &measured](QMessageBox* box) {
                measure(*box);
                measured = true;
                box->reject();
            });
            if (window == QStringLiteral("Leads question")) {
                program.form3.SpeedButton1()->click();
            } else {
                ReportError(&program.form4, QStringLiteral("The card set cannot be read"));
            }
            QVERIFY(measured);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
    }
};

TAVRO_WIDGET_TEST_MAIN(WindowLookTest)
#include "WindowLookTest.moc"
