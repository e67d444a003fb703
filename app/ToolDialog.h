// The common frame of the program's dialogs: a modal tool window (small caption) that stays on
// top, centred over the main window the first time it is shown and shown where it was left
// after that.
#pragma once

#include <QDialog>
#include <QPoint>

namespace tavro {

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    enum class TitleButtons { CloseBox, None };

    ToolDialog(QWidget* mainWindow, TitleButtons buttons);

    void setVisible(bool visible) override;

private:
    bool shownBefore_ = false;
    QPoint lastPosition_;
};

}  // namespace tavro
