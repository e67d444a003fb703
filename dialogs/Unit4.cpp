// SPDX-License-Identifier: GPL-3.0-or-later
// The Options dialog. The card set list is read from the two "gfx" folders (beside the program
// and in the player's data folder) every time the dialog is shown, each set under its name in
// the player's language; the preview timer shows the set's card back and its 18 faces in turn at
// the speed of the chosen delay. The main window's caption and the new deal are the main
// window's own: the dialog only says what changed.
#include "dialogs/Unit4.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "controls/RXSlider.h"
#include "controls/RXSliderAccessible.h"
#include "dialogkit/Announcer.h"
#include "dialogkit/DialogLook.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/KeyboardReach.h"
#include "dialogkit/ShownText.h"
#include "dialogs/PlainTextItemDelegate.h"
#include "game/CardSetLayout.h"
#include "settings/CardSet.h"
#include "settings/CardSetInfo.h"
#include "settings/PlayerSets.h"
#include "settings/UsableCardSet.h"

namespace tavro {
namespace {

constexpr QSize kOptionsClientSize{315, 178};
constexpr int kInitialPreviewInterval = 500;
constexpr std::int32_t kDesignTimeDelay = 100;
constexpr std::int32_t kSliderEdgeSize = 4;

}  // namespace

TForm4::TForm4(Settings& settings, InputGate& gate, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::CloseBox, gate),
      settings_(settings),
      mainWindow_(mainWindow),
      executableFolder_(ExecutableFolder()) {
    setWindowTitle(tr("Options"));
    setFixedSize(kOptionsClientSize);
}

void TForm4::BuildControls() {
    ApplyDialogLook(*this);

    QGroupBox* groupBox = controls_.groupBox = new QGroupBox(tr("Cards"), this);
    groupBox->setGeometry(9, 8, 297, 73);
    ApplyClassicFrame(*groupBox);  // the preview frame stands just below the caption's middle

    QComboBox* comboBox = controls_.comboBox = new QComboBox(groupBox);
    comboBox->setGeometry(8, 27, 217, 21);
    comboBox->setEditable(false);
    comboBox->setFrame(false);
    // A thin flat frame that takes the highlight colour while the list has the focus; a focus
    // moved here by key is also marked 2 pixels wide (MarkFocus), which stands out under any
    // palette. The frame's right side is covered by the arrow button's dark bevel: the mark goes
    // just inside it.
    SetFixedStyleSheet(
        *comboBox,
        QStringLiteral("QComboBox { border: 1px solid #808080; background: white; color: black; "
                       "padding-left: 3px; }"
                       "QComboBox:focus { border-color: palette(highlight); }"));
    MarkFocus(comboBox, 2);
    comboBox->setItemDelegate(new PlainTextItemDelegate(comboBox));
    // The drop-down list is white with dark text like the box, whatever the desktop's colours.
    comboBox->view()->setPalette(FixedPalette(*comboBox, Qt::white));
    comboBox->setCursor(Qt::PointingHandCursor);
    comboBox->setAccessibleName(tr("Cards"));  // not the set it shows
    comboBox->installEventFilter(this);
    connect(comboBox, &QComboBox::activated, this, &TForm4::ComboBox1Change);

    // The preview frame: a raised one-pixel bevel around the picture. Its caption ("ERROR"
    // after a failed load) shows only where no picture covers it.
    QLabel* frame = controls_.previewFrame = new QLabel(groupBox);
    frame->setGeometry(240, 12, 49, 49);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(1);
    frame->setAlignment(Qt::AlignCenter);
    frame->setAutoFillBackground(true);
    QPalette framePalette = FixedPalette(*frame, Qt::white);
    framePalette.setColor(QPalette::WindowText, Qt::red);
    frame->setPalette(framePalette);
    QFont frameFont = StandardFont();
    frameFont.setBold(true);
    frame->setFont(frameFont);

    controls_.preview = new PictureBox(frame);
    controls_.preview->setGeometry(1, 1, 47, 47);
    controls_.preview->setAccessibleName(tr("Preview of the cards"));

    controls_.delayCaption = new QLabel(tr("Delay"), this);
    controls_.delayCaption->move(16, 88);
    controls_.delayCaption->adjustSize();

    controls_.delayText = new QLabel(this);
    controls_.delayText->move(53, 88);

    TRxSlider* slider = controls_.slider = new TRxSlider(this);
    slider->setGeometry(9, 104, 297, 33);
    slider->setMaxValue(kMaxFlipDelay);
    slider->setIncrement(kFlipDelayStep);  // within 1..2000, so it cannot throw here
    slider->setEdgeSize(kSliderEdgeSize);
    slider->setOptions(TSliderOptions(soShowFocus) | soShowPoints);
    slider->setValue(kDesignTimeDelay);
    slider->setCursor(Qt::PointingHandCursor);
    MarkFocus(slider);  // beside its own dotted focus rectangle, for a focus moved by key
    // Connected only now, so that building the dialog leaves FlipDelay alone.
    connect(slider, &TRxCustomSlider::OnChange, this, &TForm4::RxSlider1Change);
    // Read in seconds, as the caption above it shows the delay.
    slider->setAccessibleName(tr("Delay in seconds"));
    SetAccessibleValueUnit(slider, 1000.0);

    controls_.ok = MakeSpeedButton(this, tr("OK"), QRect(233, 146, 73, 25), Qt::black);
    connect(controls_.ok, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);
    ReachByKeyboard(controls_.ok);

    setTabOrder(comboBox, slider);
    setTabOrder(slider, controls_.ok);

    // Built once, so the interval the slider last set carries over to the next showing.
    controls_.previewTimer = new QTimer(this);
    controls_.previewTimer->setInterval(kInitialPreviewInterval);
    connect(controls_.previewTimer, &QTimer::timeout, this, &TForm4::Timer1Timer);

    // As a designed form's creation handler runs once its controls exist.
    FormCreate();
}

void TForm4::setExecutableFolder(const QString& folder) {
    executableFolder_ = folder;
}

QString TForm4::DelayText(std::int32_t flipDelay) {
    const double seconds = flipDelay / 1000.0;
    return QLocale().toString(seconds, 'g', QLocale::FloatingPointShortest) + tr(" sec");
}

QString TForm4::DelaySpoken(std::int32_t flipDelay) {
    if (flipDelay == 1000) {
        return tr("1 second");
    }
    const double seconds = flipDelay / 1000.0;
    return tr("%1 seconds").arg(QLocale().toString(seconds, 'g', QLocale::FloatingPointShortest));
}

void TForm4::FormCreate() {
    SetTimerEnabled(false);
}

void TForm4::FormShow() {
    try {
        RxSlider1()->setValue(settings_.FlipDelay);  // may run RxSlider1Change
        SetDelayLabel();
        FillCardSetList();
        SelectCurrentCardSet();
        // Every showing starts on the list, wherever the focus was when the dialog closed.
        ComboBox1()->setFocus(Qt::OtherFocusReason);
        previewStep_ = kCardBack;
        // With no entry naming the stored set (its folder was renamed or removed, or differs in
        // letter case) the previous name and card folder stay: an empty name would leave the
        // next deal without a card back, which ends the program.
        if (ComboBox1()->currentIndex() >= 0) {
            settings_.CardSetName = ComboBox1()->currentData().toString().toStdString();
            BuildCardFolder(settings_, executableFolder_);
        }
        shownCardSetName_ = settings_.CardSetName;
        shownCardFolder_ = settings_.CardFolder;
        shownFlipDelay_ = settings_.FlipDelay;
        SetTimerEnabled(true);
        // Also forgets the change the slider reported above.
        setPicked_ = false;
        delayMoved_ = false;
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

// The set folders beside the program, then the player's sets that are not among them, each in
// the order the file system lists them (deliberately unsorted: ListCardSetFolders' own order).
// A player's set of the same folder name takes the place of the program's, as its folder is the
// one used. Each entry shows the set's name in the player's language (its folder name without
// one) as text to be seen, and keeps the folder name as its data.
void TForm4::FillCardSetList() {
    QComboBox* list = ComboBox1();
    list->clear();
    const QString locale = CardSetLocale();
    for (const CardSetFolderEntry& set : ListCardSetFolders(executableFolder_)) {
        list->addItem(ShownText(CardSetListName(set.folder, set.name, locale)), set.name);
    }
}

// Selects the entry that equals CardSetName exactly, letter case included; none when no entry
// does (QComboBox selects its first entry by itself as soon as it has one).
void TForm4::SelectCurrentCardSet() {
    const QString current = QString::fromStdString(settings_.CardSetName);
    QComboBox* list = ComboBox1();
    list->setCurrentIndex(
        list->findData(current, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TForm4::ComboBox1Change(int index) {
    try {
        previewStep_ = kCardBack;  // the next tick shows the new set's card back
        const QString name = ComboBox1()->itemData(index).toString();
        settings_.CardSetName = name.toStdString();
        BuildCardFolder(settings_, executableFolder_);
        setPicked_ = true;
        emit cardSetChanged();
        SetTimerEnabled(true);
        AnnounceCardSet(index);
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm4::AnnounceCardSet(int index) {
    const QString name = ComboBox1()->itemText(index);
    const int last = ComboBox1()->count() - 1;
    QString text = tr("Cards: %1").arg(name);
    if (last == 0) {
        text = tr("Cards: %1, the only set").arg(name);
    } else if (index == 0) {
        text = tr("Cards: %1, first").arg(name);
    } else if (index == last) {
        text = tr("Cards: %1, last").arg(name);
    }
    AnnouncerOf(this).Announce(text);
}

bool TForm4::eventFilter(QObject* watched, QEvent* event) {
    if (watched == controls_.comboBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int index = controls_.comboBox->currentIndex();
        const bool towardsFirst = key == Qt::Key_Up || key == Qt::Key_PageUp || key == Qt::Key_Home;
        const bool towardsLast =
            key == Qt::Key_Down || key == Qt::Key_PageDown || key == Qt::Key_End;
        // The list stays where it is, and would say nothing.
        if (index >= 0 && ((towardsFirst && index == 0) ||
                           (towardsLast && index == controls_.comboBox->count() - 1))) {
            AnnounceCardSet(index);
        }
    }
    return ToolDialog::eventFilter(watched, event);
}

void TForm4::RxSlider1Change() {
    try {
        settings_.FlipDelay = RxSlider1()->Value();
        SetTimerInterval(settings_.FlipDelay);
        SetDelayLabel();
        delayMoved_ = true;
        if (isVisible() && RxSlider1()->hasFocus()) {
            AnnouncerOf(this).Announce(DelaySpoken(settings_.FlipDelay));  // see SetDelayLabel
        }
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm4::Timer1Timer() {
    try {
        ShowPreviewPicture(previewStep_);
        previewStep_ = previewStep_ == kFaceCount ? kCardBack : previewStep_ + 1;
    } catch (...) {
        // The same picture is tried again at the next tick; the frame says why nothing moves.
        Panel1()->setText(tr("ERROR"));
    }
}

void TForm4::ShowPreviewPicture(std::int32_t face) {
    PictureBox* preview = Image1();
    LoadPicture(*preview, CardPictureFile(QString::fromStdString(settings_.CardFolder), face));
    preview->repaint();  // shown at once, without waiting for the next paint cycle
}

void TForm4::SpeedButton1Click() {
    accept();
}

void TForm4::FormHide() {
    bool setChanged = setPicked_;
    bool delayChanged = delayMoved_;
    try {
        SetTimerEnabled(false);
        if (setChanged && !SettleOnUsableCardSet()) {
            // Back to the set the dialog was shown with, and to its game in progress, unless
            // the delay changed as well, which deals anew as ever.
            setChanged = false;
            delayChanged = settings_.FlipDelay != shownFlipDelay_;
        }
    } catch (...) {
        ReportException(this, std::current_exception());
    }
    emit optionsApplied(setChanged, delayChanged);
}

// A picked set that can't be dealt (no card back, a face missing or broken) is reported and
// replaced by the next usable set: the one the dialog was shown with, as a rule. False when that
// is the set to deal now.
bool TForm4::SettleOnUsableCardSet() {
    if (settings_.CardSetName == shownCardSetName_) {
        return true;
    }
    const CardSetChoice choice =
        ChooseUsableCardSet({settings_.CardSetName, shownCardSetName_}, executableFolder_);
    if (choice.name == settings_.CardSetName) {
        return true;
    }
    const bool shownSet = choice.name.empty() || choice.name == shownCardSetName_;
    settings_.CardSetName = shownSet ? shownCardSetName_ : choice.name;
    settings_.CardFolder = shownCardFolder_;
    if (!shownSet) {
        BuildCardFolder(settings_, executableFolder_);
    }
    emit cardSetChanged();
    if (!choice.notice.isEmpty()) {  // none for a set folder removed meanwhile
        ReportError(mainWindow_, ShownText(choice.notice));
    }
    return !shownSet;
}

void TForm4::SetDelayLabel() {
    QLabel* label = Label3();
    label->setText(DelayText(settings_.FlipDelay));
    label->adjustSize();
    // Screen readers read the slider's value in words, and hear each step from RxSlider1Change.
    SetAccessibleValueText(RxSlider1(), DelaySpoken(settings_.FlipDelay));
}

void TForm4::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    UpdateTimerRunning();
}

void TForm4::SetTimerInterval(int milliseconds) {
    QTimer* timer = Timer1();
    if (milliseconds == timer->interval()) {
        return;  // the same interval keeps the current period
    }
    timer->stop();  // a new interval starts a new period
    timer->setInterval(milliseconds);
    UpdateTimerRunning();
}

void TForm4::UpdateTimerRunning() {
    QTimer* timer = Timer1();
    const bool ticks = timerEnabled_ && timer->interval() > 0;
    if (!ticks) {
        timer->stop();
    } else if (!timer->isActive()) {
        timer->start();
    }
}

}  // namespace tavro
