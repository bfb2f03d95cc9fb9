#include "jvmlaunch/vm_options.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "jvmlaunch/option_rules.h"
#include "jvmsearch/selected_runtime.h"
#include "launcher/config_store.h"
#include "launcher/locale.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/fake_vm_option_sources.h"

namespace {

class VmOptions : public ::testing::Test {
protected:
    FakeVmOptionSources sources;

    void SetUp() override {
        recordLocale("");
        setSelectedRuntime("C:\\jre\\bin\\..", "1.8.0_202");
    }
    // The options between the system property and the class path option.
    Options middle(const LauncherArgs& args = {u"tool.exe"}) {
        Options options = assembleVmOptionsWith(sources, args, {"-Dprop=1"});
        EXPECT_EQ(options.front(), "-Dprop=1");
        EXPECT_EQ(options.back(), "-Djava.class.path=");
        return Options(options.begin() + 1, options.end() - 1);
    }
    static bool logged(std::u16string_view part) {
        const auto& lines = fakePlatform().logLines;
        return std::any_of(lines.begin(), lines.end(), [&](auto& line) { return line.find(part) != line.npos; });
    }
};

TEST_F(VmOptions, EverySourceInItsOrder) {
    std::tuple<const char*, LauncherArgs, Options> rows[] = {
        {"1", {u"t", u"-Dsun.locale.formatasdefault=false", u"-J-Xss1m", u"-J-include-options opts.txt"},
         {"-Xmx256m", "-Dv=any", "-Xss1m", "-Dopts", "-Dsun.locale.formatasdefault=false", "-Duser.language=de",
          "-Duser.country=DE", "-Xmx1g"}},
        // The last locale argument counts; "true" keeps the user's locale out.
        {"0", {u"t", u"-J-Xss1m", u"-Dsun.locale.formatasdefault=no", u"-Dsun.locale.formatasdefault=true"},
         {"-Xmx256m", "-Dv=any", "-Dsun.locale.formatasdefault=true", "-Xmx1g"}},
    };
    configStore().set(settingVmOptions, "-Xmx256m");
    configStore().set(settingVersionOptionLineCount, "1");
    configStore().set(settingVersionOptionLines + 1, "-Dv=any");  // an absent prefix matches
    configStore().set(settingReadVmOptionsFile, "1");
    sources.files = {{u"c:\\app\\tool.vmoptions", "-Xmx1g"}, {u"c:\\app\\opts.txt", "-Dopts"}};
    recordLocale("de_DE");
    for (const auto& [javaOptions, args, expected] : rows) {
        configStore().set(settingJavaOptionArguments, javaOptions);
        EXPECT_EQ(middle(args), expected) << javaOptions;
    }
}

TEST(JoinModuleOptions, TwoWordFormsBecomeOne) {
    std::pair<Options, Options> rows[] = {
        {{"--add-exports", "java.desktop/sun.awt=ALL-UNNAMED", "-Xa"},
         {"--add-exports=java.desktop/sun.awt=ALL-UNNAMED", "-Xa"}},
        {{"-Xa", "--add-modules"}, {"-Xa", "--add-modules"}},
        {{"--add-reads", "--add-reads", "m=n", "--limit-modules", "b"},
         {"--add-reads=--add-reads", "m=n", "--limit-modules=b"}},
    };
    for (auto& [options, expected] : rows) {
        joinModuleOptions(options);
        EXPECT_EQ(options, expected);
    }
}

TEST_F(VmOptions, IncludedFilesResolveAgainstTheFileThatNamesThem) {
    std::tuple<const char*, std::map<std::u16string, std::string>, Options> rows[] = {
        {"-Xa -include-options", {}, {"-Xa", "-include-options"}},
        {"-include-options missing.txt -Xb", {}, {"-Xb"}},
        {"-include-options ${CONF}\\x.txt", {{u"c:\\conf\\x.txt", "-Dx"}}, {"-Dx"}},
        {"-include-options a.txt",
         {{u"c:\\app\\a.txt", "-include-options sub\\b.txt"}, {u"c:\\app\\sub\\b.txt", "-include-options c.txt"},
          {u"c:\\app\\sub\\c.txt", "-Dc=sub"}, {u"c:\\app\\c.txt", "-Dc=top"}},
         {"-Dc=sub"}},
        // Read twice, but not inside itself.
        {"-include-options b.txt -include-options b.txt", {{u"c:\\app\\b.txt", "-Db"}}, {"-Db", "-Db"}},
        {"-include-options a.txt",
         {{u"c:\\app\\a.txt", "-Da\n-include-options b.txt\n-Da2"}, {u"c:\\app\\b.txt", "-Db\n-include-options A.TXT"}},
         {"-Da", "-Db", "-Da2"}},
    };
    sources.environment["CONF"] = "C:\\conf";
    for (const auto& [configured, files, expected] : rows) {
        configStore().set(settingVmOptions, configured);
        sources.files = files;
        EXPECT_EQ(middle(), expected) << configured;
    }
    EXPECT_TRUE(logged(u"vmoptions file C:\\app\\A.TXT not read again: it includes itself"));
}

TEST_F(VmOptions, DeepChainsOfDistinctFilesEndAtTheNestingLimit) {
    for (int i = 0; i < 40; ++i)
        sources.files[widenBytes("c:\\app\\f" + std::to_string(i) + ".txt")] =
            "-include-options f" + std::to_string(i + 1) + ".txt\n-Df" + std::to_string(i);
    configStore().set(settingVmOptions, "-include-options f0.txt");
    Options options = middle();
    ASSERT_EQ(options.size(), maxNestedOptionsFiles);
    EXPECT_EQ(options.front(), "-Df31");
    EXPECT_EQ(options.back(), "-Df0");
    EXPECT_TRUE(logged(u"vmoptions file C:\\app\\f32.txt not read: more than 32 nested vmoptions files"));

    // Each file including the next twice would read 2^31 files.
    for (int i = 0; i < 40; ++i) {
        std::string next = "-include-options f" + std::to_string(i + 1) + ".txt\n";
        sources.files[widenBytes("c:\\app\\f" + std::to_string(i) + ".txt")] = next + next + "-Df" + std::to_string(i);
    }
    options = middle();
    EXPECT_EQ(options.size(), maxIncludedOptionsFiles);  // one option per file read
    EXPECT_EQ(options.back(), "-Df0");
    EXPECT_TRUE(logged(u".txt not read: more than 256 vmoptions files included"));
}

TEST_F(VmOptions, DefaultOptionsFileLinesAndCandidates) {
    std::pair<const char16_t*, const char*> rows[] = {
        {u"c:\\app\\tool.vmoptions", "# c\r\n\r\n  -Dx=1  \r\n-Dy=2 # note\n-classpath\n\t-Dt\t\n  "},
        {u"c:\\app\\tool.exe.vmoptions", "-include-options TOOL.exe.vmoptions\n-Dx=1"},
        {u"c:\\mod\\tool.vmoptions", "-include-options x.txt"},  // from the launcher's directory
        {u"c:\\mod\\tool.exe.vmoptions", "-Dx=1"},
    };
    Options expected[] = {{"-Dx=1", "-Dy=2 # note", "-classpath", "\t-Dt\t"}, {"-Dx=1"}, {"-Dx=1"}, {"-Dx=1"}};
    configStore().set(settingReadVmOptionsFile, "1");
    for (size_t i = 0; i < std::size(rows); ++i) {
        sources.files = {{rows[i].first, rows[i].second}, {u"c:\\app\\x.txt", "-Dx=1"}};
        EXPECT_EQ(middle(), expected[i]) << rows[i].second;
    }
    configStore().set(settingReadVmOptionsFile, "0");
    EXPECT_EQ(middle(), Options{});
}

TEST_F(VmOptions, FirstVersionLineWhosePrefixMatches) {
    configStore().set(settingVersionOptionLineCount, "2");
    configStore().set(settingVersionOptionLines, "1.8");
    configStore().set(settingVersionOptionLines + 1, "-Dline=0 -Dtwo");
    configStore().set(settingVersionOptionLines + 2, "11");
    configStore().set(settingVersionOptionLines + 3, "-Dline=1");
    std::pair<const char*, Options> rows[] = {
        {"1.8.0_202", {"-Dline=0", "-Dtwo"}}, {"11.0.2", {"-Dline=1"}}, {"17", {}}, {"1.", {}}, {"", {}}};
    for (const auto& [version, expected] : rows) {
        setSelectedRuntime(*version ? "C:\\jre" : "", version);  // none selected with ""
        EXPECT_EQ(middle(), expected) << version;
    }
}

}  // namespace
