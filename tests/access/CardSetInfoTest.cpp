// SPDX-License-Identifier: GPL-3.0-or-later
// A card set's names (set.desktop): the key file syntax (comments, other groups, unknown keys,
// escapes), the choice among localised keys as desktop entries make it, a missing name falling
// back to "picture n" or the folder name; a file that is not UTF-8 text, too large, or not a
// regular file at all (a folder, a pipe, a device) gives no names and never blocks. The sets the
// build draws name themselves and all their pictures in English, German and French.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/CardSetInfo.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace tavro;

namespace {

QString Write(const QTemporaryDir& folder, const QByteArray& contents) {
    QFile file(folder.filePath(QLatin1String(kCardSetInfoFileName)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) < 0) {
        qFatal("cannot write %s", qPrintable(file.fileName()));
    }
    return folder.path();
}

bool NoNames(const CardSetInfo& info) {
    return info.name.isEmpty() && info.pictures.size() == kNamedPictures &&
           std::all_of(info.pictures.begin(), info.pictures.end(),
                       [](const QString& n) { return n.isEmpty(); });
}

const QByteArray kAnimals =
    "# made by hand\n"
    "[Desktop Entry]\n"
    "Name=not this one\n"
    "\n"
    "[Tavro Memory Card Set]\n"
    "Name=animals\n"
    "Name[de]=Tiere\n"
    "Name[fr]=Animaux\n"
    "Name[fr_CA]=Bêtes\n"
    "Name[sr@latin]=Životinje\n"
    "  Picture1 = cat  \r\n"
    "Picture1[de]=Katze\n"
    "Picture1[de_AT]=Katzerl\n"
    "Picture1[fr]=Chat\n"
    "Picture2=\\sred\\tpanda\\\\x\\q\n"
    "Picture3=\n"
    "Picture04=not a key of the set\n"
    "Colour=unknown keys are left alone\n"
    "Picture18=cow\n"
    "Picture18=a second cow is ignored\n"
    "[Other Group]\n"
    "Picture5=not this one\n";

}  // namespace

class CardSetInfoTest : public QObject {
    Q_OBJECT
private slots:
    void keyFileWithFallbacks() {
        const CardSetInfo info = ParseCardSetInfo(kAnimals, QStringLiteral("en_GB"));
        QCOMPARE(info.name, QStringLiteral("animals"));
        QCOMPARE(info.pictures.size(), kNamedPictures);
        QCOMPARE(CardPictureName(info, 1), QStringLiteral("cat"));
        QCOMPARE(CardPictureName(info, 2), QStringLiteral(" red\tpanda\\x\\q"));
        QCOMPARE(CardPictureName(info, 3), QStringLiteral("picture 3"));  // empty value
        QCOMPARE(CardPictureName(info, 4), QStringLiteral("picture 4"));  // "Picture04"
        QCOMPARE(CardPictureName(info, 5), QStringLiteral("picture 5"));  // other group
        QCOMPARE(CardPictureName(info, 18), QStringLiteral("cow"));
        QCOMPARE(CardPictureName(info, 19), QStringLiteral("picture 19"));
        QCOMPARE(CardSetShownName(info, QStringLiteral("folder")), QStringLiteral("animals"));
        QCOMPARE(CardSetShownName(ParseCardSetInfo("[Tavro Memory Card Set]\nPicture1=x\n", {}),
                                  QStringLiteral("folder")),
                 QStringLiteral("folder"));
    }

