// SPDX-License-Identifier: GPL-3.0-or-later
// The card-set maker's window.
#include "cardmaker/MakerWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>
#include <exception>

#include "cardart/CardDrawing.h"
#include "cardmaker/CropView.h"
#include "cardmaker/FaceMaker.h"
#include "cardmaker/SetWriter.h"
#include "dialogkit/ErrorReport.h"

namespace tavro::cardmaker {
namespace {

constexpr int kFaceIconSide = 96;

QPixmap CardPixmap(const QImage& card) {
    return QPixmap::fromImage(card);
}

// "*.png *.jpg ...": every format the installed image plugins read.
QString PictureFilePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    }
    return patterns.join(u' ');
}

bool HasPictureSuffix(const QString& file) {
    const QByteArray suffix = QFileInfo(file).suffix().toLower().toLatin1();
    return QImageReader::supportedImageFormats().contains(suffix);
}

// Runs a handler, reporting whatever it throws instead of letting it reach the event loop.
template <typename Handler>
void Guarded(QWidget* window, Handler&& handler) {
    try {
        handler();
    } catch (...) {
        ReportException(window, std::current_exception());
    }
}

}  // namespace

MakerWindow::MakerWindow(const SetFolders& folders, QWidget* parent)
    : QWidget(parent), folders_(folders) {
    setWindowTitle(tr("Tavro Memory Card Maker"));
    setAcceptDrops(true);
    buildLayout();
    refreshBack();
    refreshRules();
    showSelected();
}

