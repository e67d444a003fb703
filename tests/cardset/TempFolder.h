// SPDX-License-Identifier: GPL-3.0-or-later
// A temporary folder for one test, with helpers to write files and make sub-folders in it; and
// the player's data folder pointed at one.
#pragma once

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

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

// Points XDG_DATA_HOME at a folder of its own while it lives.
class PlayerDataHome {
public:
    PlayerDataHome() : previous_(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder_.path() + "data"));
    }
    ~PlayerDataHome() { qputenv("XDG_DATA_HOME", previous_); }
    PlayerDataHome(const PlayerDataHome&) = delete;
    PlayerDataHome& operator=(const PlayerDataHome&) = delete;

    // Makes the player's set folder; returns it with a trailing '/'.
    QString makeSet(const QString& name) const {
        return folder_.makeFolder("data/tavro-memory/gfx/" + name);
    }
    QString sets() const { return folder_.path() + "data/tavro-memory/gfx/"; }

private:
    TempFolder folder_;
    QByteArray previous_;
};

}  // namespace tavro::testing
