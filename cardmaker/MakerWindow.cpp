// SPDX-License-Identifier: GPL-3.0-or-later
// The card-set maker's window: its layout, and editing the pictures and the back.
#include "cardmaker/MakerWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "cardart/CardDrawing.h"
#include "cardmaker/CropView.h"
#include "cardmaker/FaceMaker.h"
#include "cardmaker/MakerSettings.h"
#include "cardmaker/MakerWindowGuard.h"
#include "cardmaker/PictureLoader.h"
#include "cardmaker/SetList.h"
#include "dialogkit/ShownText.h"

namespace tavro::cardmaker {
namespace {

constexpr int kFaceIconSide = 96;
constexpr int kFaceColumnsAtLeast = 3;
// Where the screen has room, all 18 cards show at once: 6 columns of 3.
constexpr int kFaceColumnsWanted = 6;
constexpr int kFaceRowsWanted = 3;
// What a window manager adds around the window, a title bar and borders, which is known only
// once the window is shown.
constexpr QSize kFrameAllowance(16, 40);
// The least width of the wrapped texts beside the crop view, in average characters.
constexpr int kWrappedLabelCharacters = 24;
// The back list's entry for the back of a set opened without the maker's copies, kept as it is.
const QString kKeptBack = QStringLiteral(":kept");

// "*.png *.jpg ...": every format the installed image plugins read.
QString PictureFilePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return patterns.join(u' ');
}

// A label of messages that scrolls when they are more than `lines` lines.
QScrollArea* MessageArea(QLabel* label, int lines) {
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* area = new QScrollArea;
    area->setWidget(label);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setFixedHeight(label->fontMetrics().lineSpacing() * lines + 4);
    return area;
}

// The list of card faces, asking for room for all 18 cards; with less, it scrolls.
class FaceList : public QListWidget {
public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return {kFaceColumnsWanted * gridSize().width() + verticalScrollBar()->sizeHint().width() +
                    frame + 8,
                kFaceRowsWanted * gridSize().height() + frame + 8};
    }
};

// A scroll area that asks for room for all of its widget (QScrollArea asks for at most 24 lines
// of text), so that a window with room for it shows it whole; it scrolls only in a smaller one.
class WholeScrollArea : public QScrollArea {
public:
    QSize sizeHint() const override {
        const QSize inner = widget() != nullptr ? widget()->sizeHint() : QSize(0, 0);
        return inner +
               QSize(verticalScrollBar()->sizeHint().width() + 2 * frameWidth(), 2 * frameWidth());
    }
};

// Makes a word-wrapped label of the picture's box take the height of its lines at its least
// width, whatever its width. A label whose height follows its width would fix the box at the
// height it asks for, so that the crop view in it could not shrink where the window is low.
void KeepLinesOfLeastWidth(QLabel* label) {
    QSizePolicy policy = label->sizePolicy();
    policy.setHeightForWidth(false);
    label->setSizePolicy(policy);
    label->setMinimumHeight(label->text().isEmpty() ? 0
                                                    : label->heightForWidth(label->minimumWidth()));
}

// The back as the preview shows it, in colour also while the button can't be clicked (for a
// ready-made back): a disabled icon would be drawn grey.
QIcon BackIcon(const QImage& back) {
    const QPixmap pixmap = QPixmap::fromImage(back);
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Disabled);
    return icon;
}

}  // namespace

MakerWindow::MakerWindow(const SetFolders& folders, const QString& settingsFile, QWidget* parent)
    : QWidget(parent),
      folders_(folders),
      settingsFile_(settingsFile.isEmpty() ? MakerSettingsFile() : settingsFile),
      loader_(new PictureLoader(this)) {
    setWindowTitle(tr("Tavro Memory Card Maker"));
    setAcceptDrops(true);
    buildLayout();
    connect(loader_, &PictureLoader::pictureRead, this, [this](int index, const PictureRead& read) {
        Guarded(this, [&] { pictureArrived(index, read); });
    });
    connect(loader_, &PictureLoader::progressed, this,
            [this](int done, int total) { showProgress(done, total); });
    connect(loader_, &PictureLoader::finished, this,
            [this](bool cancelled) { Guarded(this, [&] { loadFinished(cancelled); }); });
    refreshSetList();
    refreshBack();
    savedState_ = StateOf(draft_, setName_->text());
    refreshRules();
    showSelected();
    refreshActions();
    // As large as the layout asks for, where the screen has room for it.
    ensurePolished();
    QSize size = sizeHint();
    if (const QScreen* shownOn = screen()) {
        size = size.boundedTo(shownOn->availableGeometry().size() - kFrameAllowance);
    }
    resize(size.expandedTo(minimumSizeHint()));
}

