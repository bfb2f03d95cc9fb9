#include "jvmsearch/java_probe_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "launcher/config_store.h"

namespace {

// A scripted file system whose java.exe reports 1.8.0_191; it counts what
// is written to the version cache and never finds anything there.
class FakeProbe : public ProbePlatform {
public:
    std::set<std::string> files = {"c:\\jre\\bin\\java.exe"};
    int cached = 0;

    std::string canonicalPath(const std::string& path) override {
        std::string lower = path;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower;
    }
    bool findFile(const std::string& path, uint64_t* time) override {
        *time = 42;
        return files.count(path) > 0;
    }
    bool pathExists(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::string> readCachedVersion(const std::string&, uint64_t) override { return std::nullopt; }
    void writeCachedVersion(const std::string&, uint64_t, const std::string&) override { ++cached; }
    std::optional<std::string> runJavaVersion(const std::string&, uint64_t) override { return "1.8.0_191"; }
};

TEST(JavaProbe, VersionIsTheQuotedTextOfTheFirstVersionLinesFirst99Characters) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"java version \"1.8.0_191\"\r\nJava(TM) SE Runtime\r\n", "1.8.0_191"},
        {"openjdk version \"11.0.2\" 2019-01-15\n", "11.0.2"},
        {"Error: could not open `C:\\jre\\lib\\i386\\jvm.cfg'\n", std::nullopt},
        {"java  version \"1.8\"\n", std::nullopt},
        {"java version \"1.8.0_191\n\"\n", std::nullopt},                      // no closing quote on the line
        {"java version \"" + std::string(85, '1') + "\"", std::nullopt},        // the quote is character 100
        {"java version \"" + std::string(84, '1') + "\"", std::string(84, '1')},
        {"", std::nullopt},
        // Options set in the environment are echoed first.
        {"Picked up JAVA_TOOL_OPTIONS: -Da=\"b\"\nopenjdk version \"17.0.15\" 2025-04-15\n", "17.0.15"},
        {"Picked up _JAVA_OPTIONS: -Xmx1g\r\nPicked up JDK_JAVA_OPTIONS: " + std::string(200, 'x') +
             "\r\njava version \"1.8.0_191\"\r\n",
         "1.8.0_191"},
        {std::string(10, '\n') + "java version \"1.8.0_191\"\n", std::nullopt},  // only the first lines count
    };
    for (const auto& [output, version] : cases) EXPECT_EQ(versionFromOutput(output), version) << output;
}

TEST(JavaProbe, CachedValuesAndTheirKey) {
    EXPECT_EQ(versionCacheKey("c:\\program files\\java\\bin\\java.exe"),
              "SOFTWARE\\valdrin-works\\tessel\\jvms\\c:/program files/java/bin/java.exe");
    EXPECT_EQ(cachedVersionFromData(std::string("1.8.0_191\0", 10)), "1.8.0_191");
    EXPECT_EQ(cachedVersionFromData("1.7.0_80"), "1.7.0_80");
    for (const char* stale : {"1.5.", "1.6.", "1.7."}) EXPECT_EQ(cachedVersionFromData(stale), std::nullopt);
    EXPECT_EQ(cachedVersionFromData(std::string(1999, '9')), std::string(1999, '9'));
    EXPECT_EQ(cachedVersionFromData(std::string(2000, '9')), std::nullopt);  // cannot fit the version buffer
}

TEST(JavaProbe, RefusedVersionsConsolelessExecutableAndJdkRequirement) {
    FakeProbe platform;
    std::string exe = "C:\\JRE\\bin\\java.exe", version;
    EXPECT_FALSE(checkJavaExeWith(platform, exe, version, parseVersion("11"), {}, false, true));
    EXPECT_EQ(platform.cached, 1);  // a refused version is cached too, so it never runs again
    configStore().set(107, "1");
    exe = "C:\\JRE\\bin\\java.exe";
    EXPECT_FALSE(checkJavaExeWith(platform, exe, version, parseVersion("1.8"), {}, false, true));  // no javaw.exe
    platform.files.insert("c:\\jre\\bin\\javaw.exe");
    exe = "C:\\JRE\\bin\\java.exe";
    EXPECT_TRUE(checkJavaExeWith(platform, exe, version, parseVersion("1.8"), {}, false, true));
    EXPECT_EQ(exe, "c:\\jre\\bin\\javaw.exe");

    std::string path;
    EXPECT_TRUE(javaExeForHomeWith(platform, path, "c:\\jre"));
    EXPECT_EQ(path, "c:\\jre\\bin\\java.exe");
    configStore().set(131, "1");
    EXPECT_FALSE(javaExeForHomeWith(platform, path, "c:\\jdk"));
    platform.files.insert("c:\\jdk\\lib\\tools.jar");
    EXPECT_TRUE(javaExeForHomeWith(platform, path, "c:\\jdk"));
    EXPECT_EQ(path, "c:\\jdk\\jre\\bin\\java.exe");
}

}  // namespace
