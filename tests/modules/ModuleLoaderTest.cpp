// SPDX-License-Identifier: GPL-3.0-or-later
// The module loader: a module is loaded on first use only, once, from the module folder alone,
// and anything that is not a module of the expected kind gives a reason instead of a crash.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "modules/ModuleLoader.h"
#include "modules/ProbeInterface.h"

namespace tavro {
namespace {

class ModuleLoaderTest : public ::testing::Test {
protected:
    void SetUp() override { SetModuleFolder(QStringLiteral(TAVRO_PROBE_MODULE_DIR)); }
    void TearDown() override { SetModuleFolder(QString()); }
};

TEST_F(ModuleLoaderTest, LoadsAModuleOnFirstUseAndOnlyOnce) {
    EXPECT_FALSE(ModuleLoaded(QStringLiteral("probe")));
    QString error;
    ProbeInterface* probe = LoadModuleAs<ProbeInterface>(QStringLiteral("probe"), &error);
    ASSERT_NE(probe, nullptr) << error.toStdString();
    EXPECT_EQ(probe->Greeting(), QStringLiteral("probe"));
    EXPECT_TRUE(ModuleLoaded(QStringLiteral("probe")));
    EXPECT_EQ(LoadModuleAs<ProbeInterface>(QStringLiteral("probe")), probe);
}

TEST_F(ModuleLoaderTest, RefusesWhatIsNoModuleOfTheKindWithAReason) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile notAModule(folder.filePath(QStringLiteral("libtavro_text.so")));
    ASSERT_TRUE(notAModule.open(QIODevice::WriteOnly));
    notAModule.write("not a shared object\n");
    notAModule.close();
    ASSERT_TRUE(QDir().mkdir(folder.filePath(QStringLiteral("libtavro_folder.so"))));

    struct Case {
        const char* name;
        QString folder;
        const char* reasonMentions;
    };
    const Case cases[] = {
        {"missing", folder.path(), "libtavro_missing.so is missing"},
        {"folder", folder.path(), "libtavro_folder.so is missing"},
        {"text", folder.path(), "libtavro_text.so"},
        // A plugin that implements another interface.
        {"probe", QStringLiteral(TAVRO_PROBE_MODULE_DIR), "does not implement"},
    };
    for (const Case& c : cases) {
        SetModuleFolder(c.folder);
        QString error;
        EXPECT_EQ(LoadModuleAs<UnimplementedInterface>(QString::fromLatin1(c.name), &error),
                  nullptr)
            << c.name;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.reasonMentions))) << error.toStdString();
    }
}

}  // namespace
}  // namespace tavro

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