    void localisedKeysAsDesktopEntriesChooseThem() {
        const auto name = [](const char* locale) {
            const QString full = ParseCardSetInfo(kAnimals, QLatin1String(locale)).name;
            // Lists read the name alone, to the same result.
            const QString alone = ParseCardSetName(kAnimals, QLatin1String(locale));
            return alone == full ? full : full + QStringLiteral(" but alone ") + alone;
        };
        const auto cat = [](const char* locale) {
            return ParseCardSetInfo(kAnimals, QLatin1String(locale)).pictures[0];
        };
        QCOMPARE(name("de"), QStringLiteral("Tiere"));
        QCOMPARE(name("de_DE"), QStringLiteral("Tiere"));        // lang after lang_COUNTRY
        QCOMPARE(name("de_DE.UTF-8"), QStringLiteral("Tiere"));  // the encoding is no part
        QCOMPARE(name("fr_CA"), QStringLiteral("B\u00EAtes"));   // lang_COUNTRY first
        QCOMPARE(name("fr_FR"), QStringLiteral("Animaux"));
        QCOMPARE(name("sr_RS@latin"), QStringLiteral("\u017Divotinje"));  // lang@MODIFIER
        QCOMPARE(name("sr_RS"), QStringLiteral("animals"));               // no modifier, no match
        QCOMPARE(name("it_IT"), QStringLiteral("animals"));               // the plain key
        QCOMPARE(name("C"), QStringLiteral("animals"));
        QCOMPARE(cat("de_AT"), QStringLiteral("Katzerl"));
        QCOMPARE(cat("de_CH"), QStringLiteral("Katze"));
        QCOMPARE(cat("fr"), QStringLiteral("Chat"));
        // Each key falls back on its own: no French cow, so the plain one.
        QCOMPARE(ParseCardSetInfo(kAnimals, QStringLiteral("fr")).pictures[17],
                 QStringLiteral("cow"));
    }

    void namesKeepTheirCharactersButStayShort() {
        const CardSetInfo info = ParseCardSetInfo(
            QByteArray("[Tavro Memory Card Set]\nName=") + QByteArray(100, 'n') +
                "\nPicture1=f\x01o\x1B[31mx\nPicture2=" +
                QStringLiteral("\U0001F98A").repeated(30).toUtf8() + "\nPicture3=a\\nb\n",
            {});
        QCOMPARE(info.name, QString(kCardSetNameMaxLength, u'n'));
        // Shown later as plain text, every control as "?"; nothing is dropped here.
        QCOMPARE(info.pictures[0], QStringLiteral("f\x01o\x1B[31mx"));
        // Cut between whole characters: 20 foxes of two UTF-16 units each.
        QCOMPARE(info.pictures[1], QStringLiteral("\U0001F98A").repeated(20));
        QCOMPARE(info.pictures[2], QStringLiteral("a\nb"));
    }

    void binaryBrokenOrHugeFilesGiveNoNames() {
        const QByteArray good = "[Tavro Memory Card Set]\nName=x\nPicture1=fox\n";
        QVERIFY(!NoNames(ParseCardSetInfo(good, {})));
        QVERIFY(NoNames(ParseCardSetInfo(good + QByteArray("\0", 1), {})));
        QVERIFY(NoNames(ParseCardSetInfo(good + "Picture2=\xFF\xFE\n", {})));
        QVERIFY(NoNames(ParseCardSetInfo(good + "Picture2=\xC3", {})));  // cut in a character

        // A file just within the bound is read whole; one byte more and it is ignored as a whole.
        QByteArray padded = good + "#";
        padded += QByteArray(kCardSetInfoMaxBytes - padded.size() - 1, 'x') + "\n";
        QCOMPARE(padded.size(), kCardSetInfoMaxBytes);
        QTemporaryDir folder;
        QCOMPARE(ReadCardSetInfo(Write(folder, padded), {}).pictures[0], QStringLiteral("fox"));
        QVERIFY(NoNames(ReadCardSetInfo(Write(folder, padded + "\n"), {})));
        QVERIFY(NoNames(ReadCardSetInfo(Write(folder, padded.repeated(64)), {})));
    }

    void withoutAFileEveryPictureHasItsNumber() {
        QTemporaryDir folder;
        const CardSetInfo info = ReadCardSetInfo(folder.path(), {});
        QVERIFY(NoNames(info));
        QCOMPARE(CardPictureName(info, 12), QStringLiteral("picture 12"));
        QCOMPARE(CardSetShownName(info, QStringLiteral("mine")), QStringLiteral("mine"));
    }

    void onlyARegularFileIsRead() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QLatin1String(kCardSetInfoFileName)));
        QVERIFY(NoNames(ReadCardSetInfo(folder.path(), {})));
