// The Options dialog. The card set list is read from the "gfx" folder every time the dialog is
// shown; the preview timer shows the set's card back and its 18 faces in turn at the speed of
// the chosen delay.
#include "dialogs/Unit4.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QToolButton>
#include <exception>

#include "app/DialogLook.h"
#include "app/ErrorReport.h"
#include "controls/PictureBox.h"
#include "controls/RXSlider.h"
#include "dialogs/PlainTextItemDelegate.h"
#include "game/GameEngine.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

constexpr QSize kClientSize{315, 178};
constexpr int kInitialPreviewInterval = 500;
constexpr std::int32_t kDesignTimeDelay = 100;
constexpr std::int32_t kMaxDelay = 2000;
constexpr std::int32_t kDelayStep = 50;
constexpr std::int32_t kSliderEdgeSize = 4;

const QString kMainCaptionPrefix = QStringLiteral("Tavro Memory: ");

}  // namespace

TForm4::TForm4(SharedState& state, GameEngine& engine, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::CloseBox),
      state_(state),
      engine_(engine),
      mainWindow_(mainWindow),
      executableFolder_(ExecutableFolder()) {
    BuildControls();
    FormCreate();
}

void TForm4::BuildControls() {
    setWindowTitle(QStringLiteral("Options"));
    ApplyDialogLook(*this, kClientSize);

    GroupBox1 = new QGroupBox(QStringLiteral("Cards"), this);
    GroupBox1->setGeometry(9, 8, 297, 73);

    ComboBox1 = new QComboBox(GroupBox1);
    ComboBox1->setGeometry(8, 27, 217, 21);
    ComboBox1->setEditable(false);
    ComboBox1->setFrame(false);
    ComboBox1->setStyleSheet(
        QStringLiteral("QComboBox { border: 1px solid #808080; background: white; "
                       "padding-left: 3px; }"));
    ComboBox1->setItemDelegate(new PlainTextItemDelegate(ComboBox1));
    ComboBox1->setCursor(Qt::PointingHandCursor);
    connect(ComboBox1, &QComboBox::activated, this, &TForm4::ComboBox1Change);

    // The preview frame: a raised one-pixel bevel around the picture. Its caption ("ERROR"
    // after a failed load) shows only where no picture covers it.
    Panel1 = new QLabel(GroupBox1);
    Panel1->setGeometry(240, 12, 49, 49);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);
    QPalette framePalette = Panel1->palette();
    framePalette.setColor(QPalette::Window, Qt::white);
    framePalette.setColor(QPalette::WindowText, Qt::red);
    Panel1->setPalette(framePalette);
    QFont frameFont = StandardFont();
    frameFont.setBold(true);
    Panel1->setFont(frameFont);

    Image1 = new PictureBox(Panel1);
    Image1->setGeometry(1, 1, 47, 47);

    Label2 = new QLabel(QStringLiteral("Delay"), this);
    Label2->move(16, 88);
    Label2->adjustSize();

    Label3 = new QLabel(this);
    Label3->move(53, 88);

    RxSlider1 = new TRxSlider(this);
    RxSlider1->setGeometry(9, 104, 297, 33);
    RxSlider1->setMaxValue(kMaxDelay);
    RxSlider1->setIncrement(kDelayStep);  // within 1..2000, so it cannot throw here
    RxSlider1->setEdgeSize(kSliderEdgeSize);
    RxSlider1->setOptions(TSliderOptions(soShowFocus) | soShowPoints);
    RxSlider1->setValue(kDesignTimeDelay);
    RxSlider1->setCursor(Qt::PointingHandCursor);
    // Connected only now, so that building the dialog leaves FlipDelay alone.
    connect(RxSlider1, &TRxCustomSlider::OnChange, this, &TForm4::RxSlider1Change);

    SpeedButton1 = MakeSpeedButton(this, QStringLiteral("OK"), QRect(233, 146, 73, 25), Qt::black);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm4::SpeedButton1Click);

    setTabOrder(ComboBox1, RxSlider1);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kInitialPreviewInterval);
    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
}

void TForm4::setExecutableFolder(const QString& folder) {
    executableFolder_ = folder;
}

void TForm4::setVisible(bool visible) {
    const bool showing = visible && !isVisible();
    const bool hiding = !visible && isVisible();
    if (showing) {
        FormShow();  // before the window appears
    }
    ToolDialog::setVisible(visible);
    if (hiding) {
        FormHide();
    }
}

QString TForm4::DelayText(std::int32_t flipDelay) {
    const double seconds = flipDelay / 1000.0;
    return QLocale().toString(seconds, 'g', QLocale::FloatingPointShortest) +
           QStringLiteral(" sec");
}

