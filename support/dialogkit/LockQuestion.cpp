// SPDX-License-Identifier: GPL-3.0-or-later
// The Retry/Cancel question about a locked file; see LockQuestion.h.
#include "dialogkit/LockQuestion.h"

#include <QMessageBox>
#include <QString>

#include "tavro/ProgramInfo.h"

namespace tavro {

bool AskRetryWhileLocked(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral(TAVRO_PROGRAM_NAME), question,
                    QMessageBox::Retry | QMessageBox::Cancel, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Retry);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Retry;
}

bool RunAskingWhileLocked(QWidget* parent, const QString& question,
                          const std::function<bool()>& attempt) {
    while (!attempt()) {
        if (!AskRetryWhileLocked(parent, question)) {
            return false;
        }
    }
    return true;
}

}  // namespace tavro
