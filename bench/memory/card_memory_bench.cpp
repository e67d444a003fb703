// SPDX-License-Identifier: GPL-3.0-or-later
// Peak memory (ru_maxrss) of one whole game, played through the main window's tile clicks: every
// face turned up and left up, as in a won game. Run without arguments it plays the built-in
// sets and a generated set of 2000 x 2000 pictures, each in a child process of its own (the
// peak can only grow within a process), and prints the figures side by side.
// Child mode: card_memory_bench --play <program folder> <set name>.
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <cstring>

#include "../BenchSupport.h"
#include "app/ProgramWindows.h"
#include "controls/PictureBox.h"
#include "game/TileSlot.h"
#include "scores/LeadsFile.h"
#include "settings/SettingsStore.h"

namespace {

using namespace tavro;
using namespace tavro::bench;

constexpr int kHugeSide = 2000;

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A Leads table no game can enter, so the game ends without the name dialog.
void WriteUnbeatableLeads() {
    LeadsTable table = DefaultLeads();
    for (auto& points : table.LeadPoints) {
        points = 1'000'000;
    }
    QFile file(QString::fromLatin1(kLeadsFileName));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(&table), sizeof table) != sizeof table) {
        qFatal("cannot write the Leads file");
    }
}

int Play(int argc, char** argv) {
    QTemporaryDir work;
    Sandbox(work.path());
    QApplication app(argc, argv);
    Settings settings;
    settings.CardSetName = argv[3];
    settings.FlipDelay = 0;
    SaveSettings(settings);
    WriteUnbeatableLeads();

    ProgramWindows windows(
        StartupOptions{[](int code) { std::exit(code); }, QString::fromLocal8Bit(argv[2])});
    TForm1& form = windows.form1;
    form.show();
    QApplication::processEvents();
    const GameState& game = form.state().Game;
    std::array<bool, kTileCount + 1> turned{};
    for (int tile = 1; tile <= kTileCount; ++tile) {
        for (int other = tile + 1; other <= kTileCount && !turned[tile]; ++other) {
            if (!turned[other] && game.BoardFaces[Slot(other)] == game.BoardFaces[Slot(tile)]) {
                emit form.Image(tile)->clicked();
                emit form.Image(other)->clicked();
                QApplication::processEvents();
                turned[tile] = turned[other] = true;
            }
        }
    }
    if (game.MatchedCount != kTileCount) {
        std::fprintf(stderr, "the game did not end: %d cards up\n", game.MatchedCount);
        return 1;
    }
    std::printf("%ld\n", PeakKilobytes());
    return 0;
}

// gfx/huge beside a copy of the built-in sets: a 2000 x 2000 card back and faces (links to one
// file, so the set costs one picture's disk space; every load still decodes it in full).
void MakeHugeSet(const QString& programFolder) {
    const QString set = programFolder + QStringLiteral("/gfx/huge/");
    QDir().mkpath(set);
    QImage picture(kHugeSide, kHugeSide, QImage::Format_RGB888);
    for (int y = 0; y < kHugeSide; ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < kHugeSide * 3; ++x) {
            line[x] = static_cast<uchar>(x ^ y);
        }
    }
    const QString original = set + QStringLiteral("space.bmp");
    if (!picture.save(original, "BMP")) {
        qFatal("cannot write %s", qPrintable(original));
    }
    for (int face = 1; face <= kFaceCount; ++face) {
        QFile::link(original, set + QString::number(face) + QStringLiteral(".bmp"));
    }
}

long PlayInChild(const QString& programFolder, const QString& set) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--play"), programFolder, set});
    if (!child.waitForFinished(600'000) || child.exitCode() != 0) {
        qFatal("the game with the set %s failed", qPrintable(set));
    }
    return child.readAllStandardOutput().trimmed().toLong();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--play") == 0) {
        return Play(argc, argv);
    }
    if (argc == 3 && std::strcmp(argv[1], "--make-set") == 0) {
        MakeHugeSet(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    const QString builtIn = QStringLiteral(TAVRO_RUNTIME_DIR);
    // A child starts with this process's memory at the time it is started as its peak (Linux
    // keeps ru_maxrss across exec), so even the huge picture is drawn in a child.
    const QString huge = folder.path();
    if (QProcess::execute(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--make-set"), huge}) != 0) {
        qFatal("cannot make the set of huge pictures");
    }
    std::printf("Peak memory (ru_maxrss) of one whole game, 36 cards turned up:\n");
    const long animals = PlayInChild(builtIn, QStringLiteral("animals"));
    const long shapes = PlayInChild(builtIn, QStringLiteral("shapes"));
    const long big = PlayInChild(huge, QStringLiteral("huge"));
    std::printf("  built-in set animals:            %7ld KB\n", animals);
    std::printf("  built-in set shapes:             %7ld KB\n", shapes);
    std::printf("  set of %d x %d pictures:     %7ld KB (%.2f x animals)\n", kHugeSide, kHugeSide,
                big, static_cast<double>(big) / static_cast<double>(animals));
    return 0;
}
