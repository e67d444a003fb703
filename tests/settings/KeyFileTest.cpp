// SPDX-License-Identifier: GPL-3.0-or-later
// The key file reader that set.desktop, squares.conf and the maker's settings share: comments,
// groups, keys outside any group, duplicate keys, escapes, locales, and the files it refuses
// whole (not UTF-8 text, too large, not a regular file).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "settings/KeyFile.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace tavro;

namespace {

using Status = KeyFileGroup::Status;
using Entries = QList<std::pair<QString, QString>>;

const QString kGroup = QStringLiteral("Card Set");

struct ParseCase {
    const char* what;
    QByteArray contents;
    Status status;
    Entries entries;
    QString onlyKey = {};
};

TEST(KeyFile, ParsesTheGroupAsDesktopEntriesDo) {
    const QByteArray kTooBig = "[Card Set]\nA=" + QByteArray(100, 'x') + '\n';
    const ParseCase cases[] = {
        {"comments and blank lines",
         "# A=no\n\n  # B=no\n[Card Set]\n#C=no\n\nD=yes\n",
         Status::Ok,
         {{"D", "yes"}}},
        {"keys outside any group",
         "A=outside\n[Card Set]\nB=inside\n",
         Status::Ok,
         {{"B", "inside"}}},
        {"other groups, and the group named again",
         "[Card Set]\nA=1\n[Other]\nB=2\n[Card Set] x\nC=3\n [Card Set] \nD=4\n",
         Status::Ok,
         {{"A", "1"}, {"D", "4"}}},
        {"no such group", "[card set]\nA=1\n", Status::Ok, {}},
        {"duplicate keys: the first counts",
         "[Card Set]\nA=1\nA = 2\nA[de]=3\nA[de]=4\n",
         Status::Ok,
         {{"A", "1"}, {"A[de]", "3"}}},
        {"trimmed keys and values, CRLF",
         "\xEF\xBB\xBF[Card Set]\r\n  A b = x y \r\nC=\r\n",
         Status::Ok,
         {{"A b", "x y"}, {"C", ""}}},
        {"lines without a key",
         "[Card Set]\n=1\n  = 2\nnothing\nA==3\n",
         Status::Ok,
         {{"A", "=3"}}},
        {"escapes",
         "[Card Set]\nA=\\sx\\ty\\nz\\r\\\\\\q\\\nB=a\\\\s\n",
         Status::Ok,
         {{"A", " x\ty\nz\r\\\\q\\"}, {"B", "a\\s"}}},
        {"UTF-8 text",
         "[Card Set]\nName[fr]=B\xC3\xAAtes \xF0\x9F\x90\x88\n",
         Status::Ok,
         {{"Name[fr]", QString::fromUtf8("B\xC3\xAAtes \xF0\x9F\x90\x88")}}},
        {"only one key, any locale",
         "[Card Set]\nNames=1\nName[de]=2\nPicture1=3\n Name =4\n",
         Status::Ok,
         {{"Name[de]", "2"}, {"Name", "4"}},
         QStringLiteral("Name")},
        {"bad UTF-8", "[Card Set]\nA=1\nB=\xFF\xFE\n", Status::NotText, {}},
        {"a character cut off", "[Card Set]\nA=\xC3", Status::NotText, {}},
        {"an encoded NUL", "[Card Set]\nA=\xC0\x80\n", Status::NotText, {}},
        {"a NUL", QByteArray("[Card Set]\nA=1\0\n", 16), Status::NotText, {}},
        {"too big", kTooBig, Status::TooLarge, {}},
        {"as big as allowed",
         kTooBig.left(kTooBig.size() - 1),
         Status::Ok,
         {{"A", QString(100, u'x')}}},
    };
    const qint64 maxBytes = kTooBig.size() - 1;
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.what);
        const KeyFileGroup group = KeyFileGroup::Parse(c.contents, kGroup, maxBytes, c.onlyKey);
        EXPECT_EQ(group.status(), c.status);
        EXPECT_EQ(group.entries(), c.entries);
        for (const auto& [key, value] : c.entries) {
            EXPECT_EQ(group.value(key), value) << key.toStdString();
        }
    }
}

TEST(KeyFile, ChoosesTheLocalisedValue) {
    const KeyFileGroup group = KeyFileGroup::Parse(
        "[Card Set]\nName=plain\nName[de]=de\nName[de_AT]=de_AT\nName[sr@latin]=sr@latin\n"
        "Name[sr_RS@latin]=sr_RS@latin\nOther[fr]=only French\n",
        kGroup, 1024);
    const struct {
        const char* locale;
        const char* key;
        const char* value;
    } cases[] = {
        {"de_AT.UTF-8", "Name", "de_AT"},
        {"de_CH", "Name", "de"},
        {"de", "Name", "de"},
        {"sr_RS@latin", "Name", "sr_RS@latin"},
        {"sr_BA@latin", "Name", "sr@latin"},
        {"sr", "Name", "plain"},
        {"C", "Name", "plain"},
        {"", "Name", "plain"},
        {"en_GB", "Other", ""},
        {"fr_FR", "Other", "only French"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(group.localised(QLatin1String(c.key), QLatin1String(c.locale)),
                  QLatin1String(c.value))
            << c.locale << ' ' << c.key;
    }
}

TEST(KeyFile, ReadsOnlyBoundedRegularFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const auto write = [&](const QString& name, const QByteArray& contents) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        return file.fileName();
    };
    const QByteArray good = "[Card Set]\nA=1\n";
    const QString link = folder.filePath(QStringLiteral("link"));
    ASSERT_TRUE(QFile::link(write(QStringLiteral("good"), good), link));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    const struct {
        QString path;
        Status status;
    } cases[] = {
        {folder.filePath(QStringLiteral("good")), Status::Ok},
        {link, Status::Ok},
        {write(QStringLiteral("big"), good + QByteArray(100, '#')), Status::TooLarge},
        {write(QStringLiteral("latin1"), "[Card Set]\nA=\xE9\n"), Status::NotText},
        {folder.filePath(QStringLiteral("missing")), Status::Missing},
        {folder.filePath(QStringLiteral("folder")), Status::NotRegular},
#ifdef Q_OS_UNIX
        {folder.filePath(QStringLiteral("fifo")), Status::NotRegular},  // and no wait for a writer
        {QStringLiteral("/dev/zero"), Status::NotRegular},
#endif
    };
#ifdef Q_OS_UNIX
    ASSERT_EQ(
        ::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("fifo"))).constData(), 0600), 0);
#endif
    for (const auto& c : cases) {
        const KeyFileGroup group = KeyFileGroup::Read(c.path, kGroup, 64);
        EXPECT_EQ(group.status(), c.status) << c.path.toStdString();
        EXPECT_EQ(group.value(QStringLiteral("A")),
                  c.status == Status::Ok ? QStringLiteral("1") : QString())
            << c.path.toStdString();
    }
}

}  // namespace
