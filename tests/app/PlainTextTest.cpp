// SPDX-License-Identifier: GPL-3.0-or-later
// Text the program did not write itself, shown literally: card set folder names in the Options
// list and in the main window's caption (at start-up and after a pick), and a file name inside an
// error message. Names that look like markup or like a caption's "[*]" show as they are; control
// characters and the format characters that hide or reorder text (the bidirectional controls
// among them: set and picture names all go through ShownText) show as "?".
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QWindow>
#include <QtTest>
#include <exception>

#include "AppTestSupport.h"
#include "ProgramUnderTest.h"
#include "TextInk.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/ShownText.h"
#include "dialogs/PlainTextItemDelegate.h"
#include "settings/CardSet.h"
#include "settings/SettingsStore.h"

using namespace tavro;
using namespace tavro::test;

namespace {

struct Shown {
    QString stored;  // the folder's name
    QString seen;    // what the player sees of it
};

const QList<Shown> kSetNames = {
    {"<b>bold", "<b>bold"},
    {"<hr>", "<hr>"},
    {"&amp;<i>", "&amp;<i>"},
    {"a[*]b", "a[*]b"},
    {"[*][*]", "[*][*]"},
    {"tab\there", "tab?here"},
    {"two\nlines", "two?lines"},
    {"bell\x07\x7F", "bell??"},
    // Shown as "animals" beside the real one, were the override obeyed.
    {"\u202Eslamina", "?slamina"},
};

// Copies the sandbox's "animals" set to a set of the given name beside it.
void AddSet(const Sandbox& sandbox, const QString& name) {
    const QString folder = sandbox.programFolder() + QStringLiteral("/gfx/") + name + u'/';
    QVERIFY(QDir().mkpath(folder));
    const QDir animals(sandbox.cardFolder());
    for (const QString& file : animals.entryList(QDir::Files)) {
        QVERIFY(QFile::copy(animals.filePath(file), folder + file));
    }
}

// The caption as the window system gets it, "[*]" handling done.
QString ShownCaption(const QWidget& window) {
    return window.windowHandle() != nullptr ? window.windowHandle()->title() : QString();
}

// What the list's entry draws, as ink, in a row of the list's own height.
QRect InkOfEntry(QComboBox* list, int index) {
    QStyleOptionViewItem option;
    option.initFrom(list->view());
    option.font = list->font();
    option.rect = QRect(0, 0, 400, 13);
    option.state &= ~(QStyle::State_Selected | QStyle::State_MouseOver);
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    option.palette.setColor(QPalette::Base, Qt::white);
    QPainter painter(&image);
    list->view()->itemDelegate()->paint(&painter, option, list->model()->index(index, 0));
    painter.end();
    return InkBox(image);
}

}  // namespace

class PlainTextTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    // Every character that would break the line, draw nothing or move the text around it shows
    // as "?"; the joiners that emoji and several scripts need stay, as do letters of either
    // direction.
    void shownTextShowsWhatCouldHideOrReorder() {
        const QList<QPair<QString, QString>> cases = {
            {"\u202Eslamina", "?slamina"},                       // right-to-left override
            {"a\u202Ab\u202Bc\u202Cd\u202De", "a?b?c?d?e"},      // embeddings, overrides, pop
            {"a\u2066b\u2067c\u2068d\u2069", "a?b?c?d?"},        // isolates
            {"\u200Ex\u200Fy\u061C", "?x?y?"},                   // marks
            {"a\u200Bb\u2060c\uFEFFd\u00ADe", "a?b?c?d?e"},      // zero width, BOM, soft hyphen
            {"\U0001F3F4\U000E0067\U000E007F", "\U0001F3F4??"},  // tags
            {"a\tb\u0085c\u2028d\u2029", "a?b?c?d?"},            // controls, separators
            {"\U0001F469\u200D\U0001F467 a\u200Cb", "\U0001F469\u200D\U0001F467 a\u200Cb"},
            {"Tiere \u05D7\u05D9\u05D5\u05EA \u062D\u064A\u0648",
             "Tiere \u05D7\u05D9\u05D5\u05EA \u062D\u064A\u0648"},
        };
        for (const auto& [text, shown] : cases) {
            QCOMPARE(ShownText(text), shown);
        }
    }

    // The stored set's name in the caption at start-up: every "[*]" stays, controls show as "?".
    void captionAtStartUpShowsTheSetName() {
        QStringList wrong;
        for (const Shown& name : kSetNames) {
            Sandbox sandbox;
            AddSet(sandbox, name.stored);
            SaveSettings(Settings{name.stored.toStdString(), 500, {}, {}});
            ProgramUnderTest program(sandbox);
            program.form1.show();
            QVERIFY(QTest::qWaitForWindowExposed(&program.form1));
            const QString expected = QStringLiteral("Tavro Memory: ") + name.seen;
            if (ShownCaption(program.form1) != expected) {
                wrong << expected + QStringLiteral(" shown as ") + ShownCaption(program.form1);
            }
        }
        SaveSettings(Settings{kDefaultCardSet, 500, {}, {}});
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // Each set folder is an entry of the list that reads and draws as the name, and picking it
    // puts the name in the caption the same way, while the setting keeps the folder's name.
    void optionsListAndCaptionShowTheSetNames() {
        Sandbox sandbox;
        for (const Shown& name : kSetNames) {
            AddSet(sandbox, name.stored);
        }
        ProgramUnderTest program(sandbox);
        program.form4.setExecutableFolder(sandbox.programFolder());
        program.form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&program.form1));

        auto wrong = std::make_shared<QStringList>();
        auto picked = std::make_shared<QStringList>();
        TForm1* form = &program.form1;
        WhenModal<TForm4>([wrong, picked, form](TForm4* dialog) {
            QComboBox* list = dialog->ComboBox1();
            for (int index = 0; index < list->count(); ++index) {
                // Picking the entry tells which folder it stands for.
                emit list->activated(index);
                const QString stored = QString::fromStdString(form->state().Config.CardSetName);
                *picked << stored;
                QString seen = stored;  // "animals"
                for (const Shown& name : kSetNames) {
                    if (name.stored == stored) {
                        seen = name.seen;
                    }
                }
                const QRect ink = InkOfEntry(list, index);
                // In the font the rows are drawn in.
                const QRect plain =
                    InkOfPlainText(seen, PlainTextItemDelegate::FontForRows(list->font()));
                if (list->itemText(index) != seen || std::abs(ink.width() - plain.width()) > 1) {
                    *wrong << QStringLiteral("%1 listed as %2, ink %3 for %4")
                                  .arg(seen, list->itemText(index))
                                  .arg(ink.width())
                                  .arg(plain.width());
                }
                const QString caption = QStringLiteral("Tavro Memory: ") + seen;
                if (ShownCaption(*form) != caption) {
                    *wrong << caption + QStringLiteral(" shown as ") + ShownCaption(*form);
                }
            }
            dialog->SpeedButton1()->click();
        });
        program.form4.exec();
        QVERIFY2(wrong->isEmpty(), qPrintable(wrong->join(u'\n')));
        QStringList stored{QStringLiteral("animals")};
        for (const Shown& name : kSetNames) {
            stored << name.stored;
        }
        stored.sort();
        picked->sort();
        QCOMPARE(*picked, stored);
    }

    // A picture that cannot be loaded is reported with its file name, which shows as it is.
    void errorBoxShowsTheFileNameLiterally() {
        Sandbox sandbox;
        const QString fileName = QStringLiteral("<hr><b>x&amp;.bmp");
        auto shown = std::make_shared<QString>();
        auto inks = std::make_shared<QPair<QRect, QRect>>();
        WhenModal<QMessageBox>([shown, inks](QMessageBox* box) {
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label != nullptr) {
                *shown = label->text();
                // The box wraps a long text at words.
                *inks = {InkOf(label),
                         InkOfPlainText(label->text(), label->font(), label->width())};
            }
            box->button(QMessageBox::Ok)->click();
        });
        PictureBox picture;
        try {
            LoadPicture(picture, fileName);
            QFAIL("a missing picture loaded");
        } catch (...) {
            ReportException(nullptr, std::current_exception());
        }
        QVERIFY2(shown->contains(fileName), qPrintable(*shown));
        const auto [ink, plain] = *inks;
        QVERIFY2(std::abs(ink.width() - plain.width()) <= 1 &&
                     std::abs(ink.height() - plain.height()) <= 1,
                 qPrintable(QStringLiteral("ink %1x%2, plain text %3x%4")
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(plain.width())
                                .arg(plain.height())));
    }
};

TAVRO_WIDGET_TEST_MAIN(PlainTextTest)
#include "PlainTextTest.moc"
