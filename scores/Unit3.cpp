// The Leads dialog: builds the table of ten rows, fills it from "leads.dat" on every showing and
// after Clear, and closes on Enter, Escape, OK or the close box.
#include "scores/Unit3.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <exception>

#include "game/InputGate.h"
#include "scores/LeadsFile.h"
#include "widgets/DialogLook.h"
#include "widgets/ErrorReport.h"

namespace tavro {
namespace {

constexpr int kClientWidth = 202;
constexpr int kClientHeight = 235;
constexpr int kRowsTop = 32;
constexpr int kRowHeight = 16;
constexpr int kNameLeft = 40;
constexpr int kPointsLeft = 136;

// The designer names of the rank labels, place 1 first ("8" was added last, as Label3).
constexpr std::array<int, kLeadPlaces> kRankLabelNumbers = {9, 10, 11, 12, 13, 14, 15, 3, 16, 17};

QColor RowColour(int placeIndex) {
    switch (placeIndex) {
        case 0:
            return QColor(255, 0, 0);
        case 1:
            return QColor(0, 128, 0);
        case 2:
            return QColor(0, 0, 255);
        default:
            return QColor(0, 0, 0);
    }
}

QLabel* RowLabel(QWidget* parent, int labelNumber, const QString& text, int left, int top,
                 const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("Label%1").arg(labelNumber));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

TForm3::TForm3(LeadsTable& leads, std::uint8_t& inputState, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::CloseBox), leads_(leads), inputState_(inputState) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Leads"));
    setFixedSize(kClientWidth, kClientHeight);
}

void TForm3::BuildControls() {
    ApplyDialogLook(*this);

    // Raised outer bevel on the panel itself, lowered inner bevel just inside it.
    QFrame* panel = controls_.panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, kClientWidth, kClientHeight);
    SetBackground(panel, Qt::white);
    auto* innerBevel = new QFrame(panel);
    innerBevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    innerBevel->setGeometry(1, 1, kClientWidth - 2, kClientHeight - 2);

    controls_.nameHead = RowLabel(panel, 7, tr("Name"), kNameLeft, 8, Qt::black);
    controls_.pointsHead = RowLabel(panel, 8, tr("Points"), kPointsLeft, 8, Qt::black);
    BuildRows();

    controls_.clear = MakeSpeedButton(panel, tr("Clear"), QRect(8, 200, 73, 25), Qt::black,
                                      QStringLiteral("SpeedButton1"));
    controls_.ok = MakeSpeedButton(panel, tr("OK"), QRect(120, 200, 73, 25), Qt::black,
                                   QStringLiteral("SpeedButton2"));
    connect(controls_.clear, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(controls_.ok, &QToolButton::clicked, this, &TForm3::SpeedButton2Click);
}

void TForm3::BuildRows() {
    for (int place = 0; place < kLeadPlaces; ++place) {
        const auto index = static_cast<std::size_t>(place);
        const int top = kRowsTop + kRowHeight * place;
        const QColor colour = RowColour(place);
        const int rankLeft = place == kLeadPlaces - 1 ? 12 : 16;  // "10" is two digits wide
        controls_.ranks[index] = RowLabel(controls_.panel, kRankLabelNumbers[index],
                                          QString::number(place + 1), rankLeft, top, colour);
        controls_.names[index] =
            RowLabel(controls_.panel, 18 + place, QString(), kNameLeft, top, colour);
        controls_.points[index] =
            RowLabel(controls_.panel, 28 + place, QString(), kPointsLeft, top, colour);
    }
}

void TForm3::FillRows() {
    try {
        LoadLeads(leads_);
    } catch (...) {
        ReportException(this, std::current_exception());
        return;  // the rows keep what they showed
    }
    for (int place = 0; place < kLeadPlaces; ++place) {
        const auto index = static_cast<std::size_t>(place);
        SetLabelText(NameLabel(place), LeadNameText(leads_, place));
        SetLabelText(PointsLabel(place), QString::number(leads_.LeadPoints[index]));
    }
}

void TForm3::FormShow() {
    inputState_ = kInputBusy;
    FillRows();
}

void TForm3::FormHide() {
    inputState_ = kInputReady;
}

void TForm3::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            accept();
            return;
        default:
            event->ignore();
    }
}

void TForm3::SpeedButton1Click() {
    try {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Tavro Memory"), tr("Are you shure?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setWindowModality(Qt::ApplicationModal);
        if (box.exec() == QMessageBox::Yes) {
            ClearLeads();
        }
        FillRows();
    } catch (...) {
        ReportException(this, std::current_exception());
    }
}

void TForm3::SpeedButton2Click() {
    accept();
}

}  // namespace tavro