MakerWindow::~MakerWindow() = default;

void MakerWindow::buildLayout() {
    auto* top = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("Set &name:"));
    setName_ = new QLineEdit;
    setName_->setObjectName(QStringLiteral("setName"));
    nameLabel->setBuddy(setName_);
    add_ = new QPushButton(tr("&Add pictures..."));
    add_->setObjectName(QStringLiteral("addPictures"));
    top->addWidget(nameLabel);
    top->addWidget(setName_, 1);
    top->addWidget(add_);

    sets_ = new SetList;

    faces_ = new FaceList;
    faces_->setObjectName(QStringLiteral("faces"));
    faces_->setViewMode(QListView::IconMode);
    faces_->setIconSize(QSize(kFaceIconSide, kFaceIconSide));
    // Room under each card for its name and a look-alike's flag, two lines each at most.
    const int textHeight = faces_->fontMetrics().lineSpacing() * 3;
    faces_->setGridSize(QSize(kFaceIconSide + 20, kFaceIconSide + textHeight + 8));
    faces_->setMovement(QListView::Static);
    faces_->setResizeMode(QListView::Adjust);
    faces_->setWordWrap(true);
    faces_->setMinimumWidth(kFaceColumnsAtLeast * (kFaceIconSide + 20) +
                            faces_->verticalScrollBar()->sizeHint().width() + 8);
    faces_->setAccessibleName(tr("Card faces"));

    // The picture's and the back's boxes scroll where the window is too low for them.
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(buildPictureEditor(), 1);
    sideLayout->addWidget(buildBackPicker());
    auto* sideArea = new WholeScrollArea;
    sideArea->setWidget(side);
    sideArea->setWidgetResizable(true);
    sideArea->setFrameShape(QFrame::NoFrame);
    sideArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sideArea->setMinimumWidth(side->minimumSizeHint().width() +
                              sideArea->verticalScrollBar()->sizeHint().width());

    auto* middle = new QHBoxLayout;
    middle->addWidget(sets_);
    middle->addWidget(faces_, 1);
    middle->addWidget(sideArea);

    auto* about =
        new QLabel(tr("A card set needs exactly 18 different pictures, one for each "
                      "pair of cards, and a name no other set has. Drop pictures or a "
                      "folder of pictures onto this window, or add them with the "
                      "button."));
    about->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(buildMessages());

    connect(add_, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { choosePictures(); }); });
    connect(setName_, &QLineEdit::textChanged, this, [this] { refreshRules(); });
    connect(faces_, &QListWidget::currentRowChanged, this,
            [this] { Guarded(this, [this] { showSelected(); }); });
    connect(sets_, &SetList::openRequested, this,
            [this](const SavedSet& set) { Guarded(this, [&] { openSet(set); }); });
    connect(sets_, &SetList::removeRequested, this,
            [this](const SavedSet& set) { Guarded(this, [&] { removeSet(set); }); });
    connect(sets_, &SetList::newRequested, this, [this] { Guarded(this, [this] { newSet(); }); });
}

