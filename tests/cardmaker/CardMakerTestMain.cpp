// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for the maker's window tests: they need a QApplication.
#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
