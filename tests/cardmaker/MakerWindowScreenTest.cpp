// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's window on a screen of 1024 x 768, in English, German and French: it opens using
// the screen's room, with every control shown whole and none scrolled away; the set list shows
// whole names (a long one elided, whole in its tooltip); the back's preview shows each back's
// colours; the progress text fits; after saving the status says so; the unsaved-changes question
// has an access key on each button, none the same; and names holding "%1 %2" show as typed.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include "cardmaker/FaceMaker.h"
#include "cardmaker/MakerFixture.h"
#include "cardmaker/MakerWindow.h"
#include "translations/Translations.h"

namespace tavro::test {
namespace {

using cardmaker::MakerWindow;

QString MakerText(const char* text) {
    return QCoreApplication::translate("tavro::cardmaker::MakerWindow", text);
}

// The part of the control that shows: its rectangle in the window, cut by each widget it lies
// in (a scroll area's viewport hides what is scrolled away).
QRect ShownPart(const QWidget* control, const QWidget* window) {
    const QRect whole(control->mapTo(window, QPoint(0, 0)), control->size());
    QRect shown = whole;
    for (const QWidget* outer = control->parentWidget(); outer != nullptr;
         outer = outer->parentWidget()) {
        shown &= QRect(outer->mapTo(window, QPoint(0, 0)), outer->size());
        if (outer == window) {
            break;
        }
    }
    return shown;
}

// The mean colour of the middle 80 x 80 pixels.
QColor MiddleColour(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QPoint centre = rgb.rect().center();
    qint64 red = 0, green = 0, blue = 0, count = 0;
    for (int y = centre.y() - 40; y < centre.y() + 40; ++y) {
        for (int x = centre.x() - 40; x < centre.x() + 40; ++x) {
            const QColor pixel = rgb.pixelColor(x, y);
            red += pixel.red();
            green += pixel.green();
            blue += pixel.blue();
            ++count;
        }
    }
    return QColor(int(red / count), int(green / count), int(blue / count));
}

// Answers the next unsaved-changes question with Discard, once it shows; its buttons' texts go
// to `texts`.
void DiscardAfterReading(QStringList* texts) {
    QTimer::singleShot(0, [texts] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            DiscardAfterReading(texts);  // not shown yet
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            *texts << button->text();
        }
        box->button(QMessageBox::Discard)->click();
    });
}

class MakerWindowScreenTest : public MakerFixture {};

