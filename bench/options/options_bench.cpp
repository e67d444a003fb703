// SPDX-License-Identifier: GPL-3.0-or-later
// The time the Options dialog takes to open (from the call until it is painted) with 2000 card
// sets in "gfx", every one with a set.desktop: small ones (a name in three languages) against
// full ones (16 KiB: the set and its 18 pictures named in many languages). Each kind is opened
// in child processes of their own, alternately, so that a first open is measured as a player
// meets it; each child opens the dialog a second time as well. Prints the medians and the
// ratios full/small.
// Child mode: options_bench --open <program folder>; prints "<first ms> <second ms>".
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "../BenchSupport.h"
#include "app/ProgramWindows.h"
#include "settings/SettingsStore.h"

namespace {

using namespace tavro;
using namespace tavro::bench;

constexpr int kSets = 2000;
constexpr int kRuns = 7;
constexpr qint64 kFullSize = 16 * 1024;
const char* const kLanguages[] = {"de", "fr", "es", "it", "nl", "pt", "sv", "da", "fi", "nb",
                                  "pl", "cs", "sk", "hu", "ro", "hr", "sl", "et", "lv", "lt",
                                  "el", "tr", "ru", "uk", "bg", "sr", "ca", "eu", "gl", "is"};

double Milliseconds(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

// Opens the dialog as the menu command does, until it is painted, and closes it; the time of
// the open.
double OpenOnce(TForm4& options) {
    QElapsedTimer timer;
    timer.start();
    options.show();
    QApplication::processEvents();
    const double elapsed = Milliseconds(timer);
    options.hide();
    QApplication::processEvents();
    return elapsed;
}

int Open(int argc, char** argv) {
    QTemporaryDir work;
    Sandbox(work.path());
    QApplication app(argc, argv);
    SaveSettings(Settings{"animals", 500, {}, {}});
    const QString programFolder = QString::fromLocal8Bit(argv[2]);
    ProgramWindows windows(StartupOptions{[](int code) { std::exit(code); }, programFolder});
    windows.form4.setExecutableFolder(programFolder);
    windows.form1.show();
    QApplication::processEvents();
    const double first = OpenOnce(windows.form4);
    const double second = OpenOnce(windows.form4);
    if (windows.form4.ComboBox1()->count() != kSets + 1) {
        std::fprintf(stderr, "the list holds %d sets\n", windows.form4.ComboBox1()->count());
        return 1;
    }
    std::printf("%.2f %.2f\n", first, second);
    return 0;
}

void WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(name));
    }
}

QByteArray SmallSetFile(int set) {
    return QStringLiteral(
               "[Tavro Memory Card Set]\nName=Set %1\nName[de]=Satz %1\n"
               "Name[fr]=Jeu %1\n")
        .arg(set)
        .toUtf8();
}

// Exactly kFullSize bytes: the set and its pictures named in one language after another.
QByteArray FullSetFile(int set) {
    QByteArray text = SmallSetFile(set);
    for (const char* language : kLanguages) {
        for (int picture = 1; picture <= 18; ++picture) {
            const QByteArray line = QStringLiteral("Picture%1[%2]=picture %1 of set %3\n")
                                        .arg(picture)
                                        .arg(QLatin1String(language))
                                        .arg(set)
                                        .toUtf8();
            if (text.size() + line.size() > kFullSize - 2) {
                text += '#';
                text += QByteArray(kFullSize - text.size() - 1, ' ');
                text += '\n';
                return text;
            }
            text += line;
        }
    }
    qFatal("the languages do not fill the file");
}

// A program folder with the built-in sets and kSets sets named by set.desktop files of the kind.
void MakeProgramFolder(const QString& folder, bool full) {
    const QString gfx = folder + QStringLiteral("/gfx/");
    const QString builtIn = QStringLiteral(TAVRO_RUNTIME_DIR "/gfx/animals/");
    QDir().mkpath(gfx + QStringLiteral("animals"));
    for (const QString& file : QDir(builtIn).entryList(QDir::Files)) {
        QFile::copy(builtIn + file, gfx + QStringLiteral("animals/") + file);
    }
    for (int set = 1; set <= kSets; ++set) {
        const QString setFolder = gfx + QStringLiteral("set%1/").arg(set, 4, 10, QLatin1Char('0'));
        QDir().mkpath(setFolder);
        WriteFile(setFolder + QStringLiteral("set.desktop"),
                  full ? FullSetFile(set) : SmallSetFile(set));
    }
}

// One child's first and second open.
std::pair<double, double> OpenInChild(const QString& programFolder) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--open"), programFolder});
    if (!child.waitForFinished(600'000) || child.exitCode() != 0) {
        // The offscreen platform's chatter is shown only when it may tell why.
        qFatal("opening Options in %s failed: %s", qPrintable(programFolder),
               child.readAllStandardError().constData());
    }
    const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
    return {times.value(0).toDouble(), times.value(1).toDouble()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0) {
        return Open(argc, argv);
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString small = folder.filePath(QStringLiteral("small"));
    const QString full = folder.filePath(QStringLiteral("full"));
    MakeProgramFolder(small, false);
    MakeProgramFolder(full, true);
    OpenInChild(small);  // a first run warms the page cache for both kinds
    OpenInChild(full);
    std::vector<double> smallFirst, smallSecond, fullFirst, fullSecond;
    for (int run = 0; run < kRuns; ++run) {
        const auto [smallOne, smallTwo] = OpenInChild(small);
        const auto [fullOne, fullTwo] = OpenInChild(full);
        smallFirst.push_back(smallOne);
        smallSecond.push_back(smallTwo);
        fullFirst.push_back(fullOne);
        fullSecond.push_back(fullTwo);
    }
    std::printf("Opening Options with %d card sets, median of %d runs:\n", kSets, kRuns);
    std::printf("  first open:  small set.desktop %8.1f ms, full (16 KiB) %8.1f ms: %.2f x\n",
                Median(smallFirst), Median(fullFirst), Median(fullFirst) / Median(smallFirst));
    std::printf("  second open: small set.desktop %8.1f ms, full (16 KiB) %8.1f ms: %.2f x\n",
                Median(smallSecond), Median(fullSecond), Median(fullSecond) / Median(smallSecond));
    return 0;
}