#ifdef Q_OS_UNIX
        // A pipe nobody writes to would block a plain open and read for ever.
        QTemporaryDir pipeFolder;
        const QByteArray pipe =
            QFile::encodeName(pipeFolder.filePath(QLatin1String(kCardSetInfoFileName)));
        QCOMPARE(::mkfifo(pipe.constData(), 0600), 0);
        QVERIFY(NoNames(ReadCardSetInfo(pipeFolder.path(), {})));

        // A device without end, through a link.
        QTemporaryDir deviceFolder;
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"),
                            deviceFolder.filePath(QLatin1String(kCardSetInfoFileName))));
        QVERIFY(NoNames(ReadCardSetInfo(deviceFolder.path(), {})));

        // A link to a regular file is read like the file.
        QTemporaryDir linkFolder;
        QTemporaryDir target;
        Write(target, "[Tavro Memory Card Set]\nPicture1=fox\n");
        QVERIFY(QFile::link(target.filePath(QLatin1String(kCardSetInfoFileName)),
                            linkFolder.filePath(QLatin1String(kCardSetInfoFileName))));
        QCOMPARE(ReadCardSetInfo(linkFolder.path(), {}).pictures[0], QStringLiteral("fox"));
#endif
    }

    // A list's name of a set follows every change of the file, also one of the same size, and
    // without a usable file (not UTF-8, removed) the folder's name shows.
    void listNamesFollowTheFile() {
        QTemporaryDir folder;
        const auto listed = [&](const QByteArray& name) {
            if (!name.isNull()) {
                Write(folder, "[Tavro Memory Card Set]\nName=" + name + "\n");
            }
            return CardSetListName(folder.path(), QStringLiteral("folder"), QStringLiteral("C"));
        };
        QCOMPARE(listed("one"), QStringLiteral("one"));
        QCOMPARE(listed("three"), QStringLiteral("three"));
        // The same size within the clock's tick: the file's times tell, here set apart.
        Write(folder, "[Tavro Memory Card Set]\nName=other\n");
        QFile file(folder.filePath(QLatin1String(kCardSetInfoFileName)));
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                 QFileDevice::FileModificationTime));
        QCOMPARE(listed({}), QStringLiteral("other"));
        QCOMPARE(listed("\xFF"), QStringLiteral("folder"));
        QVERIFY(file.remove());
        QCOMPARE(listed({}), QStringLiteral("folder"));
    }

    void theBuiltSetsNameThemselvesAndAllTheirPictures() {
        for (const char* set : {"animals", "shapes"}) {
            const QString folder = QStringLiteral(TAVRO_GFX_DIR "/") + QLatin1String(set);
            // In English a built-in set is called by its folder name.
            QCOMPARE(ReadCardSetInfo(folder, QStringLiteral("en_US")).name, QLatin1String(set));
            QSet<QString> setNames;
            for (const char* locale : {"en", "de_DE", "fr_FR"}) {
                const CardSetInfo info = ReadCardSetInfo(folder, QLatin1String(locale));
                setNames.insert(info.name);
                for (int picture = 1; picture <= kNamedPictures; ++picture) {
                    QVERIFY2(!info.pictures[picture - 1].isEmpty(), locale);
                }
                QCOMPARE(QSet<QString>(info.pictures.begin(), info.pictures.end()).size(),
                         kNamedPictures);
            }
            QCOMPARE(setNames.size(), 3);
        }
        const QString animals = QStringLiteral(TAVRO_GFX_DIR "/animals");
        QCOMPARE(ReadCardSetInfo(animals, QStringLiteral("en")).pictures[3], QStringLiteral("fox"));
        QCOMPARE(ReadCardSetInfo(animals, QStringLiteral("de_DE")).pictures[3],
                 QStringLiteral("Fuchs"));
        QCOMPARE(ReadCardSetInfo(animals, QStringLiteral("de_DE")).name, QStringLiteral("Tiere"));
        QCOMPARE(ReadCardSetInfo(animals, QStringLiteral("fr_FR")).pictures[3],
                 QStringLiteral("Renard"));
    }
};

QTEST_GUILESS_MAIN(CardSetInfoTest)
#include "CardSetInfoTest.moc"
