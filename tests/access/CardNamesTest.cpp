// SPDX-License-Identifier: GPL-3.0-or-later
// The card sets' picture names (names.txt): read line by line with control characters dropped,
// names kept short, and a missing line called "picture n"; a file that is not plain UTF-8 text,
// or not a regular file at all (a folder, a pipe, a device), gives no names and never blocks;
// only the first few kilobytes are read. The sets the build draws name all their pictures.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/CardNames.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace tavro;

namespace {

QString Write(const QTemporaryDir& folder, const QByteArray& contents) {
    QFile file(folder.filePath(QLatin1String(kCardNamesFileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) < 0) {
        qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    return folder.path();
}

bool NoNames(const QStringList& names) {
    return names.size() == kNamedPictures &&
           std::all_of(names.begin(), names.end(), [](const QString& n) { return n.isEmpty(); });
}

}  // namespace

class CardNamesTest : public QObject {
    Q_OBJECT
private slots:
    void namesLineByLineWithFallback() {
        QTemporaryDir folder;
        const QStringList names =
            ReadCardNames(Write(folder, "\xEF\xBB\xBF  fox \r\ncat\n\n\tred  panda\t\n"));
        QCOMPARE(names.size(), kNamedPictures);
        QCOMPARE(CardPictureName(names, 1), QStringLiteral("fox"));
        QCOMPARE(CardPictureName(names, 2), QStringLiteral("cat"));
        QCOMPARE(CardPictureName(names, 3), QStringLiteral("picture 3"));  // empty line
        QCOMPARE(CardPictureName(names, 4), QStringLiteral("red panda"));
        QCOMPARE(CardPictureName(names, 18), QStringLiteral("picture 18"));  // no line
        QCOMPARE(CardPictureName(names, 19), QStringLiteral("picture 19"));
    }

    void withoutAFileEveryPictureHasItsNumber() {
        QTemporaryDir folder;
        const QStringList names = ReadCardNames(folder.path());
        QVERIFY(NoNames(names));
        QCOMPARE(CardPictureName(names, 12), QStringLiteral("picture 12"));
    }

    void controlAndFormatCharactersAreDropped() {
        const QStringList names =
            ParseCardNames(QByteArray("f\x01o\x1B[31mx\x7F\n") +
                           QStringLiteral("ow\u202El\u200B\u0085").toUtf8() + "\n");
        QCOMPARE(names[0], QStringLiteral("fo[31mx"));
        QCOMPARE(names[1], QStringLiteral("owl"));
        QCOMPARE(ParseCardNames("\xC3\xA9l\xC3\xA9phant\n")[0],
                 QStringLiteral("\u00E9l\u00E9phant"));
    }

    void longNamesAreCut() {
        const QStringList names = ParseCardNames(
            QByteArray(100, 'a') + '\n' + QStringLiteral("\U0001F98A").repeated(30).toUtf8());
        QCOMPARE(names[0], QString(kCardNameMaxLength, u'a'));
        // Cut between whole characters: 20 foxes of two UTF-16 units each.
        QCOMPARE(names[1], QStringLiteral("\U0001F98A").repeated(20));
    }

    void binaryOrBrokenTextGivesNoNames() {
        QVERIFY(NoNames(ParseCardNames(QByteArray("fox\n\0cat\n", 9))));
        QVERIFY(
            NoNames(ParseCardNames("fox\n\xFF\xFE"
                                   "cat\n")));
        QVERIFY(NoNames(ParseCardNames("fox\n\xC3")));  // cut in the middle of a character
    }

    void onlyTheFirstKilobytesAreRead() {
        QByteArray contents = "fox\ncat\n";
        contents += QByteArray(kCardNamesMaxBytes, 'x');  // the third line runs past the limit
        contents += "\nowl\n";
        QTemporaryDir folder;
        const QStringList names = ReadCardNames(Write(folder, contents));
        QCOMPARE(names[0], QStringLiteral("fox"));
        QCOMPARE(names[1], QStringLiteral("cat"));
        QCOMPARE(names[2], QString());  // cut off, not read in part
        QCOMPARE(names[3], QString());

        const QStringList noEnd = ParseCardNames(QByteArray(kCardNamesMaxBytes * 4, 'y'));
        QVERIFY(NoNames(noEnd));
    }

    void onlyARegularFileIsRead() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QLatin1String(kCardNamesFileName)));
        QVERIFY(NoNames(ReadCardNames(folder.path())));
#ifdef Q_OS_UNIX
        // A pipe nobody writes to would block a plain open and read for ever.
        QTemporaryDir pipeFolder;
        const QByteArray pipe =
            QFile::encodeName(pipeFolder.filePath(QLatin1String(kCardNamesFileName)));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QVERIFY(NoNames(ReadCardNames(pipeFolder.path())));

        // A device without end, through a link.
        QTemporaryDir deviceFolder;
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"),
                            deviceFolder.filePath(QLatin1String(kCardNamesFileName))));
        QVERIFY(NoNames(ReadCardNames(deviceFolder.path())));

        // A link to a regular file is read like the file.
        QTemporaryDir linkFolder;
        QTemporaryDir target;
        Write(target, "fox\n");
        QVERIFY(QFile::link(target.filePath(QLatin1String(kCardNamesFileName)),
                            linkFolder.filePath(QLatin1String(kCardNamesFileName))));
        QCOMPARE(ReadCardNames(linkFolder.path())[0], QStringLiteral("fox"));
#endif
    }

    void theBuiltSetsNameAllTheirPictures() {
        for (const char* set : {"animals", "shapes"}) {
            const QStringList names =
                ReadCardNames(QStringLiteral(TAVRO_GFX_DIR "/") + QLatin1String(set));
            for (int picture = 1; picture <= kNamedPictures; ++picture) {
                QVERIFY2(!names[picture - 1].isEmpty(), set);
            }
            QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), kNamedPictures);
        }
        QCOMPARE(ReadCardNames(QStringLiteral(TAVRO_GFX_DIR "/animals"))[3], QStringLiteral("fox"));
    }
};

QTEST_GUILESS_MAIN(CardNamesTest)
#include "CardNamesTest.moc"
