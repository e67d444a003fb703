// SPDX-License-Identifier: GPL-3.0-or-later
// The Leads dialog: builds the table of ten rows, fills it from "leads.dat" on every showing and
// after Clear, and closes on Enter, Escape, OK or the close box.
#include "scores/Unit3.h"

#include <QFontInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QToolButton>
#include <exception>

#include "dialogkit/DialogLook.h"
#include "dialogkit/ErrorReport.h"
#include "dialogkit/KeyboardReach.h"
#include "dialogkit/ShownText.h"
#include "scores/LeadsFile.h"
#include "scores/LockPrompt.h"
#include "scores/Unit3Access.h"
#include "tavro/ProgramInfo.h"

namespace tavro {
namespace {

constexpr int kClientWidth = 202;
constexpr int kClientHeight = 235;
constexpr int kRowsTop = 32;
constexpr int kRowHeight = 16;
constexpr int kNameLeft = 40;
constexpr int kPointsLeft = 136;
// The panel's raised and lowered bevels, one pixel each, run along the dialog's right edge.
constexpr int kVisibleRight = kClientWidth - 2;
// A score too wide for its column is drawn narrower, down to half its width, rather than cut.
constexpr int kStretchStep = 5;
constexpr int kNarrowestStretch = 50;

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
    auto* label = new QLabel(parent);
    // Names come from a file anyone can edit: never markup.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
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

// The points column keeps its left edge; a score that would run past the panel's inner edge
// ("-2147483648" does in most sans-serif faces) is drawn in a narrower font instead.
void SetPointsText(QLabel* label, const QString& text) {
    label->setFont(QFont());  // the dialog's font again, for a score that fits
    SetLabelText(label, text);
    const int room = kVisibleRight - label->x();
    QFont narrower = label->font();
    for (int stretch = 100 - kStretchStep; label->width() > room && stretch >= kNarrowestStretch;
         stretch -= kStretchStep) {
        narrower.setStretch(stretch);
        label->setFont(narrower);
        label->adjustSize();
    }
    // A face that cannot be stretched gets smaller instead.
    for (int pixels = QFontInfo(narrower).pixelSize(); label->width() > room && pixels > 1;) {
        narrower.setPixelSize(--pixels);
        label->setFont(narrower);
        label->adjustSize();
    }
}

}  // namespace

TForm3::TForm3(LeadsTable& leads, InputGate& gate, QWidget* mainWindow)
    : ToolDialog(mainWindow, TitleButtons::CloseBox, gate), leads_(leads) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Leads"));
    setFixedSize(kClientWidth, kClientHeight);
}

void TForm3::BuildControls() {
    ApplyDialogLook(*this);
    InstallLeadsAccessibility();

    // Raised outer bevel on the panel itself, lowered inner bevel just inside it.
    QFrame* panel = controls_.panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, kClientWidth, kClientHeight);
    SetBackground(panel, Qt::white);
    MarkLeadsTable(panel);
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
    ReachByKeyboard(controls_.clear);
    ReachByKeyboard(controls_.ok);
    ReadLeadsByKeyboard(panel);
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
        MarkLeadsCell(controls_.ranks[index], place, 0);
        MarkLeadsCell(controls_.names[index], place, 1);
        MarkLeadsCell(controls_.points[index], place, 2);
    }
}

void TForm3::FillRows() {
    try {
        if (!RunWithLeadsLock(this, [this](auto lockLimit) { LoadLeads(leads_, lockLimit); })) {
            return;  // the rows keep what they showed
        }
    } catch (...) {
        ReportException(this, std::current_exception());
        return;
    }
    for (int place = 0; place < kLeadPlaces; ++place) {
        const auto index = static_cast<std::size_t>(place);
        SetLabelText(NameLabel(place), ShownText(LeadNameText(leads_, place)));
        SetPointsText(PointsLabel(place), QString::number(leads_.LeadPoints[index]));
    }
}

void TForm3::FormShow() {
    FillRows();
    // The table takes the focus, so that a screen reader reads the places; the keys it does not
    // use (Enter, Escape) still reach the dialog, and Tab goes on to the buttons.
    Panel1()->setFocus(Qt::OtherFocusReason);
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
        // "shure" is the program's own spelling of this question: keep it.
        QMessageBox box(QMessageBox::Question, QStringLiteral(TAVRO_PROGRAM_NAME),
                        tr("Are you shure?"), QMessageBox::Yes | QMessageBox::No, this);
        box.setWindowModality(Qt::ApplicationModal);
        if (box.exec() == QMessageBox::Yes) {
            RunWithLeadsLock(this, [](auto lockLimit) { ClearLeads(lockLimit); });
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
