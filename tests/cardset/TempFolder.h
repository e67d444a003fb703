// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary folder for one test, with helpers to write files and make sub-folders in it.
#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tavro::testing {

class TempFolder {
public:
    TempFolder() { EXPECT_TRUE(dir_.isValid()); }

    // The folder's path with a trailing '/'.
    QString path() const { return dir_.path() + u'/'; }

    QString write(const QString& name, const QByteArray& bytes) const {
        const QString fileName = path() + name;
        QFile file(fileName);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
        EXPECT_EQ(file.write(bytes), bytes.size());
        return fileName;
    }

    QString makeFolder(const QString& relativePath) const {
        EXPECT_TRUE(QDir().mkpath(path() + relativePath));
        return path() + relativePath + u'/';
    }

private:
    QTemporaryDir dir_;
};

}  // namespace tavro::testing
