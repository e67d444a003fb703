// SPDX-License-Identifier: GPL-3.0-or-later
// The question asked while another program holds the Leads file's lock; see LockPrompt.h.
#include "scores/LockPrompt.h"

#include <QCoreApplication>
#include <algorithm>

#include "dialogkit/LockQuestion.h"
#include "scores/LeadsFile.h"
#include "scores/LeadsFileLock.h"

namespace tavro {
namespace {

struct PromptText {
    Q_DECLARE_TR_FUNCTIONS(LockPrompt)
};

// The lock's time limit for as long as it lives: the shorter of the one set and `limit`.
class ShorterLockWait {
public:
    explicit ShorterLockWait(std::chrono::milliseconds limit) : previous_(LeadsLockTimeLimit()) {
        SetLeadsLockTimeLimit(std::min(previous_, limit));
    }
    ~ShorterLockWait() { SetLeadsLockTimeLimit(previous_); }
    ShorterLockWait(const ShorterLockWait&) = delete;
    ShorterLockWait& operator=(const ShorterLockWait&) = delete;

private:
    std::chrono::milliseconds previous_;
};

}  // namespace

bool RunWithLeadsLock(QWidget* parent, const std::function<void()>& operation) {
    const QString question = PromptText::tr(
                                 "The high scores (%1) are locked by another program, perhaps "
                                 "another copy of Tavro Memory.")
                                 .arg(QLatin1String(kLeadsFileName));
    return RunAskingWhileLocked(parent, question, [&operation] {
        try {
            const ShorterLockWait wait(kLeadsLockAskAfter);
            operation();
            return true;
        } catch (const LeadsFileLocked&) {
            return false;
        }
    });
}

}  // namespace tavro
