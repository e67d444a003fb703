// SPDX-License-Identifier: GPL-3.0-or-later
// The question asked while another program holds the Leads file's lock; see LockPrompt.h.
#include "scores/LockPrompt.h"

#include <QCoreApplication>

#include "dialogkit/LockQuestion.h"
#include "scores/LeadsFile.h"

namespace tavro {
namespace {

struct PromptText {
    Q_DECLARE_TR_FUNCTIONS(LockPrompt)
};

}  // namespace

bool RunWithLeadsLock(QWidget* parent,
                      const std::function<void(std::chrono::milliseconds lockLimit)>& operation) {
    const QString question = PromptText::tr(
                                 "The high scores (%1) are locked by another program, perhaps "
                                 "another copy of Tavro Memory.")
                                 .arg(QLatin1String(kLeadsFileName));
    return RunAskingWhileLocked(parent, question, [&operation] {
        try {
            operation(kLeadsLockAskAfter);
            return true;
        } catch (const LeadsFileLocked&) {
            return false;
        }
    });
}

}  // namespace tavro
