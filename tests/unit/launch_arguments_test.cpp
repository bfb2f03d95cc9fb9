#include "jvmlaunch/launch_arguments.h"

#include <gtest/gtest.h>

#include "jvmlaunch/system_properties.h"
#include "launcher/config_store.h"
#include "tests/unit/fake_platform.h"

namespace {

// Their names and order reach the VM in the Windows launch test; here the
// values, the ones each flavour and MANPATH leave out, and the position that
// a language restart turns into -1.
TEST(SystemProperties, ValuesFollowTheLauncherState) {
    SystemPropertyInputs inputs;
    inputs.flavour = 'o';
    inputs.launcherPath = "C:\\app\\app.exe";
    inputs.unextractedPosition = 4096;
    inputs.languageRestart = true;
    inputs.path = std::string(20000, 'p');  // far beyond any fixed buffer
    inputs.consoleCodePage = 850;
    EXPECT_EQ(launcherSystemProperties(inputs),
              (std::vector<std::string>{"-Dtessel.isOrvane=true", "-Dtessel.moduleName=C:\\app\\app.exe",
                                        "-Dsun.java.command=C:\\app\\app.exe", "-Dtessel.tempDir=",
                                        "-Dtessel.unextractedPosition=-1", "-Djava.library.path=" + inputs.path,
                                        "-Dtessel.consoleCodepage=cp850"}));
    // The other flavour has no flag, and a MANPATH (a unix shell's console) takes the code page away.
    inputs.flavour = 't';
    inputs.semaphoreName = "app";
    inputs.manpathDefined = true;
    std::vector<std::string> properties = launcherSystemProperties(inputs);
    EXPECT_EQ(properties.front(), "-Dtessel.semaphoreName=app");
    EXPECT_EQ(properties.size(), 6u);
    EXPECT_EQ(properties.back(), "-Djava.library.path=" + inputs.path);
}

// "${LOGS}" expands to "logs"; other references stay.
const LaunchArgumentServices services{
    [](std::u16string& text) {
        size_t at = text.find(u"${LOGS}");
        if (at != std::u16string::npos) text.replace(at, 7, u"logs");
    },
    [](const std::u16string& path) { return u"C:\\app\\" + path; }};

LauncherArgs arguments(const std::u16string& commandLine) {
    LauncherArgs args;
    splitCommandLine(commandLine, args);
    return launcherMainArguments(args, services);
}

TEST(LauncherMainArguments, FlagsMainClassAndRedirectionFiles) {
    const std::pair<std::vector<std::pair<int32_t, const char*>>, LauncherArgs> cases[] = {
        // Only 1 marks a GUI launcher; any non-zero value of 106 counts.
        {{{107, "1"}, {106, "2"}, {133, "1"}, {122, "app.mod/com.example.Main"}},
         {u"true", u"/app.mod/com.example.Main", u"", u"", u"true", u"app.exe"}},
        {{{107, "5"}, {102, "1"}, {103, "${UNDEFINED_VARIABLE}\\err.log"}, {104, "1"}, {105, "${LOGS}\\out.log"}},
         {u"false", u"", u"${UNDEFINED_VARIABLE}\\err.log", u"C:\\app\\logs\\out.log", u"false", u"app.exe"}},
        {{{102, "1"}, {103, "error.log"}}, {u"false", u"", u"C:\\app\\error.log", u"", u"false", u"app.exe"}},
        // Files without their flags are not handed on.
        {{{103, "error.log"}, {105, "out.log"}}, {u"false", u"", u"", u"", u"false", u"app.exe"}},
    };
    for (const auto& [settings, expected] : cases) {
        resetLauncherForTest();
        for (const auto& [id, value] : settings) configStore().set(id, value);
        EXPECT_EQ(arguments(u"app.exe"), expected) << settings.front().second;
    }
}

TEST(LauncherMainArguments, FixedArgumentsThenTheUsersWithoutLauncherOptions) {
    configStore().set(124, "a \"b c\" ${LOGS}");
    const char16_t* commandLine = u"tool.exe x -J-Xmx1g -Dsun.locale.formatasdefault=true y -j -DSUN.locale.formatasdefault=1";
    LauncherArgs expected = {u"tool.exe", u"a", u"b c", u"logs", u"x", u"y", u"-j", u"-DSUN.locale.formatasdefault=1"};
    configStore().set(125, "1");
    LauncherArgs all = arguments(commandLine);
    EXPECT_EQ(LauncherArgs(all.begin() + 5, all.end()), expected);
    // Without 125 the "-J" options belong to the application.
    configStore().set(125, "0");
    expected.insert(expected.begin() + 5, u"-J-Xmx1g");
    all = arguments(commandLine);
    EXPECT_EQ(LauncherArgs(all.begin() + 5, all.end()), expected);
    // An empty command line has no program token; the fixed arguments remain.
    all = launcherMainArguments({}, services);
    EXPECT_EQ(LauncherArgs(all.begin() + 5, all.end()), (LauncherArgs{u"a", u"b c", u"logs"}));
}

}  // namespace
