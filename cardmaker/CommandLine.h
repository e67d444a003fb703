// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's command line, for scripts: makes, changes, lists and removes sets without a window.
//   tavro-memory-cards --name Family [--back COLOUR|PICTURE] [--replace] [--allow-alike]
//                      [--crop N=LEFT,TOP,SIDE]... [--picture-name N=NAME]... PICTURE|FOLDER...
//   tavro-memory-cards --edit NAME [--name NEW] [--picture N=FILE]... [--crop ...] [--back ...]
//   tavro-memory-cards --list | --remove NAME
// A successful run prints the set's folder (or where a removed set went, or the sets), and
// nothing else; bad input gives a message on stderr, a non-zero exit and no files.
#pragma once

#include <QStringList>

#include "cardmaker/CardSetDraft.h"

namespace tavro::cardmaker {

// Exit codes besides 0 (the set was saved).
inline constexpr int kExitRefused = 1;  // bad pictures, a bad or taken name, a failed write
inline constexpr int kExitUsage = 2;    // the command line itself is wrong

// Runs the command line (arguments as QCoreApplication::arguments()) with the given folders.
int RunCommandLine(const QStringList& arguments, const SetFolders& folders);

}  // namespace tavro::cardmaker
