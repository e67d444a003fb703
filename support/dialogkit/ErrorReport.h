// SPDX-License-Identifier: GPL-3.0-or-later
// The one place that tells the player about an error: a message box with the error icon and the
// caption "Tavro Memory". Every handler that can fail catches at its own boundary and calls this.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace tavro {

// The text with a full stop appended when it is not empty and its last character comes after
// '.' in character-code order (so "abc" and "x?" get one; "a." "a!" and "a)" do not).
QString WithFullStop(const QString& text);
// Shows the text in the error message box; parent may be null.
void ReportError(QWidget* parent, const QString& text);
// Reports the exception's text; for use in catch (...) blocks.
void ReportException(QWidget* parent, std::exception_ptr error);

}  // namespace tavro
