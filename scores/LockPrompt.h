// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for the Leads file's lock without leaving the player before a frozen window: another
// copy of the game holds the lock for a moment at most, so a lock held longer (a copy stuck, or
// another program) costs a short wait and then a question, Retry or Cancel, never a silent one.
#pragma once

#include <chrono>
#include <functional>

class QWidget;

namespace tavro {

// How long an operation waits for the lock before the player is asked.
inline constexpr std::chrono::milliseconds kLeadsLockAskAfter{1000};

// Runs a Leads file operation (LoadLeads, InsertLead, ClearLeads), giving it the time limit to
// pass on for the lock: kLeadsLockAskAfter. While the lock is not granted, asks the player
// whether to try again. True when the operation ran; false when the player cancelled, the table
// in memory and the file then being as they were. Other errors are thrown as the operation
// throws them.
bool RunWithLeadsLock(QWidget* parent,
                      const std::function<void(std::chrono::milliseconds lockLimit)>& operation);

}  // namespace tavro
