// SPDX-License-Identifier: GPL-3.0-or-later
// The main window and the record of games: Qt SQL and Qt Charts are not in the process when the
// game starts, nor after a game while "&Record games" is off; once it is on, a whole game is
// recorded with the name typed for the Leads (and Qt SQL comes in with it, Qt Charts still not); a
// game left after a turn is recorded as left by New, one left before any turn is not; and
// "St&atistics…" (F5) opens the statistics window, which shows them, and is kept up to date when
// the next game is recorded.
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

#include "ProgramUnderTest.h"
#include "controls/PictureBox.h"
#include "game/TileSlot.h"
#include "modules/ModuleLoader.h"
#include "scores/Unit3.h"

using namespace tavro;
using namespace tavro::test;

namespace {

// The libraries of the optional parts that this process has mapped.
QStringList MappedOptionalLibraries() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        return {QStringLiteral("(no /proc/self/maps)")};
    }
    const QString text = QString::fromLatin1(maps.readAll());
    QStringList found;
    for (const char* library :
         {"libQt6Sql", "libQt6Charts", "libqsqlite", "libtavro_records", "libtavro_statistics"}) {
        if (text.contains(QLatin1String(library))) {
            found << QLatin1String(library);
        }
    }
    return found;
}

// The text of the recent games table's cell in the row and the column of that caption.
QString Cell(const QTableView* table, int row, const QString& caption) {
    const QAbstractItemModel* model = table->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->headerData(column, Qt::Horizontal).toString() == caption) {
            return model->index(row, column).data().toString();
        }
    }
    return QStringLiteral("(no column %1)").arg(caption);
}

}  // namespace

class GameRecordsTest : public ModalCheckedTest {
    Q_OBJECT
private slots:
    void gamesAreRecordedAndShownInTheStatistics() {
        SandboxedProgram program;
        QVERIFY(program.show());
        // Nothing of the record or the statistics at start.
        QCOMPARE(MappedOptionalLibraries(), QStringList());
        SetModuleFolder(QStringLiteral(TAVRO_MODULE_DIR));
        TForm1& form = program.form;
        SharedState& state = form.state();

        // Off until the player turns it on: a game left after a turn loads nothing.
        QVERIFY(!form.RecordGames1->isChecked());
        QTest::mouseClick(form.Image(1), Qt::LeftButton);
        QTest::mouseClick(form.Image(PartnerOf(state.Game, 1) == 2 ? 3 : 2), Qt::LeftButton);
        QTRY_COMPARE(state.InputState, kInputReady);
        QTest::keyClick(&form, Qt::Key_F2);
        QCOMPARE(MappedOptionalLibraries(), QStringList());
        form.RecordGames1->trigger();
        QVERIFY(state.Config.Play.RecordGames);

        WhenModal<TForm2>([](TForm2* dialog) {
            QTest::keyClicks(dialog->Edit1(), QStringLiteral("Ann"));
            QTest::keyClick(dialog->Edit1(), Qt::Key_Return);
        });
        WhenModal<TForm3>([](TForm3* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
        for (int tile = 1; tile <= kTileCount; ++tile) {
            const int partner = PartnerOf(state.Game, tile);
            if (partner > tile) {
                QTest::mouseClick(form.Image(tile), Qt::LeftButton);
                QTest::mouseClick(form.Image(partner), Qt::LeftButton);
            }
        }
        QTRY_COMPARE(state.InputState, kInputReady);  // the name entered, the Leads closed
        QVERIFY(form.recording().WaitForWrites(10000));
        QCOMPARE(MappedOptionalLibraries(),
                 (QStringList{"libQt6Sql", "libqsqlite", "libtavro_records"}));

        // A new game with a turn, then New: left. New again at once: nothing to record.
        QTest::keyClick(&form, Qt::Key_F2);
        const int other = PartnerOf(state.Game, 1) == 2 ? 3 : 2;
        QTest::mouseClick(form.Image(1), Qt::LeftButton);
        QTest::mouseClick(form.Image(other), Qt::LeftButton);
        QTRY_COMPARE(state.InputState, kInputReady);
        QTest::keyClick(&form, Qt::Key_F2);
        QTest::keyClick(&form, Qt::Key_F2);
        QVERIFY(form.recording().WaitForWrites(10000));

        // F5: the statistics window, beside the game, with the two games.
        QTest::keyClick(&form, Qt::Key_F5);
        QWidget* statistics = form.findChild<QWidget*>(QStringLiteral("Statistics"));
        QVERIFY(statistics != nullptr);
        QTRY_VERIFY(statistics->isVisible());
        QVERIFY(!statistics->isModal());
        QVERIFY(MappedOptionalLibraries().contains(QStringLiteral("libQt6Charts")));
        auto* recent = statistics->findChild<QTableView*>(QStringLiteral("RecentTable"));
        QVERIFY(recent != nullptr);
        QCOMPARE(recent->model()->rowCount(), 2);
        const QStringList left = {Cell(recent, 0, "Result"),     Cell(recent, 0, "Turns"),
                                  Cell(recent, 0, "Mismatches"), Cell(recent, 0, "Players"),
                                  Cell(recent, 0, "Set"),        Cell(recent, 0, "Mode")};
        QCOMPARE(left, (QStringList{"Left for a new game", "1", "1", "Player 1", "animals",
                                    "One player"}));
        const QStringList finished = {Cell(recent, 1, "Result"), Cell(recent, 1, "Score"),
                                      Cell(recent, 1, "Turns"), Cell(recent, 1, "Mismatches"),
                                      Cell(recent, 1, "Players")};
        QCOMPARE(finished, (QStringList{"Finished", "1800", "18", "0", "Ann"}));

        // The next game recorded shows at once in the open window.
        QTest::mouseClick(form.Image(1), Qt::LeftButton);
        QTest::mouseClick(form.Image(other), Qt::LeftButton);
        QTRY_COMPARE(state.InputState, kInputReady);
        form.new1Click();
        QVERIFY(form.recording().WaitForWrites(10000));
        QTRY_COMPARE(recent->model()->rowCount(), 3);
        SetModuleFolder(QString());
    }
};

TAVRO_WIDGET_TEST_MAIN(GameRecordsTest)
#include "GameRecordsTest.moc"