QWidget* MakerWindow::buildPictureEditor() {
    auto* box = new QGroupBox(tr("Picture"));
    cropView_ = new CropView;
    cropView_->setObjectName(QStringLiteral("crop"));
    zoomOut_ = new QPushButton(QStringLiteral("\u2212"));
    zoomOut_->setObjectName(QStringLiteral("zoomOut"));
    zoomOut_->setAccessibleName(tr("Zoom out"));
    zoomOut_->setToolTip(tr("Zoom out: a larger part of the picture on the card (-)"));
    zoomIn_ = new QPushButton(QStringLiteral("+"));
    zoomIn_->setObjectName(QStringLiteral("zoomIn"));
    zoomIn_->setAccessibleName(tr("Zoom in"));
    zoomIn_->setToolTip(tr("Zoom in: a smaller part of the picture on the card (+)"));
    for (QPushButton* zoom : {zoomOut_, zoomIn_}) {
        zoom->setFixedWidth(zoom->fontMetrics().height() * 2 + 8);
    }
    auto* hint = new QLabel(tr("Drag the square to choose the part on the card; the wheel zooms."));
    hint->setWordWrap(true);
    hint->setMinimumWidth(hint->fontMetrics().averageCharWidth() * kWrappedLabelCharacters);
    KeepLinesOfLeastWidth(hint);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(zoomOut_);
    zoomRow->addWidget(zoomIn_);
    zoomRow->addWidget(hint, 1);

    auto* nameLabel = new QLabel(tr("Na&me:"));
    pictureName_ = new QLineEdit;
    pictureName_->setObjectName(QStringLiteral("pictureName"));
    nameLabel->setBuddy(pictureName_);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(pictureName_, 1);
    lookAlike_ = new QLabel;
    lookAlike_->setObjectName(QStringLiteral("lookAlike"));
    lookAlike_->setTextFormat(Qt::PlainText);
    lookAlike_->setWordWrap(true);
    lookAlike_->setMinimumWidth(lookAlike_->fontMetrics().averageCharWidth() *
                                kWrappedLabelCharacters);
    lookAlike_->hide();

    replace_ = new QPushButton(tr("Re&place..."));
    replace_->setObjectName(QStringLiteral("replace"));
    replace_->setToolTip(tr("Put another picture in this one's place."));
    remove_ = new QPushButton(tr("&Remove picture"));
    remove_->setObjectName(QStringLiteral("remove"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(replace_);
    buttons->addWidget(remove_);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(cropView_, 1);
    layout->addLayout(zoomRow);
    layout->addLayout(nameRow);
    layout->addWidget(lookAlike_);
    layout->addLayout(buttons);
    connect(cropView_, &CropView::cropChanged, this,
            [this](const Crop& crop) { Guarded(this, [&] { changeCrop(crop); }); });
    connect(zoomIn_, &QPushButton::clicked, cropView_, &CropView::zoomIn);
    connect(zoomOut_, &QPushButton::clicked, cropView_, &CropView::zoomOut);
    connect(pictureName_, &QLineEdit::textEdited, this,
            [this](const QString& name) { renameSelected(name); });
    connect(replace_, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { chooseReplacement(); }); });
    connect(remove_, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { removeSelected(); }); });
    return box;
}

QWidget* MakerWindow::buildBackPicker() {
    auto* box = new QGroupBox(tr("Card back"));
    back_ = new QComboBox;
    back_->setObjectName(QStringLiteral("back"));
    back_->setAccessibleName(tr("Card back"));
    for (const QString& id : ReadyBackIds()) {
        back_->addItem(ReadyBackName(id), id);
    }
    back_->addItem(tr("A picture of my own..."));
    // A button: a back of the player's own picture is clicked to move its square. It has a frame
    // of its own, so that the back never looks like one of the faces beside it.
    backPreview_ = new QPushButton;
    backPreview_->setObjectName(QStringLiteral("backPreview"));
    backPreview_->setFlat(true);
    backPreview_->setIconSize(QSize(cardsets::kCardArtSide, cardsets::kCardArtSide));
    backPreview_->setFixedSize(cardsets::kCardArtSide + 8, cardsets::kCardArtSide + 8);
    backPreview_->setAccessibleName(tr("Card back"));
    backPreview_->setToolTip(tr("Click to choose the part of your picture on the back."));
    auto* frame = new QFrame;
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(backPreview_);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(back_, 1, Qt::AlignTop);
    layout->addWidget(frame);
    connect(back_, &QComboBox::activated, this,
            [this](int index) { Guarded(this, [this, index] { chooseBack(index); }); });
    connect(backPreview_, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { editBack(); }); });
    return box;
}

QWidget* MakerWindow::buildMessages() {
    rules_ = new QLabel;
    rules_->setObjectName(QStringLiteral("rules"));
    keepAlike_ = new QCheckBox(tr("&Keep pictures that look alike"));
    keepAlike_->setObjectName(QStringLiteral("keepAlike"));
    keepAlike_->setToolTip(
        tr("Take pictures that look like one another all the same: their cards may be hard to "
           "tell apart."));
    keepAlike_->hide();
    saved_ = new QLabel;
    saved_->setObjectName(QStringLiteral("saved"));
    saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    progress_ = new QProgressBar;
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setFormat(tr("%v of %m pictures read"));
    progress_->setAccessibleName(tr("Pictures read"));
    // The text goes beside the bar, which is too narrow for it in every language.
    progress_->setTextVisible(false);
    progress_->hide();
    progressText_ = new QLabel;
    progressText_->setObjectName(QStringLiteral("progressText"));
    progressText_->hide();
    cancel_ = new QPushButton(tr("&Cancel"));
    cancel_->setObjectName(QStringLiteral("cancelLoad"));
    cancel_->setToolTip(tr("Stop reading pictures: those read so far stay."));
    cancel_->hide();
    save_ = new QPushButton(tr("&Save set"));
    save_->setObjectName(QStringLiteral("save"));

    auto* rulesRow = new QHBoxLayout;
    rulesRow->addWidget(MessageArea(rules_, 3), 1);
    rulesRow->addWidget(keepAlike_, 0, Qt::AlignTop);
    auto* savedRow = new QHBoxLayout;
    savedRow->addWidget(MessageArea(saved_, 2), 1);
    savedRow->addWidget(progress_);
    savedRow->addWidget(progressText_);
    savedRow->addWidget(cancel_);
    savedRow->addWidget(save_);
    auto* messages = new QWidget;
    auto* layout = new QVBoxLayout(messages);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(rulesRow);
    layout->addLayout(savedRow);

    connect(keepAlike_, &QCheckBox::toggled, this, [this] { refreshRules(); });
    connect(cancel_, &QPushButton::clicked, loader_, &PictureLoader::cancel);
    connect(save_, &QPushButton::clicked, this, [this] { Guarded(this, [this] { saveSet(); }); });
    return messages;
}

