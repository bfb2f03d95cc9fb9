#include "jvmsearch/java_probe_rules.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "launcher/config_store.h"
#include "tests/unit/fake_platform.h"

namespace {

// One executable on a scripted file system with a registry cache.
class FakeProbe : public ProbePlatform {
public:
    std::set<std::string> files = {"c:\\jre\\bin\\java.exe"};
    std::map<std::string, std::string> cache;
    std::optional<std::string> runOutput = std::string("1.8.0_191");
    int runs = 0;

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
    std::optional<std::string> readCachedVersion(const std::string& exe, uint64_t) override {
        auto it = cache.find(exe);
        return it == cache.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    void writeCachedVersion(const std::string& exe, uint64_t, const std::string& version) override {
        cache[exe] = version;
    }
    std::optional<std::string> runJavaVersion(const std::string&, uint64_t) override {
        ++runs;
        return runOutput;
    }
};

class JavaProbeTest : public ::testing::Test {
protected:
    void SetUp() override { resetLauncherForTest(); }
    bool probe() {
        exe = "C:\\JRE\\bin\\java.exe";
        return checkJavaExeWith(platform, exe, version, parseVersion("1.8"), {}, false, true);
    }
    FakeProbe platform;
    std::string exe, version;
};

TEST_F(JavaProbeTest, VersionIsTheQuotedTextOfTheFirstVersionLinesFirst99Characters) {
    struct {
        std::string output;
        std::optional<std::string> version;
    } cases[] = {
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
    for (const auto& c : cases) EXPECT_EQ(versionFromOutput(c.output), c.version) << c.output;
}

TEST_F(JavaProbeTest, CachedValuesAndTheirKey) {
    EXPECT_EQ(versionCacheKey("c:\\program files\\java\\bin\\java.exe"),
              "SOFTWARE\\valdrin-works\\tessel\\jvms\\c:/program files/java/bin/java.exe");
    EXPECT_EQ(cachedVersionFromData(std::string("1.8.0_191\0", 10)), "1.8.0_191");
    EXPECT_EQ(cachedVersionFromData("1.7.0_80"), "1.7.0_80");
    for (const char* stale : {"1.5.", "1.6.", "1.7."}) EXPECT_EQ(cachedVersionFromData(stale), std::nullopt);
    EXPECT_EQ(cachedVersionFromData(std::string(1999, '9')), std::string(1999, '9'));
    EXPECT_EQ(cachedVersionFromData(std::string(2000, '9')), std::nullopt);  // cannot fit the version buffer
}

TEST_F(JavaProbeTest, ConsolelessExecutableAndJdkRequirement) {
    configStore().set(107, "1");
    EXPECT_FALSE(probe());
    EXPECT_EQ(platform.cache.size(), 1u);  // cached before javaw.exe was looked for
    platform.files.insert("c:\\jre\\bin\\javaw.exe");
    EXPECT_TRUE(probe());
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
