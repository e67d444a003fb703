// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry: the picture control needs a QApplication, ExecutableFolder a core application.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
