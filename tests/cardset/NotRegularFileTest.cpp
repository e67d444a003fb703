// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures that are not regular files (a FIFO, a link to an endless device, a folder) are
// refused at once as unreadable pictures; none of them may block or read without end. A hang is
// the failure here, so each read runs under a deadline that ends the test program.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>

#include "cardset/TempFolder.h"
#include "controls/PictureBox.h"
#include "controls/PictureLoad.h"
#include "settings/CardSet.h"

namespace tavro {
namespace {

using testing::TempFolder;

constexpr auto kDeadline = std::chrono::seconds(10);

// The PictureError text of reading `file`, within the deadline; empty when it reads.
std::string RefusalInTime(const QString& file) {
    auto read = std::async(std::launch::async, [file]() -> std::string {
        try {
            ReadBitmap(file);
        } catch (const PictureError& error) {
            return error.what();
        } catch (const std::exception& error) {
            return std::string("unexpected error: ") + error.what();
        }
        return {};
    });
    if (read.wait_for(kDeadline) != std::future_status::ready) {
        std::fprintf(stderr, "Reading %s did not end within the deadline\n", qPrintable(file));
        std::fflush(stderr);
        std::_Exit(1);  // the reader can't be interrupted; a hang fails the whole test
    }
    return read.get();
}

void ExpectUnreadablePicture(const QString& file) {
    const std::string refusal = RefusalInTime(file);
    EXPECT_NE(refusal.find("Cannot load the picture"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find(file.toStdString()), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("not a regular file"), std::string::npos) << refusal;
}

TEST(NotRegularFile, FifoIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const QString fifo = folder.path() + "space.bmp";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ExpectUnreadablePicture(fifo);
}

TEST(NotRegularFile, LinkToAnEndlessDeviceIsRefused) {
    TempFolder folder;
    const QString link = folder.path() + "7.bmp";
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), link));
    ExpectUnreadablePicture(link);
}

TEST(NotRegularFile, FolderIsRefused) {
    TempFolder folder;
    ExpectUnreadablePicture(folder.makeFolder("3.bmp").chopped(1));
}

TEST(NotRegularFile, PictureControlKeepsItsPicture) {
    TempFolder folder;
    const QString fifo = folder.path() + "1.bmp";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    PictureBox box;
    box.resize(60, 60);
    QImage before(4, 4, QImage::Format_RGB32);
    before.fill(Qt::red);
    box.setPicture(before);
    EXPECT_THROW(LoadPicture(box, fifo), PictureError);
    EXPECT_EQ(box.picture(), before);
}

}  // namespace
}  // namespace tavro
