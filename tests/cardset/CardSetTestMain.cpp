// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry: the picture control needs a QApplication, ExecutableFolder a core application. The
// player's data folder is an empty temporary one, so that no set in the real HOME is ever read.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
