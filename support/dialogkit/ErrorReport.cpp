// SPDX-License-Identifier: GPL-3.0-or-later
// The program's error message box, and the full-stop rule for its text.
#include "dialogkit/ErrorReport.h"
#include "tavro/ProgramInfo.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace tavro {

QString WithFullStop(const QString& text) {
    if (!text.isEmpty() && text.back() > QLatin1Char('.')) {
        return text + QLatin1Char('.');
    }
    return text;
}

void ReportError(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral(TAVRO_PROGRAM_NAME), WithFullStop(text),
                    QMessageBox::Ok, parent);
    // The text often names a file, and file names are anyone's: never markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ReportException(QWidget* parent, std::exception_ptr error) {
    try {
        if (error) {
            std::rethrow_exception(error);
        }
    } catch (const std::exception& e) {
        ReportError(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(parent, QCoreApplication::translate("tavro::ErrorReport", "Unknown error"));
    }
}

}  // namespace tavro
