// SPDX-License-Identifier: GPL-3.0-or-later
// Regular-file checks and bounded reads: every kind of path that is not a regular file is refused
// without blocking (a hang is the failure here, caught by the test's time limit), links are
// followed to what they name, and no read goes past its bound.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "files/SafeFile.h"

using tavro::BoundedRead;
using tavro::FileKind;

namespace {

class SafeFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.path() + u'/' + QLatin1String(name); }
    QString write(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_EQ(file.write(bytes), bytes.size());
        return path(name);
    }
    QString fifo(const char* name) const {
        EXPECT_EQ(::mkfifo(QFile::encodeName(path(name)).constData(), 0600), 0);
        return path(name);
    }
    QString link(const char* name, const QString& target) const {
        EXPECT_TRUE(QFile::link(target, path(name)));
        return path(name);
    }

    QTemporaryDir dir_;
};

TEST_F(SafeFileTest, KindsFollowLinksToWhatTheyName) {
    const QString regular = write("a.bin", "abc");
    EXPECT_EQ(tavro::KindOfFile(regular), FileKind::Regular);
    EXPECT_EQ(tavro::KindOfFile(link("to-a", regular)), FileKind::Regular);
    EXPECT_EQ(tavro::KindOfFile(dir_.path()), FileKind::Other);
    EXPECT_EQ(tavro::KindOfFile(fifo("pipe")), FileKind::Other);
    EXPECT_EQ(tavro::KindOfFile(link("to-zero", QStringLiteral("/dev/zero"))), FileKind::Other);
    EXPECT_EQ(tavro::KindOfFile(path("nothing")), FileKind::Missing);
    EXPECT_EQ(tavro::KindOfFile(link("dangling", path("nothing"))), FileKind::Missing);
}

TEST_F(SafeFileTest, ReadsARegularFileWithinItsBound) {
    const BoundedRead exact = tavro::ReadRegularFile(write("a.bin", "12345"), 5);
    EXPECT_EQ(exact.status, BoundedRead::Status::Ok);
    EXPECT_EQ(exact.bytes, QByteArray("12345"));
    EXPECT_EQ(tavro::ReadRegularFile(path("a.bin"), 4).status, BoundedRead::Status::TooLarge);
    EXPECT_EQ(tavro::ReadRegularFile(path("nothing"), 4).status, BoundedRead::Status::Missing);
}

TEST_F(SafeFileTest, RefusesWhatIsNotARegularFileWithoutBlocking) {
    for (const QString& odd : {fifo("pipe"), link("to-zero", QStringLiteral("/dev/zero")),
                               link("to-null", QStringLiteral("/dev/null")), dir_.path()}) {
        SCOPED_TRACE(odd.toStdString());
        const BoundedRead read = tavro::ReadRegularFile(odd, 1024);
        EXPECT_EQ(read.status, BoundedRead::Status::NotRegular);
        EXPECT_TRUE(read.bytes.isEmpty());
        for (const auto mode : {QIODevice::ReadOnly, QIODevice::ReadWrite}) {
            QFile file;
            QString error;
            EXPECT_FALSE(tavro::OpenRegularFile(file, odd, mode, error));
            EXPECT_FALSE(file.isOpen());
            EXPECT_EQ(error, tavro::NotRegularFileText());
        }
    }
}

TEST_F(SafeFileTest, OpensForWritingWithoutCreating) {
    QFile file;
    QString error;
    EXPECT_FALSE(tavro::OpenRegularFile(file, path("new.bin"), QIODevice::ReadWrite, error));
    EXPECT_FALSE(QFile::exists(path("new.bin")));

    const QString target = write("b.bin", "old");
    ASSERT_TRUE(tavro::OpenRegularFile(file, link("to-b", target), QIODevice::ReadWrite, error))
        << error.toStdString();
    EXPECT_EQ(file.readAll(), QByteArray("old"));
    EXPECT_TRUE(file.seek(0));
    EXPECT_EQ(file.write("new"), 3);
    file.close();
    QFile check(target);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("new"));
}

}  // namespace

namespace {

// A generous bound costs nothing: a small file is read into a buffer of its own size, not of
// the bound's (pictures are read with a bound of 256 MB, one after the other).
TEST_F(SafeFileTest, SmallFileUnderALargeBoundTakesLittleMemory) {
    const QString file = write("small", QByteArray(1000, 'x'));
    const BoundedRead read = tavro::ReadRegularFile(file, qint64{1} << 30);
    ASSERT_EQ(read.status, BoundedRead::Status::Ok);
    EXPECT_EQ(read.bytes, QByteArray(1000, 'x'));
    EXPECT_LT(read.bytes.capacity(), 1 << 20);
}

}  // namespace