QStringList MakerWindow::askForPictures(const QString& title, bool several) {
    const QString start = PictureStartFolder(settingsFile_);
    const QString filter = tr("Pictures (%1)").arg(PictureFilePatterns());
    const QStringList files =
        several ? QFileDialog::getOpenFileNames(this, title, start, filter)
                : QStringList{QFileDialog::getOpenFileName(this, title, start, filter)};
    if (!files.value(0).isEmpty()) {
        RememberPictureFolder(settingsFile_, QFileInfo(files[0]).absolutePath());
        return files;
    }
    return {};
}

void MakerWindow::choosePictures() {
    addFiles(askForPictures(tr("Add pictures"), true));
}

void MakerWindow::chooseReplacement() {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    const QStringList file = askForPictures(
        tr("Picture in place of \"%1\"").arg(ShownText(PictureNameOf(draft_.pictures[row]))),
        false);
    if (!file.isEmpty()) {
        replacePicture(row, file[0]);
    }
}

int MakerWindow::selectedRow() const {
    const int row = faces_->currentRow();
    return row >= 0 && row < static_cast<int>(draft_.pictures.size()) ? row : -1;
}

// Only the picture in the crop view is kept decoded (about 7 MB for a photo); the others keep
// their JPEG files and card squares, and are decoded again when they are selected.
void MakerWindow::keepOnlySelectedDecoded() {
    const int row = editingBack_ ? -1 : selectedRow();
    for (int n = 0; n < static_cast<int>(draft_.pictures.size()); ++n) {
        Picture& picture = draft_.pictures[n];
        if (n != row) {
            DropImage(picture);
        } else if (picture.image.isNull()) {
            picture.image = KeptImage(picture);
        }
    }
    if (draft_.backPicture) {
        if (!editingBack_) {
            DropImage(*draft_.backPicture);
        } else if (draft_.backPicture->image.isNull()) {
            draft_.backPicture->image = KeptImage(*draft_.backPicture);
        }
    }
}

void MakerWindow::showSelected() {
    editingBack_ = false;
    keepOnlySelectedDecoded();
    const int row = selectedRow();
    const bool any = row >= 0;
    cropView_->setPicture(any ? draft_.pictures[row].image : QImage(),
                          any ? draft_.pictures[row].crop : Crop());
    pictureName_->setText(any ? draft_.pictures[row].name : QString());
    pictureName_->setPlaceholderText(any ? QFileInfo(draft_.pictures[row].file).completeBaseName()
                                         : QString());
    cropView_->setEnabled(any);
    pictureName_->setEnabled(any);
    refreshFaceTexts();
    refreshZoom();
    refreshActions();
}

void MakerWindow::refreshFace(int row) {
    faces_->item(row)->setIcon(QPixmap::fromImage(MakeFace(draft_.pictures[row])));
}

// The names under the cards, each with the picture it looks like, if any.
void MakerWindow::refreshFaceTexts() {
    bool anyAlike = false;
    QString selectedAlike;
    for (int row = 0; row < static_cast<int>(draft_.pictures.size()); ++row) {
        const Picture& picture = draft_.pictures[row];
        const int alike = LookAlikeOf(draft_.pictures, row);
        const QString name = ShownText(PictureNameOf(picture));
        QString flag;
        if (alike >= 0) {
            anyAlike = true;
            flag = tr("looks like '%1'").arg(ShownText(PictureNameOf(draft_.pictures[alike])));
            if (row == selectedRow()) {
                selectedAlike = flag;
            }
        }
        QListWidgetItem* item = faces_->item(row);
        item->setText(flag.isEmpty() ? name : name + u'\n' + flag);
        item->setToolTip(ShownText(QDir::toNativeSeparators(picture.file)));
        // The desktop's link colour, made for text on the list's background (the selection
        // colour is not, and read at under 4:1 on white).
        item->setForeground(flag.isEmpty() ? faces_->palette().text() : faces_->palette().link());
    }
    lookAlike_->setText(
        selectedAlike.isEmpty()
            ? QString()
            : tr("This picture %1: their cards would be hard to tell apart.").arg(selectedAlike));
    KeepLinesOfLeastWidth(lookAlike_);
    lookAlike_->setVisible(!selectedAlike.isEmpty());
    keepAlike_->setVisible(anyAlike || keepAlike_->isChecked());
}

