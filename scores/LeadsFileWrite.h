// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the Leads file "leads.dat" so that a rewrite never costs more than the table being
// written: a file that the player owns alone, without an access control list or other extended
// attributes, in a folder the player may write, is replaced atomically (a temporary file beside
// it, then a rename), and so is the file a symbolic link leads to, beside itself, the link
// staying as it is; any other file is written over in place, so that its owner, group, mode,
// access control list, extended attributes and hard links stay as they are. Only regular files
// are ever opened. The callers hold the file's lock (LeadsFileLock.h) around all of this.
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
// and flushes it to disk. Throws LeadsFileError when that fails. The file is at every moment the
// old table or the new one, whole: a failed or killed rewrite leaves the old one.
void WriteLeadsRecord(const LeadsTable& table);

// Creates the missing "leads.dat" holding the table, whole from its first moment, and flushes
// it to disk. False when a file of that name is there after all (nothing is written then);
// throws LeadsFileError when it can't be created or written.
bool WriteNewLeadsFile(const LeadsTable& table);

// Removes "leads.dat" where that loses nothing but the table: a regular file, no link, that
// belongs to the player alone, in a folder that lets it go. False when nothing was removed.
bool RemoveReplaceableLeadsFile();

// "leads.dat" is a symbolic link.
bool LeadsFileIsLink();

// Removes the temporary files that an atomic replace cut short by a kill left beside
// "leads.dat", or beside the file it links to. Those still being written by a running copy of
// the program are left alone.
void RemoveLeftoverTemporaries();

// The names of our temporary files are the name of the file they replace, this, and six
// letters or digits.
inline constexpr char kLeadsTemporaryMark[] = ".tavro-tmp-";

}  // namespace tavro
