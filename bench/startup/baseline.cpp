// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up baseline: a bare Qt program that shows what the game's board shows - a window
// with a menu bar and 36 pictures in the same 6 x 6 layout, each loading the same card back
// file on its own - and nothing else. It quits right after its first paint, as the benchmark's
// build of the game does.
// Usage: startup_baseline <card back file>
#include <QApplication>
#include <QFrame>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>

namespace {

class Picture : public QWidget {
public:
    Picture(const QString& fileName, QWidget* parent) : QWidget(parent), image_(fileName, "BMP") {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(rect(), image_);
        if (last_ && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
    }

public:
    bool last_ = false;  // the last picture painted: its paint means the board is drawn

private:
    QImage image_;
    bool quitting_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const QString cardBack = QString::fromLocal8Bit(argv[1]);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Game"));
    menu->addAction(QStringLiteral("&New"));
    window.menuBar()->addAction(QStringLiteral("&Options"));

    auto* board = new QFrame;
    board->setFixedSize(500, 505);
    window.setCentralWidget(board);
    Picture* last = nullptr;
    for (int tile = 0; tile < 36; ++tile) {
        auto* frame = new QFrame(board);
        frame->setGeometry(32 + 72 * (tile % 6), 24 + 72 * (tile / 6), 70, 70);
        last = new Picture(cardBack, frame);
        last->setGeometry(5, 5, 60, 60);
    }
    last->last_ = true;
    window.show();
    return QApplication::exec();
}
