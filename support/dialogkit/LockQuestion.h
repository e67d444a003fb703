// SPDX-License-Identifier: GPL-3.0-or-later
// The question asked when another program holds the lock of a file the player is waiting for
// (the Leads file, the record of games): a short wait, then Retry or Cancel, never a frozen
// window nor a silent failure. Each caller says in its own words which file is locked.
#pragma once

#include <functional>

class QString;
class QWidget;

namespace tavro {

// Asks, in an application-modal box captioned with the program's name, whether to try again:
// Retry (the default) or Cancel (also Escape). True for Retry.
bool AskRetryWhileLocked(QWidget* parent, const QString& question);

// Runs `attempt` until it runs: it returns true when it ran, false when it met the lock (after
// waiting a short, bounded time for it). After each false the question is asked; false when
// the player cancelled. Exceptions from `attempt` pass through.
bool RunAskingWhileLocked(QWidget* parent, const QString& question,
                          const std::function<bool()>& attempt);

}  // namespace tavro
