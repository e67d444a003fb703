// SPDX-License-Identifier: GPL-3.0-or-later
// Making a card set from the command line.
#include "cardmaker/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "cardmaker/FaceMaker.h"
#include "cardmaker/SetWriter.h"

namespace tavro::cardmaker {
namespace {

struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

void Print(std::FILE* stream, const QString& text) {
    std::fputs((text + u'\n').toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

void PrintProblems(const QStringList& problems) {
    for (const QString& problem : problems) {
        Print(stderr, QStringLiteral("tavro-memory-cards: ") + problem);
    }
}

// Reads every picture, naming each one that can't be read; appends the read ones.
QStringList ReadPictures(const QStringList& files, std::vector<Picture>& pictures) {
    QStringList problems;
    for (const QString& file : files) {
        PictureRead read = ReadPicture(file);
        if (read.problem.isEmpty()) {
            pictures.push_back(std::move(read.picture));
        } else {
            problems << CommandText::tr("%1: %2").arg(QDir::toNativeSeparators(file), read.problem);
        }
    }
    return problems;
}

// The back: a ready-made one by its id, otherwise a picture file.
QStringList ChooseBack(const QString& back, CardSetDraft& draft) {
    if (back.isEmpty() || ReadyBackIds().contains(back)) {
        draft.readyBack = back.isEmpty() ? ReadyBackIds().first() : back;
        return {};
    }
    std::vector<Picture> read;
    QStringList problems = ReadPictures({back}, read);
    if (!read.empty()) {
        draft.backPicture = std::move(read.front());
    }
    return problems;
}

QStringList NameProblems(const QString& name, bool replace, const SetFolders& folders,
                         QString& replacing) {
    const NameCheck check = CheckSetName(name, folders);
    switch (check.use) {
        case NameUse::Free:
            return {};
        case NameUse::PlayersOwn:
            if (replace) {
                replacing = check.existingFolder;
                return {};
            }
            return {check.problem + u' ' +
                    CommandText::tr("Choose another name, or add --replace to replace it.")};
        case NameUse::Refused:
            break;
    }
    return {check.problem};
}

}  // namespace

int RunCommandLine(const QStringList& arguments, const SetFolders& folders) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandText::tr("Makes a Tavro Memory card set from 18 pictures. Without arguments it "
                        "opens its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption nameOption(
        QStringList{QStringLiteral("n"), QStringLiteral("name")},
        CommandText::tr("The name of the card set, as the game lists it."),
        CommandText::tr("name"));
    const QCommandLineOption backOption(QStringList{QStringLiteral("b"), QStringLiteral("back")},
                                        CommandText::tr("The card back: %1, or a picture file.")
                                            .arg(ReadyBackIds().join(QStringLiteral(", "))),
                                        CommandText::tr("back"));
    const QCommandLineOption replaceOption(
        QStringLiteral("replace"), CommandText::tr("Replace your own card set of the same name."));
    parser.addOptions({nameOption, backOption, replaceOption});
    parser.addPositionalArgument(CommandText::tr("pictures"),
                                 CommandText::tr("The 18 pictures, one for each pair of cards."),
                                 CommandText::tr("PICTURE..."));
    if (!parser.parse(arguments)) {
        PrintProblems({parser.errorText()});
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        parser.showHelp(0);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        parser.showVersion();
    }
    if (!parser.isSet(nameOption)) {
        PrintProblems({CommandText::tr("Give the set a name with --name.")});
        return kExitUsage;
    }

    CardSetDraft draft;
    draft.name = parser.value(nameOption);
    QString replacing;
    QStringList problems =
        NameProblems(draft.name, parser.isSet(replaceOption), folders, replacing);
    problems << ReadPictures(parser.positionalArguments(), draft.pictures);
    problems << ChooseBack(parser.value(backOption), draft);
    problems << PictureProblems(draft.pictures);
    if (!problems.isEmpty()) {
        PrintProblems(problems);
        return kExitRefused;
    }
    try {
        const QString folder = WriteCardSet(RenderCardSet(draft), folders.player, replacing);
        Print(stdout, QDir::toNativeSeparators(folder));
    } catch (const SetWriteError& error) {
        PrintProblems({QString::fromStdString(error.what())});
        return kExitRefused;
    }
    return 0;
}

}  // namespace tavro::cardmaker