void MakerWindow::buildLayout() {
    auto* top = new QHBoxLayout;
    auto* nameLabel = new QLabel(tr("Set &name:"));
    setName_ = new QLineEdit;
    setName_->setObjectName(QStringLiteral("setName"));
    nameLabel->setBuddy(setName_);
    auto* add = new QPushButton(tr("&Add pictures..."));
    add->setObjectName(QStringLiteral("addPictures"));
    top->addWidget(nameLabel);
    top->addWidget(setName_, 1);
    top->addWidget(add);

    faces_ = new QListWidget;
    faces_->setObjectName(QStringLiteral("faces"));
    faces_->setViewMode(QListView::IconMode);
    faces_->setIconSize(QSize(kFaceIconSide, kFaceIconSide));
    faces_->setGridSize(QSize(kFaceIconSide + 16, kFaceIconSide + 30));
    faces_->setMovement(QListView::Static);
    faces_->setResizeMode(QListView::Adjust);
    faces_->setWordWrap(true);
    faces_->setMinimumWidth(6 * (kFaceIconSide + 16) + 24);
    faces_->setAccessibleName(tr("Card faces"));

    auto* side = new QVBoxLayout;
    side->addWidget(buildPictureEditor());
    side->addWidget(buildBackPicker());
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(faces_, 1);
    middle->addLayout(side);

    auto* about =
        new QLabel(tr("A card set needs exactly 18 different pictures, one for each "
                      "pair of cards, and a name no other set has. Drop pictures or a "
                      "folder of pictures onto this window, or add them with the "
                      "button."));
    about->setWordWrap(true);
    rules_ = new QLabel;
    rules_->setObjectName(QStringLiteral("rules"));
    rules_->setTextFormat(Qt::PlainText);
    rules_->setWordWrap(true);
    saved_ = new QLabel;
    saved_->setObjectName(QStringLiteral("saved"));
    saved_->setTextFormat(Qt::PlainText);
    saved_->setWordWrap(true);
    saved_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    save_ = new QPushButton(tr("&Save set"));
    save_->setObjectName(QStringLiteral("save"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(saved_, 1);
    bottom->addWidget(save_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addWidget(rules_);
    layout->addLayout(bottom);

    connect(add, &QPushButton::clicked, this,
            [this] { Guarded(this, [this] { choosePictures(); }); });
    connect(save_, &QPushButton::clicked, this, [this] { Guarded(this, [this] { saveSet(); }); });
    connect(setName_, &QLineEdit::textChanged, this, [this] { refreshRules(); });
    connect(faces_, &QListWidget::currentRowChanged, this, [this] { showSelected(); });
}

QWidget* MakerWindow::buildPictureEditor() {
    auto* box = new QGroupBox(tr("Picture"));
    cropView_ = new CropView;
    cropView_->setObjectName(QStringLiteral("crop"));
    auto* hint = new QLabel(tr("Drag the square to choose the part on the card."));
    hint->setWordWrap(true);
    auto* nameLabel = new QLabel(tr("Na&me:"));
    pictureName_ = new QLineEdit;
    pictureName_->setObjectName(QStringLiteral("pictureName"));
    nameLabel->setBuddy(pictureName_);
    remove_ = new QPushButton(tr("&Remove picture"));
    remove_->setObjectName(QStringLiteral("remove"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(pictureName_, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(cropView_, 1);
    layout->addWidget(hint);
    layout->addLayout(nameRow);
    layout->addWidget(remove_);
    connect(cropView_, &CropView::cropChanged, this, [this](const QPointF& c) { moveCrop(c); });
    connect(pictureName_, &QLineEdit::textEdited, this,
            [this](const QString& name) { renameSelected(name); });
    connect(remove_, &QPushButton::clicked, this, [this] { removeSelected(); });
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
    // A button: a back of the player's own picture is clicked to move its square.
    backPreview_ = new QPushButton;
    backPreview_->setObjectName(QStringLiteral("backPreview"));
    backPreview_->setFlat(true);
    backPreview_->setIconSize(QSize(cardsets::kCardSize, cardsets::kCardSize));
    backPreview_->setFixedSize(cardsets::kCardSize + 8, cardsets::kCardSize + 8);
    backPreview_->setAccessibleName(tr("Card back"));
    backPreview_->setToolTip(tr("Click to choose the part of your picture on the back."));
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(back_, 1);
    layout->addWidget(backPreview_);
    connect(back_, &QComboBox::activated, this,
            [this](int index) { Guarded(this, [this, index] { chooseBack(index); }); });
    connect(backPreview_, &QPushButton::clicked, this, [this] { editBack(); });
    return box;
}

void MakerWindow::choosePictures() {
    const QStringList files = QFileDialog::getOpenFileNames(
        this, tr("Add pictures"), QDir::homePath(), tr("Pictures (%1)").arg(PictureFilePatterns()));
    addFiles(files);
}

QStringList MakerWindow::expandFolders(const QStringList& paths) const {
    QStringList files;
    for (const QString& path : paths) {
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        QStringList inFolder;
        QDirIterator entries(path, QDir::Files | QDir::Readable);
        while (entries.hasNext()) {
            const QString file = entries.next();
            if (HasPictureSuffix(file)) {
                inFolder << file;
            }
        }
        inFolder.sort(Qt::CaseInsensitive);
        files << inFolder;
    }
    return files;
}

void MakerWindow::addFiles(const QStringList& paths) {
    // Big photos take a moment each to read.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    QStringList refused;
    for (const QString& file : expandFolders(paths)) {
        PictureRead read = ReadPicture(file);
        QString problem = read.problem.isEmpty()
                              ? RepeatProblem(read.picture, draft_.pictures)
                              : tr("%1: %2").arg(QDir::toNativeSeparators(file), read.problem);
        if (!problem.isEmpty()) {
            refused << problem;
            continue;
        }
        draft_.pictures.push_back(std::move(read.picture));
        faces_->addItem(new QListWidgetItem);
        refreshFace(faces_->count() - 1);
    }
    if (faces_->currentRow() < 0 && faces_->count() > 0) {
        faces_->setCurrentRow(0);
    }
    saved_->setText(refused.isEmpty()
                        ? QString()
                        : tr("These pictures were not added:") + u'\n' + refused.join(u'\n'));
    refreshRules();
}

void MakerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void MakerWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    Guarded(this, [this, &paths] { addFiles(paths); });
}

int MakerWindow::selectedRow() const {
    const int row = faces_->currentRow();
    return row >= 0 && row < static_cast<int>(draft_.pictures.size()) ? row : -1;
}

void MakerWindow::showSelected() {
    editingBack_ = false;
    const int row = selectedRow();
    const bool any = row >= 0;
    cropView_->setPicture(any ? draft_.pictures[row].image : QImage(),
                          any ? draft_.pictures[row].crop.centre : QPointF(0.5, 0.5));
    pictureName_->setText(any ? draft_.pictures[row].name : QString());
    pictureName_->setEnabled(any);
    remove_->setEnabled(any);
    cropView_->setEnabled(any);
}

void MakerWindow::refreshFace(int row) {
    const Picture& picture = draft_.pictures[row];
    QListWidgetItem* item = faces_->item(row);
    item->setIcon(CardPixmap(MakeFace(picture)));
    item->setText(picture.name);
    item->setToolTip(QDir::toNativeSeparators(picture.file));
}

void MakerWindow::editBack() {
    if (!draft_.backPicture) {
        return;
    }
    faces_->setCurrentRow(-1);  // shows no face, then the back
    editingBack_ = true;
    cropView_->setPicture(draft_.backPicture->image, draft_.backPicture->crop.centre);
    cropView_->setEnabled(true);
    cropView_->setFocus();
}

void MakerWindow::moveCrop(const QPointF& centre) {
    if (editingBack_ && draft_.backPicture) {
        SetCrop(*draft_.backPicture, {centre, draft_.backPicture->crop.side});
        refreshBack();
        return;
    }
    const int row = selectedRow();
    if (row >= 0) {
        SetCrop(draft_.pictures[row], {centre, draft_.pictures[row].crop.side});
        refreshFace(row);
    }
}

void MakerWindow::renameSelected(const QString& name) {
    const int row = selectedRow();
    if (row >= 0) {
        draft_.pictures[row].name = name;
        faces_->item(row)->setText(name);
    }
}

void MakerWindow::removeSelected() {
    const int row = selectedRow();
    if (row < 0) {
        return;
    }
    draft_.pictures.erase(draft_.pictures.begin() + row);
    delete faces_->takeItem(row);
    showSelected();
    refreshRules();
}

void MakerWindow::chooseBack(int index) {
    const QString id = back_->itemData(index).toString();
    if (!id.isEmpty()) {
        draft_.readyBack = id;
        draft_.backPicture.reset();
        refreshBack();
        return;
    }
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Picture for the card back"), QDir::homePath(),
                                     tr("Pictures (%1)").arg(PictureFilePatterns()));
    if (file.isEmpty() || !setBackPicture(file)) {
        refreshBack();  // the list shows the back that stays
    }
}

bool MakerWindow::setBackPicture(const QString& file) {
    PictureRead read = ReadPicture(file);
    if (!read.problem.isEmpty()) {
        saved_->setText(tr("%1: %2").arg(QDir::toNativeSeparators(file), read.problem));
        return false;
    }
    draft_.backPicture = std::move(read.picture);
    refreshBack();
    editBack();
    return true;
}

void MakerWindow::refreshBack() {
    const QImage back = RenderBack(draft_);
    backPreview_->setIcon(CardPixmap(back));
    const int ready = static_cast<int>(ReadyBackIds().indexOf(draft_.readyBack));
    back_->setCurrentIndex(draft_.backPicture ? back_->count() - 1 : ready);
}

void MakerWindow::refreshRules() {
    QStringList problems = PictureProblems(draft_.pictures);
    const NameCheck name = CheckSetName(setName_->text(), folders_);
    if (name.use == NameUse::Refused) {
        problems << name.problem;
    }
    save_->setEnabled(problems.isEmpty());
    if (!problems.isEmpty()) {
        rules_->setText(problems.join(u'\n'));
    } else if (name.use == NameUse::PlayersOwn) {
        rules_->setText(name.problem + u' ' + tr("Saving replaces it."));
    } else {
        rules_->setText(tr("Ready to save."));
    }
}

bool MakerWindow::confirmReplace(const QString& existing) {
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    tr("Replace your card set \"%1\" with the new one?").arg(existing),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool MakerWindow::saveSet() {
    refreshRules();
    if (!save_->isEnabled()) {
        return false;
    }
    draft_.name = setName_->text();
    const NameCheck name = CheckSetName(draft_.name, folders_);
    QString replacing;
    if (name.use == NameUse::PlayersOwn) {
        if (!confirmReplace(name.existingFolder)) {
            return false;
        }
        replacing = name.existingFolder;
    }
    try {
        const QString folder = WriteCardSet(RenderCardSet(draft_), folders_.player, replacing);
        saved_->setText(tr("Saved in %1. The game's Options list the set the next time they "
                           "open.")
                            .arg(QDir::toNativeSeparators(folder)));
    } catch (const SetWriteError& error) {
        ReportError(this, QString::fromStdString(error.what()));
        return false;
    }
    refreshRules();
    return true;
}

}  // namespace tavro::cardmaker
