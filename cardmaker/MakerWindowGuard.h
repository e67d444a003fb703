// SPDX-License-Identifier: GPL-3.0-or-later
// The maker window's handlers run through Guarded: whatever one throws is reported to the player
// (dialogkit/ErrorReport) instead of reaching the event loop.
#pragma once

#include <QWidget>
#include <exception>

#include "dialogkit/ErrorReport.h"

namespace tavro::cardmaker {

template <typename Handler>
void Guarded(QWidget* window, Handler&& handler) {
    try {
        handler();
    } catch (...) {
        ReportException(window, std::current_exception());
    }
}

}  // namespace tavro::cardmaker