void MakerWindow::refreshZoom() {
    zoomIn_->setEnabled(cropView_->isEnabled() && cropView_->canZoomIn());
    zoomOut_->setEnabled(cropView_->isEnabled() && cropView_->canZoomOut());
}

void MakerWindow::editBack() {
    if (!draft_.backPicture) {
        return;
    }
    faces_->setCurrentRow(-1);  // shows no face, then the back
    editingBack_ = true;
    keepOnlySelectedDecoded();
    cropView_->setPicture(draft_.backPicture->image, draft_.backPicture->crop);
    cropView_->setEnabled(true);
    refreshZoom();
    cropView_->setFocus();
}

void MakerWindow::changeCrop(const Crop& crop) {
    if (editingBack_ && draft_.backPicture) {
        SetCrop(*draft_.backPicture, crop);
        refreshBack();
    } else if (const int row = selectedRow(); row >= 0) {
        SetCrop(draft_.pictures[row], crop);
        refreshFace(row);
    }
    refreshZoom();
    refreshRules();
}

void MakerWindow::renameSelected(const QString& name) {
    if (const int row = selectedRow(); row >= 0) {
        draft_.pictures[row].name = name;
        refreshFaceTexts();
        refreshRules();
    }
}

void MakerWindow::removeSelected() {
    const int row = selectedRow();
    if (row < 0 || isLoading()) {
        return;
    }
    draft_.pictures.erase(draft_.pictures.begin() + row);
    delete faces_->takeItem(row);
    showSelected();
    refreshRules();
}

void MakerWindow::chooseBack(int index) {
    const QString id = back_->itemData(index).toString();
    if (id == kKeptBack) {
        return;
    }
    if (!id.isEmpty()) {
        draft_.readyBack = id;
        draft_.backPicture.reset();
        draft_.finishedBack = QImage();
        refreshBack();
        showSelected();
        refreshRules();
        return;
    }
    refreshBack();  // the list shows the back that stays until the picture is read
    const QStringList file = askForPictures(tr("Picture for the card back"), false);
    if (!file.isEmpty()) {
        setBackPicture(file[0]);
    }
}

void MakerWindow::refreshBack() {
    backPreview_->setIcon(BackIcon(RenderBack(draft_)));
    backPreview_->setEnabled(draft_.backPicture.has_value());
    // The entry of a back kept as it is shows only while the set has one.
    const int kept = back_->findData(kKeptBack);
    if (kept >= 0 && draft_.finishedBack.isNull()) {
        back_->removeItem(kept);
    } else if (kept < 0 && !draft_.finishedBack.isNull()) {
        back_->insertItem(back_->count() - 1, tr("This set's own back"), kKeptBack);
    }
    if (draft_.backPicture) {
        back_->setCurrentIndex(back_->count() - 1);
    } else if (!draft_.finishedBack.isNull()) {
        back_->setCurrentIndex(back_->findData(kKeptBack));
    } else {
        back_->setCurrentIndex(back_->findData(draft_.readyBack));
    }
}

void MakerWindow::refreshActions() {
    const bool loading = isLoading();
    const bool picture = selectedRow() >= 0;
    // The names of a set being opened stay as saved until it is open: that is the state its
    // changes are told from.
    const bool opening = loading && load_.kind == LoadKind::Open;
    setName_->setReadOnly(opening);
    pictureName_->setReadOnly(opening);
    add_->setEnabled(!loading);
    replace_->setEnabled(!loading && picture);
    remove_->setEnabled(!loading && picture);
    back_->setEnabled(!loading);
    sets_->setActionsEnabled(!loading);
    progress_->setVisible(loading);
    progressText_->setVisible(loading);
    cancel_->setVisible(loading);
    refreshRules();
}

void MakerWindow::showProgress(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
    progressText_->setText(progress_->text());
}

void MakerWindow::clearSet() {
    loader_->cancel();
    draft_ = CardSetDraft();
    editingBack_ = false;
    faces_->clear();
    setName_->clear();
    keepAlike_->setChecked(false);
    saved_->clear();
    refreshBack();
    showSelected();
}

}  // namespace tavro::cardmaker
