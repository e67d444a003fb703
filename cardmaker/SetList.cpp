// SPDX-License-Identifier: GPL-3.0-or-later
// The list of card sets to open, with its buttons.
#include "cardmaker/SetList.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "dialogkit/ShownText.h"

namespace tavro::cardmaker {
namespace {

// The list asks for room for names of up to this many average characters; longer ones are
// elided in their middle.
constexpr int kNameCharactersWanted = 34;

// Items that take the list's width, never more: a list view makes an item at least as wide as
// its text, and cuts it off at the list's edge; an item no wider than the list has its text
// elided in the middle where it is too long.
class ListWideItems : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {0, QStyledItemDelegate::sizeHint(option, index).height()};
    }
};

}  // namespace

SetList::SetList(QWidget* parent) : QGroupBox(tr("Card se&ts"), parent) {
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("sets"));
    list_->setAccessibleName(tr("Card sets"));
    list_->setMinimumHeight(list_->fontMetrics().lineSpacing() * 3);
    list_->setItemDelegate(new ListWideItems(list_));
    list_->setTextElideMode(Qt::ElideMiddle);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    open_ = new QPushButton(tr("&Open"));
    open_->setObjectName(QStringLiteral("openSet"));
    remove_ = new QPushButton(tr("Remo&ve..."));
    remove_->setObjectName(QStringLiteral("removeSet"));
    remove_->setToolTip(tr("Move the card set to the trash, from where it can be restored."));
    new_ = new QPushButton(tr("Ne&w set"));
    new_->setObjectName(QStringLiteral("newSet"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(remove_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    layout->addWidget(new_);

    const auto request = [this](void (SetList::*signal)(const SavedSet&)) {
        if (const SavedSet* set = chosen(); set && actionsEnabled_) {
            emit(this->*signal)(*set);
        }
    };
    connect(open_, &QPushButton::clicked, this, [request] { request(&SetList::openRequested); });
    connect(list_, &QListWidget::itemActivated, this,
            [request] { request(&SetList::openRequested); });
    connect(remove_, &QPushButton::clicked, this,
            [request] { request(&SetList::removeRequested); });
    connect(new_, &QPushButton::clicked, this, [this] { emit newRequested(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { refreshButtons(); });
    refreshButtons();
}

void SetList::showSets(std::vector<SavedSet> sets, const QString& chosenFolder) {
    const SavedSet* before = chosen();
    const QString keep = !chosenFolder.isEmpty() ? chosenFolder
                         : before                ? before->folder
                                                 : QString();
    sets_ = std::move(sets);
    list_->clear();
    int chosenRow = -1;
    for (const SavedSet& set : sets_) {
        const QString name = ShownText(set.shownName);
        const QString text = set.playersOwn ? name : tr("%1 (comes with the game)").arg(name);
        auto* item = new QListWidgetItem(text, list_);
        // The whole name, also where the list elides it.
        item->setToolTip(text + u'\n' +
                         (set.playersOwn
                              ? ShownText(set.folder)
                              : tr("Comes with the game: open it as a starting point for a set "
                                   "of your own.")));
        if (set.folder == keep || set.folderName == keep) {
            chosenRow = list_->count() - 1;
        }
    }
    list_->setCurrentRow(chosenRow);
    refreshButtons();
    updateGeometry();
}

QSize SetList::sizeHint() const {
    // Room for the widest name, up to a limit, beside the text's margins, the list's frame and
    // its scroll bar.
    const QFontMetrics metrics = list_->fontMetrics();
    int widest = 0;
    for (int row = 0; row < list_->count(); ++row) {
        widest = std::max(widest, metrics.horizontalAdvance(list_->item(row)->text()));
    }
    widest = std::min(widest, metrics.averageCharWidth() * kNameCharactersWanted);
    const int textMargins =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1);
    const int listWidth = widest + textMargins + 2 * list_->frameWidth() +
                          list_->verticalScrollBar()->sizeHint().width();
    // The box around the list: its frame, margins and title.
    const QSize hint = QGroupBox::sizeHint();
    const int box = hint.width() - list_->sizeHint().width();
    return {std::max(minimumSizeHint().width(), box + listWidth), hint.height()};
}

const SavedSet* SetList::chosen() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(sets_.size()) ? &sets_[row] : nullptr;
}

void SetList::setActionsEnabled(bool enabled) {
    actionsEnabled_ = enabled;
    refreshButtons();
}

void SetList::refreshButtons() {
    const SavedSet* set = chosen();
    open_->setEnabled(actionsEnabled_ && set);
    remove_->setEnabled(actionsEnabled_ && set && set->playersOwn);
    new_->setEnabled(actionsEnabled_);
}

}  // namespace tavro::cardmaker
