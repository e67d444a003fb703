// SPDX-License-Identifier: GPL-3.0-or-later
// The card-set maker's window: the player adds pictures (file dialog, or files and folders
// dropped onto the window), sees the 18 faces as they will look on a card, picks the square part
// of each picture, renames or removes it, picks a card back (and the square of a back picture of
// their own, by clicking its preview), names the set and saves it. The rules the set must meet
// are shown in the window at all times.
#pragma once

#include <QWidget>

#include "cardmaker/CardSetDraft.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavro::cardmaker {

class CropView;

class MakerWindow : public QWidget {
    Q_OBJECT
public:
    explicit MakerWindow(const SetFolders& folders, QWidget* parent = nullptr);

    // Adds the picture files (folders stand for the pictures in them), telling the player about
    // each one that can't be added and why.
    void addFiles(const QStringList& paths);
    // Makes the picture the card back; false (with the reason shown) when it can't be read.
    bool setBackPicture(const QString& file);
    // Saves the set when it meets the rules, asking before it replaces the player's own set.
    // True when it was saved.
    bool saveSet();
    const CardSetDraft& draft() const { return draft_; }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildLayout();
    QWidget* buildPictureEditor();
    QWidget* buildBackPicker();
    void choosePictures();
    void chooseBack(int index);
    void showSelected();
    void editBack();
    void refreshFace(int row);
    void refreshBack();
    void refreshRules();
    void removeSelected();
    void renameSelected(const QString& name);
    void moveCrop(const QPointF& centre);
    int selectedRow() const;
    QStringList expandFolders(const QStringList& paths) const;
    bool confirmReplace(const QString& existing);

    SetFolders folders_;
    CardSetDraft draft_;
    QLineEdit* setName_ = nullptr;
    QListWidget* faces_ = nullptr;
    CropView* cropView_ = nullptr;
    QLineEdit* pictureName_ = nullptr;
    QPushButton* remove_ = nullptr;
    QComboBox* back_ = nullptr;
    QPushButton* backPreview_ = nullptr;
    bool editingBack_ = false;  // the crop view shows the back picture, not a face
    QLabel* rules_ = nullptr;
    QLabel* saved_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace tavro::cardmaker
