#include <gtest/gtest.h>

#include "jvmlaunch/vm_options.h"
#include "launcher/config_store.h"
#include "launcher/launcher_state.h"
#include "launcher/message_table.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/fake_vm_option_sources.h"

namespace {

class ClassPath : public ::testing::Test {
protected:
    FakeVmOptionSources sources;

    void SetUp() override {
        messageTable().set(1006, u"missing {0}");
        messageTable().set(1008, u"undefined {0}");
        sources.environment = {{"LIB", "C:\\l"}, {"LIST", "C:\\a;C:\\b"}, {"Q", "\"C:\\x;C:\\y\""},
                               {"SEMI", "C:\\v;;"}, {"EMPTY", ""}, {"HALF", "C:\\gone;C:\\a"}};
        // Without a temporary directory the root's "\\user" stays out.
        sources.existing = {"C:\\a", "C:\\b", "C:\\lib", "C:\\empty", "C:\\t", "C:\\t\\user", "\\user"};
        sources.listings = {{"C:\\lib\\*.jar", {"a.jar", "b.jar"}}, {"C:\\lib\\*.zip", {"c.zip"}},
                            {"C:\\t\\*.jar", {"t.jar"}}, {"C:\\t\\user\\*.zip", {"u.zip"}},
                            {"\\user\\*.jar", {"root.jar"}}};
    }
    Options assemble() { return assembleVmOptionsWith(sources, {u"tool.exe"}, {}); }
};

TEST_F(ClassPath, TypedPathListEntries) {
    // "!" marks the message of a missing mandatory entry, which ends the launcher.
    std::pair<const char*, const char*> rows[] = {
        {"A0C:\\missing.jar;;D0lib\\d", "C:\\missing.jar;C:\\app\\lib\\d"},
        {"A1${LIB}\\..\\a.jar;A1${LIST}", "C:\\l\\..\\a.jar;C:\\a;C:\\b"},
        {"E0UNSET;E0EMPTY;E0Q;E0SEMI", "C:\\x;C:\\y;C:\\v;"},  // ";;" keeps one
        {"S1C:\\empty;S0C:\\lib;S0C:\\none", "C:\\lib\\a.jar;C:\\lib\\b.jar;C:\\lib\\c.zip"},
        {"X0what;A;A0C:\\z", "C:\\z"},
        {"E1UNSET", "!undefined UNSET"},
        {"E1EMPTY", "!missing EMPTY"},
        {"A1${LIB}\\x.jar", "!missing C:\\l\\x.jar"},
        {"A1${HALF}", "!missing C:\\gone;C:\\a"},
        {"S1C:\\none", "!missing C:\\none"},
        {"X1what", "!missing what"},
    };
    sources.existing.insert("C:\\l\\..\\a.jar");
    for (const auto& [list, expected] : rows) {
        configStore().set(settingClassPath, list);
        if (*expected != '!') {
            EXPECT_EQ(assemble(), Options{"-Djava.class.path=" + std::string(expected)}) << list;
            continue;
        }
        ASSERT_EQ(exitCodeOf([&] { assemble(); }), 1) << list;
        EXPECT_EQ(fakePlatform().shownErrors.back(), widenBytes(expected + 1));
    }
}

TEST_F(ClassPath, ModifiersArchivesAndModuleOptions) {
    std::tuple<char, const char*, const char*, const char*, Options> rows[] = {
        {'o', "", "0", "",
         {"-Djava.class.path=C:\\p.jar;C:\\t\\t.jar;C:\\t\\user\\u.zip;C:\\rt\\.orvane\\ovnruntime.jar;C:\\lib\\d;C:\\s.jar"}},
        {'o', "", "1", "app.mod/com.example.Main",
         {"-Djava.class.path=C:\\p.jar;C:\\t\\user\\u.zip;C:\\lib\\d;C:\\s.jar",
          "--module-path=C:\\t\\t.jar;C:\\rt\\.orvane\\ovnruntime.jar",
          "--add-opens=app.mod/com.example=com.orvane.runtime", "--add-modules=app.mod,com.orvane.runtime"}},
        {'t', "D0mods;S0C:\\none", "1", "app.mod/Main",
         {"-Djava.class.path=C:\\p.jar;C:\\t\\user\\u.zip;C:\\lib\\d;C:\\s.jar",
          "--module-path=C:\\app\\mods;C:\\none;C:\\t\\t.jar", "--add-modules=app.mod,com.tessel.runtime"}},
        {'t', "D0C:\\m", "0", "a/b.C", {"-Djava.class.path=C:\\p.jar;C:\\t\\user\\u.zip;C:\\lib\\d;C:\\s.jar",
                                        "--module-path=C:\\m;C:\\t\\t.jar", "--add-modules=com.tessel.runtime"}},
    };
    configStore().set(settingVmOptions, "\"-classpath/a C:\\s.jar\" \"-classpath/p C:\\p.jar\" "
                                        "\"-classpath C:\\first\" \"-classpath C:\\lib\\d\"");
    configStore().set(settingClassPath, "A1C:\\missing.jar");  // overridden, so never looked at
    configStore().set(settingInstallationDirectory, "C:\\rt");
    sources.tempDir = "C:\\t";
    for (const auto& [flavour, modulePath, moduleMainClass, mainClass, expected] : rows) {
        launcherState().flavour = flavour;
        configStore().set(settingModulePath, modulePath);
        configStore().set(settingModuleMainClass, moduleMainClass);
        configStore().set(settingMainClass, mainClass);
        EXPECT_EQ(assemble(), expected) << flavour << modulePath;
    }
}

}  // namespace
