// SPDX-License-Identifier: GPL-3.0-or-later
// Card sets that can't be used as they are: pictures that are not regular files (a FIFO, a link
// to an endless device, a folder) as a face, as the card back and in the Options preview; a
// stored set name that names no set folder; a stored set that can't be dealt (an empty folder, a
// picture missing, cut off or foreign, the player's own set or one of the program's), at start
// and picked in Options. None of them may hang or end the program where another set can be
// dealt. A hang fails through the test's time limit.
#include <sys/stat.h>

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "controls/RXSlider.h"
#include "game/TileSlot.h"
#include "settings/SettingsStore.h"

using namespace tavro;
using namespace tavro::test;

namespace {

enum class Kind { Fifo, EndlessDevice, Folder };

// Puts something that is not a regular file where the picture file was.
bool ReplaceWithNonFile(const QString& file, Kind kind) {
    if (QFile::exists(file) && !QFile::remove(file)) {
        return false;
    }
    switch (kind) {
        case Kind::Fifo:
            return ::mkfifo(QFile::encodeName(file).constData(), 0600) == 0;
        case Kind::EndlessDevice:
            return QFile::link(QStringLiteral("/dev/zero"), file);
        case Kind::Folder:
            return QDir().mkdir(file);
    }
    return false;
}

void StoreCardSet(const std::string& name) {
    Settings settings;
    settings.CardSetName = name;
    settings.FlipDelay = 500;
    SaveSettings(settings);
}

QColor Shown(const TForm1& form, int tile) {
    return form.Image(tile)->picture().pixelColor(0, 0);
}

// A copy of the sandbox's set in `folder`.
void CopySet(const Sandbox& sandbox, const QString& folder) {
    QVERIFY(QDir().mkpath(folder));
    for (const QString& name : QDir(sandbox.cardFolder()).entryList(QDir::Files)) {
        QVERIFY(QFile::copy(sandbox.cardFolder() + name, folder + name));
    }
}

// `folder` as a broken set: empty for "", otherwise a copy with one picture damaged: "remove
// 7.bmp", "cut 12.bmp" (to half its bytes) or "foreign 3.bmp" (text in its place).
void MakeBrokenSet(const Sandbox& sandbox, const QString& folder, const QString& damage) {
    if (damage.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        return;
    }
    CopySet(sandbox, folder);
    const QStringList words = damage.split(u' ');
    QFile picture(folder + words[1]);
    if (words[0] == QStringLiteral("remove")) {
        QVERIFY(picture.remove());
    } else if (words[0] == QStringLiteral("cut")) {
        QVERIFY(picture.resize(picture.size() / 2));
    } else {
        QVERIFY(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(picture.write("not a picture") > 0);
    }
}

// What the notice says of a broken set and the set used in its place.
QString Notice(const QString& set, const QString& reason, const QString& used) {
    return QStringLiteral("The card set %1 can't be used (%2). The card set %3 is used instead.")
        .arg(set, reason, used);
}

}  // namespace

class CardSetFaultsTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void aFaceThatIsNoFileIsReportedAndTheGameGoesOn_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("fifo") << static_cast<int>(Kind::Fifo);
        QTest::newRow("link to /dev/zero") << static_cast<int>(Kind::EndlessDevice);
        QTest::newRow("folder") << static_cast<int>(Kind::Folder);
    }
    void aFaceThatIsNoFileIsReportedAndTheGameGoesOn() {
        StoreCardSet(kDefaultCardSet);
        QFETCH(int, kind);
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm1& form = program.form;
        const GameState& game = form.state().Game;
        const int tile = 11;
        const QString face = program.sandbox.cardFolder() +
                             QString::number(game.BoardFaces[Slot(tile)]) + QStringLiteral(".bmp");
        QVERIFY(ReplaceWithNonFile(face, static_cast<Kind>(kind)));

        const auto report = AnswerMessageBox();
        QTest::mouseClick(form.Image(tile), Qt::LeftButton);
        QCOMPARE(report->title, QStringLiteral("Tavro Memory"));
        QVERIFY2(report->text.contains(face), qPrintable(report->text));
        QVERIFY2(report->text.contains(QStringLiteral("not a regular file")),
                 qPrintable(report->text));
        QCOMPARE(Shown(form, tile), CardBackColour());
        QCOMPARE(form.state().InputState, kInputReady);

        // The game goes on: a card with another face turns over.
        int other = 1;
        while (game.BoardFaces[Slot(other)] == game.BoardFaces[Slot(tile)]) {
            ++other;
        }
        QTest::mouseClick(form.Image(other), Qt::LeftButton);
        QCOMPARE(game.FirstPick, other);
        QCOMPARE(Shown(form, other), FaceColour(game.BoardFaces[Slot(other)]));
    }

    void aCardBackThatIsNoFileAsksForAReinstall() {
        StoreCardSet(kDefaultCardSet);
        Sandbox sandbox;
        QVERIFY(ReplaceWithNonFile(sandbox.cardFolder() + QStringLiteral("space.bmp"), Kind::Fifo));
        const auto box = AnswerMessageBox();
        ProgramUnderTest program(sandbox);
        QCOMPARE(box->text, QStringLiteral("Please reinstall Tavro Memory"));
        QCOMPARE(program.exitCodes, std::vector<int>{1});
    }

    void aPreviewPictureThatIsNoFileShowsError() {
        StoreCardSet(kDefaultCardSet);
        SandboxedProgram program;
        QVERIFY(program.show());
        TForm4& options = program.windows.form4;
        options.setExecutableFolder(program.sandbox.programFolder());
        QVERIFY(
            ReplaceWithNonFile(program.sandbox.cardFolder() + QStringLiteral("1.bmp"), Kind::Fifo));
        auto sawError = std::make_shared<bool>(false);
        auto step = std::make_shared<int>(-1);
        WhenModal<TForm4>([sawError, step](TForm4* dialog) {
            *sawError = QTest::qWaitFor(
                [dialog] { return dialog->Panel1()->text() == QStringLiteral("ERROR"); }, 5000);
            *step = dialog->PreviewStep();
            dialog->reject();
        });
        program.form.Options1->trigger();
        QVERIFY(*sawError);
        QCOMPARE(*step, 1);  // the card back was shown; face 1 is tried again and again
        QCOMPARE(program.form.state().InputState, kInputReady);
    }

    // Names that can't name a folder under gfx, or name none: the default set is dealt.
    void aStoredSetThatNamesNoSetFolderFallsBackToTheDefault_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("typo") << QByteArray("animalz");
        QTest::newRow("parent path") << QByteArray("../elsewhere");
        QTest::newRow("path through gfx") << QByteArray("../gfx/animals/../../elsewhere");
        QTest::newRow("absolute path") << QByteArray("/");
        QTest::newRow("dot") << QByteArray(".");
        QTest::newRow("newline") << QByteArray("animals\n");
        QTest::newRow("not UTF-8") << QByteArray("anim\xe4ls");
        QTest::newRow("empty") << QByteArray();
    }
    void aStoredSetThatNamesNoSetFolderFallsBackToTheDefault() {
        QFETCH(QByteArray, stored);
        Sandbox sandbox;
        // A complete set outside gfx, beside it: it must never be read.
        const QString elsewhere = sandbox.programFolder() + QStringLiteral("/elsewhere/");
        QVERIFY(QDir().mkpath(elsewhere));
        for (const QString& name : QDir(sandbox.cardFolder()).entryList(QDir::Files)) {
            QVERIFY(QFile::copy(sandbox.cardFolder() + name, elsewhere + name));
        }
        QVERIFY(QFile::remove(elsewhere + QStringLiteral("space.bmp")));
        QVERIFY(QFile::copy(sandbox.cardFolder() + QStringLiteral("7.bmp"),
                            elsewhere + QStringLiteral("space.bmp")));
        StoreCardSet(stored.toStdString());

        ProgramUnderTest program(sandbox);
        QCOMPARE(program.exitCodes, std::vector<int>{});
        QCOMPARE(program.form1.windowTitle(), QStringLiteral("Tavro Memory: animals"));
        QCOMPARE(program.form1.state().Config.CardSetName, std::string("animals"));
        QCOMPARE(QString::fromStdString(program.form1.state().Config.CardFolder),
                 sandbox.cardFolder());
        QCOMPARE(program.form1.state().InputState, kInputReady);
        QCOMPARE(program.form1.Image(1)->picture().pixelColor(0, 0), CardBackColour());

        // The repaired name is what the end of the run stores.
        program.form1.close();
        Settings saved;
        LoadSettings(saved);
        QCOMPARE(saved.CardSetName, std::string("animals"));
    }

    void aStoredSetThatDiffersOnlyInCaseIsKept() {
        Sandbox sandbox;
        StoreCardSet("Animals");
        ProgramUnderTest program(sandbox);
        QCOMPARE(program.form1.windowTitle(), QStringLiteral("Tavro Memory: Animals"));
        QCOMPARE(program.exitCodes, std::vector<int>{});
    }

    // A stored set that can't be dealt: one notice names it and why, the next usable set is
    // dealt and stored at the end of the run. A player's set that takes the place of the
    // program's set of the same name falls back to the next set, not to the one it hides.
    void aBrokenStoredSetFallsBackToTheNextUsableSet_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("players");
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("dealt");
        QTest::addColumn<QString>("reason");
        const QString noBack = QStringLiteral("space.bmp: the file does not exist");
        QTest::newRow("the player's empty animals") << "animals" << true << ""
                                                    << "zoo" << noBack;
        QTest::newRow("the player's set without its card back")
            << "Family" << true << "remove space.bmp"
            << "animals" << noBack;
        QTest::newRow("an empty set of the program's") << "broken" << false << ""
                                                       << "animals" << noBack;
        QTest::newRow("a face missing") << "broken" << false << "remove 7.bmp"
                                        << "animals"
                                        << "7.bmp: the file does not exist";
        QTest::newRow("a face cut off") << "broken" << false << "cut 12.bmp"
                                        << "animals"
                                        << "12.bmp: the file is cut off (%1 of %2 bytes)";
        QTest::newRow("a face that is no bitmap") << "broken" << false << "foreign 3.bmp"
                                                  << "animals"
                                                  << "3.bmp: the file is not a Windows bitmap";
    }
    void aBrokenStoredSetFallsBackToTheNextUsableSet() {
        QFETCH(QString, stored);
        QFETCH(bool, players);
        QFETCH(QString, damage);
        QFETCH(QString, dealt);
        QFETCH(QString, reason);
        Sandbox sandbox;
        CopySet(sandbox, sandbox.programFolder() + QStringLiteral("/gfx/zoo/"));
        const QString folder = (players ? sandbox.playerSetsFolder()
                                        : sandbox.programFolder() + QStringLiteral("/gfx/")) +
                               stored + u'/';
        MakeBrokenSet(sandbox, folder, damage);
        const qint64 faceSize = QFileInfo(sandbox.cardFolder() + QStringLiteral("12.bmp")).size();
        reason = reason.arg(faceSize / 2).arg(faceSize);
        StoreCardSet(stored.toStdString());

        const auto notice = AnswerMessageBox();
        ProgramUnderTest program(sandbox);
        QCOMPARE(notice->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(notice->text, Notice(stored, reason, dealt));
        QCOMPARE(program.exitCodes, std::vector<int>{});
        TForm1& form = program.form1;
        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: ") + dealt);
        QCOMPARE(form.state().Config.CardSetName, dealt.toStdString());
        QCOMPARE(form.state().InputState, kInputReady);
        QCOMPARE(Shown(form, 1), CardBackColour());

        program.form1.close();
        Settings saved;
        LoadSettings(saved);
        QCOMPARE(saved.CardSetName, dealt.toStdString());
    }

    // The player's empty "animals" hides the only set of the program: nothing can be dealt.
    void noUsableSetAtAllAsksForAReinstall() {
        Sandbox sandbox;
        QVERIFY(QDir().mkpath(sandbox.playerSetsFolder() + QStringLiteral("animals")));
        StoreCardSet(kDefaultCardSet);
        const auto box = AnswerMessageBox();
        ProgramUnderTest program(sandbox);
        QCOMPARE(box->text, QStringLiteral("Please reinstall Tavro Memory"));
        QCOMPARE(program.exitCodes, std::vector<int>{1});
    }

    // The set in play removed, renamed or broken while the program runs: the next card turned
    // or the next deal passes it over for the next usable set with one notice, the game goes on
    // and every other setting is kept. Only when no set is left does the program end.
    void theSetInPlayLostIsPassedOverForTheNextUsableSet_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("loss");   // "remove", "rename" or "remove space.bmp"
        QTest::addColumn<bool>("byTurn");    // noticed by a card turned, or else by New
        QTest::addColumn<QString>("dealt");  // empty: none, the program ends
        QTest::newRow("own set removed, a card turned") << "Family"
                                                        << "remove" << true << "animals";
        QTest::newRow("own set removed, New") << "Family"
                                              << "remove" << false << "animals";
        QTest::newRow("own set renamed, New") << "Family"
                                              << "rename" << false << "animals";
        QTest::newRow("own set's back removed, New") << "Family"
                                                     << "remove space.bmp" << false << "animals";
        QTest::newRow("the default set removed, a card turned") << "animals"
                                                                << "remove" << true << "zoo";
        QTest::newRow("no set left, New") << "animals"
                                          << "remove" << false << "";
    }
    void theSetInPlayLostIsPassedOverForTheNextUsableSet() {
        QFETCH(QString, stored);
        QFETCH(QString, loss);
        QFETCH(bool, byTurn);
        QFETCH(QString, dealt);
        Sandbox sandbox;
        const QString programSets = sandbox.programFolder() + QStringLiteral("/gfx/");
        const QString folder =
            (stored == QStringLiteral("animals") ? programSets : sandbox.playerSetsFolder()) +
            stored + u'/';
        if (stored != QStringLiteral("animals")) {
            CopySet(sandbox, folder);
        }
        if (!dealt.isEmpty() && dealt != QStringLiteral("animals")) {
            CopySet(sandbox, programSets + dealt + u'/');
        }
        Settings settings;
        settings.CardSetName = stored.toStdString();
        settings.FlipDelay = 850;
        settings.Play.Mode = PlayMode::TwoPlayers;
        settings.Play.PlayerNames = {"Ann", "Bo"};
        SaveSettings(settings);
        ProgramUnderTest program(sandbox);
        TForm1& form = program.form1;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: ") + stored);
        QTest::mouseClick(form.Image(5), Qt::LeftButton);  // a game in progress
        QCOMPARE(form.state().Game.FirstPick, 5);

        if (loss == QStringLiteral("rename")) {
            QVERIFY(QDir().rename(folder, folder.chopped(1) + QStringLiteral("-old")));
        } else if (loss == QStringLiteral("remove")) {
            QVERIFY(QDir(folder).removeRecursively());
        } else {
            QVERIFY(QFile::remove(folder + loss.section(u' ', 1)));
        }
        const auto box = AnswerMessageBox();
        int other = 1;
        while (other == 5 ||
               form.state().Game.BoardFaces[Slot(other)] == form.state().Game.BoardFaces[Slot(5)]) {
            ++other;
        }
        if (byTurn) {
            QTest::mouseClick(form.Image(other), Qt::LeftButton);
        } else {
            form.new1->trigger();
        }
        QTRY_VERIFY(!box->text.isEmpty());
        if (dealt.isEmpty()) {
            QCOMPARE(box->text, QStringLiteral("Please reinstall Tavro Memory"));
            QTRY_COMPARE(program.exitCodes, std::vector<int>{1});
            return;
        }
        QCOMPARE(box->text,
                 QStringLiteral("The card set %1 can't be used (%2). The card set %3 "
                                "is used instead.")
                     .arg(stored, QStringLiteral("space.bmp: the file does not exist"), dealt));
        QCOMPARE(program.exitCodes, std::vector<int>{});
        QTRY_COMPARE(form.state().InputState, kInputReady);
        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: ") + dealt);
        QCOMPARE(form.state().Game.FirstPick, 0);  // a new game of the set dealt instead
        QCOMPARE(Shown(form, 5), CardBackColour());
        QTest::mouseClick(form.Image(other), Qt::LeftButton);  // and it plays
        QCOMPARE(form.state().Game.FirstPick, other);

        form.close();
        Settings saved;
        LoadSettings(saved);
        QCOMPARE(saved.CardSetName, dealt.toStdString());
        QCOMPARE(saved.FlipDelay, 850);
        QCOMPARE(saved.Play.Mode, PlayMode::TwoPlayers);
        QCOMPARE(saved.Play.PlayerNames[1], std::string("Bo"));
    }

    // Picking a set that can't be dealt in Options: reported, and the previous set with its
    // game in progress comes back; with the delay changed as well, a new deal of that set.
    void aPickedBrokenSetIsReportedAndUndone_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("delayChanged");
        const QString noBack = QStringLiteral("space.bmp: the file does not exist");
        QTest::newRow("no card back, set only") << "remove space.bmp" << noBack << false;
        QTest::newRow("no card back, set and delay") << "remove space.bmp" << noBack << true;
        QTest::newRow("a face missing") << "remove 7.bmp"
                                        << "7.bmp: the file does not exist" << false;
    }
    void aPickedBrokenSetIsReportedAndUndone() {
        StoreCardSet(kDefaultCardSet);
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QFETCH(bool, delayChanged);
        SandboxedProgram program;
        MakeBrokenSet(program.sandbox,
                      program.sandbox.programFolder() + QStringLiteral("/gfx/broken/"), damage);
        QVERIFY(program.show());
        TForm1& form = program.form;
        program.windows.form4.setExecutableFolder(program.sandbox.programFolder());
        const std::string cardFolder = form.state().Config.CardFolder;

        // A game in progress: one card face up.
        QTest::mouseClick(form.Image(5), Qt::LeftButton);
        QCOMPARE(form.state().Game.FirstPick, 5);
        const auto board = form.state().Game.BoardFaces;

        auto captionWhileOpen = std::make_shared<QString>();
        WhenModal<TForm4>([captionWhileOpen, &form, delayChanged](TForm4* dialog) {
            QComboBox* list = dialog->ComboBox1();
            emit list->activated(list->findText(QStringLiteral("broken")));
            *captionWhileOpen = form.windowTitle();
            if (delayChanged) {
                dialog->RxSlider1()->setValue(1500);
            }
            dialog->accept();
        });
        const auto report = AnswerMessageBox();
        form.Options1->trigger();

        QCOMPARE(*captionWhileOpen, QStringLiteral("Tavro Memory: broken"));
        QCOMPARE(report->title, QStringLiteral("Tavro Memory"));
        QCOMPARE(report->text, Notice(QStringLiteral("broken"), reason, QStringLiteral("animals")));
        QCOMPARE(program.windows.exitCodes, std::vector<int>{});
        QCOMPARE(form.windowTitle(), QStringLiteral("Tavro Memory: animals"));
        QCOMPARE(form.state().Config.CardSetName, std::string("animals"));
        QCOMPARE(form.state().Config.CardFolder, cardFolder);
        QCOMPARE(form.state().InputState, kInputReady);
        if (delayChanged) {
            QCOMPARE(form.state().Config.FlipDelay, 1500);
            QCOMPARE(form.state().Game.FirstPick, 0);  // dealt anew
            QCOMPARE(Shown(form, 5), CardBackColour());
        } else {
            QCOMPARE(form.state().Game.FirstPick, 5);  // the same game goes on
            QVERIFY(form.state().Game.BoardFaces == board);
            QCOMPARE(Shown(form, 5), FaceColour(board[Slot(5)]));
        }
    }
};

TAVRO_WIDGET_TEST_MAIN(CardSetFaultsTest)
#include "CardSetFaultsTest.moc"
