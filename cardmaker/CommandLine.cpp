// SPDX-License-Identifier: GPL-3.0-or-later
// Making, changing, listing and removing card sets from the command line.
#include "cardmaker/CommandLine.h"

#include <malloc.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <cstdio>
#include <map>

#include "cardmaker/DecoderMessages.h"
#include "cardmaker/FaceMaker.h"
#include "cardmaker/PictureFiles.h"
#include "cardmaker/SavedSets.h"
#include "cardmaker/SetWriter.h"
#include "files/SafeFile.h"

namespace tavro::cardmaker {
namespace {

struct CommandText {
    Q_DECLARE_TR_FUNCTIONS(CardMaker)
};

// The picture a numbered option is about: face n (1..18) at n - 1, or the back.
constexpr int kBack = -1;

// What the numbered options ask of the pictures.
struct Changes {
    std::map<int, QRect> squares;  // in pixels of the picture as given
    std::map<int, QString> files;
    std::map<int, QString> names;
};

struct Options {
    QCommandLineOption name{{QStringLiteral("n"), QStringLiteral("name")},
                            CommandText::tr("The name of the card set, as the game lists it."),
                            CommandText::tr("name")};
    QCommandLineOption back{{QStringLiteral("b"), QStringLiteral("back")},
                            CommandText::tr("The card back: %1, or a picture file.")
                                .arg(ReadyBackIds().join(QStringLiteral(", "))),
                            CommandText::tr("back")};
    QCommandLineOption replace{QStringLiteral("replace"),
                               CommandText::tr("Replace your own card set of the same name.")};
    QCommandLineOption edit{QStringLiteral("edit"),
                            CommandText::tr("Start from the saved card set of this name: its "
                                            "pictures, names, squares and back."),
                            CommandText::tr("name")};
    QCommandLineOption crop{QStringLiteral("crop"),
                            CommandText::tr("The square of picture N (or of the back: "
                                            "back=...) on its card: its left, top and side in "
                                            "pixels of the picture."),
                            CommandText::tr("N=LEFT,TOP,SIDE")};
    QCommandLineOption picture{QStringLiteral("picture"),
                               CommandText::tr("With --edit: put this picture in place of "
                                               "picture N."),
                               CommandText::tr("N=FILE")};
    QCommandLineOption pictureName{QStringLiteral("picture-name"),
                                   CommandText::tr("The name of picture N (by default its "
                                                   "file's name)."),
                                   CommandText::tr("N=NAME")};
    QCommandLineOption allowAlike{QStringLiteral("allow-alike"),
                                  CommandText::tr("Take pictures that look like one another.")};
    QCommandLineOption list{QStringLiteral("list"), CommandText::tr("List your own card sets.")};
    QCommandLineOption remove{QStringLiteral("remove"),
                              CommandText::tr("Move your own card set of this name to the "
                                              "trash."),
                              CommandText::tr("name")};
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

QString Where(const QString& file) {
    return QDir::toNativeSeparators(file);
}

// "N=VALUE" with N a picture number (or "back" where allowed); false when malformed.
bool SplitNumbered(const QString& text, bool backAllowed, int& index, QString& value) {
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0) {
        return false;
    }
    const QString which = text.left(equals).trimmed();
    value = text.mid(equals + 1);
    if (backAllowed && which == u"back") {
        index = kBack;
        return true;
    }
    bool ok = false;
    const int number = which.toInt(&ok);
    index = number - 1;
    return ok && number >= 1 && number <= kPicturesPerSet;
}

// Reads the numbered options; the malformed ones, for a usage message.
QStringList ReadChanges(const QCommandLineParser& parser, const Options& options,
                        Changes& changes) {
    QStringList wrong;
    static const QRegularExpression square(
        QStringLiteral("^\\s*(\\d+)\\s*,\\s*(\\d+)\\s*,\\s*(\\d+)\\s*$"));
    for (const QString& text : parser.values(options.crop)) {
        int index = 0;
        QString value;
        const QRegularExpressionMatch match = SplitNumbered(text, true, index, value)
                                                  ? square.match(value)
                                                  : QRegularExpressionMatch();
        const int side = match.hasMatch() ? match.captured(3).toInt() : 0;
        if (side <= 0) {
            wrong << CommandText::tr(
                         "--crop %1: give a picture's number and the square's left, "
                         "top and side, as in --crop 3=120,0,480.")
                         .arg(text);
            continue;
        }
        changes.squares[index] =
            QRect(match.captured(1).toInt(), match.captured(2).toInt(), side, side);
    }
    for (const QString& text : parser.values(options.picture)) {
        int index = 0;
        QString value;
        if (!SplitNumbered(text, false, index, value) || value.isEmpty()) {
            wrong << CommandText::tr(
                         "--picture %1: give a picture's number and a file, as in "
                         "--picture 3=beach.jpg.")
                         .arg(text);
            continue;
        }
        changes.files[index] = value;
    }
    for (const QString& text : parser.values(options.pictureName)) {
        int index = 0;
        QString value;
        if (!SplitNumbered(text, false, index, value)) {
            wrong << CommandText::tr(
                         "--picture-name %1: give a picture's number and a name, as "
                         "in --picture-name 3=Beach.")
                         .arg(text);
            continue;
        }
        changes.names[index] = value;
    }
    return wrong;
}

// Places the square given in pixels of the picture as the file holds it; the text saying why
// not where it does not fit.
QString PlaceSquare(Picture& picture, const QRect& square, const QString& which) {
    const QSize source = picture.sourceSize;
    if (square.right() >= source.width() || square.bottom() >= source.height()) {
        return CommandText::tr(
                   "%1: the square %2,%3,%4 does not fit in the picture of %5 x %6 "
                   "pixels.")
            .arg(which, QString::number(square.left()), QString::number(square.top()),
                 QString::number(square.width()), QString::number(source.width()),
                 QString::number(source.height()));
    }
    const double scale = double(picture.size.width()) / source.width();
    const QRectF kept(square.left() * scale, square.top() * scale, square.width() * scale,
                      square.width() * scale);
    SetCrop(picture, CropOfSquare(picture.size, kept.toRect()));
    return {};
}

QString PictureLabel(int index) {
    return index == kBack ? CommandText::tr("the back")
                          : CommandText::tr("picture %1").arg(index + 1);
}

// Reads a picture with its square, then keeps only its JPEG file, so that 18 photos take little
// memory; the text saying why not where it can't be read.
QString ReadCompact(const QString& file, const Changes& changes, int index, Picture& picture) {
    PictureRead read = ReadPicture(file);
    if (!read.problem.isEmpty()) {
        return CommandText::tr("%1: %2").arg(Where(file), read.problem);
    }
    picture = std::move(read.picture);
    QString problem;
    if (const auto square = changes.squares.find(index); square != changes.squares.end()) {
        problem = PlaceSquare(picture, square->second, Where(file));
    }
    DropImage(picture);
    return problem;
}

void AddProblem(QStringList& problems, const QString& problem) {
    if (!problem.isEmpty()) {
        problems << problem;
    }
}

// A new set's pictures: the files and folders given, in order.
QStringList ReadNewPictures(const QStringList& paths, const Changes& changes,
                            std::vector<Picture>& pictures) {
    QStringList problems;
    for (const QString& file : ExpandPictureFiles(paths).files) {
        Picture picture;
        const QString problem =
            ReadCompact(file, changes, static_cast<int>(pictures.size()), picture);
        if (picture.size.isValid()) {
            pictures.push_back(std::move(picture));
        }
        AddProblem(problems, problem);
    }
    return problems;
}

// An opened set's pictures: those given in place of others, and new squares for the rest.
QStringList ChangePictures(const Changes& changes, std::vector<Picture>& pictures) {
    QStringList problems;
    for (const auto& [index, file] : changes.files) {
        if (index >= static_cast<int>(pictures.size())) {
            problems << CommandText::tr("--picture %1: the set has no picture %1.").arg(index + 1);
            continue;
        }
        Picture picture;
        AddProblem(problems, ReadCompact(file, changes, index, picture));
        if (picture.size.isValid()) {
            pictures[index] = std::move(picture);
        }
    }
    for (const auto& [index, square] : changes.squares) {
        if (index == kBack || changes.files.count(index) != 0) {
            continue;
        }
        if (index >= static_cast<int>(pictures.size())) {
            problems << CommandText::tr("--crop: the set has no picture %1.").arg(index + 1);
            continue;
        }
        AddProblem(problems, PlaceSquare(pictures[index], square, PictureLabel(index)));
        DropImage(pictures[index]);
    }
    return problems;
}

QStringList NamePictures(const Changes& changes, std::vector<Picture>& pictures) {
    QStringList problems;
    for (const auto& [index, name] : changes.names) {
        if (index >= static_cast<int>(pictures.size())) {
            problems
                << CommandText::tr("--picture-name: the set has no picture %1.").arg(index + 1);
            continue;
        }
        pictures[index].name = name;
    }
    return problems;
}

// The back: a ready-made one by its id (in any letter case), otherwise a picture file; or, for
// an opened set, the one it has, with a new square where one is given.
QStringList ChooseBack(const QString& back, const Changes& changes, CardSetDraft& draft) {
    const auto square = changes.squares.find(kBack);
    const bool ownBack =
        !back.isEmpty() ? ReadyBackId(back).isEmpty() : draft.backPicture.has_value();
    if (square != changes.squares.end() && !ownBack) {
        return {CommandText::tr("--crop back: the card back is no picture of your own.")};
    }
    if (back.isEmpty()) {
        if (square != changes.squares.end()) {
            const QString problem =
                PlaceSquare(*draft.backPicture, square->second, PictureLabel(kBack));
            DropImage(*draft.backPicture);
            return problem.isEmpty() ? QStringList() : QStringList{problem};
        }
        return {};
    }
    if (const QString ready = ReadyBackId(back); !ready.isEmpty()) {
        draft.readyBack = ready;
        draft.backPicture.reset();
        draft.finishedBack = QImage();
        return {};
    }
    if (KindOfFile(back) == FileKind::Missing) {
        return {CommandText::tr("--back %1: there is no such card back or picture file. The "
                                "card backs are %2.")
                    .arg(back, ReadyBackIds().join(QStringLiteral(", ")))};
    }
    Picture picture;
    const QString problem = ReadCompact(back, changes, kBack, picture);
    if (picture.size.isValid()) {
        draft.backPicture = std::move(picture);
        draft.finishedBack = QImage();
    }
    return problem.isEmpty() ? QStringList() : QStringList{problem};
}

// Whether the name can be used; the folder of the player's set it replaces, if any.
QStringList NameProblems(const QString& name, bool replace, const QString& editing,
                         const SetFolders& folders, QString& replacing) {
    const NameCheck check = CheckSetName(name, folders);
    switch (check.use) {
        case NameUse::Free:
            return {};
        case NameUse::PlayersOwn:
            if (replace || check.existingFolder.compare(editing, Qt::CaseInsensitive) == 0) {
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

int ListSets(const SetFolders& folders) {
    for (const SavedSet& set : ListSavedSets(folders)) {
        if (set.playersOwn) {
            Print(stdout, set.folderName);
        }
    }
    return 0;
}

int RemoveSet(const QString& name, const SetFolders& folders) {
    const std::optional<SavedSet> set = FindSavedSet(folders, name);
    if (!set || !set->playersOwn) {
        PrintProblems({set ? MoveSetToTrash(*set).problem
                           : CommandText::tr("You have no card set named \"%1\".").arg(name)});
        return kExitRefused;
    }
    const TrashMove move = MoveSetToTrash(*set);
    if (!move.problem.isEmpty()) {
        PrintProblems({move.problem});
        return kExitRefused;
    }
    Print(stdout, Where(move.inTrash));
    return 0;
}

// The option combinations that make no sense; empty when the command line is whole.
QString UsageProblem(const QCommandLineParser& parser, const Options& options) {
    const bool edit = parser.isSet(options.edit);
    if (!parser.isSet(options.name) && !edit) {
        return CommandText::tr("Give the set a name with --name.");
    }
    if (edit && !parser.positionalArguments().isEmpty()) {
        return CommandText::tr("With --edit, put other pictures in with --picture N=FILE.");
    }
    if (!edit && parser.isSet(options.picture)) {
        return CommandText::tr("--picture changes a picture of the set given with --edit.");
    }
    return {};
}

int MakeSet(const QCommandLineParser& parser, const Options& options, const SetFolders& folders) {
    Changes changes;
    QStringList problems = ReadChanges(parser, options, changes);
    if (const QString usage = UsageProblem(parser, options); !usage.isEmpty()) {
        problems << usage;
    }
    if (!problems.isEmpty()) {
        PrintProblems(problems);
        return kExitUsage;
    }

    CardSetDraft draft;
    if (parser.isSet(options.edit)) {
        const QString editName = parser.value(options.edit);
        if (const std::optional<SavedSet> set = FindSavedSet(folders, editName)) {
            OpenedSet opened = OpenSavedSet(*set);
            draft = std::move(opened.draft);
            problems << opened.problems;
        } else {
            problems << CommandText::tr("There is no card set named \"%1\".").arg(editName);
        }
    }
    if (parser.isSet(options.name)) {
        draft.name = parser.value(options.name);
    }
    draft.name = SetNameOf(draft.name);
    QString replacing;
    problems << NameProblems(draft.name, parser.isSet(options.replace), draft.editing, folders,
                             replacing);
    if (parser.isSet(options.edit)) {
        problems << ChangePictures(changes, draft.pictures);
    } else {
        problems << ReadNewPictures(parser.positionalArguments(), changes, draft.pictures);
    }
    problems << NamePictures(changes, draft.pictures);
    problems << ChooseBack(parser.value(options.back), changes, draft);
    problems << PictureProblems(draft.pictures, parser.isSet(options.allowAlike)
                                                    ? LookAlikes::Allowed
                                                    : LookAlikes::Refused);
    if (!problems.isEmpty()) {
        PrintProblems(problems);
        return kExitRefused;
    }
    try {
        const QString folder = WriteCardSet(RenderCardSet(draft), folders.player, replacing);
        Print(stdout, Where(folder));
    } catch (const SetWriteError& error) {
        PrintProblems({QString::fromStdString(error.what())});
        return kExitRefused;
    }
    return 0;
}

}  // namespace

int RunCommandLine(const QStringList& arguments, const SetFolders& folders) {
    // A successful run prints nothing but where its set went: no decoder's warnings.
    SilenceDecoderChatter();
    // Pictures are read one after another: each one's large buffers (decoded pictures, libjpeg's
    // coefficients) go back to the system when freed, instead of growing the heap picture by
    // picture, as glibc's rising threshold for mapping them separately would have it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandText::tr("Makes a Tavro Memory card set from 18 pictures. Without arguments it "
                        "opens its window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const Options options;
    parser.addOptions({options.name, options.back, options.replace, options.edit, options.crop,
                       options.picture, options.pictureName, options.allowAlike, options.list,
                       options.remove});
    parser.addPositionalArgument(CommandText::tr("pictures"),
                                 CommandText::tr("The 18 pictures, one for each pair of cards, "
                                                 "or folders of pictures."),
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
    if (parser.isSet(options.list)) {
        return ListSets(folders);
    }
    if (parser.isSet(options.remove)) {
        return RemoveSet(parser.value(options.remove), folders);
    }
    return MakeSet(parser, options, folders);
}

}  // namespace tavro::cardmaker
