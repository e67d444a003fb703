// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the Leads permission tests: a working folder that a child without privileges
// may or may not write, files handed to that child's user, and checks of what a call throws.
#pragma once

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "leads/LeadsTestSupport.h"
#include "leads/Unprivileged.h"

namespace tavro::test {

class LeadsPermission : public LeadsFileTest {
protected:
    LeadsPermission() = default;
    explicit LeadsPermission(bool inMemory) : LeadsFileTest(inMemory) {}

    void TearDown() override {
        GiveTo(Folder(), 0700, false);  // so the temporary folder can be removed
        LeadsFileTest::TearDown();
    }

    // The folder: writable by the child (open) or by nobody but root (closed).
    void SetFolder(bool writableByChild) {
        ASSERT_TRUE(GiveTo(Folder(), writableByChild ? 0755 : 0555, writableByChild));
    }
    // A folder the child may not write: root's, with mode 0755, when the test runs as root.
    void LockFolder() { ASSERT_TRUE(GiveTo(Folder(), geteuid() == 0 ? 0755 : 0555, false)); }
    // leads.dat with the given bytes, belonging to the child's user with the given mode.
    void PlaceFile(const QByteArray& bytes, mode_t mode) {
        WriteFile(LeadsFile(), bytes);
        ASSERT_TRUE(GiveTo(LeadsFile(), mode, true));
    }

    const LeadsTable stored_ = MakeTable({{"Stored", 900}, {"Scores", 400}});
};

// 0 when call throws a LeadsFileError carrying the platform's text for errorNumber.
template <typename Call>
int ExpectFileError(Call call, int errorNumber) {
    try {
        call();
    } catch (const LeadsFileError& error) {
        return std::strstr(error.what(), std::strerror(errorNumber)) ? 0 : 11;
    }
    return 10;
}

// 0 when call throws a LeadsFileError with exactly the text.
template <typename Call>
int ExpectFileErrorText(Call call, const std::string& text) {
    try {
        call();
    } catch (const LeadsFileError& error) {
        return error.what() == text ? 0 : 11;
    }
    return 10;
}

inline struct stat StatusOf(const QString& path, bool followLink = true) {
    struct stat status {};
    const QByteArray native = QFile::encodeName(path);
    const int result =
        followLink ? ::stat(native.constData(), &status) : ::lstat(native.constData(), &status);
    EXPECT_EQ(result, 0) << native.constData();
    return status;
}

}  // namespace tavro::test
