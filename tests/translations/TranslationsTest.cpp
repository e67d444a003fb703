// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows in German and French: every text the player sees is translated (apart
// from names and numbers), every caption fits its control in the test fonts, no two access keys
// clash, the delay uses the language's decimal separator, and Qt's own buttons speak the language
// too. Each language is compared with the same windows built in English.
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>

#include "CaptionFit.h"
#include "app/AppTestSupport.h"
#include "app/ProgramUnderTest.h"
#include "look/DrawnTexts.h"
#include "players/ComputerDialog.h"
#include "players/TwoPlayersDialog.h"
#include "translations/Translations.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// One text on screen, and where it is.
struct ShownText {
    QString where;
    QString text;
};

// What stays the same in every language: the game's name, the player's data and numbers.
bool IsName(const QString& text) {
    static const QRegularExpression kNameOrNumber(
        QStringLiteral("^(Tavro Memory( 1\\.0)?(: .*)?|OK|none|[-0-9., ]*)$"));
    return kNameOrNumber.match(text).hasMatch();
}

// Words a language spells as English does.
QStringList SameAsEnglish(const QString& language) {
    if (language == QLatin1String("de")) {
        return {QStringLiteral("Name")};
    }
    if (language == QLatin1String("fr")) {
        return {QStringLiteral("Points"), QStringLiteral("Options")};
    }
    return {};
}

void AddText(QList<ShownText>& texts, const QWidget* widget, const QString& text) {
    if (!text.isEmpty()) {
        texts.append({QStringLiteral("%1 %2").arg(QLatin1String(widget->metaObject()->className()),
                                                  widget->objectName()),
                      text});
    }
}

// Every text of a window a player can see, in a fixed order: the caption, the labels, buttons
// and group boxes, the menu bar and its menus. The card set names in the list are left out.
QList<ShownText> TextsOf(QWidget* window) {
    QList<ShownText> texts;
    AddText(texts, window, window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || !widget->isVisibleTo(window)) {
            continue;
        }
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            AddText(texts, label, label->text());
        } else if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
            AddText(texts, button, button->text());
        } else if (const auto* box = qobject_cast<QGroupBox*>(widget)) {
            AddText(texts, box, box->title());
        } else if (const auto* bar = qobject_cast<QMenuBar*>(widget)) {
            for (const QAction* action : bar->actions()) {
                AddText(texts, bar, action->text());
                if (const QMenu* menu = action->menu()) {
                    for (const QAction* item : menu->actions()) {
                        AddText(texts, menu, item->text());
                    }
                }
            }
        }
    }
    return texts;
}

// Everything measured in one language.
struct LanguageRun {
    QList<QList<ShownText>> texts;  // per window: main window, Leads, name, Options, About, the
                                    // Play menu's two dialogs, question
    QStringList clipped;
    QStringList clashes;
    QStringList failures;  // windows that could not be shown as the test needs
    QString delayText;
};

LanguageRun RunWindows(const QLocale& locale) {
    QLocale::setDefault(locale);
    InstallTranslations(locale);
    LanguageRun run;
    SandboxedProgram program;
    // A missing face makes the Options preview show its error caption.
    QFile::remove(program.sandbox.cardFolder() + QStringLiteral("1.bmp"));
    ProgramUnderTest& windows = program.windows;
    if (!program.show()) {
        run.failures << QStringLiteral("the main window did not become active");
        return run;
    }
    SharedState& state = windows.form1.state();
    TwoPlayersDialog twoPlayers(state.Config.Play, state.InputState, &windows.form1);
    ComputerDialog computer(state.Config.Play, state.InputState, &windows.form1);
    const QList<QWidget*> all = {&windows.form1, &windows.form3, &windows.form2, &windows.form4,
                                 &windows.form5, &twoPlayers,    &computer};
    for (QWidget* window : all) {
        if (window != &windows.form1) {
            window->show();
            if (!QTest::qWaitForWindowExposed(window)) {
                run.failures << window->objectName() + QStringLiteral(" was not shown");
            }
        }
        if (window == &windows.form2) {
            // The line that tells of letters the Leads file cannot hold, shown by typing two.
            for (const QString& letter : {QStringLiteral("Ł"), QStringLiteral("李")}) {
                QTest::sendKeyEvent(QTest::Click, windows.form2.Edit1(), Qt::Key_unknown, letter,
                                    Qt::NoModifier);
            }
        }
        if (window == &windows.form4) {
            if (!QTest::qWaitFor([&] { return !windows.form4.Panel1()->text().isEmpty(); }, 5000)) {
                run.failures << QStringLiteral("the preview never showed its error caption");
            }
            run.delayText = windows.form4.Label3()->text();
        }
        run.texts << TextsOf(window);
        run.clipped << TextsThatDoNotFit(*window) << ClippedCaptions(window);
        run.clashes << AccessKeyClashes(window);
        if (window != &windows.form1) {
            window->hide();
        }
    }
    // The Leads dialog's question, with Qt's own Yes and No.
    QList<ShownText> question;
    WhenModal<QMessageBox>([&question, &run](QMessageBox* box) {
        question = TextsOf(box);
        run.clashes << AccessKeyClashes(box);
        box->button(QMessageBox::No)->click();
    });
    windows.form3.show();
    windows.form3.SpeedButton1()->click();
    windows.form3.hide();
    run.texts << question;
    return run;
}

}  // namespace

class TranslationsTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void initTestCase() {
        qInfo() << "dialog font:" << QFontInfo(QFont(QStringLiteral("MS Sans Serif"))).family();
        english_ = RunWindows(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(english_.failures.isEmpty(), qPrintable(english_.failures.join(u'\n')));
    }

    void cleanupTestCase() {
        QLocale::setDefault(QLocale::c());
        InstallTranslations(QLocale::c());
    }

    void windowsSpeakTheLanguage_data() {
        QTest::addColumn<QString>("localeName");
        QTest::addColumn<QString>("delayText");
        QTest::addColumn<QString>("yes");
        QTest::newRow("de_DE") << "de_DE" << QStringLiteral("0,5 Sek.") << QStringLiteral("&Ja");
        QTest::newRow("fr_FR") << "fr_FR" << QStringLiteral("0,5 s") << QStringLiteral("&Oui");
    }

    void windowsSpeakTheLanguage() {
        QFETCH(QString, localeName);
        QFETCH(QString, delayText);
        QFETCH(QString, yes);
        const QLocale locale(localeName);
        const LanguageRun run = RunWindows(locale);
        QVERIFY2(run.failures.isEmpty(), qPrintable(run.failures.join(u'\n')));

        // Nothing left in English, window by window, text by text.
        QCOMPARE(run.texts.size(), english_.texts.size());
        const QStringList same = SameAsEnglish(QLocale::languageToCode(locale.language()));
        QStringList untranslated;
        for (qsizetype w = 0; w < run.texts.size(); ++w) {
            const auto& ours = run.texts[w];
            const auto& theirs = english_.texts[w];
            QCOMPARE(ours.size(), theirs.size());
            for (qsizetype i = 0; i < ours.size(); ++i) {
                const QString shown = QString(ours[i].text).remove(u'&');
                if (ours[i].text == theirs[i].text && !IsName(ours[i].text) &&
                    !same.contains(shown)) {
                    untranslated << ours[i].where + QStringLiteral(": ") + ours[i].text;
                }
            }
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(u'\n')));

        // Qt's own texts are translated as well.
        QStringList questionTexts;
        for (const ShownText& text : run.texts.last()) {
            questionTexts << text.text;
        }
        QVERIFY2(questionTexts.contains(yes), qPrintable(questionTexts.join(u'|')));

        QVERIFY2(run.clipped.isEmpty(), qPrintable(run.clipped.join(u'\n')));
        QVERIFY2(run.clashes.isEmpty(), qPrintable(run.clashes.join(u'\n')));
        QCOMPARE(run.delayText, delayText);
    }

    // The checks themselves: a caption too long for its button, and a clash in a menu.
    void checksCatchFaults() {
        QWidget window;
        window.setObjectName(QStringLiteral("window"));
        window.resize(200, 100);
        auto* button = new QToolButton(&window);
        button->setText(QStringLiteral("A caption far too long for this button"));
        button->setGeometry(0, 0, 60, 25);
        auto* label = new QLabel(QStringLiteral("Long enough to run into it"), &window);
        label->move(10, 30);
        label->adjustSize();
        auto* other = new QLabel(QStringLiteral("x"), &window);
        other->setObjectName(QStringLiteral("other"));
        other->move(30, 30);
        other->adjustSize();
        auto* menu = new QMenu(&window);
        menu->addAction(QStringLiteral("&Neu"));
        menu->addAction(QStringLiteral("&neu laden"));
        window.show();
        const QStringList clipped = ClippedCaptions(&window);
        QCOMPARE(clipped.size(), 3);  // the label and its neighbour run into each other
        QVERIFY(clipped[0].contains(QStringLiteral("far too long")));
        QVERIFY(clipped[1].contains(QStringLiteral("runs into other")));
        QCOMPARE(AccessKeyClashes(&window).size(), 1);
        QCOMPARE(AccessKey(QStringLiteral("Besten&liste")), QChar(u'l'));
        QCOMPARE(AccessKey(QStringLiteral("A && B")), QChar());
    }

private:
    LanguageRun english_;
};

TAVRO_WIDGET_TEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"
