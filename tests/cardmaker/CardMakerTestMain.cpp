// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for the maker's window tests: they need a QApplication, on one offscreen screen of
// 1024 x 768 pixels, a common small laptop's, whatever screen Qt's offscreen platform makes of
// its own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!folder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1024,
                        "height": 768, "logicalDpi": 96}]})") < 0) {
        return 2;
    }
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
