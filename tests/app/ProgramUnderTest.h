// The five windows wired together as the program entry does, on a sandbox's card set, with the
// process exit replaced by a recorder.
#pragma once

#include <QTest>
#include <vector>

#include "AppTestSupport.h"
#include "app/Unit1.h"
#include "dialogs/Unit4.h"
#include "dialogs/Unit5.h"
#include "scores/Unit2.h"
#include "scores/Unit3.h"

namespace tavro::test {

struct ProgramUnderTest {
    explicit ProgramUnderTest(const Sandbox& sandbox)
        : form1(StartupOptions{[this](int code) { exitCodes.push_back(code); },
                               sandbox.programFolder()}),
          form3(form1.state(), &form1),
          form2(form1.state(), form3, &form1),
          form4(form1.state(), form1.engine(), &form1),
          form5(form1.state(), &form1) {
        form1.AttachDialogs(&form3, &form2, &form4, &form5);
    }

    std::vector<int> exitCodes;  // declared first: FormCreate may already record one
    TForm1 form1;
    TForm3 form3;
    TForm2 form2;
    TForm4 form4;
    TForm5 form5;
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
