// SPDX-License-Identifier: GPL-3.0-or-later
// The Leads table's file "leads.dat" in the current working directory: loading (re-creating it
// with the default table when it is missing, unreadable or short), inserting an entry, clearing.
// A rewrite keeps the file's owner, mode and links (see LeadsFileWrite.h). Running copies of the
// program take turns through the file's lock (LeadsFileLock.h), so none loses another's entry,
// and a load never takes a table being written for a damaged one.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <stdexcept>

#include "scores/LeadsTable.h"

namespace tavro {

inline constexpr const char* kLeadsFileName = "leads.dat";

// How long an operation waits for the file's lock unless its caller gives a limit of its own
// (the windows ask the player sooner, see LockPrompt.h).
inline constexpr std::chrono::milliseconds kLeadsLockTimeLimit{5000};

// An input/output error on the Leads file, carrying the platform's error text.
class LeadsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's lock was not granted in time: another copy of the program, or another program,
// holds it.
class LeadsFileLocked : public LeadsFileError {
public:
    using LeadsFileError::LeadsFileError;
};

// The table with "none" and 0 in every place (the bytes after each name zero).
LeadsTable DefaultLeads();
// The name of place index 0..9 (place 1..10), decoded from Windows-1252, at most 10 characters.
QString LeadNameText(const LeadsTable& table, int placeIndex);

// Makes the table equal to the file, or re-creates the file with the default table; first
// removes what rewrites cut short by a kill left behind. Throws LeadsFileError when the name is
// not a regular file or when re-creating or writing fails, LeadsFileLocked when the lock is not
// granted within lockLimit; the table then keeps its content.
void LoadLeads(LeadsTable& table, std::chrono::milliseconds lockLimit = kLeadsLockTimeLimit);
// Reloads, enters name (first 10 characters, Windows-1252, "?" for what it cannot hold) with
// points if they beat place 10, and rewrites the file, all under one lock. Throws
// LeadsFileError, or LeadsFileLocked when the lock is not granted within lockLimit.
void InsertLead(LeadsTable& table, const QString& name, std::int32_t points,
                std::chrono::milliseconds lockLimit = kLeadsLockTimeLimit);
// Resets the table to the default one, after which a load finds the default table: removes the
// file where that loses nothing else, and otherwise (a link, other names, another owner, an
// access control list or other extended attributes, a folder that keeps its files) writes the
// default table into it. A failure is passed over; throws LeadsFileLocked only when the lock is
// not granted within lockLimit.
void ClearLeads(std::chrono::milliseconds lockLimit = kLeadsLockTimeLimit);

}  // namespace tavro
