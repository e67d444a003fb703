// SPDX-License-Identifier: GPL-3.0-or-later
// Saving over a set never removes anything but the maker's own files: each case plants what a
// player may have in their card sets folder (a set that is a link to their photos, their own
// files in a set's folder, links in place of a set's files, a sets folder that is itself a link,
// temporary folders a crash left), saves or replaces a set there, and checks the result and that
// every file outside the sets folder is as it was.
#include <fcntl.h>
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <ctime>
#include <functional>

#include "cardart/CardDrawing.h"
#include "cardmaker/MakerPicture.h"
#include "cardmaker/MakerTestSupport.h"
#include "cardmaker/SetWriter.h"

namespace tavro::test {
namespace {

using cardmaker::CardSetFiles;

// A set's files as the maker renders them, of plain cards.
CardSetFiles PlainSet(const QString& name) {
    CardSetFiles files;
    files.name = name;
    for (int n = 1; n <= 18; ++n) {
        QImage face = cardsets::NewCardCanvas();
        face.fill(PlainColour(n));
        files.faces.push_back(face);
        files.pictureNames << QStringLiteral("plain%1").arg(n);
        QImage copy(40, 30, QImage::Format_RGB32);
        copy.fill(PlainColour(n));
        files.sources.push_back({cardmaker::EncodeKeptFile(copy), QRect(5, 0, 30, 30), {}});
    }
    files.back = cardsets::NewCardCanvas();
    files.readyBack = QStringLiteral("blue");
    return files;
}

// Every path under the folder (links not followed) with what it holds: a file's contents' hash,
// a link's target.
QStringList Snapshot(const QString& folder) {
    QStringList entries;
    QDirIterator walk(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QFileInfo entry(walk.next());
        QString what = entry.filePath().mid(folder.size());
        if (entry.isSymLink()) {
            what += " -> " + entry.symLinkTarget();
        } else if (entry.isFile()) {
            what +=
                ' ' + QCryptographicHash::hash(ReadAll(entry.filePath()), QCryptographicHash::Sha1)
                          .toHex();
        }
        entries << what;
    }
    return Sorted(entries);
}

bool Link(const QString& target, const QString& link) {
    return QFile::link(target, link);
}

void MakeStale(const QString& path) {
    const timespec twoDaysAgo{time(nullptr) - 2 * 24 * 60 * 60, 0};
    const timespec times[2] = {twoDaysAgo, twoDaysAgo};
    utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW);
}

struct Place {
    QString outside;  // the player's photos, outside the sets folder
    QString sets;     // the sets folder, with a trailing '/'
};

struct ReplaceCase {
    const char* what;
    std::function<void(const Place&)> plant;
    const char* name;       // of the new set
    const char* replacing;  // the player's set it replaces; "" for none
    const char* refusal;    // part of the error; "" when the save succeeds
    QStringList tree;       // what the sets folder then holds
};

QStringList WithSet(const QString& set, const QStringList& others = {}) {
    return SavedSetTree(set, others);
}

// The set written before a case plants its own things.
void OldSet(const Place& place, const QString& name = QStringLiteral("Family")) {
    cardmaker::WriteCardSet(PlainSet(name), place.sets);
}

const std::vector<ReplaceCase>& Cases() {
    static const std::vector<ReplaceCase> cases{
        {"a set that is a link to the player's photos is replaced as a link",
         [](const Place& place) {
             ASSERT_TRUE(QDir().mkpath(place.sets));
             ASSERT_TRUE(Link(place.outside + "Family", place.sets + "Family"));
         },
         "Family", "Family", "", WithSet("Family")},
        {"the player's own files in the set's folder move into the new one",
         [](const Place& place) {
             OldSet(place);
             ASSERT_TRUE(SaveFile(place.sets + "Family/notes.txt", "mine"));
             ASSERT_TRUE(QDir().mkpath(place.sets + "Family/more/deeper"));
             ASSERT_TRUE(SaveFile(place.sets + "Family/more/deeper/19.bmp", "mine too"));
             ASSERT_TRUE(SaveFile(place.sets + "Family/.tavro-maker-notes", "hidden, mine"));
         },
         "Family", "Family", "",
         WithSet("Family",
                 {"notes.txt", "more", "more/deeper", "more/deeper/19.bmp", ".tavro-maker-notes"})},
        {"the player's folder under the name of a set's file is named and nothing changes",
         [](const Place& place) {
             OldSet(place);
             ASSERT_TRUE(QFile::remove(place.sets + "Family/1.bmp"));
             ASSERT_TRUE(QDir().mkpath(place.sets + "Family/1.bmp"));
         },
         "Family", "Family", "holds 1.bmp of your own", WithSet("Family")},
        {"links in place of the set's files and of the maker's folder go as links",
         [](const Place& place) {
             OldSet(place);
             ASSERT_TRUE(QFile::remove(place.sets + "Family/space.bmp"));
             ASSERT_TRUE(Link(place.outside + "Family/photo.jpg", place.sets + "Family/space.bmp"));
             ASSERT_TRUE(QDir(place.sets + "Family/.tavro-maker").removeRecursively());
             ASSERT_TRUE(Link(place.outside + "Family", place.sets + "Family/.tavro-maker"));
         },
         "Family", "Family", "", WithSet("Family")},
        {"a sets folder that is a link holds the set, and replacing there works alike",
         [](const Place& place) {
             ASSERT_TRUE(QDir().mkpath(place.outside + "../elsewhere/gfx/Family"));
             ASSERT_TRUE(SaveFile(place.outside + "../elsewhere/gfx/Family/notes.txt", "mine"));
             ASSERT_TRUE(QDir().mkpath(QFileInfo(place.sets + "..").absoluteFilePath()));
             ASSERT_TRUE(Link(place.outside + "../elsewhere/gfx", place.sets.chopped(1)));
         },
         "Family", "Family", "", WithSet("Family", {"notes.txt"})},
        {"a set renamed in another letter case takes the player's files along",
         [](const Place& place) {
             OldSet(place);
             ASSERT_TRUE(SaveFile(place.sets + "Family/notes.txt", "mine"));
         },
         "FAMILY", "Family", "", WithSet("FAMILY", {"notes.txt"})},
        {"stale temporary folders lose the maker's files only",
         [](const Place& place) {
             ASSERT_TRUE(QDir().mkpath(place.sets + ".tavro-old-crash/.tavro-maker"));
             ASSERT_TRUE(SaveFile(place.sets + ".tavro-old-crash/2.bmp", "cut off"));
             ASSERT_TRUE(SaveFile(place.sets + ".tavro-old-crash/.tavro-maker/2.jpg", "cut"));
             ASSERT_TRUE(SaveFile(place.sets + ".tavro-old-crash/notes.txt", "mine"));
             ASSERT_TRUE(
                 Link(place.outside + "Family/photo.jpg", place.sets + ".tavro-old-crash/1.bmp"));
             ASSERT_TRUE(Link(place.outside + "Family", place.sets + ".tavro-new-crash"));
             for (const char* stale : {".tavro-old-crash", ".tavro-new-crash"}) {
                 MakeStale(place.sets + stale);
             }
         },
         "Family", "", "",
         Sorted(WithSet("Family") + QStringList{".tavro-old-crash", ".tavro-old-crash/notes.txt"})},
    };
    return cases;
}

TEST(SetReplace, NothingButTheMakersOwnFilesIsRemoved) {
    for (const ReplaceCase& replace : Cases()) {
        SCOPED_TRACE(replace.what);
        QTemporaryDir root;
        ASSERT_TRUE(root.isValid());
        const Place place{root.path() + "/photos/", root.path() + "/data/tavro-memory/gfx/"};
        ASSERT_TRUE(QDir().mkpath(place.outside + "Family/sub"));
        ASSERT_TRUE(SaveFile(place.outside + "Family/photo.jpg", "a photo"));
        ASSERT_TRUE(SaveFile(place.outside + "Family/sub/x.jpg", "another"));
        replace.plant(place);
        const QStringList outsideBefore = Snapshot(place.outside);
        const QStringList setsBefore = Snapshot(place.sets);

        QString refusal;
        try {
            const QString folder =
                cardmaker::WriteCardSet(PlainSet(replace.name), place.sets, replace.replacing);
            EXPECT_EQ(folder, place.sets + replace.name + u'/');
        } catch (const cardmaker::SetWriteError& error) {
            refusal = QString::fromStdString(error.what());
        }
        if (*replace.refusal == '\0') {
            EXPECT_EQ(refusal, QString());
        } else {
            EXPECT_TRUE(refusal.contains(replace.refusal)) << refusal.toStdString();
            EXPECT_EQ(Snapshot(place.sets), setsBefore);
        }
        EXPECT_EQ(Sorted(TreeOf(place.sets)), replace.tree);
        EXPECT_EQ(Snapshot(place.outside), outsideBefore);
    }
}

}  // namespace
}  // namespace tavro::test