void TForm4::FormCreate() {
    SetTimerEnabled(false);
}

void TForm4::FormShow() {
    try {
        RxSlider1->setValue(state_.Config.FlipDelay);  // may run RxSlider1Change
        SetDelayLabel();
        state_.InputState = kInputBusy;
        FillCardSetList();
        SelectCurrentCardSet();
        previewStep_ = 0;
        // With no entry naming the stored set (its folder was renamed or removed, or differs in
        // letter case) the previous name and card folder stay: an empty name would leave the
        // next deal without a card back, which ends the program.
        if (ComboBox1->currentIndex() >= 0) {
            state_.Config.CardSetName = ComboBox1->currentText().toStdString();
            BuildCardFolder(state_.Config, executableFolder_);
        }
        SetTimerEnabled(true);
        optionsChanged_ = false;  // also forgets the change the slider reported above
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

// The set folders under "gfx", in the order the file system lists them (deliberately unsorted).
void TForm4::FillCardSetList() {
    ComboBox1->clear();
    QDirIterator folders(CardSetsFolder(executableFolder_), QDir::Dirs | QDir::NoDotAndDotDot);
    while (folders.hasNext()) {
        folders.next();
        const QString name = folders.fileName();
        if (!name.isEmpty() && !name.startsWith(u'.')) {
            ComboBox1->addItem(name);
        }
    }
}

// Selects the entry that equals CardSetName exactly, letter case included; none when no entry
// does (QComboBox selects its first entry by itself as soon as it has one).
void TForm4::SelectCurrentCardSet() {
    const QString current = QString::fromStdString(state_.Config.CardSetName);
    ComboBox1->setCurrentIndex(
        ComboBox1->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void TForm4::ComboBox1Change(int index) {
    try {
        previewStep_ = 0;  // the next tick shows the new set's card back
        const QString name = ComboBox1->itemText(index);
        state_.Config.CardSetName = name.toStdString();
        if (mainWindow_ != nullptr) {
            mainWindow_->setWindowTitle(kMainCaptionPrefix + name);
        }
        BuildCardFolder(state_.Config, executableFolder_);
        SetTimerEnabled(true);
        optionsChanged_ = true;
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm4::RxSlider1Change() {
    try {
        state_.Config.FlipDelay = RxSlider1->Value();
        SetTimerInterval(state_.Config.FlipDelay);
        SetDelayLabel();
        optionsChanged_ = true;
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm4::Timer1Timer() {
    const QString folder = QString::fromStdString(state_.Config.CardFolder);
    try {
        if (previewStep_ == 0) {
            ShowPreviewPicture(folder + QStringLiteral("space.bmp"));
            previewStep_ = 1;
        } else {
            ShowPreviewPicture(folder + QString::number(previewStep_) + QStringLiteral(".bmp"));
            ++previewStep_;
            if (previewStep_ == kFaceCount + 1) {
                previewStep_ = 0;
            }
        }
    } catch (...) {
        // The same picture is tried again at the next tick; the frame says why nothing moves.
        Panel1->setText(QStringLiteral("ERROR"));
    }
}

void TForm4::ShowPreviewPicture(const QString& fileName) {
    LoadPicture(*Image1, fileName);
    Image1->repaint();  // shown at once, without waiting for the next paint cycle
}

void TForm4::SpeedButton1Click() {
    accept();
}

void TForm4::FormHide() {
    try {
        SetTimerEnabled(false);
        if (optionsChanged_) {
            state_.InputState = kInputBusy;
            engine_.NewGame();  // deals with the current card folder and opens the gate
        } else {
            state_.InputState = kInputReady;
        }
    } catch (...) {
        state_.InputState = kInputReady;  // never leave the game locked behind a failed deal
        ReportException(this, std::current_exception());
    }
}

void TForm4::SetDelayLabel() {
    Label3->setText(DelayText(state_.Config.FlipDelay));
    Label3->adjustSize();
}

void TForm4::SetTimerEnabled(bool enabled) {
    timerEnabled_ = enabled;
    UpdateTimerRunning();
}

void TForm4::SetTimerInterval(int milliseconds) {
    if (milliseconds == Timer1->interval()) {
        return;  // the same interval keeps the current period
    }
    Timer1->stop();  // a new interval starts a new period
    Timer1->setInterval(milliseconds);
    UpdateTimerRunning();
}

void TForm4::UpdateTimerRunning() {
    const bool ticks = timerEnabled_ && Timer1->interval() > 0;
    if (!ticks) {
        Timer1->stop();
    } else if (!Timer1->isActive()) {
        Timer1->start();
    }
}

}  // namespace tavro
