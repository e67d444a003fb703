// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's window changing a set the player saved before, offscreen: the set is opened from
// the window's list with its names and squares, a picture's square is zoomed with the wheel, the
// keys and the button down to 120 pixels of the picture, closing asks about the unsaved change
// (Cancel keeps the window open, Save saves and closes), the saved set keeps the zoomed square,
// and removing the set asks first and moves it to the trash. And the window fits a screen of
// 1024 x 600.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <functional>

#include "cardmaker/CropView.h"
#include "cardmaker/MakerFixture.h"
#include "cardmaker/MakerWindow.h"
#include "cardmaker/SetSources.h"
#include "cardmaker/SetWriter.h"
#include "translations/Translations.h"

namespace tavro::test {
namespace {

using cardmaker::CropView;
using cardmaker::MakerWindow;

// Answers the next question the window asks with the button, once it shows; the question's text
// goes to `text`.
void AnswerQuestion(QMessageBox::StandardButton button, QString* text) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            AnswerQuestion(button, text);  // not shown yet
            return;
        }
        *text = box->text();
        box->button(button)->click();
    });
}

void Wheel(CropView* crop, int notches) {
    const QPointF at = crop->pictureRect().center();
    QWheelEvent wheel(at, crop->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(crop, &wheel);
}

class MakerWindowEditTest : public MakerFixture {
protected:
    void SetUp() override {
        MakerFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(Root() + "builtin"));
        // The trash is the one of the data folder.
        qputenv("XDG_DATA_HOME", DataHome().toUtf8());
    }
    void TearDown() override { qunsetenv("XDG_DATA_HOME"); }

    // The player's set "Summer" of 18 tall plain pictures, the first named "Beach".
    void SaveSummer() const {
        cardmaker::CardSetDraft draft;
        draft.name = "Summer";
        for (int n = 1; n <= cardmaker::kPicturesPerSet; ++n) {
            QImage image(200, 300, QImage::Format_RGB32);
            image.fill(PlainColour(n));
            const QString file =
                AddPicture(QStringLiteral("summer%1.png").arg(n), Encode(image, "PNG"));
            cardmaker::PictureRead read = cardmaker::ReadPicture(file);
            ASSERT_TRUE(read.problem.isEmpty()) << read.problem.toStdString();
            draft.pictures.push_back(read.picture);
        }
        draft.pictures[0].name = "Beach";
        cardmaker::WriteCardSet(cardmaker::RenderCardSet(draft), PlayerSets());
    }
    std::unique_ptr<MakerWindow> NewWindow() const {
        auto window = std::make_unique<MakerWindow>(
            cardmaker::SetFolders{Root() + "builtin/", PlayerSets()}, Root() + "maker.conf");
        window->resize(1000, 700);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }
};

TEST_F(MakerWindowEditTest, OpenZoomCloseAskingSaveAndRemove) {
    SaveSummer();
    auto window = NewWindow();
    auto* sets = window->findChild<QListWidget*>("sets");
    ASSERT_EQ(sets->count(), 1);
    EXPECT_EQ(sets->item(0)->text(), "Summer");
    sets->setCurrentRow(0);
    QTest::mouseClick(window->findChild<QPushButton*>("openSet"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isLoading(); }, 20000));

    auto* faces = window->findChild<QListWidget*>("faces");
    ASSERT_EQ(faces->count(), 18);
    EXPECT_EQ(faces->item(0)->text(), "Beach");
    EXPECT_EQ(window->findChild<QLineEdit*>("setName")->text(), "Summer");
    EXPECT_FALSE(window->hasUnsavedChanges());
    // A tall picture's square starts in its top third, as it was saved.
    const cardmaker::Crop opened = window->draft().pictures[0].crop;
    EXPECT_EQ(cardmaker::CropSquare({200, 300}, opened), QRect(0, 0, 200, 200));

    faces->setCurrentRow(0);
    auto* crop = window->findChild<CropView*>("crop");
    auto* zoomIn = window->findChild<QPushButton*>("zoomIn");
    const auto side = [&] { return cardmaker::CropSquare({200, 300}, crop->crop()).width(); };
    Wheel(crop, 1);
    EXPECT_EQ(side(), 160);
    Wheel(crop, -1);
    EXPECT_EQ(side(), 200);
    EXPECT_FALSE(window->hasUnsavedChanges());  // zoomed in and out again: no change
    crop->setFocus();
    QTest::keyClick(crop, Qt::Key_Plus);
    EXPECT_EQ(side(), 160);
    QTest::mouseClick(zoomIn, Qt::LeftButton);
    QTest::mouseClick(zoomIn, Qt::LeftButton);
    EXPECT_EQ(side(), 120);  // 120 pixels of the picture, and no closer
    EXPECT_FALSE(zoomIn->isEnabled());
    EXPECT_EQ(window->draft().pictures[0].crop, crop->crop());
    EXPECT_TRUE(window->hasUnsavedChanges());

    QString question;
    AnswerQuestion(QMessageBox::Cancel, &question);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(question.startsWith("Do you want to save the changes to the card set \"Summer\"?"))
        << question.toStdString();
    EXPECT_TRUE(window->isVisible());
    AnswerQuestion(QMessageBox::Save, &question);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());

    const QString set = PlayerSets() + "Summer/";
    const cardmaker::SavedSquares squares = cardmaker::ParseSquares(
        ReadAll(set + cardmaker::kMakerFolder + u'/' + cardmaker::kSquaresFile));
    ASSERT_TRUE(squares.faces[0].has_value());
    EXPECT_EQ(squares.faces[0]->width(), 120);
    EXPECT_EQ(squares.faces[1], QRect(0, 0, 200, 200));

    // Removing the set asks first, then moves it to the trash.
    window = NewWindow();
    sets = window->findChild<QListWidget*>("sets");
    sets->setCurrentRow(0);
    AnswerQuestion(QMessageBox::No, &question);
    QTest::mouseClick(window->findChild<QPushButton*>("removeSet"), Qt::LeftButton);
    EXPECT_TRUE(QFileInfo(set).isDir());
    AnswerQuestion(QMessageBox::Yes, &question);
    QTest::mouseClick(window->findChild<QPushButton*>("removeSet"), Qt::LeftButton);
    EXPECT_TRUE(question.startsWith("Move your card set \"Summer\" to the trash?"))
        << question.toStdString();
    EXPECT_FALSE(QFileInfo::exists(set));
    EXPECT_TRUE(QFileInfo(DataHome() + "/Trash/files/Summer/1.bmp").isFile());
    EXPECT_EQ(sets->count(), 0);
}

// Usable on a screen of 1024 x 600, with room left for a title bar and a panel, in each language
// (a screen of 1280 x 800 at scale 1.25 is 1024 x 640 to the window).
TEST_F(MakerWindowEditTest, FitsASmallScreen) {
    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        ASSERT_EQ(InstallTranslations(QLocale(language)), language != QLocale::English);
        auto window = NewWindow();
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        EXPECT_LE(least.width(), 1024 - 16) << QLocale::languageToString(language).toStdString();
        EXPECT_LE(least.height(), 600 - 80) << QLocale::languageToString(language).toStdString();
    }
    InstallTranslations(QLocale(QLocale::English));
}

}  // namespace
}  // namespace tavro::test
