// SPDX-License-Identifier: GPL-3.0-or-later
// The "&Play" menu's items and dialogs; see PlayMenu.h.
#include "app/PlayMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QDialog>
#include <QMenu>
#include <utility>

#include "dialogkit/MenuKeys.h"
#include "players/ComputerDialog.h"
#include "players/TwoPlayersDialog.h"

namespace tavro {

PlayMenu::PlayMenu(QMenu* menu, PlaySettings& play, InputGate& gate, QWidget* window)
    : QObject(menu), play_(play), gate_(gate), window_(window) {
    auto* modes = new QActionGroup(menu);
    OnePlayer1 = AddItem(menu, "OnePlayer1", tr("&One player"), true);
    TwoPlayers1 = AddItem(menu, "TwoPlayers1", tr("&Two players…"), true);
    AgainstComputer1 = AddItem(menu, "AgainstComputer1", tr("Against the &computer…"), true);
    for (QAction* mode : {OnePlayer1, TwoPlayers1, AgainstComputer1}) {
        modes->addAction(mode);
    }
    OnePlayer1->setChecked(true);

    menu->addSeparator();
    Sounds1 = AddItem(menu, "Sounds1", tr("So&unds"), true);
    Animatecards1 = AddItem(menu, "Animatecards1", tr("A&nimate cards"), true);
    Saythescore1 = AddItem(menu, "Saythescore1", tr("Say the &score"), false);
    Saythescore1->setShortcut(QKeySequence(Qt::Key_F6));
    Repeatthecomputersturn1 =
        AddItem(menu, "Repeatthecomputersturn1", tr("Re&peat the computer's turn"), false);
    Repeatthecomputersturn1->setShortcut(QKeySequence(Qt::Key_F7));

    menu->addSeparator()->setObjectName(QStringLiteral("N4"));
    RecordGames1 = AddItem(menu, "RecordGames1", tr("&Record games"), true);
    Statistics1 = AddItem(menu, "Statistics1", tr("St&atistics…"), false);
    Statistics1->setShortcut(QKeySequence(Qt::Key_F5));
    menu->addSeparator();
    AddCardSizes(menu);
    TellMenuItems(menu);  // so that a screen reader says "Statistics… F5"
}

void PlayMenu::AddCardSizes(QMenu* menu) {
    CardSize1 = menu->addMenu(tr("Card si&ze"));
    CardSize1->setObjectName(QStringLiteral("CardSize1"));
    auto* sizes = new QActionGroup(CardSize1);
    const std::array<std::pair<const char*, QString>, 5> items = {{
        {"SizeNormal1", tr("&Normal")},
        {"Size1501", tr("1&50 %")},
        {"Size2001", tr("&200 %")},
        {"Size3001", tr("&300 %")},
        {"SizeFit1", tr("&Fit the screen")},
    }};
    for (std::size_t size = 0; size < items.size(); ++size) {
        QAction* item = AddItem(CardSize1, items[size].first, items[size].second, true);
        item->setData(static_cast<int>(size));
        sizes->addAction(item);
        Sizes[size] = item;
    }
    Sizes[0]->setChecked(true);
    CardSize1->addSeparator();
    Larger1 = AddItem(CardSize1, "Larger1", tr("&Larger"), false);
    Larger1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    Smaller1 = AddItem(CardSize1, "Smaller1", tr("&Smaller"), false);
    Smaller1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    NormalSize1 = AddItem(CardSize1, "NormalSize1", tr("N&ormal size"), false);
    NormalSize1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    TellMenuItems(CardSize1);  // "300 % radio button", "Larger Ctrl++"
}

QAction* PlayMenu::AddItem(QMenu* menu, const char* name, const QString& caption, bool checkable) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    return action;
}

bool PlayMenu::AskTwoPlayers() {
    if (twoPlayersDialog_ == nullptr) {
        twoPlayersDialog_ = new TwoPlayersDialog(play_, gate_, window_);
    }
    return twoPlayersDialog_->exec() == QDialog::Accepted;
}

bool PlayMenu::AskAgainstComputer() {
    if (computerDialog_ == nullptr) {
        computerDialog_ = new ComputerDialog(play_, gate_, window_);
    }
    return computerDialog_->exec() == QDialog::Accepted;
}

void PlayMenu::ShowSettings() {
    switch (play_.Mode) {
        case PlayMode::OnePlayer:
            OnePlayer1->setChecked(true);
            break;
        case PlayMode::TwoPlayers:
            TwoPlayers1->setChecked(true);
            break;
        case PlayMode::AgainstComputer:
            AgainstComputer1->setChecked(true);
            break;
    }
    Repeatthecomputersturn1->setEnabled(play_.Mode == PlayMode::AgainstComputer);
    Sounds1->setChecked(play_.Sounds);
    Animatecards1->setChecked(play_.Animate);
    RecordGames1->setChecked(play_.RecordGames);
    Sizes[static_cast<std::size_t>(play_.Size)]->setChecked(true);
}

}  // namespace tavro
