// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's window: the rules a set must meet, saving it (again, under its own name or a new
// one), the question before unsaved changes would be lost, opening and removing sets.
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>

#include "cardmaker/MakerWindow.h"
#include "cardmaker/MakerWindowGuard.h"
#include "cardmaker/PictureLoader.h"
#include "cardmaker/SetList.h"
#include "cardmaker/SetWriter.h"
#include "dialogkit/ShownText.h"

namespace tavro::cardmaker {

bool MakerWindow::hasUnsavedChanges() const {
    // A set being opened is not changed by its pictures arriving.
    if (isLoading() && load_.kind == LoadKind::Open) {
        return false;
    }
    return !(StateOf(draft_, setName_->text()) == savedState_);
}

QStringList MakerWindow::saveProblems() const {
    QStringList problems = PictureProblems(
        draft_.pictures, keepAlike_->isChecked() ? LookAlikes::Allowed : LookAlikes::Refused);
    const NameCheck name = CheckSetName(setName_->text(), folders_);
    if (name.use == NameUse::Refused) {
        problems << name.problem;
    }
    return problems;
}

std::optional<QString> MakerWindow::folderReplacedBySave(const NameCheck& name, bool ask) {
    // The set being changed, while it is still there: saving under another name renames it.
    const QString editing =
        !draft_.editing.isEmpty() && QFileInfo(folders_.player + draft_.editing).isDir()
            ? draft_.editing
            : QString();
    switch (name.use) {
        case NameUse::Free:
            return editing;
        case NameUse::PlayersOwn:
            if (!editing.isEmpty() &&
                name.existingFolder.compare(editing, Qt::CaseInsensitive) == 0) {
                return name.existingFolder;
            }
            if (ask && !confirmReplace(name.existingFolder)) {
                return std::nullopt;
            }
            return name.existingFolder;
        case NameUse::Refused:
            break;
    }
    return std::nullopt;
}

void MakerWindow::refreshRules() {
    const QStringList problems = saveProblems();
    save_->setEnabled(problems.isEmpty() && !isLoading());
    if (!problems.isEmpty()) {
        rules_->setText(problems.join(u'\n'));
        return;
    }
    const NameCheck name = CheckSetName(setName_->text(), folders_);
    const QString replaced = folderReplacedBySave(name, false).value_or(QString());
    if (name.use == NameUse::PlayersOwn &&
        replaced.compare(draft_.editing, Qt::CaseInsensitive) != 0) {
        rules_->setText(name.problem + u' ' + tr("Saving replaces it."));
    } else if (name.use == NameUse::Free && !replaced.isEmpty()) {
        rules_->setText(tr("Saving renames your card set \"%1\" to \"%2\".")
                            .arg(ShownText(replaced), ShownText(SetNameOf(setName_->text()))));
    } else if (!hasUnsavedChanges() && !draft_.editing.isEmpty()) {
        // The set is saved as it shows: saving again would write the same.
        rules_->setText(tr("All changes are saved."));
    } else {
        rules_->setText(tr("Ready to save."));
    }
}

bool MakerWindow::confirmReplace(const QString& existing) {
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    tr("Replace your card set \"%1\" with the new one?").arg(ShownText(existing)),
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
    const std::optional<QString> replacing =
        folderReplacedBySave(CheckSetName(draft_.name, folders_), true);
    if (!replacing) {
        return false;
    }
    QString folder;
    try {
        folder = WriteCardSet(RenderCardSet(draft_), folders_.player, *replacing);
    } catch (const SetWriteError& error) {
        ReportError(this, QString::fromStdString(error.what()));
        return false;
    }
    draft_.name = SetNameOf(draft_.name);
    draft_.editing = draft_.name;
    setName_->setText(draft_.name);
    markSaved();
    refreshSetList(draft_.editing);
    saved_->setText(tr("Saved in %1. The game's Options list the set the next time they open.")
                        .arg(QDir::toNativeSeparators(folder)));
    return true;
}

void MakerWindow::markSaved() {
    savedState_ = StateOf(draft_, setName_->text());
    refreshRules();
}

bool MakerWindow::settleChanges() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    const QStringList problems = saveProblems();
    const QString name = ShownText(SetNameOf(setName_->text()));
    QString text = name.isEmpty()
                       ? tr("Do you want to save the new card set?")
                       : tr("Do you want to save the changes to the card set \"%1\"?").arg(name);
    text += QStringLiteral("\n\n") +
            (problems.isEmpty() ? tr("Your changes are lost if you don't save them.")
                                : tr("It cannot be saved yet:") + u'\n' + problems.join(u'\n'));
    QMessageBox box(QMessageBox::Warning, windowTitle(), text,
                    problems.isEmpty()
                        ? QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel
                        : QMessageBox::Discard | QMessageBox::Cancel,
                    this);
    box.setObjectName(QStringLiteral("unsavedChanges"));
    box.setTextFormat(Qt::PlainText);
    // Texts of our own, with access keys that differ in every language (Qt's own have none for
    // Discard, and are translated only where Qt's translations are installed).
    if (QAbstractButton* save = box.button(QMessageBox::Save)) {
        save->setText(tr("&Save"));
    }
    box.button(QMessageBox::Discard)->setText(tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(tr("&Cancel"));
    box.setDefaultButton(problems.isEmpty() ? QMessageBox::Save : QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return saveSet();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

void MakerWindow::closeEvent(QCloseEvent* event) {
    bool close = true;
    Guarded(this, [&] {
        loader_->cancel();  // what was read so far stays, to be saved or not
        close = settleChanges();
    });
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MakerWindow::openSet(const SavedSet& set) {
    if (isLoading() || !settleChanges()) {
        return;
    }
    showOpenedSet(PlanOpening(set));
    refreshSetList(set.folder);
}

void MakerWindow::newSet() {
    if (isLoading() || !settleChanges()) {
        return;
    }
    clearSet();
    markSaved();
    refreshSetList();
}

bool MakerWindow::removeSet(const SavedSet& set) {
    if (!set.playersOwn || isLoading()) {
        return false;
    }
    QMessageBox box(QMessageBox::Question, windowTitle(),
                    tr("Move your card set \"%1\" to the trash?").arg(ShownText(set.shownName)) +
                        QStringLiteral("\n\n") + tr("You can restore it from the trash."),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName(QStringLiteral("removeQuestion"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes) {
        return false;
    }
    const TrashMove move = MoveSetToTrash(set);
    if (!move.problem.isEmpty()) {
        ReportError(this, move.problem);
        return false;
    }
    if (draft_.editing.compare(set.folderName, Qt::CaseInsensitive) == 0) {
        // The window still holds the set: it is now a new set, not saved anywhere.
        draft_.editing.clear();
        savedState_ = StateOf(CardSetDraft(), QString());
    }
    saved_->setText(tr("\"%1\" was moved to the trash.").arg(ShownText(set.shownName)));
    refreshSetList();
    refreshRules();
    return true;
}

void MakerWindow::refreshSetList(const QString& chosenFolder) {
    sets_->showSets(ListSavedSets(folders_), chosenFolder);
}

void MakerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && !isLoading()) {
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

}  // namespace tavro::cardmaker
