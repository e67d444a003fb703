// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's window, offscreen: pictures are added (a file, then a folder and the same file
// dropped onto the window), one picture's square is dragged to its other end, another is renamed
// and one removed, a back picture's square is dragged, and the saved set shows the dragged
// squares and the new name.
#include <QApplication>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "cardmaker/CropView.h"
#include "cardmaker/MakerFixture.h"
#include "cardmaker/MakerWindow.h"
#include "translations/Translations.h"

namespace tavro::test {
namespace {

using cardmaker::CropView;
using cardmaker::MakerWindow;

const QColor kLeftColour(200, 40, 40), kMiddleColour(40, 200, 40), kRightColour(40, 40, 200);

// A wide picture in three squares: left, middle and right in their own colours.
QImage ThreeSquares() {
    QImage image(300, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, 100, 100, kLeftColour);
    painter.fillRect(100, 0, 100, 100, kMiddleColour);
    painter.fillRect(200, 0, 100, 100, kRightColour);
    return image;
}

// Drags the crop view's square from the middle by `distance` pixels to the right (or left), in
// steps, as a mouse does.
void Drag(CropView* crop, int distance) {
    const QPoint from = crop->pictureRect().center().toPoint();
    QTest::mousePress(crop, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 5; ++step) {
        const QPointF to(from + QPoint(step * distance / 5, 0));
        QMouseEvent move(QEvent::MouseMove, to, crop->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(crop, &move);
    }
    QTest::mouseRelease(crop, Qt::LeftButton, {}, from + QPoint(distance, 0));
}

class MakerWindowTest : public MakerFixture {
protected:
    void SetUp() override {
        MakerFixture::SetUp();
        ASSERT_TRUE(QDir().mkpath(Root() + "builtin"));
        window_ =
            std::make_unique<MakerWindow>(cardmaker::SetFolders{Root() + "builtin/", PlayerSets()});
        window_->resize(1000, 700);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    template <typename T>
    T* Find(const char* name) const {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    QString Rules() const { return Find<QLabel>("rules")->text(); }
    // Waits until the window has read the pictures it was given.
    bool WaitForPictures() const {
        return QTest::qWaitFor([this] { return !window_->isLoading(); }, 20000);
    }

    std::unique_ptr<MakerWindow> window_;
};

TEST_F(MakerWindowTest, AddCropRenameRemoveAndSave) {
    auto* save = Find<QPushButton>("save");
    auto* faces = Find<QListWidget>("faces");
    auto* crop = Find<CropView>("crop");
    EXPECT_TRUE(Rules().contains("Add 18 more pictures.")) << Rules().toStdString();
    EXPECT_FALSE(save->isEnabled());

    const QString wide = AddPicture("wide.png", Encode(ThreeSquares(), "PNG"));
    window_->addFiles({wide});
    ASSERT_TRUE(WaitForPictures());
    // A folder stands for the pictures in it; a file in it that is no picture is named.
    ASSERT_TRUE(QDir().mkpath(Pictures() + "more"));
    for (int n = 1; n <= 18; ++n) {
        QImage image(30, 30, QImage::Format_RGB32);
        image.fill(PlainColour(n));
        ASSERT_TRUE(
            image.save(Pictures() + QStringLiteral("more/p%1.png").arg(n, 2, 10, QChar(u'0'))));
    }
    ASSERT_TRUE(SaveFile(Pictures() + "more/zz.png", "no picture"));
    // Dropped onto the window: the folder and the wide picture once more.
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(Pictures() + "more"), QUrl::fromLocalFile(wide)});
    const QPoint inside(window_->width() / 2, window_->height() / 2);
    QDragEnterEvent enter(inside, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(inside), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window_.get(), &drop);
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(faces->count(), 19);
    const QString notAdded = Find<QLabel>("saved")->text();
    EXPECT_TRUE(notAdded.contains("zz.png: it is not a picture")) << notAdded.toStdString();
    EXPECT_TRUE(notAdded.contains("wide.png is already in the set.")) << notAdded.toStdString();
    EXPECT_TRUE(Rules().contains("Remove 1 picture")) << Rules().toStdString();

    // Remove the last one (p18), with the button.
    faces->setCurrentRow(18);
    QTest::mouseClick(Find<QPushButton>("remove"), Qt::LeftButton);
    EXPECT_EQ(faces->count(), 18);
    EXPECT_TRUE(Rules().contains("Give the set a name.")) << Rules().toStdString();

    // Drag the first picture's square from the middle all the way to the right.
    faces->setCurrentRow(0);
    Drag(crop, 200);
    EXPECT_NEAR(window_->draft().pictures[0].crop.centre.x(), 250.0 / 300, 0.01);

    // Rename the second picture by typing.
    faces->setCurrentRow(1);
    auto* pictureName = Find<QLineEdit>("pictureName");
    pictureName->selectAll();
    QTest::keyClicks(pictureName, "Grandma");
    EXPECT_EQ(faces->item(1)->text(), "Grandma");

    // A back of a picture of the player's own, its square dragged to the left end.
    window_->setBackPicture(AddPicture("back.png", Encode(ThreeSquares(), "PNG")));
    ASSERT_TRUE(WaitForPictures());
    EXPECT_EQ(Find<QComboBox>("back")->currentIndex(), Find<QComboBox>("back")->count() - 1);
    Drag(crop, -200);
    EXPECT_NEAR(window_->draft().backPicture->crop.centre.x(), 50.0 / 300, 0.01);
    EXPECT_NEAR(window_->draft().pictures[0].crop.centre.x(), 250.0 / 300, 0.01);

    QTest::keyClicks(Find<QLineEdit>("setName"), "Family");
    EXPECT_EQ(Rules(), "Ready to save.");
    ASSERT_TRUE(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);

    const QString set = PlayerSets() + "Family/";
    const QImage back(set + "space.bmp");
    EXPECT_TRUE(Near(back.pixelColor(120, 120), kLeftColour))
        << back.pixelColor(120, 120).name().toStdString();
    const QImage face(set + "1.bmp");
    ASSERT_FALSE(face.isNull()) << Find<QLabel>("saved")->text().toStdString();
    EXPECT_TRUE(Near(face.pixelColor(120, 120), kRightColour))
        << face.pixelColor(120, 120).name().toStdString();
    const QByteArray metadata = ReadAll(set + "set.desktop");
    EXPECT_TRUE(
        metadata.startsWith("[Tavro Memory Card Set]\nName=Family\nPicture1=wide\n"
                            "Picture2=Grandma\nPicture3=p02\n"))
        << metadata.toStdString();
    EXPECT_TRUE(Find<QLabel>("saved")->text().contains("Saved in"));
    // The window now holds the saved set: nothing is unsaved, and the status says so.
    EXPECT_FALSE(window_->hasUnsavedChanges());
    EXPECT_EQ(Rules(), "All changes are saved.");
}

TEST(MakerWindowLanguage, TheWindowSpeaksGermanAndFrench) {
    QTemporaryDir folders;
    ASSERT_TRUE(folders.isValid());
    const cardmaker::SetFolders where{folders.path() + "/builtin/", folders.path() + "/own/"};
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::German)));
    {
        MakerWindow window(where);
        EXPECT_EQ(window.windowTitle(), "Tavro Memory Kartenmacher");
        EXPECT_EQ(window.findChild<QPushButton*>("save")->text(), "Satz &speichern");
        EXPECT_EQ(window.findChild<QLabel*>("rules")->text(),
                  QString::fromUtf8(
                      "F\xc3\xbcgen Sie noch 18 Bilder hinzu.\nGeben Sie dem Satz einen Namen."));
    }
    ASSERT_TRUE(InstallTranslations(QLocale(QLocale::French)));
    {
        MakerWindow window(where);
        EXPECT_EQ(window.findChild<QPushButton*>("save")->text(), "&Enregistrer le jeu");
    }
    InstallTranslations(QLocale(QLocale::English));
}

}  // namespace
}  // namespace tavro::test
