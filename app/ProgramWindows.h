// SPDX-License-Identifier: GPL-3.0-or-later
// The program's five windows, created once each in their order (main window, Leads, name entry,
// Options, About) and wired together: the main window owns the shared state, each dialog is
// handed the parts of it that it uses, and the main window listens to what Options says. The
// program entry and the window tests both build this.
#pragma once

#include <utility>

#include "app/Unit1.h"
#include "dialogs/Unit4.h"
#include "dialogs/Unit5.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

namespace tavro {

struct ProgramWindows {
    explicit ProgramWindows(StartupOptions options = {})
        : form1(std::move(options)),
          form3(form1.state().Leads, form1.state().InputState, &form1),
          form2(form1.state().Leads, form1.state().Game, form1.state().InputState, form3, &form1),
          form4(form1.state().Config, form1.state().InputState, &form1),
          form5(form1.state().InputState, &form1) {
        form1.AttachDialogs(&form3, &form2, &form4, &form5);
    }

    TForm1 form1;  // runs FormCreate: settings, caption, Leads file, the first deal
    TForm3 form3;
    TForm2 form2;
    TForm4 form4;
    TForm5 form5;
};

}  // namespace tavro
