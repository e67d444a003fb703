// SPDX-License-Identifier: GPL-3.0-or-later
// The maker's command line, for scripts: makes a set from pictures without a window.
//   tavro-memory-cards --name Family [--back blue|PICTURE] [--replace] PICTURE...
// Prints the set's folder; bad input gives a message on stderr, a non-zero exit and no files.
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
