// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's window: reading pictures off its thread, for new pictures, a picture in another's
// place, the card back, and the pictures of a set being opened; each is shown as it arrives.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "cardmaker/MakerWindow.h"
#include "cardmaker/PictureFiles.h"
#include "cardmaker/PictureLoader.h"

namespace tavro::cardmaker {
namespace {

QString Where(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// A read for the loader: the picture with its decoded copy let go at once (the window decodes
// only the picture it shows), so that pictures read but not yet shown take little memory.
template <typename Reading, typename Source>
PictureLoader::Read Compact(Reading reading, Source source) {
    return [reading, source] {
        PictureRead read = reading(source);
        DropImage(read.picture);
        return read;
    };
}

}  // namespace

bool MakerWindow::isLoading() const {
    return loader_->isLoading();
}

void MakerWindow::startLoad(Load load, std::vector<std::function<PictureRead()>> reads) {
    loader_->cancel();  // a load under way ends before the next one takes its place
    load_ = std::move(load);
    saved_->clear();
    showProgress(0, static_cast<int>(reads.size()));
    loader_->start(std::move(reads));
    refreshActions();
}

void MakerWindow::addFiles(const QStringList& paths) {
    if (paths.isEmpty() || isLoading()) {
        return;
    }
    const PictureFiles expanded = ExpandPictureFiles(paths);
    Load load;
    load.kind = LoadKind::Add;
    load.files = expanded.files;
    for (const QString& skipped : expanded.skipped) {
        load.refused
            << tr("%1: left out, as its name is not that of a picture file").arg(Where(skipped));
    }
    std::vector<PictureLoader::Read> reads;
    for (const QString& file : expanded.files) {
        reads.push_back(Compact(&ReadPicture, file));
    }
    startLoad(std::move(load), std::move(reads));
}

void MakerWindow::replacePicture(int row, const QString& file) {
    if (row < 0 || row >= static_cast<int>(draft_.pictures.size()) || isLoading()) {
        return;
    }
    Load load;
    load.kind = LoadKind::Replace;
    load.files = {file};
    load.row = row;
    startLoad(std::move(load), {Compact(&ReadPicture, file)});
}

void MakerWindow::setBackPicture(const QString& file) {
    if (isLoading()) {
        return;
    }
    Load load;
    load.kind = LoadKind::Back;
    load.files = {file};
    startLoad(std::move(load), {Compact(&ReadPicture, file)});
}

void MakerWindow::showOpenedSet(SetOpening opening) {
    clearSet();
    draft_.name = opening.draft.name;
    draft_.readyBack = opening.draft.readyBack;
    draft_.editing = opening.draft.editing;
    setName_->setText(draft_.name);
    refreshBack();
    Load load;
    load.kind = LoadKind::Open;
    std::vector<PictureLoader::Read> reads;
    for (const SavedPicture& saved : opening.pictures) {
        load.files << saved.file;
        reads.push_back(Compact(&ReadSavedPicture, saved));
    }
    if (opening.back) {
        load.files << opening.back->file;
        reads.push_back(Compact(&ReadSavedPicture, *opening.back));
    }
    load.opening = std::move(opening);
    startLoad(std::move(load), std::move(reads));
}

void MakerWindow::pictureArrived(int index, const PictureRead& read) {
    if (!read.problem.isEmpty()) {
        load_.refused << tr("%1: %2").arg(Where(load_.files.value(index)), read.problem);
        return;
    }
    switch (load_.kind) {
        case LoadKind::Add:
            addArrived(read.picture);
            break;
        case LoadKind::Replace:
            replaceArrived(read.picture);
            break;
        case LoadKind::Back:
            draft_.backPicture = read.picture;
            draft_.finishedBack = QImage();
            refreshBack();
            editBack();
            refreshRules();
            break;
        case LoadKind::Open:
            openArrived(index, read.picture);
            break;
    }
}

void MakerWindow::addArrived(Picture picture) {
    const QString repeat = RepeatProblem(picture, draft_.pictures);
    if (!repeat.isEmpty()) {
        load_.refused << repeat;
        return;
    }
    draft_.pictures.push_back(std::move(picture));
    faces_->addItem(new QListWidgetItem);
    refreshFace(faces_->count() - 1);
    if (faces_->currentRow() < 0 && !editingBack_) {
        faces_->setCurrentRow(0);  // shows it
    }
    refreshFaceTexts();
    refreshRules();
}

void MakerWindow::replaceArrived(Picture picture) {
    const int row = load_.row;
    std::vector<Picture> others = draft_.pictures;
    others.erase(others.begin() + row);
    const QString repeat = RepeatProblem(picture, others);
    if (!repeat.isEmpty()) {
        load_.refused << repeat;
        return;
    }
    draft_.pictures[row] = std::move(picture);
    refreshFace(row);
    if (row == selectedRow()) {
        showSelected();
    }
    refreshFaceTexts();
    refreshRules();
}

void MakerWindow::openArrived(int index, Picture picture) {
    const SetOpening& opening = load_.opening;
    if (index < static_cast<int>(opening.pictures.size())) {
        addArrived(std::move(picture));
    } else if (opening.back) {
        UseSavedBack(draft_, *opening.back, picture);
        refreshBack();
    }
}

// The set as opened is the set as saved: pictures kept although they look alike stay kept, and
// a set that comes with the game is saved only under a name of the player's own.
void MakerWindow::showOpenedSetReady() {
    for (int row = 0; row < static_cast<int>(draft_.pictures.size()); ++row) {
        if (LookAlikeOf(draft_.pictures, row) >= 0) {
            keepAlike_->setChecked(true);
            break;
        }
    }
    refreshFaceTexts();
    savedState_ = StateOf(draft_, setName_->text());
    if (draft_.editing.isEmpty()) {
        saved_->setText(
            tr("This card set comes with the game: save your changes under a name "
               "of your own."));
        setName_->setFocus();
        setName_->selectAll();
    }
}

void MakerWindow::loadFinished(bool cancelled) {
    const bool opening = load_.kind == LoadKind::Open;
    if (opening && cancelled) {
        // Half a set is of no use: the set stays as it is saved, and the window starts anew.
        clearSet();
        savedState_ = StateOf(draft_, setName_->text());
        saved_->setText(tr("Opening the card set was cancelled."));
    } else {
        if (opening) {
            showOpenedSetReady();
        }
        if (!load_.refused.isEmpty()) {
            saved_->setText((opening ? tr("These pictures of the set could not be read:")
                                     : tr("These pictures were not added:")) +
                            u'\n' + load_.refused.join(u'\n'));
        }
    }
    load_ = Load();
    refreshActions();
}

}  // namespace tavro::cardmaker
