// SPDX-License-Identifier: GPL-3.0-or-later
// The five windows wired together as the program entry does, on a sandbox's card set, with the
// process exit replaced by a recorder.
#pragma once

#include <QTest>
#include <vector>

#include "AppTestSupport.h"
#include "app/ProgramWindows.h"

namespace tavro::test {

struct ProgramUnderTest {
    explicit ProgramUnderTest(const Sandbox& sandbox)
        : windows(StartupOptions{[this](int code) { exitCodes.push_back(code); },
                                 sandbox.programFolder()}) {}

    std::vector<int> exitCodes;  // declared first: FormCreate may already record one
    ProgramWindows windows;
    TForm1& form1 = windows.form1;
    TForm3& form3 = windows.form3;
    TForm2& form2 = windows.form2;
    TForm4& form4 = windows.form4;
    TForm5& form5 = windows.form5;
};

// A sandbox with the program on it: where most window tests start.
struct SandboxedProgram {
    Sandbox sandbox;
    ProgramUnderTest windows{sandbox};
    TForm1& form = windows.form1;

    // Shows the main window; false when it did not become the active window.
    bool show() {
        form.show();
        return QTest::qWaitForWindowActive(&form);
    }
};

}  // namespace tavro::test