TEST_F(MakerWindowScreenTest, ASmallLaptopScreenInEachLanguage) {
    const QString longName = QString(60, u'w').replace(30, 1, u' ');
    const QString percentName = QStringLiteral("Trip %1 %2");
    for (const QString& name : {longName, percentName}) {
        ASSERT_TRUE(QDir().mkpath(PlayerSets() + name));
    }
    const QStringList pictures = PlainPictures(cardmaker::kPicturesPerSet);
    const cardmaker::SetFolders folders{QFileInfo(TAVRO_MAKER).absolutePath() + "/gfx/",
                                        PlayerSets()};
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_EQ(screen->availableGeometry().size(), QSize(1024, 768));

    for (const QLocale::Language language : {QLocale::English, QLocale::German, QLocale::French}) {
        SCOPED_TRACE(QLocale::languageToString(language).toStdString());
        ASSERT_EQ(InstallTranslations(QLocale(language)), language != QLocale::English);
        QDir(PlayerSets() + "Holiday %1 %2").removeRecursively();
        MakerWindow window(folders);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const auto find = [&](const char* name) {
            return window.findChild<QWidget*>(QString::fromLatin1(name));
        };

        // It takes the screen's room (it wants more than there is), leaving some for a frame.
        EXPECT_LE(window.width(), 1024);
        EXPECT_LE(window.height(), 768);
        EXPECT_GE(window.height(), 700);
        window.layout()->activate();
        for (const char* name : {"setName", "addPictures", "sets", "openSet", "removeSet", "newSet",
                                 "faces", "crop", "zoomOut", "zoomIn", "pictureName", "replace",
                                 "remove", "back", "backPreview", "rules", "save"}) {
            const QWidget* control = find(name);
            ASSERT_NE(control, nullptr) << name;
            EXPECT_TRUE(control->isVisibleTo(&window)) << name;
            EXPECT_EQ(ShownPart(control, &window),
                      QRect(control->mapTo(&window, QPoint(0, 0)), control->size()))
                << name;
        }

        // The names: whole, or elided with the whole name in the tooltip; those of the sets that
        // come with the game whole.
        auto* sets = window.findChild<QListWidget*>("sets");
        ASSERT_EQ(sets->count(), 4);
        const int margins = 2 * (sets->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        QStringList texts;
        for (int row = 0; row < sets->count(); ++row) {
            const QListWidgetItem* item = sets->item(row);
            texts << item->text();
            EXPECT_TRUE(item->toolTip().startsWith(item->text() + u'\n'))
                << item->toolTip().toStdString();
            const bool whole =
                sets->fontMetrics().horizontalAdvance(item->text()) + margins <=
                sets->viewport()->rect().intersected(sets->visualItemRect(item)).width();
            EXPECT_TRUE(whole || item->text() == longName) << item->text().toStdString();
            // No item reaches past the list's edge, where its text would be cut, not elided.
            EXPECT_LE(sets->visualItemRect(item).right(), sets->viewport()->rect().right())
                << item->text().toStdString();
        }
        EXPECT_EQ(texts.mid(0, 2), QStringList({percentName, longName}));

        // Each ready-made back shows in its own colours.
        auto* back = window.findChild<QComboBox*>("back");
        const QStringList backs = cardmaker::ReadyBackIds();
        for (int index = 0; index < backs.size(); ++index) {
            back->setCurrentIndex(index);
            emit back->activated(index);
            const QColor shown = MiddleColour(find("backPreview")->grab().toImage());
            // The preview shows the card file at 120 pixels; the same middle part of both.
            const QColor made = MiddleColour(
                cardmaker::ReadyBack(backs[index])
                    .scaled(120, 120, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            EXPECT_TRUE(Near(shown, made, 12))
                << backs[index].toStdString() << " " << shown.name().toStdString();
            EXPECT_GT(shown.hsvSaturation(), 60) << backs[index].toStdString();
        }

        // The progress text fits beside the bar.
        window.addFiles(pictures);
        ASSERT_TRUE(window.isLoading());
        window.layout()->activate();
        const auto* progress = window.findChild<QLabel*>("progressText");
        EXPECT_TRUE(progress->isVisibleTo(&window));
        EXPECT_FALSE(progress->text().isEmpty());
        EXPECT_LE(progress->fontMetrics().horizontalAdvance(progress->text()),
                  progress->contentsRect().width())
            << progress->text().toStdString();
        EXPECT_EQ(ShownPart(progress, &window),
                  QRect(progress->mapTo(&window, QPoint(0, 0)), progress->size()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isLoading(); }, 20000));

        // Saved: the status says so until the next change. Names show as typed.
        auto* rules = window.findChild<QLabel*>("rules");
        auto* setName = window.findChild<QLineEdit*>("setName");
        setName->setText("Holiday %1 %2");
        EXPECT_EQ(rules->text(), MakerText("Ready to save."));
        ASSERT_TRUE(window.saveSet());
        EXPECT_EQ(rules->text(), MakerText("All changes are saved."));
        EXPECT_TRUE(window.findChild<QLabel*>("saved")->text().contains("/Holiday %1 %2"));
        EXPECT_EQ(sets->currentItem()->text(), "Holiday %1 %2");
        auto* faces = window.findChild<QListWidget*>("faces");
        faces->setCurrentRow(0);
        auto* pictureName = window.findChild<QLineEdit*>("pictureName");
        pictureName->selectAll();
        QTest::keyClicks(pictureName, "%2 %1");
        EXPECT_EQ(faces->item(0)->text(), "%2 %1");
        EXPECT_EQ(rules->text(), MakerText("Ready to save."));
        setName->setText("Trip %2 %1 b");
        EXPECT_EQ(rules->text(), MakerText("Saving renames your card set \"%1\" to \"%2\".")
                                     .arg("Holiday %1 %2", "Trip %2 %1 b"));

        // The question's buttons: Save, Discard and Cancel, each with its own access key.
        QStringList buttons;
        DiscardAfterReading(&buttons);
        EXPECT_TRUE(window.close());
        ASSERT_EQ(buttons.size(), 3);
        QList<QKeySequence> keys;
        for (const QString& text : buttons) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            EXPECT_FALSE(key.isEmpty()) << text.toStdString();
            EXPECT_FALSE(keys.contains(key)) << text.toStdString();
            keys << key;
        }
    }
    InstallTranslations(QLocale(QLocale::English));
}

}  // namespace
}  // namespace tavro::test
