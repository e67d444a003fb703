// SPDX-License-Identifier: GPL-3.0-or-later
// The card-set maker's window: the player opens one of their card sets (or one that comes with
// the game, as a starting point) or starts a new one, adds pictures (file dialog, or files and
// folders dropped onto the window), sees the 18 faces as they will look on a card, picks and
// zooms the square part of each picture, renames, replaces or removes it, picks a card back (and
// the square of a back picture of their own, by clicking its preview), names the set and saves
// it; and removes sets of their own to the desktop's trash. Pictures are read off the window's
// thread (PictureLoader.h), each card shown as it arrives, with a progress bar and Cancel. The
// rules the set must meet are shown at all times; pictures that look like another are flagged,
// and may be kept all the same. Closing the window, opening another set or starting a new one
// with unsaved changes asks first: save, discard or cancel.
// Its code is in three files: MakerWindow.cpp (the window and editing the pictures),
// MakerWindowLoad.cpp (reading pictures and opening sets) and MakerWindowSave.cpp (saving, the
// unsaved-changes question, removing sets).
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

#include "cardmaker/CardSetDraft.h"
#include "cardmaker/DraftState.h"
#include "cardmaker/SavedSets.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace tavro::cardmaker {

class CropView;
class PictureLoader;
class SetList;

class MakerWindow : public QWidget {
    Q_OBJECT
public:
    // `settingsFile` keeps the folder the file dialogs last took pictures from (MakerSettings.h).
    explicit MakerWindow(const SetFolders& folders, const QString& settingsFile = {},
                         QWidget* parent = nullptr);
    ~MakerWindow() override;

    // Starts reading the picture files (folders stand for the pictures in them) and adds each
    // as it is read, telling the player about each one that can't be added and why.
    void addFiles(const QStringList& paths);
    // Starts reading the picture that takes the place of picture `row`.
    void replacePicture(int row, const QString& file);
    // Starts reading the picture that becomes the card back.
    void setBackPicture(const QString& file);
    // Opens the set, once unsaved changes are saved or discarded (asking first).
    void openSet(const SavedSet& set);
    // Starts a new, empty set, once unsaved changes are saved or discarded (asking first).
    void newSet();
    // Moves the player's own set to the trash, asking first. True when it was moved.
    bool removeSet(const SavedSet& set);
    // Saves the set when it meets the rules, asking before it replaces another set of the
    // player's own. True when it was saved.
    bool saveSet();

    // Whether the set differs from the one last opened or saved (or from an empty one).
    bool hasUnsavedChanges() const;
    // Whether pictures are being read.
    bool isLoading() const;
    const CardSetDraft& draft() const { return draft_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the pictures being read are for.
    enum class LoadKind { Add, Replace, Back, Open };
    struct Load {
        LoadKind kind = LoadKind::Add;
        QStringList files;  // what each read is of, to name it to the player
        int row = -1;       // for Replace: the picture replaced
        SetOpening opening;
        QStringList refused;
    };

    void buildLayout();
    QWidget* buildPictureEditor();
    QWidget* buildBackPicker();
    QWidget* buildMessages();

    // MakerWindow.cpp: editing.
    void choosePictures();
    void chooseReplacement();
    void chooseBack(int index);
    QStringList askForPictures(const QString& title, bool several);
    void showSelected();
    void editBack();
    void keepOnlySelectedDecoded();
    void refreshFace(int row);
    void refreshFaceTexts();
    void refreshBack();
    void refreshZoom();
    void showProgress(int done, int total);
    void refreshRules();
    // What keeps the set from being saved: its pictures' problems and a name that can't be used.
    QStringList saveProblems() const;
    void refreshActions();
    void removeSelected();
    void renameSelected(const QString& name);
    void changeCrop(const Crop& crop);
    void clearSet();
    int selectedRow() const;

    // MakerWindowLoad.cpp: reading pictures.
    void startLoad(Load load, std::vector<std::function<PictureRead()>> reads);
    void pictureArrived(int index, const PictureRead& read);
    void addArrived(Picture picture);
    void replaceArrived(Picture picture);
    void openArrived(int index, Picture picture);
    void loadFinished(bool cancelled);
    void showOpenedSet(SetOpening opening);
    void showOpenedSetReady();

    // MakerWindowSave.cpp: saving and removing.
    // Saves or discards unsaved changes as the player says; false when they cancel.
    bool settleChanges();
    bool confirmReplace(const QString& existing);
    // The player's set that saving replaces (empty for none); `ask` asks before replacing one
    // other than the set being changed, and null means the player said no.
    std::optional<QString> folderReplacedBySave(const NameCheck& name, bool ask);
    void markSaved();
    void refreshSetList(const QString& chosenFolder = {});

    SetFolders folders_;
    QString settingsFile_;
    CardSetDraft draft_;
    DraftState savedState_;  // as last opened or saved
    PictureLoader* loader_ = nullptr;
    Load load_;

    QLineEdit* setName_ = nullptr;
    QPushButton* add_ = nullptr;
    SetList* sets_ = nullptr;
    QListWidget* faces_ = nullptr;
    CropView* cropView_ = nullptr;
    QPushButton* zoomIn_ = nullptr;
    QPushButton* zoomOut_ = nullptr;
    QLineEdit* pictureName_ = nullptr;
    QLabel* lookAlike_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* remove_ = nullptr;
    QComboBox* back_ = nullptr;
    QPushButton* backPreview_ = nullptr;
    bool editingBack_ = false;  // the crop view shows the back picture, not a face
    QLabel* rules_ = nullptr;
    QCheckBox* keepAlike_ = nullptr;
    QLabel* saved_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* progressText_ = nullptr;  // beside the bar: "2 of 18 pictures read"
    QPushButton* cancel_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace tavro::cardmaker
