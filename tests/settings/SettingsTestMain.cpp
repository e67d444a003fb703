// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest entry for the settings tests: a QCoreApplication exists, as in the game, so that
// the program's folder is known when the settings are saved.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
