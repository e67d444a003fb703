// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the main window, through QAccessible: the board as 36 named
// card buttons and one "Points" object, the cards' names following the game, no face-down card
// giving its picture away by any text, the score as a value with change events, and the end of
// a game announced on the points object, and letters the name box refuses told on the box.
#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "AccessTestSupport.h"
#include "app/ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"
#include "settings/SettingsStore.h"

using namespace tavro;
using namespace tavro::test;

namespace {

QAccessibleInterface* Of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString NameOf(QObject* object) {
    return Of(object)->text(QAccessible::Name);
}

QString Place(int tile) {
    return QStringLiteral("Card %1, row %2, column %3: ")
        .arg(tile)
        .arg((tile - 1) / 6 + 1)
        .arg((tile - 1) % 6 + 1);
}

// Every interface below root, depth first.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit) {
    visit(root);
    for (int index = 0; index < root->childCount(); ++index) {
        if (QAccessibleInterface* child = root->child(index)) {
            Walk(child, visit);
        }
    }
}

// Every text a screen reader can ask a card for, and the widget's own texts besides.
QStringList EveryText(PictureBox* card) {
    QAccessibleInterface* iface = Of(card);
    QStringList texts;
    for (const auto t :
         {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help,
          QAccessible::Accelerator, QAccessible::DebugDescription, QAccessible::UserText}) {
        texts << iface->text(t);
    }
    texts << card->toolTip() << card->whatsThis() << card->statusTip()
          << card->accessibleDescription() << card->objectName();
    return texts;
}

// Names the sandbox's pictures so that each can be told apart in any text.
void WriteNames(const Sandbox& sandbox) {
    QFile file(sandbox.cardFolder() + QStringLiteral("set.desktop"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Tavro Memory Card Set]\n");
    for (int face = 1; face <= kFaceCount; ++face) {
        file.write(QStringLiteral("Picture%1=creature%2x\n")
                       .arg(face)
                       .arg(face, 2, 10, QLatin1Char('0'))
                       .toUtf8());
    }
}

QString CreatureName(int face) {
    return QStringLiteral("creature%1x").arg(face, 2, 10, QLatin1Char('0'));
}

}  // namespace

class AccessibleTreeTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void boardHoldsTheCardsInOrderAndOnePointsObject() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        QAccessibleInterface* board = Of(form.Panel1);
        QCOMPARE(board->childCount(), kTileCount + 1);
        for (int tile = 1; tile <= kTileCount; ++tile) {
            QAccessibleInterface* card = board->child(tile - 1);
            QCOMPARE(card->object(), form.Image(tile));
            QCOMPARE(card->role(), QAccessible::Button);
            QCOMPARE(card->text(QAccessible::Name), Place(tile) + QStringLiteral("face down"));
            QCOMPARE(card->parent()->object(), form.Panel1);
            QCOMPARE(board->indexOfChild(card), tile - 1);
            QVERIFY(card->state().focusable);
            QVERIFY(card->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QAccessibleInterface* points = board->child(kTileCount);
        QCOMPARE(points->object(), form.Label2);
        QCOMPARE(points->parent()->object(), form.Panel1);

        // "Points" is found once in the whole window: the caption is not read twice.
        int named = 0;
        int cards = 0;
        Walk(Of(&form), [&](QAccessibleInterface* iface) {
            named += iface->text(QAccessible::Name) == QStringLiteral("Points") ? 1 : 0;
            cards += iface->text(QAccessible::Name).startsWith(QStringLiteral("Card ")) ? 1 : 0;
        });
        QCOMPARE(named, 1);
        QCOMPARE(cards, kTileCount);
        QCOMPARE(NameOf(&form), form.windowTitle());
    }

    void cardNamesFollowTheGame() {
        Sandbox sandbox;
        WriteNames(sandbox);
        ProgramUnderTest windows(sandbox);
        TForm1& form = windows.form1;
        form.state().Config.FlipDelay = 0;
        const GameState& game = form.state().Game;
        const int partner = PartnerOf(game, 1);
        const int other = partner == 2 ? 3 : 2;
        const auto face = [&](int tile) { return game.BoardFaces[Slot(tile)]; };

        form.ImageClick(1);
        QCOMPARE(NameOf(form.Image(1)),
                 Place(1) + QStringLiteral("face up: ") + CreatureName(face(1)));
        form.ImageClick(other);  // a mismatch: both turned back at once
        QCOMPARE(NameOf(form.Image(1)), Place(1) + QStringLiteral("face down"));
        QCOMPARE(NameOf(form.Image(other)), Place(other) + QStringLiteral("face down"));

        form.ImageClick(1);
        form.ImageClick(partner);
        for (const int tile : {1, partner}) {
            QCOMPARE(NameOf(form.Image(tile)),
                     Place(tile) + QStringLiteral("matched: ") + CreatureName(face(1)));
        }
        form.new1->trigger();  // a new deal turns every card down again
        for (int tile = 1; tile <= kTileCount; ++tile) {
            QCOMPARE(NameOf(form.Image(tile)), Place(tile) + QStringLiteral("face down"));
        }
    }

    // A player's own set, picked by its folder name, named in German: the caption and the face-up
    // cards say the German names, the setting keeps the folder name.
    void aPlayersSetIsNamedInThePlayersLanguage() {
        Sandbox sandbox;
        const QString mine = sandbox.playerSetsFolder() + QStringLiteral("mine/");
        QVERIFY(QDir().mkpath(mine));
        const QDir animals(sandbox.cardFolder());
        for (const QString& file : animals.entryList(QDir::Files)) {
            QVERIFY(QFile::copy(animals.filePath(file), mine + file));
        }
        QFile info(mine + QStringLiteral("set.desktop"));
        QVERIFY(info.open(QIODevice::WriteOnly));
        info.write("[Tavro Memory Card Set]\nName=mine\nName[de]=Meine Tiere\n");
        for (int face = 1; face <= kFaceCount; ++face) {
            info.write(
                QStringLiteral("Picture%1=creature\nPicture%1[de]=Tier %1\n").arg(face).toUtf8());
        }
        info.close();
        SaveSettings(Settings{"mine", 0, {}, {}});
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ProgramUnderTest windows(sandbox);
        TForm1& form = windows.form1;
        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: Meine Tiere"));
        QCOMPARE(QString::fromStdString(form.state().Config.CardFolder), mine);
        form.ImageClick(1);
        const int face = form.state().Game.BoardFaces[Slot(1)];
        QLocale::setDefault(previous);
        QCOMPARE(NameOf(form.Image(1)), Place(1) + QStringLiteral("face up: Tier %1").arg(face));
        QCOMPARE(form.state().Config.CardSetName, std::string("mine"));
        SaveSettings(Settings{kDefaultCardSet, 500, {}, {}});
    }

    void withoutNamesAPictureIsCalledByItsNumber() {
        SandboxedProgram program;
        TForm1& form = program.form;
        form.ImageClick(7);
        QCOMPARE(
            NameOf(form.Image(7)),
            Place(7) +
                QStringLiteral("face up: picture %1").arg(form.state().Game.BoardFaces[Slot(7)]));
    }

    void noFaceDownCardGivesItsPictureAway() {
        Sandbox sandbox;
        WriteNames(sandbox);
        ProgramUnderTest windows(sandbox);
        TForm1& form = windows.form1;
        form.state().Config.FlipDelay = 0;
        const GameState& game = form.state().Game;

        const auto checkFaceDownCards = [&](const char* when) {
            for (int tile = 1; tile <= kTileCount; ++tile) {
                if (!NameOf(form.Image(tile)).endsWith(QStringLiteral("face down"))) {
                    continue;
                }
                const int face = game.BoardFaces[Slot(tile)];
                const QRegularExpression picture(QStringLiteral("%1|picture|\\b%2\\b|creature")
                                                     .arg(CreatureName(face))
                                                     .arg(face));
                const QString number = QString::number(tile);
                for (QString text : EveryText(form.Image(tile))) {
                    // The card's own place numbers may appear, nothing else.
                    text.remove(Place(tile));
                    text.remove(QStringLiteral("Image") + number);
                    QVERIFY2(!text.contains(picture),
                             qPrintable(QStringLiteral("%1: card %2 tells \"%3\"")
                                            .arg(QLatin1String(when))
                                            .arg(tile)
                                            .arg(text)));
                }
                QAccessibleInterface* iface = Of(form.Image(tile));
                QCOMPARE(iface->childCount(), 0);
                QVERIFY(iface->valueInterface() == nullptr);
                QVERIFY(iface->imageInterface() == nullptr);
                QVERIFY(iface->textInterface() == nullptr);
            }
        };
        checkFaceDownCards("dealt");
        form.ImageClick(1);
        form.ImageClick(PartnerOf(game, 1) == 2 ? 3 : 2);  // seen, then turned back
        checkFaceDownCards("after a mismatch");
        form.ImageClick(4);
        checkFaceDownCards("with a card up");
    }

    void pointsAreOneValueWithChangeEvents() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        form.state().Config.FlipDelay = 0;
        const GameState& game = form.state().Game;
        EventRecorder recorder;

        QAccessibleInterface* points = Of(form.Label2);
        QCOMPARE(points->text(QAccessible::Name), QStringLiteral("Points"));
        QCOMPARE(points->text(QAccessible::Value), QStringLiteral("0"));
        QVERIFY(points->valueInterface() != nullptr);
        QCOMPARE(points->valueInterface()->currentValue().toInt(), 0);

        form.ImageClick(1);
        form.ImageClick(PartnerOf(game, 1) == 2 ? 3 : 2);
        QCOMPARE(points->valueInterface()->currentValue().toInt(), -10);
        QCOMPARE(points->text(QAccessible::Value), QStringLiteral("-10"));
        const QList<RecordedEvent> changes = recorder.Of(QAccessible::ValueChanged, form.Label2);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first().value.toInt(), -10);

        form.ImageClick(1);
        form.ImageClick(PartnerOf(game, 1));
        QCOMPARE(recorder.Of(QAccessible::ValueChanged, form.Label2).size(), 2);
        QCOMPARE(recorder.Of(QAccessible::ValueChanged, form.Label2).last().value.toInt(), 90);
        QVERIFY(recorder.Of(QAccessible::DescriptionChanged, form.Label2).isEmpty());
    }

    void theEndOfAGameIsAnnouncedBeforeTheNameEntry() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        EventRecorder recorder;
        auto announcedFirst = std::make_shared<bool>(false);
        WhenModal<TForm2>([&form, announcedFirst](TForm2* dialog) {
            *announcedFirst = Of(form.Label2)->text(QAccessible::Description) ==
                              QStringLiteral("Game over: 1800 points");
            WhenModal<TForm3>([](TForm3* leads) { leads->hide(); });
            dialog->SpeedButton1()->click();
        });
        for (int tile = 1; tile <= kTileCount; ++tile) {
            if (tile < PartnerOf(game, tile)) {
                form.ImageClick(tile);
                form.ImageClick(PartnerOf(game, tile));
            }
        }
        QTRY_VERIFY(*announcedFirst);  // the name entry opens from the event loop
        const QList<RecordedEvent> told = recorder.Of(QAccessible::DescriptionChanged, form.Label2);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().description, QStringLiteral("Game over: 1800 points"));
        // A new deal takes the announcement back.
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(Of(form.Label2)->text(QAccessible::Description), QString());
    }

    // The line that names a refused letter is also the name box's description, and its change
    // is an event a screen reader hears; a new showing takes it back.
    void aRefusedLetterIsToldOnTheNameBox() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm2& entry = program.windows.form2;
        EventRecorder recorder;
        entry.show();
        QLineEdit* box = entry.Edit1();
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("Ł"),
                            Qt::NoModifier);
        const QList<RecordedEvent> told = recorder.Of(QAccessible::DescriptionChanged, box);
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.first().description, entry.RefusalLabel()->text());
        QVERIFY(told.first().description.startsWith(QStringLiteral("Ł ")));
        entry.hide();
        entry.show();
        QCOMPARE(Of(box)->text(QAccessible::Description), QString());
        entry.hide();
    }

    void pressActionTurnsTheCardLikeAClick() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        Of(form.Image(5))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(form.state().Game.FirstPick, 5);
        const InputGate::Hold closed(form.state().InputState);  // the same gate as a click
        Of(form.Image(6))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(50);
        QCOMPARE(form.state().Game.FirstPick, 5);
        QCOMPARE(form.state().Game.Points, 0);
    }

    void focusFollowsTheKeyboardCursor() {
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        EventRecorder recorder;
        WalkTo(form, 8);
        QVERIFY(Of(form.Image(8))->state().focused);
        QVERIFY(!recorder.Of(QAccessible::Focus, form.Image(8)).isEmpty());
    }
};

TAVRO_WIDGET_TEST_MAIN(AccessibleTreeTest)
#include "AccessibleTreeTest.moc"
