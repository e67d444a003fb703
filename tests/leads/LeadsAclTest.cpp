// SPDX-License-Identifier: GPL-3.0-or-later
// A leads.dat with an access control list that lets a second account write it, and extended
// attributes of the player's own: every save keeps them, with the owner, group and mode, though
// the player ("nobody", in a folder of its own) could replace the file; the second account can
// still enter a score afterwards. Needs root, to set the file up for both accounts and to drop
// to them; getfacl and setfacl come from Debian's package "acl".
#include <pwd.h>
#include <sys/xattr.h>

#include <QProcess>

#include "leads/PermissionTestSupport.h"

namespace tavro::test {
namespace {

const char kAttribute[] = "user.tavro.note";
const std::string kAttributeValue = "kept by every save";

// The account the access control list lets write the file besides its owner.
Identity SecondAccount() {
    const passwd* daemon = getpwnam("daemon");
    return daemon ? Identity{daemon->pw_uid, daemon->pw_gid} : Identity{1, 1};
}

// "getfacl" or "setfacl" with the arguments; their standard output, or "(failed)".
std::string Acl(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return "(failed)";
    }
    return process.readAllStandardOutput().toStdString();
}

std::string AclOf(const QString& file) {
    return Acl(QStringLiteral("getfacl"), {QStringLiteral("--omit-header"), file});
}

std::string AttributeOf(const QString& file) {
    char value[64] = {};
    const ssize_t size =
        ::getxattr(QFile::encodeName(file).constData(), kAttribute, value, sizeof value);
    return size < 0 ? std::string("(none)") : std::string(value, static_cast<std::size_t>(size));
}

// In a child: 0 when the operation runs and leaves the expected first place.
int RunAndCheck(const std::function<void(LeadsTable&)>& operation, const char* firstName) {
    LeadsTable table{};
    operation(table);
    LoadLeads(table);
    return LeadNameText(table, 0) == QLatin1String(firstName) ? 0 : 20;
}

using LeadsAcl = LeadsPermission;

TEST_F(LeadsAcl, EverySaveKeepsTheAccessControlListAndExtendedAttributes) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs root, to set the file up for two accounts and drop to them";
    }
    SetFolder(true);  // nothing but the list and the attributes keeps a save from a replace
    PlaceFile(ImageOf(stored_), 0640);
    const Identity second = SecondAccount();
    ASSERT_NE(Acl(QStringLiteral("setfacl"),
                  {QStringLiteral("-m"), QStringLiteral("u:%1:rw-").arg(second.Uid), LeadsFile()}),
              "(failed)");
    ASSERT_EQ(
        ::setxattr(kLeadsFileName, kAttribute, kAttributeValue.data(), kAttributeValue.size(), 0),
        0)
        << std::strerror(errno);
    const std::string acl = AclOf(LeadsFile());
    ASSERT_NE(acl.find("group::r--"), std::string::npos) << acl;
    ASSERT_NE(acl.find("mask::rw-"), std::string::npos) << acl;
    const struct stat before = StatusOf(LeadsFile());

    // Each way the player's copy writes the file: an entry, a Clear, the repair of a short
    // file by a load, and an entry again.
    const auto keptAll = [&](const char* after) {
        SCOPED_TRACE(after);
        EXPECT_EQ(AclOf(LeadsFile()), acl);
        EXPECT_EQ(AttributeOf(LeadsFile()), kAttributeValue);
        const struct stat now = StatusOf(LeadsFile());
        EXPECT_EQ(now.st_ino, before.st_ino);
        EXPECT_EQ(now.st_uid, before.st_uid);
        EXPECT_EQ(now.st_gid, before.st_gid);
        EXPECT_EQ(now.st_mode, before.st_mode);
    };
    const auto insert = [](const char* name, int points) {
        return [=](LeadsTable& table) { InsertLead(table, QLatin1String(name), points); };
    };
    EXPECT_EQ(RunUnprivileged([&] { return RunAndCheck(insert("Player", 5000), "Player"); }), 0);
    keptAll("an entry");
    EXPECT_EQ(
        RunUnprivileged([] { return RunAndCheck([](LeadsTable&) { ClearLeads(); }, "none"); }), 0);
    keptAll("Clear");
    ASSERT_TRUE(QFile::resize(LeadsFile(), 50));
    EXPECT_EQ(
        RunUnprivileged([] { return RunAndCheck([](LeadsTable& t) { LoadLeads(t); }, "none"); }),
        0);
    keptAll("the repair of a short file");
    EXPECT_EQ(RunUnprivileged([&] { return RunAndCheck(insert("Again", 6000), "Again"); }), 0);
    keptAll("a second entry");

    // The second account is still let in.
    EXPECT_EQ(RunAs(second, [&] { return RunAndCheck(insert("Second", 7000), "Second"); }), 0);
    keptAll("the second account's entry");
}

}  // namespace
}  // namespace tavro::test
