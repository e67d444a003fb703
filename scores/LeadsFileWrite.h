// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the Leads file "leads.dat" so that a rewrite never costs more than the table being
// written: a file that the player owns alone, in a folder the player may write, is replaced
// atomically (a temporary file beside it, then a rename); any other file is rewritten in place,
// so that its owner, group, mode, hard links and symbolic links stay as they are. Only regular
// files are ever opened.
#pragma once

#include <QString>

#include "scores/LeadsTable.h"

namespace tavro {

// Throws LeadsFileError with "leads.dat: " + reason.
[[noreturn]] void ThrowLeadsFileError(const QString& reason);

// Throws LeadsFileError when "leads.dat" is there but is not a regular file (a folder, FIFO,
// device, ..., or a symbolic link to one or to nothing).
void CheckLeadsFileKind();

// Makes "leads.dat" hold exactly the table's 152 bytes, creating the file when it is missing,
// and flushes it to disk. Throws LeadsFileError when that fails; a failed atomic replace leaves
// the old file whole.
void WriteLeadsRecord(const LeadsTable& table);

// Removes the temporary files that an atomic replace cut short by a kill left beside
// "leads.dat". Those still being written by a running copy of the program are left alone.
void RemoveLeftoverTemporaries();

// The names of our temporary files start with this; six letters or digits follow.
inline constexpr char kLeadsTemporaryPrefix[] = "leads.dat.tavro-tmp-";

}  // namespace tavro
